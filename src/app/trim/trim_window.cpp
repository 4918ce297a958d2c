// The trim window: its pages, page list and checks put together, the menus,
// and the handlers of the buttons and commands.
#include "trim/trim_window.h"

#include "presentation/trim_window_names.h"
#include "presentation/trim_window_pages.h"
#include "run/ship_run.h"
#include "trim/bonjean_scale.h"
#include "trim/data_files.h"
#include "trim/design_checks.h"
#include "trim/design_checks_panel.h"
#include "trim/input_tables.h"
#include "trim/page_navigator.h"
#include "trim/step_sheet_page.h"
#include "trim/trim_pages.h"
#include "trim/wave_page.h"
#include "widgets/chart_printing.h"
#include "widgets/error_display.h"
#include "widgets/file_dialogs.h"
#include "widgets/full_precision_action.h"
#include "widgets/grid_view.h"
#include "widgets/outdated_notice.h"
#include "widgets/qt_text.h"
#include "widgets/recent_files_menu.h"
#include "widgets/results_charts.h"
#include "widgets/snapshot_command.h"
#include "widgets/undo_actions.h"
#include "widgets/window_placement.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace hullcalc {

namespace names = trimWindowNames;

namespace {

const QString outdatedText = QStringLiteral("Исходные данные изменены — результаты устарели (F9 — пересчитать)");

// The dialogs offer text files first and any file beside them.
const QString textFiles = QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)");

// Each dialog opens in `folder`, which becomes the folder of the file chosen.
QString chooseWithDialog(QWidget* parent, TrimWindow::FileDialog dialog, QString& folder)
{
    QString name;
    switch (dialog) {
    case TrimWindow::FileDialog::SaveInput:
        name = chooseFileToSave(parent, "Сохранить исходные данные", textFiles, "txt", folder);
        break;
    case TrimWindow::FileDialog::SaveResults:
        name = chooseFileToSave(parent, "Сохранить результат", textFiles, "txt", folder);
        break;
    case TrimWindow::FileDialog::OpenInput:
        name = chooseFileToOpen(parent, "Загрузить исходные данные", textFiles, folder);
        break;
    }
    if (!name.isEmpty())
        folder = QFileInfo(name).absolutePath();
    return name;
}

// The part of the help about the page shown.
QString helpTopicOf(int page)
{
    if (page == inputPageIndex)
        return "offsets";
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    return page >= 0 && page < static_cast<int>(pages.size())
               ? toQString(pages[static_cast<std::size_t>(page)].helpTopic)
               : QString("pages");
}

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

}  // namespace

TrimWindow::TrimWindow(TrimSheet& sheet, const ShipParticulars& particulars, QUndoStack& undo,
                       StrengthInput& strengthInput, StrengthSheet& strength, const ShipRun& run,
                       const ErrorDisplay& errors, QWidget* parent)
    : QMainWindow(parent),
      sheet_(sheet),
      particulars_(particulars),
      undo_(undo),
      strengthInput_(strengthInput),
      strength_(strength),
      run_(run),
      runChain_([](RunStep) {}),
      errors_(errors),
      mayDiscardChanges_([](QWidget*) { return true; })
{
    setObjectName(toQString(names::window));
    setWindowTitle("Удифферентовка[*]");
    setFileChooser(nullptr);
    // The captions of the frames, waterlines and spacings stay as written here:
    // no calculation, file or edit changes a header cell.
    writeHeaders(sheet_);
    createCentralWidget();
    showGridFailures(this, errors_);
    createActions();
    bodyPlanTimer_ = new QTimer(this);
    bodyPlanTimer_->setSingleShot(true);
    bodyPlanTimer_->setInterval(150);
    connect(bodyPlanTimer_, &QTimer::timeout, this, &TrimWindow::redrawBodyPlan);
    createMenus();
    status_ = new QLabel(this);
    status_->setObjectName(toQString(names::calculationStatus));
    statusBar()->addWidget(status_, 1);
    // 647 x 740 right of the main window, or wider where the results page needs
    // it with this platform's fonts; smaller where the screen is, the pages
    // scrolling. Sized
    // before it is placed: growing later, when first shown, would place the
    // window by its client area and push its title bar off the screen.
    QSize needed(647, 740);
    for (int page : {inputPageIndex, resultsPageIndex()})
        needed = needed.expandedTo(pages_->contentsSizeHint(page) + QSize(40, 0));
    resize(needed.width(), 740);
    placeOnScreen(this, QPoint(382, 0));
    // Creation hides the intermediate pages: only "Исходные данные" and
    // "Результаты" have tabs until the user asks for the others.
    setIntermediatePagesVisible(false);
}

// The page list above the pages, the checks below them.
void TrimWindow::createCentralWidget()
{
    const auto recordInputEdit = [this](const QString& description, const std::function<void()>& change) {
        changeInput(description, change);
    };
    pages_ = new TrimPages(sheet_, recordInputEdit, this);
    connectPageButtons();
    // The pages of the steps' sheets show the run's steps; inserted in the
    // order of the pages, so that each, and the ship on a wave after them,
    // takes its place.
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (pages[i].layout == PageLayout::sheet) {
            auto* page = new StepSheetPage(run_, pages[i].sheet, pages_);
            page->setObjectName(toQString(pages[i].objectName));
            pages_->insertTab(static_cast<int>(i), page, toQString(pages[i].caption));
            sheetPages_.push_back(page);
        }
    // The ship on a wave shows the run's strength step; its «Расчет на волне»
    // runs the chain up to it.
    wavePage_ = new WavePage(strengthInput_, strength_, run_, undo_, errors_, pages_);
    wavePage_->setChainRunner([this](RunStep upTo) { runChain_(upTo); });
    pages_->insertTab(wavePageIndex(), wavePage_,
                      toQString(trimWindowPages()[static_cast<std::size_t>(wavePageIndex())].caption));
    connect(wavePage_, &WavePage::sectionInertiaOffered, this, &TrimWindow::sectionInertiaOffered);
    connect(wavePage_, &WavePage::inputEdited, this, &TrimWindow::strengthInputEdited);

    // The page captions flow in rows above the pages, as many rows as the
    // window's width needs, so that the pages keep the whole width.
    pageNavigator_ = new PageNavigator(*pages_, this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pageNavigator_);
    outdatedNotice_ = createOutdatedNotice(outdatedText, names::outdatedNotice, central);
    layout->addWidget(outdatedNotice_);
    layout->addWidget(pages_, 1);
    // The notice stands over the result pages, not over the input being edited.
    connect(pages_, &QTabWidget::currentChanged, this, [this] { setResultsOutdated(resultsOutdated_); });
    checks_ = new DesignChecksPanel(this);
    connect(checks_, &DesignChecksPanel::warningClicked, this, &TrimWindow::showWarning);
    layout->addWidget(checks_);
    setCentralWidget(central);
}

void TrimWindow::connectPageButtons()
{
    connect(pages_, &TrimPages::calculateClicked, this, &TrimWindow::calculate);
    connect(pages_, &TrimPages::clearClicked, this, &TrimWindow::clearInput);
    connect(pages_, &TrimPages::exampleClicked, this, &TrimWindow::fillExample);
    connect(pages_, &TrimPages::printChartsClicked, this, &TrimWindow::printCharts);
    connect(pages_, &TrimPages::bodyPlanRequested, this, &TrimWindow::bodyPlanRequested);
    connect(pages_, &TrimPages::sectionalAreasRequested, this, &TrimWindow::sectionalAreasRequested);
    connect(pages_, &TrimPages::staticMomentsRequested, this, &TrimWindow::staticMomentsRequested);
    connect(pages_, &TrimPages::resultsChartsRequested, this, &TrimWindow::resultsChartsRequested);
    connect(pages_, &TrimPages::bonjeanScaleRequested, this, &TrimWindow::bonjeanScaleRequested);
}

QTabWidget* TrimWindow::pages() const { return pages_; }

QAction* TrimWindow::action(const QString& caption, std::string_view objectName, void (TrimWindow::*handler)())
{
    auto* created = new QAction(caption, this);
    created->setObjectName(toQString(objectName));
    connect(created, &QAction::triggered, this, handler);
    return created;
}

void TrimWindow::createActions()
{
    saveInput_ = action("&Исходные данные", names::saveInputAction, &TrimWindow::saveInput);
    saveResults_ = action("&Результат", names::saveResultsAction, &TrimWindow::saveResults);
    loadInput_ = action("&Исходные данные", names::loadInputAction, &TrimWindow::loadInput);
    showIntermediate_ =
        action("&Показать промежуточные значения", names::showIntermediateAction, &TrimWindow::showIntermediatePages);
    hideIntermediate_ =
        action("&Скрыть промежуточные значения", names::hideIntermediateAction, &TrimWindow::hideIntermediatePages);
    auto* calculate = new QAction("Расчет", this);
    calculate->setObjectName(toQString(names::calculateAction));
    calculate->setShortcut(Qt::Key_F9);
    connect(calculate, &QAction::triggered, this, &TrimWindow::calculate);
    addAction(calculate);
    fullPrecision_ = createFullPrecisionAction(this, [this](bool full) { pages_->setFullPrecision(full); });
    pages_->setFullPrecision(fullPrecision_->isChecked());
    help_ = new QAction("Справка", this);
    help_->setShortcut(QKeySequence::HelpContents);
    connect(help_, &QAction::triggered, this, [this] { emit helpRequested(helpTopicOf(pages_->currentIndex())); });
}

void TrimWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu("&Файл");
    file->setObjectName(toQString(names::fileMenu));
    recentFiles_ = addProjectCommands(*file, this);
    file->addSeparator();
    QMenu* save = file->addMenu("&Сохранить");
    save->addAction(saveInput_);
    save->addAction(saveResults_);
    QMenu* load = file->addMenu("&Загрузить");
    load->addAction(loadInput_);
    file->addSeparator();
    addRequest(*file, "&Отчет…", names::reportAction, this, &TrimWindow::reportRequested, QKeySequence::Print);
    addRequest(*file, "&Экспорт в Excel…", names::workbookAction, this, &TrimWindow::workbookRequested);

    QMenu* edit = menuBar()->addMenu("&Правка");
    edit->setObjectName(toQString(names::editMenu));
    QAction* undo = createUndoAction(undo_, this);
    undo->setObjectName(toQString(names::undoAction));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = createRedoAction(undo_, this);
    redo->setObjectName(toQString(names::redoAction));
    // Ctrl+Y as spreadsheets have it, and the platform's own (which may be the same).
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setShortcuts(redoKeys);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* view = menuBar()->addMenu("&Вид");
    view->addAction(fullPrecision_);

    QMenu* service = menuBar()->addMenu("С&ервис");
    service->setObjectName(toQString(names::serviceMenu));
    service->addAction(showIntermediate_);
    service->addAction(hideIntermediate_);

    QMenu* help = menuBar()->addMenu("Спр&авка");
    help->addAction(help_);
}

void TrimWindow::setIntermediatePagesVisible(bool visible)
{
    std::vector<int> intermediate;
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    for (std::size_t page = 0; page < pages.size(); ++page)
        if (pages[page].intermediate)
            intermediate.push_back(static_cast<int>(page));
    pageNavigator_->setPagesVisible(intermediate, visible);
    // Each command only where it changes something.
    showIntermediate_->setEnabled(!visible);
    hideIntermediate_->setEnabled(visible);
}

void TrimWindow::showIntermediatePages() { setIntermediatePagesVisible(true); }

void TrimWindow::hideIntermediatePages() { setIntermediatePagesVisible(false); }

// The page the user was on stays: only what another window may have changed
// meanwhile is shown again.
void TrimWindow::activate()
{
    // "Полная точность" may have been switched in another window.
    syncFullPrecision(fullPrecision_);
    pages_->refreshGrids();
    // The particulars may have changed in the main window meanwhile.
    updateChecks();
}

void TrimWindow::showEvent(QShowEvent* event)
{
    // Also where no window manager activates a window that is shown.
    if (!shownBefore_) {
        shownBefore_ = true;
        activate();
    }
    QMainWindow::showEvent(event);
}

void TrimWindow::refreshViews()
{
    pages_->refresh();
    for (StepSheetPage* page : sheetPages_)
        page->refresh();
    wavePage_->refresh();
    updateChecks();
    emit sheetChanged();
}

// Typing goes on smoothly: the body plan is redrawn once the keys pause.
void TrimWindow::redrawBodyPlanSoon() { bodyPlanTimer_->start(); }

void TrimWindow::redrawBodyPlan()
{
    drawReadableBodyPlan(sheet_.input, particulars_, sheet_.bonjean.bodyPlan);
    emit bodyPlanRedrawn();
}

void TrimWindow::setChainRunner(ChainRunner runner)
{
    runChain_ = runner ? std::move(runner) : ChainRunner([](RunStep) {});
}

void TrimWindow::calculate()
{
    errors_.run(this, [&] { runCalculation(); });
}

// Every step with its current input; the trim calculation's failure is shown
// here, those of the later steps on their pages.
bool TrimWindow::runCalculation()
{
    runChain_(lastRunStep);
    const StepRecord& trim = run_.step(RunStep::trim);
    if (!trim.failed())
        return true;
    const QString place = pointAt(*trim.failure);
    errors_.show(this, toQString(userMessage(trim.failure->message)), place);
    return false;
}

// Also after a failure: what the run wrote before it is shown, and nothing of
// an earlier run.
void TrimWindow::showRun()
{
    refreshViews();
    const int warnings = updateChecks();
    const StepRecord& trim = run_.step(RunStep::trim);
    if (trim.failed())
        lastStatus_ = "Расчет остановлен: " + toQString(userMessage(trim.failure->message));
    else if (trim.computed())
        lastStatus_ = QString("Расчет выполнен: принято приближение %1; ").arg(sheet_.iteration.approximations)
                      + (warnings == 0 ? QString("замечаний нет") : QString("замечаний: %1").arg(warnings));
    else
        lastStatus_.clear();
    showStatus();
}

void TrimWindow::setResultsOutdated(bool outdated)
{
    resultsOutdated_ = outdated;
    outdatedNotice_->setVisible(outdated && pages_->currentIndex() != inputPageIndex);
    showStatus();
}

void TrimWindow::showStatus()
{
    if (status_)
        status_->setText(resultsOutdated_ ? outdatedText : lastStatus_);
}

void TrimWindow::clearStatus()
{
    lastStatus_.clear();
    showStatus();
}

bool TrimWindow::bringResultsUpToDate()
{
    const bool ran = run_.step(RunStep::trim).status != StepRecord::Status::notComputed;
    if (!resultsOutdated_ && ran && run_.request.upTo == lastRunStep)
        return true;
    const bool outdated = resultsOutdated_;
    bool completed = false;
    if (!errors_.run(this, [&] { completed = runCalculation(); }))
        return false;
    if (completed && outdated) {
        lastStatus_ = "Исходные данные изменены — выполнен пересчет. " + lastStatus_;
        showStatus();
    }
    return completed;
}

// Where the failure's cause stands, as a line for the message; the page with
// a failing cell is shown and the cell selected, a failing particular's edit
// is shown by the main window.
QString TrimWindow::pointAt(const RunFailure& failure)
{
    if (failure.cell.particular)
        emit particularToShow(failure.cell.particular);
    else if (!failure.cell.grid.empty())
        selectNamedCell(failure.cell.grid, failure.cell.column, failure.cell.row);
    return toQString(failure.place.label);
}

// A cell of a grid of the pages by the grid's component name.
void TrimWindow::selectNamedCell(std::string_view grid, int column, int row)
{
    for (const NamedGrid& named : trimWindowGrids(sheet_))
        if (named.name == grid)
            selectCell(named.grid, column, row);
}

void TrimWindow::selectCell(const TextGrid& grid, int column, int row)
{
    const std::optional<int> page = pageShowing(sheet_, grid);
    if (!page)
        return;
    if (!pages_->isTabVisible(*page))
        setIntermediatePagesVisible(true);
    pages_->setCurrentIndex(*page);
    if (GridView* view = pages_->viewOf(grid)) {
        view->setCurrentIndex(view->model()->index(row - grid.fixedRows(), column - grid.fixedColumns()));
        view->setFocus();
    }
}

// Runs as the user types: a failure here (none is known; the checks never
// throw on numbers) must not reach the event loop, so it is shown as the one
// line of the panel rather than ending the program.
int TrimWindow::updateChecks()
{
    std::vector<Warning> warnings;
    const QString failure = failureOf([&] {
        warnings = checkNumberTexts(sheet_.input);
        const std::vector<Warning> ship = checkShip(particulars_, sheet_);
        warnings.insert(warnings.end(), ship.begin(), ship.end());
    });
    if (!failure.isEmpty())
        warnings = {Warning{failure.toStdString()}};
    const int count = static_cast<int>(warnings.size());
    checks_->showWarnings(std::move(warnings));
    return count;
}

// A warning's cell is selected on its page, its particular's edit shown by the
// main window; a warning on the results as a whole shows the results page.
void TrimWindow::showWarning(const Warning& warning)
{
    switch (warning.place) {
    case Warning::Place::Offset:
        selectCell(sheet_.input.offsets, warning.column, warning.row);
        break;
    case Warning::Place::Mass:
        selectCell(sheet_.input.masses, 1, std::max(warning.row, 1));
        break;
    case Warning::Place::Particular:
        emit particularToShow(&fieldOf(warning.particular));
        break;
    case Warning::Place::None:
        pages_->setCurrentIndex(resultsPageIndex());
        break;
    }
}

// Every change of the input tables as one undo step; nothing is recorded when
// the tables stay as they were. Inside the window's error boundary, as every
// handler: a change or a redraw that fails shows its message and leaves the
// tables as they were.
void TrimWindow::changeInput(const QString& description, const std::function<void()>& change)
{
    errors_.run(this, [&] { recordInputChange(description, change); });
}

void TrimWindow::recordInputChange(const QString& description, const std::function<void()>& change)
{
    InputTables before = sheet_.input;
    try {
        change();
    } catch (...) {
        sheet_.input = std::move(before);
        throw;
    }
    if (sheet_.input == before) {
        refreshViews();
        return;
    }
    undo_.push(new SnapshotCommand<InputTables>(description, sheet_.input, std::move(before), sheet_.input,
                                                [this](const InputTables& replaced) {
                                                    refreshViews();
                                                    showChangedCells(replaced);
                                                    redrawBodyPlanSoon();
                                                }));
}

// After an undo or redo the cells it changed are selected on their page, the
// offsets' before the masses'.
void TrimWindow::showChangedCells(const InputTables& replaced)
{
    for (const auto& [grid, before] :
         {std::pair{&sheet_.input.offsets, &replaced.offsets}, std::pair{&sheet_.input.masses, &replaced.masses}}) {
        GridView* view = pages_->viewOf(*grid);
        if (!view || *grid == *before)
            continue;
        if (const std::optional<int> page = pageShowing(sheet_, *grid))
            pages_->setCurrentIndex(*page);
        view->selectDifferencesFrom(*before);
        return;
    }
}

namespace {

// Whether a table holds anything typed: a data cell with a text.
bool holdsTexts(const TextGrid& grid)
{
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row)
        for (int column = grid.fixedColumns(); column < grid.columnCount(); ++column)
            if (!grid.cell(column, row).empty())
                return true;
    return false;
}

}  // namespace

// The question before the tables are replaced is asked only where something
// typed would go: over empty tables there is nothing to save.
bool TrimWindow::mayReplaceTables()
{
    const bool typed = holdsTexts(sheet_.input.offsets) || holdsTexts(sheet_.input.masses);
    return !typed || mayDiscardChanges_(this);
}

void TrimWindow::clearInput()
{
    if (!mayReplaceTables())
        return;
    changeInput("Очистка", [this] { clearInputTables(sheet_.input); });
}

void TrimWindow::fillExample()
{
    if (!mayReplaceTables())
        return;
    // The example ship comes with its midship section, as one undo step.
    undo_.beginMacro("Пример");
    changeInput("Пример", [this] { fillExampleShip(sheet_.input); });
    wavePage_->fillExampleGirder();
    undo_.endMacro();
}

void TrimWindow::setRecentFiles(const QStringList& files)
{
    fillRecentFilesMenu(*recentFiles_, files, [this](const QString& file) { emit recentFileRequested(file); });
}

void TrimWindow::setDiscardGuard(DiscardGuard guard)
{
    mayDiscardChanges_ = guard ? std::move(guard) : DiscardGuard([](QWidget*) { return true; });
}

void TrimWindow::setFileChooser(FileChooser chooser)
{
    chooseFile_ = chooser ? std::move(chooser) : FileChooser([this](QWidget* parent, FileDialog dialog) {
        return chooseWithDialog(parent, dialog, dataFileFolder_);
    });
}

void TrimWindow::saveInput()
{
    const QString name = chooseFile_(this, FileDialog::SaveInput);
    if (name.isEmpty() || !errors_.run(this, [&] { saveInputFile(toPath(name), sheet_.input); }))
        return;
    emit inputSaved();
    // The data file holds the two tables alone; the first save of a session
    // says where the rest is kept, without stopping the user.
    if (inputFileNoteShown_)
        return;
    inputFileNoteShown_ = true;
    auto* note = new QMessageBox(QMessageBox::Information, "Исходные данные сохранены",
                                 "В файл исходных данных записаны только таблицы ординат и масс.\n\n"
                                 "Главные размерения, тип судна и моменты инерции сечений хранятся только в "
                                 "проекте: «Файл → Сохранить проект».",
                                 QMessageBox::Ok, this);
    note->setObjectName("inputFileNote");
    note->setAttribute(Qt::WA_DeleteOnClose);
    note->open();
}

void TrimWindow::saveResults()
{
    if (!bringResultsUpToDate())
        return;
    if (!sheet_.complete) {
        errors_.show(this, "Результатов еще нет: сначала выполните расчет");
        return;
    }
    const QString name = chooseFile_(this, FileDialog::SaveResults);
    if (!name.isEmpty())
        errors_.run(this, [&] { saveResultsFile(toPath(name), sheet_.results); });
}

void TrimWindow::loadInput()
{
    if (!mayReplaceTables())
        return;
    const QString name = chooseFile_(this, FileDialog::OpenInput);
    if (name.isEmpty())
        return;
    InputTables loaded = sheet_.input;
    if (!errors_.run(this, [&] { loadInputFile(toPath(name), loaded); }))
        return;
    changeInput("Загрузка " + QFileInfo(name).fileName(), [&] { sheet_.input = std::move(loaded); });
}

// The three results charts, each alone on one landscape page as a document of
// its own, on the default printer.
void TrimWindow::printCharts()
{
    if (!bringResultsUpToDate())
        return;
    const TrimTable& results = sheet_.results;
    errors_.run(this, [&] {
        hullcalc::printCharts(resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart),
                              this, choosePrinter_);
    });
}

}  // namespace hullcalc
