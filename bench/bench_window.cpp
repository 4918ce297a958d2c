// "Расчет" in the trim window from the click until every view shows the new
// results: the calculation, every grid and chart refreshed, and the trim window
// and the open graph windows repainted. Runs without a display.
#include "presentation/trim_window_names.h"
#include "shell/application.h"
#include "shell/main_window.h"
#include "trim/graphs/body_plan_window.h"
#include "trim/graphs/results_window.h"
#include "trim/trim_window.h"
#include "widgets/activation.h"
#include "widgets/qt_text.h"

#include <memory>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace hullcalc {
namespace {

std::unique_ptr<Application> application;

// Clicks "Расчет" and waits until every window shown has painted the results.
void calculateAndPaint(benchmark::State& state)
{
    auto* calculate = application->trimWindow().findChild<QPushButton*>(toQString(trimWindowNames::calculate));
    for (auto _ : state) {
        calculate->click();
        QCoreApplication::processEvents();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible())
                window->repaint();
    }
}

// The trim window alone, on its results page.
void CalculateInTrimWindow(benchmark::State& state)
{
    application->bodyPlanWindow().hide();
    application->resultsWindow().hide();
    calculateAndPaint(state);
}
BENCHMARK(CalculateInTrimWindow)->Unit(benchmark::kMillisecond);

// With the body plan and the results charts open beside it.
void CalculateWithGraphWindowsOpen(benchmark::State& state)
{
    showAndRaise(&application->bodyPlanWindow());
    showAndRaise(&application->resultsWindow());
    QCoreApplication::processEvents();
    calculateAndPaint(state);
}
BENCHMARK(CalculateWithGraphWindowsOpen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace hullcalc

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using namespace hullcalc;
    application = std::make_unique<Application>();
    application->mainWindow().show();
    // The user's view: example ship typed in, the intermediate pages shown and
    // the results page selected.
    TrimWindow& trim = application->trimWindow();
    showAndRaise(&trim);
    trim.findChild<QPushButton*>(toQString(trimWindowNames::exampleButton))->click();
    trim.showIntermediatePages();
    trim.pages()->setCurrentIndex(trim.pages()->count() - 1);
    QCoreApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    application.reset();
    return 0;
}
