#include "shell/application.h"

#include "shell/main_window.h"
#include "trim/graphs/body_plan_window.h"
#include "trim/graphs/bonjean_window.h"
#include "trim/graphs/results_window.h"
#include "trim/graphs/sectional_area_window.h"
#include "trim/graphs/static_moment_window.h"
#include "trim/trim_window.h"
#include "vibration/vibration_window.h"
#include "widgets/activation.h"
#include "widgets/help_window.h"
#include "widgets/window_placement.h"

#include <algorithm>

namespace hullcalc {

Application::Application()
{
    TrimSheet& trim = document_.trim;
    mainWindow_ = std::make_unique<MainWindow>(document_.particulars);
    trimWindow_ = std::make_unique<TrimWindow>(trim, document_.particulars);
    bodyPlanWindow_ = std::make_unique<BodyPlanWindow>(trim.bonjean.bodyPlan);
    bonjeanWindow_ = std::make_unique<BonjeanWindow>(trim.bonjean.bonjeanCurves);
    sectionalAreaWindow_ = std::make_unique<SectionalAreaWindow>(trim.bonjean.sectionalAreaCurves);
    staticMomentWindow_ = std::make_unique<StaticMomentWindow>(trim.bonjean.staticMomentCurves);
    resultsWindow_ = std::make_unique<ResultsWindow>(trim.results);
    vibrationWindow_ = std::make_unique<VibrationWindow>(document_.vibration, trim, document_.particulars);
    helpWindow_ = std::make_unique<HelpWindow>();
    connectWindows();
}

// The members go in the reverse order of their declaration: the windows from
// the last created to the first, then the document.
Application::~Application() = default;

void Application::connectWindows()
{
    const auto opens = [](QWidget* window) { return [window] { showAndRaise(window); }; };
    // The trim window opens right of the main window the first time.
    QObject::connect(mainWindow_.get(), &MainWindow::trimWindowRequested, trimWindow_.get(), [this] {
        if (!trimWindowPlaced_) {
            trimWindowPlaced_ = true;
            placeOnScreen(trimWindow_.get(), QPoint(mainWindow_->frameGeometry().right() + 8, 0));
        }
        showAndRaise(trimWindow_.get());
    });
    QObject::connect(mainWindow_.get(), &MainWindow::vibrationWindowRequested, vibrationWindow_.get(),
                     opens(vibrationWindow_.get()));
    TrimWindow* trim = trimWindow_.get();
    const auto opensGraph = [this](QWidget* window) { return [this, window] { openGraphWindow(window); }; };
    QObject::connect(trim, &TrimWindow::bodyPlanRequested, bodyPlanWindow_.get(), opensGraph(bodyPlanWindow_.get()));
    QObject::connect(trim, &TrimWindow::sectionalAreasRequested, sectionalAreaWindow_.get(),
                     opensGraph(sectionalAreaWindow_.get()));
    QObject::connect(trim, &TrimWindow::staticMomentsRequested, staticMomentWindow_.get(),
                     opensGraph(staticMomentWindow_.get()));
    QObject::connect(trim, &TrimWindow::resultsChartsRequested, resultsWindow_.get(), opensGraph(resultsWindow_.get()));

    HelpWindow* help = helpWindow_.get();
    QObject::connect(mainWindow_.get(), &MainWindow::helpRequested, help, &HelpWindow::showTopic);
    QObject::connect(trim, &TrimWindow::helpRequested, help, &HelpWindow::showTopic);
    QObject::connect(vibrationWindow_.get(), &VibrationWindow::helpRequested, help, &HelpWindow::showTopic);

    // A new trim calculation invalidates the vibration results resting on the last.
    QObject::connect(trim, &TrimWindow::calculated, vibrationWindow_.get(), &VibrationWindow::clearResults);
    // A particular that stops a calculation is shown where it is typed.
    QObject::connect(trim, &TrimWindow::particularToShow, mainWindow_.get(), &MainWindow::showParticular);
    QObject::connect(vibrationWindow_.get(), &VibrationWindow::particularToShow, mainWindow_.get(),
                     &MainWindow::showParticular);

    // A calculation, a load or "Пример" refills the charts of the graph windows.
    for (GraphWindow* window :
         std::initializer_list<GraphWindow*>{bodyPlanWindow_.get(), bonjeanWindow_.get(), sectionalAreaWindow_.get(),
                                             staticMomentWindow_.get(), resultsWindow_.get()})
        QObject::connect(trim, &TrimWindow::sheetChanged, window, &GraphWindow::refresh);
}

void Application::openGraphWindow(QWidget* window)
{
    if (std::find(placedGraphWindows_.begin(), placedGraphWindows_.end(), window) == placedGraphWindows_.end()) {
        const int step = 30 * static_cast<int>(placedGraphWindows_.size());
        placeOnScreen(window, trimWindow_->pos() + QPoint(40 + step, 40 + step));
        placedGraphWindows_.push_back(window);
    }
    showAndRaise(window);
}

}  // namespace hullcalc
