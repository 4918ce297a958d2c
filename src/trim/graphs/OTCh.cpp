#include "trim/graphs/OTCh.h"

#include "widgets/legend_widget.h"

#include <QHBoxLayout>

namespace hullcalc {

TOrdinatGraphForm::TOrdinatGraphForm(const ChartModel& OTChGraphResults, QWidget* parent)
    : GraphWindow("OrdinatGraphForm", "Ординаты теоретического чертежа", QSize(700, 500), parent)
{
    auto* chartArea = new QWidget(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(chartArea, 1);
    addChart(OTChGraphResults, ChartLook{}, chartArea)->setObjectName("OTChGraphResults");
    // All 21 frames are listed, in two columns beside the chart.
    auto* legend = new LegendWidget(OTChGraphResults, 2, this);
    legend->setObjectName("OTChLegend");
    layout->addWidget(legend);
}

}  // namespace hullcalc
