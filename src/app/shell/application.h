// The running program: the document and the eight windows that show it,
// created in their order at start-up and connected to each other.
#pragma once

#include "shell/document.h"
#include "shell/project_session.h"

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
    // Creates the windows, all hidden: the main window, the trim window, the
    // body plan, Bonjean scale, sectional-area, static-moment and results
    // windows, the vibration window. Needs a QApplication.
    Application();
    // Destroys the windows in the reverse order, before the document they show.
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Document& document() { return document_; }
    MainWindow& mainWindow() { return *mainWindow_; }
    TrimWindow& trimWindow() { return *trimWindow_; }
    BodyPlanWindow& bodyPlanWindow() { return *bodyPlanWindow_; }
    BonjeanWindow& bonjeanWindow() { return *bonjeanWindow_; }
    SectionalAreaWindow& sectionalAreaWindow() { return *sectionalAreaWindow_; }
    StaticMomentWindow& staticMomentWindow() { return *staticMomentWindow_; }
    ResultsWindow& resultsWindow() { return *resultsWindow_; }
    VibrationWindow& vibrationWindow() { return *vibrationWindow_; }

    HelpWindow& helpWindow() { return *helpWindow_; }
    ProjectSession& session() { return *session_; }
    // The file "Экспорт в Excel…" writes; tests answer without a dialog.
    void setWorkbookFileChooser(std::function<QString(QWidget*)> chooser);

private:
    void connectWindows();
    // Shows a graph window; the first time beside the trim window, each one
    // a step further down and right, so that none covers the main window.
    void openGraphWindow(QWidget* window);
    void connectSession();
    // The file name and the mark of unsaved changes in the titles.
    void showSessionState();

    Document document_;
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
