#include "widgets/graph_window.h"

#include "presentation/trim_window_names.h"
#include "widgets/legend_widget.h"
#include "widgets/outdated_notice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace hullcalc {

GraphWindow::GraphWindow(const QString& objectName, const QString& caption, QSize size, QWidget* parent)
    : QWidget(parent, Qt::Window), caption_(caption)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    resize(size);
}

void GraphWindow::refresh()
{
    for (ChartView* chart : charts_)
        chart->refresh();
}

// The title says so in every window; where the charts stand one above the
// other, a line above them too.
void GraphWindow::setResultsOutdated(bool outdated)
{
    setWindowTitle(outdated ? caption_ + " — результаты устарели" : caption_);
    if (!outdatedNotice_) {
        auto* box = qobject_cast<QVBoxLayout*>(layout());
        if (!box)
            return;
        outdatedNotice_ = createOutdatedNotice(
            "Исходные данные изменены — результаты устарели (F9 в окне «Удифферентовка» — пересчитать)",
            graphWindowNames::outdatedNotice, this);
        box->insertWidget(0, outdatedNotice_);
    }
    outdatedNotice_->setVisible(outdated);
}

ChartView* GraphWindow::addChart(const ChartModel& model, const ChartLook& look, QWidget* container)
{
    QWidget* host = container ? container : this;
    auto* view = new ChartView(model, look, host);
    if (!host->layout()) {
        auto* layout = new QVBoxLayout(host);
        layout->setContentsMargins(4, 4, 4, 4);
    }
    host->layout()->addWidget(view);
    charts_.push_back(view);
    return view;
}

// The chart and its legend side by side in a row of their own, below the
// outdated notice when there is one.
ChartView* GraphWindow::addChartWithLegend(const ChartModel& model, const ChartLook& look, int columns)
{
    auto* row = new QWidget(this);
    auto* rowLayout = new QHBoxLayout(row);
    rowLayout->setContentsMargins(0, 0, 0, 0);
    ChartView* view = addChart(model, look, row);
    rowLayout->setStretch(0, 1);
    rowLayout->addWidget(new LegendWidget(*view, columns, row));
    if (!layout()) {
        auto* box = new QVBoxLayout(this);
        box->setContentsMargins(0, 0, 0, 0);
    }
    layout()->addWidget(row);
    return view;
}

}  // namespace hullcalc
