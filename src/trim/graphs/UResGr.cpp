#include "trim/graphs/UResGr.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace hullcalc {

std::vector<ResultsChart> resultsCharts(const TrimSheet& sheet)
{
    ChartLook look;
    look.titleColour = Qt::blue;
    look.barWidth = 0.8;
    ChartLook marked = look;
    marked.pointMarks = true;
    marked.markSize = 3;
    marked.frameAxis = std::pair(0, frameCount - 1);
    return {
        {sheet.NagrGraph, "NagrGraph", look},
        {sheet.ForceGraph, "ForceGraph", marked},
        {sheet.MomGraph, "MomGraph", marked},
    };
}

TResGraphForm::TResGraphForm(const TrimSheet& sheet, QWidget* parent)
    : GraphWindow("ResGraphForm", "Результаты удифферентовки", QSize(1021, 736), parent), pages_(new QTabWidget(this))
{
    pages_->setObjectName("PageControl1");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    for (const ResultsChart& chart : resultsCharts(sheet)) {
        auto* tab = new QWidget(pages_);
        addChart(chart.model, chart.look, tab)->setObjectName(chart.name);
        pages_->addTab(tab, QString::fromStdString(chart.model.title));
    }
}

void TResGraphForm::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        pages_->setCurrentIndex(0);
    }
    GraphWindow::showEvent(event);
}

}  // namespace hullcalc
