#include "trim/graphs/bonjean_window.h"

#include "presentation/trim_window_names.h"
#include "widgets/qt_text.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace hullcalc {

namespace names = graphWindowNames;

BonjeanWindow::BonjeanWindow(const ChartModel& areaCurves, const ChartModel& momentCurves, QWidget* parent)
    : GraphWindow(toQString(names::bonjeanWindow), "Масштаб Бонжана", QSize(780, 520), parent)
{
    auto* pages = new QTabWidget(this);
    pages->setObjectName(toQString(names::bonjeanPages));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    const struct {
        const ChartModel& model;
        std::string_view name;
        const char* caption;
    } charts[] = {
        {areaCurves, names::bonjeanChart, "Площади"},
        {momentCurves, names::bonjeanMomentChart, "Статические моменты"},
    };
    for (const auto& chart : charts) {
        ChartLook look;
        look.frameAxis = std::pair(0, frameCount);  // room for the stern frame's curve beyond frame 20
        look.xTitle = "Шпангоут; кривая — от своего шпангоута в масштабе заголовка";
        look.yTitle = "Высота от основной линии, м";
        auto* tab = new QWidget(pages);
        addChart(chart.model, look, tab)->setObjectName(toQString(chart.name));
        pages->addTab(tab, chart.caption);
    }
}

}  // namespace hullcalc
