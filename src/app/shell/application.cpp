#include "shell/application.h"

#include "shell/main_window.h"
#include "shell/report_requests.h"
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

#include <QScreen>

#include <algorithm>

namespace hullcalc {

Application::Application()
{
    TrimSheet& trim = document_.trim;
    session_ = std::make_unique<ProjectSession>(document_);
    mainWindow_ = std::make_unique<MainWindow>(document_.particulars);
    trimWindow_ = std::make_unique<TrimWindow>(trim, document_.particulars, session_->undoStack());
    bodyPlanWindow_ = std::make_unique<BodyPlanWindow>(trim.bonjean.bodyPlan);
    bonjeanWindow_ = std::make_unique<BonjeanWindow>(trim.bonjean.bonjeanCurves, trim.bonjean.bonjeanMomentCurves);
    sectionalAreaWindow_ = std::make_unique<SectionalAreaWindow>(trim.bonjean.sectionalAreaCurves);
    staticMomentWindow_ = std::make_unique<StaticMomentWindow>(trim.bonjean.staticMomentCurves);
    resultsWindow_ = std::make_unique<ResultsWindow>(trim.results);
    vibrationWindow_ =
        std::make_unique<VibrationWindow>(document_.vibration, trim, document_.particulars, session_->undoStack());
    helpWindow_ = std::make_unique<HelpWindow>();
    setWorkbookFileChooser(nullptr);
    connectWindows();
    connectSession();
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
    QObject::connect(trim, &TrimWindow::bonjeanScaleRequested, bonjeanWindow_.get(), opensGraph(bonjeanWindow_.get()));

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

void Application::connectSession()
{
    ProjectSession* session = session_.get();
    TrimWindow* trim = trimWindow_.get();
    MainWindow* main = mainWindow_.get();
    const auto mayDiscard = [session](QWidget* parent) { return session->mayDiscardChanges(parent); };
    trim->setDiscardGuard(mayDiscard);
    main->setCloseGuard(mayDiscard);

    QObject::connect(trim, &TrimWindow::openProjectRequested, session,
                     [session, trim] { session->openWithDialog(trim); });
    QObject::connect(trim, &TrimWindow::saveProjectRequested, session, [session, trim] { session->save(trim); });
    QObject::connect(trim, &TrimWindow::saveProjectAsRequested, session, [session, trim] { session->saveAs(trim); });
    QObject::connect(trim, &TrimWindow::recentFileRequested, session, [session, trim](const QString& file) {
        if (session->mayDiscardChanges(trim))
            session->open(file, trim);
    });
    // Nothing outdated is printed or saved: the trim calculation runs first.
    QObject::connect(trim, &TrimWindow::reportRequested, trim, [this, trim] {
        if (!trim->bringResultsUpToDate())
            return;
        const ReportExtras extras = reportExtrasOf(document_);
        showReportPreview(trim, reportContentOf(document_, extras, session_->fileName()));
    });
    QObject::connect(trim, &TrimWindow::workbookRequested, trim, [this, trim] {
        if (!trim->bringResultsUpToDate())
            return;
        const ReportExtras extras = reportExtrasOf(document_);
        exportWorkbook(trim, reportContentOf(document_, extras, session_->fileName()), chooseWorkbook_);
    });
    QObject::connect(main, &MainWindow::particularsEdited, session, &ProjectSession::markChanged);
    QObject::connect(vibrationWindow_.get(), &VibrationWindow::inputEdited, session, &ProjectSession::markChanged);

    QObject::connect(session, &ProjectSession::stateChanged, main, [this] { showSessionState(); });
    QObject::connect(session, &ProjectSession::documentReplaced, main, [this] {
        mainWindow_->showDocument();
        trimWindow_->refreshViews();
        trimWindow_->clearStatus();
        vibrationWindow_->clearResults();
    });
    QObject::connect(main, &MainWindow::openProjectRequested, session,
                     [session, main] { session->openWithDialog(main); });
    QObject::connect(main, &MainWindow::saveProjectRequested, session, [session, main] { session->save(main); });
    QObject::connect(main, &MainWindow::saveProjectAsRequested, session, [session, main] { session->saveAs(main); });
    QObject::connect(main, &MainWindow::recentFileRequested, session, [session, main](const QString& file) {
        if (session->mayDiscardChanges(main))
            session->open(file, main);
    });

    // Results follow the input: any change marks them outdated until the next
    // calculation, which the vibration window runs first when they are.
    QObject::connect(trim, &TrimWindow::calculated, session, &ProjectSession::calculationRan);
    vibrationWindow_->setTrimUpToDate([trim] { return trim->bringResultsUpToDate(); });
    QObject::connect(session, &ProjectSession::resultsOutdatedChanged, trim, &TrimWindow::setResultsOutdated);
    QObject::connect(session, &ProjectSession::resultsOutdatedChanged, vibrationWindow_.get(),
                     &VibrationWindow::setResultsOutdated);
    for (GraphWindow* window :
         std::initializer_list<GraphWindow*>{bodyPlanWindow_.get(), bonjeanWindow_.get(), sectionalAreaWindow_.get(),
                                             staticMomentWindow_.get(), resultsWindow_.get()})
        QObject::connect(session, &ProjectSession::resultsOutdatedChanged, window, &GraphWindow::setResultsOutdated);
    QObject::connect(session, &ProjectSession::recentFilesChanged, trim, &TrimWindow::setRecentFiles);
    QObject::connect(session, &ProjectSession::recentFilesChanged, main, &MainWindow::setRecentFiles);
    trim->setRecentFiles(session->recentFiles());
    main->setRecentFiles(session->recentFiles());
    showSessionState();
}

void Application::setWorkbookFileChooser(std::function<QString(QWidget*)> chooser)
{
    chooseWorkbook_ = chooser ? std::move(chooser) : std::function<QString(QWidget*)>(&chooseWorkbookFile);
}

void Application::showSessionState()
{
    const QString name = session_->fileName();
    // "[*]" is where the mark of unsaved changes appears.
    trimWindow_->setWindowTitle(name.isEmpty() ? "Удифферентовка[*]" : "Удифферентовка — " + name + "[*]");
    for (QWidget* window : std::initializer_list<QWidget*>{mainWindow_.get(), trimWindow_.get()})
        window->setWindowModified(session_->isModified());
}

void Application::openGraphWindow(QWidget* window)
{
    if (std::find(placedGraphWindows_.begin(), placedGraphWindows_.end(), window) == placedGraphWindows_.end()) {
        const int step = 30 * static_cast<int>(placedGraphWindows_.size());
        // Right of the main window, narrower where the screen has no room for
        // the window's whole width there (charts read well at 500 pixels).
        const int left = mainWindow_->frameGeometry().right() + 8 + step;
        if (const QScreen* screen = window->screen()) {
            const int room = screen->availableGeometry().right() - left - 16;
            if (window->width() > room && room >= std::max(500, window->minimumWidth()))
                window->resize(room, window->height());
        }
        placeOnScreen(window, QPoint(left, trimWindow_->pos().y() + 40 + step));
        placedGraphWindows_.push_back(window);
    }
    showAndRaise(window);
}

}  // namespace hullcalc
