// The trim window: the input tables, every intermediate and final result of
// the trim calculation on its seventeen pages, stability at large angles and
// the ship on a wave on the last two, the summary, the file menu and the
// buttons that run the calculation and open the graph windows.
#pragma once

#include "widgets/chart_printing.h"

#include "run/ship_run.h"

#include "strength/strength_calculation.h"
#include "strength/strength_input.h"
#include "trim/ship_particulars.h"
#include "trim/trim_sheet.h"

#include <QMainWindow>

#include <functional>
#include <vector>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTimer;
class QUndoStack;

namespace hullcalc {

class DesignChecksPanel;
class ErrorDisplay;
class PageNavigator;
class TrimPages;
class StepSheetPage;
class WavePage;
struct Warning;

class TrimWindow : public QMainWindow {
    Q_OBJECT

public:
    // The window shows and edits `sheet`, whose results the last run `run`
    // left, and records every change of the input tables on `undo`.
    // `strengthInput` and `strength` are the page «Судно на волне». Failures
    // are shown on `errors`.
    TrimWindow(TrimSheet& sheet, const ShipParticulars& particulars, QUndoStack& undo, StrengthInput& strengthInput,
               StrengthSheet& strength, const ShipRun& run, const ErrorDisplay& errors, QWidget* parent = nullptr);

    // Runs the document's chain up to a step and shows the run in every
    // window (the application's); by default nothing runs.
    using ChainRunner = std::function<void(RunStep upTo)>;
    void setChainRunner(ChainRunner runner);
    // A run ended: every page, the status line and the checks show it.
    void showRun();

    TrimSheet& sheet() { return sheet_; }
    QTabWidget* pages() const;

    // Redraws every grid, chart and label of the window from the sheet, and
    // tells the graph windows.
    void refreshViews();

    // The input changed since the results shown were computed (or they are
    // current again): the status line, the result pages say so.
    void setResultsOutdated(bool outdated);
    bool resultsOutdated() const { return resultsOutdated_; }
    // Before results are printed or saved: runs "Расчет" when they are
    // outdated or not every step was run, and says so in the status line.
    // False when that run stopped (its message shown, pointing at the
    // cause): nothing is to be written.
    bool bringResultsUpToDate();
    // Another document was opened: no line about a calculation of the last one.
    void clearStatus();

    // Button and menu handlers, public so that tests can press them.
    void calculate();              // "Расчет", F9
    void clearInput();             // "Очистка"
    void fillExample();            // "Пример"
    void showIntermediatePages();  // "Показать промежуточные значения"
    void hideIntermediatePages();  // "Скрыть промежуточные значения"
    void saveInput();              // "Файл" → "Сохранить" → "Исходные данные"
    void saveResults();            // "Файл" → "Сохранить" → "Результат"
    void loadInput();              // "Файл" → "Загрузить" → "Исходные данные"
    void printCharts();            // "Печать графиков"

    // Asks the user for a file name; an empty name means the dialog was
    // cancelled. Tests replace it to answer without a dialog.
    enum class FileDialog { SaveInput, SaveResults, OpenInput };
    using FileChooser = std::function<QString(QWidget* parent, FileDialog dialog)>;
    void setFileChooser(FileChooser chooser);
    // Where "Печать графиков" prints: the print dialog unless a test answers.
    void setPrinterChoice(PrinterChoice choose) { choosePrinter_ = std::move(choose); }

    // Asked before "Очистка", "Пример" and "Загрузить" replace the tables:
    // whether the changes not yet saved may go (the application asks the user
    // whether to save them). By default they may.
    using DiscardGuard = std::function<bool(QWidget* parent)>;
    void setDiscardGuard(DiscardGuard guard);

    // The project and data files opened last, newest first, for "Файл".
    void setRecentFiles(const QStringList& files);

    // The offsets or ΔT changed: the body plan shows them, drawn from what
    // reads as numbers, a moment after the last key.
    void redrawBodyPlanSoon();

    // Replaces the input tables as one undo step.
    void changeInput(const QString& description, const std::function<void()>& change);
    void recordInputChange(const QString& description, const std::function<void()>& change);

    // The user came to this window from another one of the program: shows
    // again what the other windows may have changed, on the page the user
    // was on.
    void activate();

signals:
    // The sheet's charts changed: the graph windows redraw.
    void sheetChanged();
    // The body plan was drawn anew from the offsets as typed.
    void bodyPlanRedrawn();
    // «Судно на волне» offers the girder's I (m⁴) for the vibration window's inertias.
    void sectionInertiaOffered(const QString& inertia);
    // The strength input was edited.
    void strengthInputEdited();
    // A particular stopped the calculation or is warned about: the main window
    // shows its edit.
    void particularToShow(const hullcalc::ParticularField* field);
    // The input tables were saved to a data file.
    void inputSaved();
    // "Файл": the project, a recent file, the report, the workbook.
    void openProjectRequested();
    void saveProjectRequested();
    void saveProjectAsRequested();
    void recentFileRequested(const QString& file);
    void reportRequested();
    void workbookRequested();
    // F1 or "Справка": the help at a section (an anchor of the help page).
    void helpRequested(const QString& topic);
    // The user asks for a graph window.
    void bodyPlanRequested();
    void sectionalAreasRequested();
    void staticMomentsRequested();
    void resultsChartsRequested();
    void bonjeanScaleRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createCentralWidget();
    void connectPageButtons();
    QAction* action(const QString& caption, std::string_view objectName, void (TrimWindow::*handler)());
    void createActions();
    void createMenus();
    void setIntermediatePagesVisible(bool visible);
    QString pointAt(const RunFailure& failure);
    void selectCell(const TextGrid& grid, int column, int row);
    void selectNamedCell(std::string_view grid, int column, int row);
    bool runCalculation();
    void showStatus();
    void showChangedCells(const InputTables& replaced);
    bool mayReplaceTables();
    // Shows the checks' warnings and returns how many there are.
    int updateChecks();
    void showWarning(const Warning& warning);
    void redrawBodyPlan();

    TrimSheet& sheet_;
    const ShipParticulars& particulars_;
    QUndoStack& undo_;
    StrengthInput& strengthInput_;
    StrengthSheet& strength_;
    const ShipRun& run_;
    ChainRunner runChain_;
    const ErrorDisplay& errors_;
    TrimPages* pages_ = nullptr;
    std::vector<StepSheetPage*> sheetPages_;  // the pages of the steps' sheets
    WavePage* wavePage_ = nullptr;
    PageNavigator* pageNavigator_ = nullptr;
    QAction* showIntermediate_ = nullptr;
    QAction* hideIntermediate_ = nullptr;
    QAction* saveInput_ = nullptr;
    QAction* saveResults_ = nullptr;
    QAction* loadInput_ = nullptr;
    QAction* help_ = nullptr;
    QAction* fullPrecision_ = nullptr;
    QMenu* recentFiles_ = nullptr;
    QLabel* status_ = nullptr;  // how the last "Расчет" ended
    QString lastStatus_;
    QLabel* outdatedNotice_ = nullptr;  // above the pages while the results are outdated
    bool resultsOutdated_ = false;
    DesignChecksPanel* checks_ = nullptr;
    FileChooser chooseFile_;
    QString dataFileFolder_;  // where the last data file of this session was chosen
    bool shownBefore_ = false;
    PrinterChoice choosePrinter_ = choosePrinterInDialog;
    DiscardGuard mayDiscardChanges_;
    bool inputFileNoteShown_ = false;
    QTimer* bodyPlanTimer_ = nullptr;  // what the data file leaves out, said once a session
};

}  // namespace hullcalc
