// A chart taken out of the program for an explanatory note or a slide: a PNG
// picture at print resolution, an SVG drawing, or both on the clipboard.
#pragma once

#include "widgets/chart_view.h"

#include <QByteArray>
#include <QImage>

#include <filesystem>

class QMimeData;

namespace hullcalc {

// The chart as it is exported: laid out at this size in points, so that its
// labels are as large beside the curves as on a printed page, and 16 cm wide
// on paper - the width of a page's text.
inline constexpr double exportedChartWidthPoints = 640;
inline constexpr double exportedChartHeightPoints = 400;
inline constexpr double exportedChartWidthMillimetres = 160;
inline constexpr int exportedChartDotsPerInch = 300;

// The chart drawn on a white picture of exportedChartDotsPerInch (the resolution
// is written into the PNG, so that a word processor places it 16 cm wide).
QImage chartImage(const ChartModel& model, const ChartLook& look);

// The bytes of a PNG file and of an SVG file of the chart. Throw Error when
// the chart cannot be drawn.
QByteArray chartPng(const ChartModel& model, const ChartLook& look);
QByteArray chartSvg(const ChartModel& model, const ChartLook& look, const QString& title);

// Saves those bytes through saveFileSafely: a failed write keeps the old file.
void saveChartPng(const std::filesystem::path& path, const ChartModel& model, const ChartLook& look);
void saveChartSvg(const std::filesystem::path& path, const ChartModel& model, const ChartLook& look,
                  const QString& title);

// The chart for the clipboard: the picture, with the SVG drawing beside it for
// programs that take vector graphics. The caller owns the result.
QMimeData* chartMimeData(const ChartModel& model, const ChartLook& look, const QString& title);

}  // namespace hullcalc
