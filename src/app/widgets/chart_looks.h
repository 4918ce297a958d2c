// What runs along the axes of the charts the windows and the report share, so
// that a chart reads the same on the screen, printed and in the report.
#pragma once

#include "widgets/chart_view.h"

namespace hullcalc {

// A quantity along the hull at the frame rows 1..21, read as frames 0..20.
ChartLook alongFrameRows(const QString& yTitle);

// A quantity at the frames 0..20 themselves.
ChartLook alongFrames(const QString& yTitle);

// A quantity per spacing 1..20: the mode shape of the energy method.
ChartLook alongSpacings(const QString& yTitle);

// A curve against the draft: the quantity across, the draft up.
ChartLook againstDraft(const QString& quantity, const QString& draft = "Осадка, м");

// The mode shapes of vertical vibration, by spacing, relative deflection.
ChartLook modeShapeLook();

// The Campbell diagram: tones and exciting frequencies in Гц against the
// shaft speed, об/мин, each curve named in the legend.
ChartLook campbellLook();

// The names of the curves as the tables name frames and waterlines:
// "0 шп" .. "20 шп", "ВЛ 1" .. "ВЛ 10".
QStringList frameNames();
QStringList waterlineNames();

}  // namespace hullcalc
