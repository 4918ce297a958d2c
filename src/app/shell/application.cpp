#include "shell/application.h"

#include "shell/main_window.h"
#include "shell/report_requests.h"
#include "shell/title_block_dialog.h"
#include "trim/graphs/body_plan_window.h"
#include "trim/graphs/bonjean_window.h"
#include "trim/graphs/results_window.h"
#include "trim/graphs/sectional_area_window.h"
#include "trim/graphs/static_moment_window.h"
#include "trim/trim_window.h"
#include "vibration/vibration_sheet.h"
#include "vibration/vibration_window.h"
#include "widgets/activation.h"
#include "widgets/chart_printing.h"
#include "widgets/help_window.h"
#include "widgets/window_placement.h"

#include <QScreen>

#include <algorithm>

namespace hullcalc {

Application::Application()
{
    session_ = std::make_unique<ProjectSession>(document_, errors_);
    mainWindow_ = std::make_unique<MainWindow>(document_.particulars);
    activation_.watch(mainWindow_.get());
    setWorkbookFileChooser(nullptr);
    connectMainWindow();
}

// The members go in the reverse order of their declaration: the windows from
// the last created to the first, then the document.
Application::~Application() = default;

void Application::connectMainWindow()
{
    MainWindow* main = mainWindow_.get();
    ProjectSession* session = session_.get();
    // The trim window opens right of the main window the first time.
    QObject::connect(main, &MainWindow::trimWindowRequested, main, [this] {
        TrimWindow& trim = trimWindow();
        if (!trimWindowPlaced_) {
            trimWindowPlaced_ = true;
            placeOnScreen(&trim, QPoint(mainWindow_->frameGeometry().right() + 8, 0));
        }
        showAndRaise(&trim);
    });
    QObject::connect(main, &MainWindow::vibrationWindowRequested, main, [this] { showAndRaise(&vibrationWindow()); });
    QObject::connect(main, &MainWindow::helpRequested, main,
                     [this](const QString& topic) { helpWindow().showTopic(topic); });

    main->setCloseGuard([session](QWidget* parent) { return session->mayDiscardChanges(parent); });
    connectProjectCommands(main);
    QObject::connect(main, &MainWindow::particularsEdited, session, &ProjectSession::markChanged);
    QObject::connect(main, &MainWindow::titleBlockRequested, main, [this, main, session] {
        TitleBlockDialog dialog(document_.title, main);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const TitleBlock title = dialog.title();
        if (titleLine(title) == titleLine(document_.title))
            return;
        document_.title = title;
        setPrintedTitleLine(QString::fromStdString(titleLine(title)));
        session->markTitleChanged();
    });
    // ΔT sets the body plan's heights.
    QObject::connect(main, &MainWindow::particularsEdited, main, [this] {
        if (trimWindow_)
            trimWindow_->redrawBodyPlanSoon();
    });
    QObject::connect(session, &ProjectSession::stateChanged, main, [this] { showSessionState(); });
    QObject::connect(session, &ProjectSession::documentReplaced, main, [this] {
        setPrintedTitleLine(QString::fromStdString(titleLine(document_.title)));
        mainWindow_->showDocument();
        if (trimWindow_) {
            trimWindow_->refreshViews();
            trimWindow_->clearStatus();
            trimWindow_->redrawBodyPlanSoon();
        }
        if (vibrationWindow_)
            vibrationWindow_->showRun();
    });
    showSessionState();
}

template<typename Window>
void Application::connectProjectCommands(Window* window)
{
    ProjectSession* session = session_.get();
    QObject::connect(window, &Window::openProjectRequested, session,
                     [session, window] { session->openWithDialog(window); });
    QObject::connect(window, &Window::saveProjectRequested, session, [session, window] { session->save(window); });
    QObject::connect(window, &Window::saveProjectAsRequested, session, [session, window] { session->saveAs(window); });
    QObject::connect(window, &Window::recentFileRequested, session, [session, window](const QString& file) {
        if (session->mayDiscardChanges(window))
            session->open(file, window);
    });
    QObject::connect(session, &ProjectSession::recentFilesChanged, window, &Window::setRecentFiles);
    window->setRecentFiles(session->recentFiles());
}

TrimWindow& Application::trimWindow()
{
    if (!trimWindow_) {
        trimWindow_ = std::make_unique<TrimWindow>(document_.trim, document_.particulars, session_->undoStack(),
                                                   document_.strengthInput, document_.strength, document_.run, errors_);
        trimWindow_->setChainRunner([this](RunStep upTo) { runChain(upTo); });
        activation_.watch(trimWindow_.get(), [this] { trimWindow_->activate(); });
        connectTrimWindow();
        showSessionState();
    }
    return *trimWindow_;
}

void Application::connectTrimWindow()
{
    TrimWindow* trim = trimWindow_.get();
    QObject::connect(trim, &TrimWindow::bodyPlanRequested, trim, [this] { openGraphWindow(&bodyPlanWindow()); });
    QObject::connect(trim, &TrimWindow::sectionalAreasRequested, trim,
                     [this] { openGraphWindow(&sectionalAreaWindow()); });
    QObject::connect(trim, &TrimWindow::staticMomentsRequested, trim,
                     [this] { openGraphWindow(&staticMomentWindow()); });
    QObject::connect(trim, &TrimWindow::resultsChartsRequested, trim, [this] { openGraphWindow(&resultsWindow()); });
    QObject::connect(trim, &TrimWindow::bonjeanScaleRequested, trim, [this] { openGraphWindow(&bonjeanWindow()); });
    QObject::connect(trim, &TrimWindow::helpRequested, trim,
                     [this](const QString& topic) { helpWindow().showTopic(topic); });
    // A particular that stops a calculation is shown where it is typed.
    QObject::connect(trim, &TrimWindow::particularToShow, mainWindow_.get(), &MainWindow::showParticular);

    ProjectSession* session = session_.get();
    trim->setDiscardGuard([session](QWidget* parent) { return session->mayDiscardChanges(parent); });
    connectProjectCommands(trim);
    // Nothing outdated is printed or saved: the trim calculation runs first.
    QObject::connect(trim, &TrimWindow::reportRequested, trim, [this, trim] {
        if (!trim->bringResultsUpToDate())
            return;
        showReportPreview(trim, reportContentOf(document_, session_->fileName()), errors_);
    });
    QObject::connect(trim, &TrimWindow::workbookRequested, trim, [this, trim] {
        if (!trim->bringResultsUpToDate())
            return;
        exportWorkbook(trim, reportContentOf(document_, session_->fileName()), chooseWorkbook_, errors_);
    });
    QObject::connect(trim, &TrimWindow::strengthInputEdited, session, &ProjectSession::markChanged);
    // The girder of the midship section gives the vibration window its inertias.
    QObject::connect(trim, &TrimWindow::sectionInertiaOffered, trim,
                     [this](const QString& inertia) { vibrationWindow().setEverySectionInertia(inertia); });
    // Results follow the input: any change marks them outdated until the next run.
    QObject::connect(session, &ProjectSession::resultsOutdatedChanged, trim, &TrimWindow::setResultsOutdated);
    trim->setResultsOutdated(session->resultsOutdated());
}

template<typename Window, typename... Charts>
Window& Application::graphWindow(std::unique_ptr<Window>& window, const Charts&... charts)
{
    if (!window) {
        window = std::make_unique<Window>(charts...);
        // A graph window has no activation action of its own, but coming
        // from it to another window counts as returning to that window.
        activation_.watch(window.get());
        // A calculation, a load or "Пример" refills the charts.
        QObject::connect(&trimWindow(), &TrimWindow::sheetChanged, window.get(), &GraphWindow::refresh);
        QObject::connect(session_.get(), &ProjectSession::resultsOutdatedChanged, window.get(),
                         &GraphWindow::setResultsOutdated);
        window->setResultsOutdated(session_->resultsOutdated());
    }
    return *window;
}

BodyPlanWindow& Application::bodyPlanWindow()
{
    const bool made = bodyPlanWindow_ != nullptr;
    BodyPlanWindow& window = graphWindow(bodyPlanWindow_, document_.trim.bonjean.bodyPlan);
    // The body plan follows the offsets as they are typed, not only "Расчет".
    if (!made)
        QObject::connect(&trimWindow(), &TrimWindow::bodyPlanRedrawn, &window, &GraphWindow::refresh);
    return window;
}

BonjeanWindow& Application::bonjeanWindow()
{
    return graphWindow(bonjeanWindow_, document_.trim.bonjean.bonjeanCurves,
                       document_.trim.bonjean.bonjeanMomentCurves);
}

SectionalAreaWindow& Application::sectionalAreaWindow()
{
    return graphWindow(sectionalAreaWindow_, document_.trim.bonjean.sectionalAreaCurves);
}

StaticMomentWindow& Application::staticMomentWindow()
{
    return graphWindow(staticMomentWindow_, document_.trim.bonjean.staticMomentCurves);
}

ResultsWindow& Application::resultsWindow() { return graphWindow(resultsWindow_, document_.trim.results); }

VibrationWindow& Application::vibrationWindow()
{
    if (!vibrationWindow_) {
        vibrationWindow_ = std::make_unique<VibrationWindow>(document_.vibration, document_.vibrationOptions,
                                                             document_.run, session_->undoStack(), errors_);
        activation_.watch(vibrationWindow_.get(), [this] { vibrationWindow_->activate(); });
        VibrationWindow* vibration = vibrationWindow_.get();
        QObject::connect(vibration, &VibrationWindow::helpRequested, vibration,
                         [this](const QString& topic) { helpWindow().showTopic(topic); });
        QObject::connect(vibration, &VibrationWindow::particularToShow, mainWindow_.get(), &MainWindow::showParticular);
        QObject::connect(vibration, &VibrationWindow::inputEdited, session_.get(), &ProjectSession::markChanged);
        vibration->setChainRunner([this](RunStep upTo) { runChain(upTo); });
        QObject::connect(session_.get(), &ProjectSession::resultsOutdatedChanged, vibration,
                         &VibrationWindow::setResultsOutdated);
        vibration->setResultsOutdated(session_->resultsOutdated());
    }
    return *vibrationWindow_;
}

HelpWindow& Application::helpWindow()
{
    if (!helpWindow_)
        helpWindow_ = std::make_unique<HelpWindow>();
    return *helpWindow_;
}

void Application::runChain(RunStep upTo)
{
    computeRun(document_, upTo);
    session_->calculationRan();
    if (trimWindow_)
        trimWindow_->showRun();
    if (vibrationWindow_)
        vibrationWindow_->showRun();
}

void Application::setWorkbookFileChooser(std::function<QString(QWidget*)> chooser)
{
    chooseWorkbook_ = chooser ? std::move(chooser) : std::function<QString(QWidget*)>(&chooseWorkbookFile);
}

void Application::showSessionState()
{
    mainWindow_->setWindowModified(session_->isModified());
    if (!trimWindow_)
        return;
    const QString name = session_->fileName();
    // "[*]" is where the mark of unsaved changes appears.
    trimWindow_->setWindowTitle(name.isEmpty() ? "Удифферентовка[*]" : "Удифферентовка — " + name + "[*]");
    trimWindow_->setWindowModified(session_->isModified());
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
        placeOnScreen(window, QPoint(left, trimWindow().pos().y() + 40 + step));
        placedGraphWindows_.push_back(window);
    }
    showAndRaise(window);
}

}  // namespace hullcalc
