#include "trim/graphs/bonjean_window.h"

#include "trim/trim_window_names.h"
#include "widgets/qt_text.h"

namespace hullcalc {

namespace names = graphWindowNames;

BonjeanWindow::BonjeanWindow(const ChartModel& bonjeanCurves, QWidget* parent)
    : GraphWindow(toQString(names::bonjeanWindow), "Масштаб Бонжана", QSize(696, 480), parent)
{
    addChart(bonjeanCurves, ChartLook{})->setObjectName(toQString(names::bonjeanChart));
}

}  // namespace hullcalc
