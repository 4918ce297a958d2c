#include "trim/graphs/results_window.h"

#include "presentation/trim_window_names.h"
#include "widgets/qt_text.h"
#include "widgets/results_charts.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace hullcalc {

namespace names = graphWindowNames;

ResultsWindow::ResultsWindow(const TrimTable& results, QWidget* parent)
    : GraphWindow(toQString(names::resultsWindow), "Результаты удифферентовки", QSize(1021, 736), parent),
      pages_(new QTabWidget(this))
{
    pages_->setObjectName(toQString(names::resultsPages));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    std::size_t i = 0;
    for (const PrintedChart& chart :
         resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart)) {
        auto* tab = new QWidget(pages_);
        addChart(chart.model, chart.look, tab)->setObjectName(toQString(names::resultsCharts.at(i++)));
        pages_->addTab(tab, QString::fromStdString(chart.model.title));
    }
}

void ResultsWindow::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        pages_->setCurrentIndex(0);
    }
    GraphWindow::showEvent(event);
}

}  // namespace hullcalc
