// The running program: the document and the eight windows that show it,
// connected to each other. Only the main window is made at start-up; the trim
// window, the graph windows, the vibration window and the help when first asked
// for, so that the program starts about as fast as a bare window.
#pragma once

#include "shell/document.h"
#include "shell/project_session.h"
#include "widgets/activation.h"
#include "widgets/error_display.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

namespace hullcalc {

class MainWindow;
class TrimWindow;
class BodyPlanWindow;
class BonjeanWindow;
class SectionalAreaWindow;
class StaticMomentWindow;
class ResultsWindow;
class VibrationWindow;
class HelpWindow;

class Application {
public:
    // Creates the main window, hidden. Needs a QApplication.
    Application();
    // Destroys the windows in the reverse order, before the document they show.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Document& document() { return document_; }
    // Where every window shows its failures; tests listen to it.
    ErrorDisplay& errors() { return errors_; }
    MainWindow& mainWindow() { return *mainWindow_; }
    // The other windows, each created hidden and connected the first time it
    // is asked for; it then shows the document as it is at that moment.
    TrimWindow& trimWindow();
    BodyPlanWindow& bodyPlanWindow();
    BonjeanWindow& bonjeanWindow();
    SectionalAreaWindow& sectionalAreaWindow();
    StaticMomentWindow& staticMomentWindow();
    ResultsWindow& resultsWindow();
    VibrationWindow& vibrationWindow();
    HelpWindow& helpWindow();

    ProjectSession& session() { return *session_; }
    // The file "Экспорт в Excel…" writes; tests answer without a dialog.
    void setWorkbookFileChooser(std::function<QString(QWidget*)> chooser);

private:
    void connectMainWindow();
    void connectTrimWindow();
    // "Открыть проект…", "Сохранить проект", "Сохранить проект как…" and the
    // recent files of a window's "Файл", on the session.
    template<typename Window>
    void connectProjectCommands(Window* window);
    // Creates a graph window over `charts` on first use and keeps it following
    // the trim sheet.
    template<typename Window, typename... Charts>
    Window& graphWindow(std::unique_ptr<Window>& window, const Charts&... charts);
    // The one way any window calculates: the document's run up to `upTo`,
    // then every window shows it and the results are current.
    void runChain(RunStep upTo);
    // Shows a graph window; the first time beside the trim window, each one
    // a step further down and right, so that none covers the main window.
    void openGraphWindow(QWidget* window);
    // The file name and the mark of unsaved changes in the titles.
    void showSessionState();

    Document document_;
    ErrorDisplay errors_;
    // Which window the user was in last, so that each window's activation
    // action runs only when the user comes from another one.
    WindowActivation activation_;
    std::unique_ptr<ProjectSession> session_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<TrimWindow> trimWindow_;
    std::unique_ptr<BodyPlanWindow> bodyPlanWindow_;
    std::unique_ptr<BonjeanWindow> bonjeanWindow_;
    std::unique_ptr<SectionalAreaWindow> sectionalAreaWindow_;
    std::unique_ptr<StaticMomentWindow> staticMomentWindow_;
    std::unique_ptr<ResultsWindow> resultsWindow_;
    std::unique_ptr<VibrationWindow> vibrationWindow_;
    std::unique_ptr<HelpWindow> helpWindow_;
    std::vector<QWidget*> placedGraphWindows_;
    bool trimWindowPlaced_ = false;
    std::function<QString(QWidget*)> chooseWorkbook_;
};

}  // namespace hullcalc
