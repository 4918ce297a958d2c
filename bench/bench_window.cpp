// "Расчет" in the trim window from the click until every view shows the new
// results: the calculation, every grid and chart refreshed, and the trim window
// and the open graph windows repainted. Runs without a display.
#include "shell/Main.h"
#include "shell/forms.h"
#include "trim/Udif.h"
#include "trim/graphs/OTCh.h"
#include "trim/graphs/UResGr.h"
#include "widgets/activation.h"

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace hullcalc {
namespace {

// Clicks "Расчет" and waits until every window shown has painted the results.
void calculateAndPaint(benchmark::State& state)
{
    Forms& f = forms();
    auto* calculate = f.UdifForm->findChild<QPushButton*>("SpeedButton8");
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
    forms().OrdinatGraphForm->hide();
    forms().ResGraphForm->hide();
    calculateAndPaint(state);
}
BENCHMARK(CalculateInTrimWindow)->Unit(benchmark::kMillisecond);

// With the body plan and the results charts open beside it.
void CalculateWithGraphWindowsOpen(benchmark::State& state)
{
    showAndRaise(forms().OrdinatGraphForm);
    showAndRaise(forms().ResGraphForm);
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
    createForms();
    Forms& f = forms();
    f.MainForm->show();
    // The user's view: example ship typed in, the intermediate pages shown and
    // the results page selected.
    showAndRaise(f.UdifForm);
    f.UdifForm->findChild<QPushButton*>("ExampleButton")->click();
    f.UdifForm->ShowIntermediateClick();
    f.UdifForm->pageControl()->setCurrentIndex(f.UdifForm->pageControl()->count() - 1);
    QCoreApplication::processEvents();

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    destroyForms();
    return 0;
}
