#include "trim/trim_window.h"

#include "trim/data_files.h"
#include "trim/design_checks.h"
#include "trim/design_checks_panel.h"
#include "trim/input_tables.h"
#include "trim/page_navigator.h"
#include "trim/trim_calculation.h"
#include "trim/trim_window_names.h"
#include "widgets/activation.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"
#include "widgets/results_charts.h"
#include "widgets/snapshot_command.h"
#include "widgets/text_grid_model.h"
#include "widgets/window_placement.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace hullcalc {

namespace names = trimWindowNames;

namespace {

// Pages 2 to 15 hold the intermediate results; their tabs are hidden at start.
constexpr int firstIntermediatePage = 1;
constexpr int lastIntermediatePage = 14;

QWidget* buttonBar(QWidget* parent, std::initializer_list<QWidget*> buttons)
{
    auto* bar = new QWidget(parent);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* b : buttons) {
        b->setParent(bar);
        layout->addWidget(b);
    }
    layout->addStretch();
    return bar;
}

// The dialogs offer text files first and any file beside them.
const QString textFiles = QStringLiteral("Текстовые файлы (*.txt);;Все файлы (*)");

// A name typed without an extension gets ".txt", as the filter suggests.
QString withTextExtension(const QString& name)
{
    if (name.isEmpty() || !QFileInfo(name).suffix().isEmpty())
        return name;
    return name + ".txt";
}

QString chooseWithDialog(QWidget* parent, TrimWindow::FileDialog dialog)
{
    // The folder of the last file chosen in this session.
    static QString folder;
    QString name;
    switch (dialog) {
    case TrimWindow::FileDialog::SaveInput:
        name = withTextExtension(QFileDialog::getSaveFileName(parent, "Сохранить исходные данные", folder, textFiles));
        break;
    case TrimWindow::FileDialog::SaveResults:
        name = withTextExtension(QFileDialog::getSaveFileName(parent, "Сохранить результат", folder, textFiles));
        break;
    case TrimWindow::FileDialog::OpenInput:
        name = QFileDialog::getOpenFileName(parent, "Загрузить исходные данные", folder, textFiles);
        break;
    }
    if (!name.isEmpty())
        folder = QFileInfo(name).absolutePath();
    return name;
}

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

QString pageCaption(int page) { return toQString(names::pageCaptions.at(static_cast<std::size_t>(page))); }

// A line above a table saying what it holds and in which unit.
QLabel* description(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setStyleSheet("color: #404040");
    return label;
}

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TrimWindow::TrimWindow(TrimSheet& sheet, const ShipParticulars& particulars, QUndoStack& undo, QWidget* parent)
    : QMainWindow(parent),
      sheet_(sheet),
      particulars_(particulars),
      undo_(undo),
      chooseFile_(&chooseWithDialog),
      mayDiscardChanges_([](QWidget*) { return true; })
{
    setObjectName(toQString(names::window));
    setWindowTitle("Удифферентовка[*]");
    createPages();
    createActions();
    createMenus();
    status_ = new QLabel(this);
    status_->setObjectName("calculationStatus");
    statusBar()->addWidget(status_, 1);
    // 647 x 740 right of the main window, or wider where the results page needs
    // it with this platform's fonts; smaller where the screen is, the pages
    // scrolling. Sized
    // before it is placed: growing later, when first shown, would place the
    // window by its client area and push its title bar off the screen.
    QSize needed(647, 740);
    for (int page : {names::inputPageIndex, names::resultsPageIndex})
        needed =
            needed.expandedTo(static_cast<QScrollArea*>(pages_->widget(page))->widget()->sizeHint() + QSize(40, 0));
    resize(needed.width(), 740);
    placeOnScreen(this, QPoint(382, 0));
    // Creation hides the intermediate pages: only "Исходные данные" and
    // "Результаты" have tabs until the user asks for the others.
    setIntermediatePagesVisible(false);
}

void TrimWindow::updateChecks()
{
    std::vector<Warning> warnings = checkInput(particulars_, sheet_.input);
    const std::vector<Warning> results = checkResults(particulars_, sheet_);
    warnings.insert(warnings.end(), results.begin(), results.end());
    checks_->showWarnings(std::move(warnings));
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
        pages_->setCurrentIndex(names::resultsPageIndex);
        break;
    }
}

// Each page scrolls when the window is smaller than the page needs, so that
// the window fits any screen.
void TrimWindow::addPage(QWidget* page, const QString& caption)
{
    auto* scrolled = new QScrollArea(pages_);
    scrolled->setWidget(page);
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    pages_->addTab(scrolled, caption);
}

QPushButton* TrimWindow::button(std::string_view objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(toQString(objectName));
    b->setAutoDefault(false);
    return b;
}

GridView* TrimWindow::addGrid(TextGrid& grid, int columnWidth, bool editable, QWidget* parent)
{
    auto* view = new GridView(grid, GridLook{columnWidth, 25, editable}, parent);
    grids_.push_back(view);
    // Typing, Delete and pasting into the input tables are undo steps too.
    if (editable)
        view->gridModel()->setEditRunner([this](const QString& description, const std::function<void()>& change) {
            changeInput(description, change);
        });
    return view;
}

namespace {

// "0 шп" .. "20 шп" for the columns of a table by frame rows 1..21.
QStringList frameCaptions()
{
    QStringList captions;
    for (int frame = 0; frame < frameCount; ++frame)
        captions.append(toQString(frameLabel(frame)));
    return captions;
}

}  // namespace

// The captions of the pages whose grids hold no headers of their own or hold
// frame-row numbers: shown in the views only, the grids' texts stay.
void TrimWindow::captionHeaderlessPages()
{
    const auto modelOf = [this](const TextGrid& grid) {
        for (GridView* view : grids_)
            if (&view->gridModel()->grid() == &grid)
                return view->gridModel();
        return static_cast<TextGridModel*>(nullptr);
    };
    TextGridModel* log = modelOf(sheet_.iteration.log);
    log->setCornerCaption("Строка");
    log->setHeaderCaptions(Qt::Horizontal, {"1-я величина", "2-я величина", "3-я величина", "4-я величина",
                                            "V прибл., куб. м", "Xc прибл., м", "Σω прибл., кв. м"});
    log->setHeaderCaptions(Qt::Vertical,
                           {"1: ровный киль T, Xf, Xc0, R", "2: первое прибл. Тн, Тк", "3: текущее прибл. V, Xc",
                            "4: № прибл.; «Готово»", "5: S поправки", "6", "7", "8", "9"});

    TextGridModel* drafts = modelOf(sheet_.iteration.frameDrafts);
    drafts->setCornerCaption("Шпангоут");
    drafts->setHeaderCaptions(Qt::Horizontal, frameCaptions());
    drafts->setHeaderCaptions(Qt::Vertical, {"Осадка, м"});

    TextGridModel* areas = modelOf(sheet_.iteration.designSectionAreas);
    areas->setCornerCaption("Шпангоут");
    areas->setHeaderCaptions(Qt::Horizontal, frameCaptions());
    areas->setHeaderCaptions(Qt::Vertical, {"Площадь ω, кв. м"});

    TextGridModel* table = modelOf(sheet_.results.table);
    table->setCornerCaption("Шпангоут");
    table->setHeaderCaptions(Qt::Horizontal,
                             {"ω, кв. м", "ωi + ωi+1, кв. м", "Сила плавучести, кН", "Вес, кН", "Нагрузка, кН",
                              "Перерезывающая сила, кН", "Сумма сил, кН", "N исправл., кН", "M исправл., кН·м"});
    QStringList rows = frameCaptions();
    rows.back() += " / итог";
    table->setHeaderCaptions(Qt::Vertical, rows);
}

void TrimWindow::createPages()
{
    // Sixteen pages do not fit in one row of tabs: a list beside the pages
    // names every page, each a click away, and the tabs themselves are hidden.
    pages_ = new QTabWidget(this);
    pages_->setObjectName(toQString(names::pages));
    pages_->tabBar()->hide();

    addPage(inputPage(), pageCaption(0));

    QPushButton* bonjean = button(names::bonjeanButton, "Мастаб Бонжана");  // "Мастаб" as the button has always read
    bonjean->setVisible(false);                                             // the Bonjean-scale window is not offered
    // "шпантгоутам" as the button has always read.
    QPushButton* sectionalAreas = button(names::sectionalAreasButton, "Строевая по шпантгоутам");
    sectionalAreas->setToolTip("Площади шпангоутов вдоль корпуса, по кривой на каждую ватерлинию");
    connect(sectionalAreas, &QPushButton::clicked, this, &TrimWindow::sectionalAreasRequested);
    addPage(gridPage(sheet_.bonjean.sectionAreas, 55,
                     "Площадь погруженной части шпангоута (оба борта) от основной плоскости до ватерлинии, кв. м; "
                     "строки — шпангоуты, столбцы — ватерлинии",
                     buttonBar(this, {bonjean, sectionalAreas})),
            pageCaption(1));

    QPushButton* moments = button(names::staticMomentsButton, "Графический вид");
    moments->setToolTip("Статические моменты шпангоутов по высоте, по кривой на каждый шпангоут");
    connect(moments, &QPushButton::clicked, this, &TrimWindow::staticMomentsRequested);
    addPage(gridPage(sheet_.bonjean.sectionMoments, 55,
                     "Статический момент погруженной площади шпангоута относительно основной плоскости, куб. м; "
                     "строки — шпангоуты, столбцы — ватерлинии",
                     buttonBar(this, {moments})),
            pageCaption(2));

    // The hydrostatic curves: a one-row grid over its chart, value against draft.
    ChartLook curve;
    curve.showTitle = false;
    ChartLook marked = curve;
    marked.pointMarks = true;
    marked.markSize = 3;
    ChartLook labelled = curve;
    labelled.pointLabels = true;
    struct CurvePage {
        HydrostaticCurve& curve;
        const ChartLook& look;
        int page;
        const char* quantity;  // with its unit, as the chart's axis and the line above the table name it
    };
    HydrostaticCurves& curves = sheet_.hydrostatics;
    const CurvePage curvePages[] = {
        {curves.volume, marked, 3, "Объемное водоизмещение V, куб. м"},
        {curves.centreOfBuoyancy, labelled, 4, "Абсцисса центра величины Xc от миделя, м"},
        {curves.waterplaneArea, curve, 5, "Площадь ватерлинии S, кв. м"},
        {curves.centreOfFlotation, curve, 6, "Абсцисса центра тяжести ватерлинии Xf от миделя, м"},
        {curves.longitudinalInertia, curve, 7, "Момент инерции площади ватерлинии Iy (один борт, от 0 шп), м⁴"},
        {curves.transverseInertia, curve, 8, "Момент инерции площади ватерлинии Iz (один борт, от ДП), м⁴"},
        {curves.transverseRadius, curve, 9, "Поперечный метацентрический радиус r, м"},
        {curves.longitudinalRadius, curve, 10, "Продольный метацентрический радиус R, м"},
    };
    for (const CurvePage& page : curvePages) {
        ChartLook look = page.look;
        look.xTitle = page.quantity;
        look.yTitle = "Осадка, м";
        addPage(chartPage(page.curve.values, 50, 25, page.curve.chart, look,
                          QString(page.quantity) + " по ватерлиниям 1–10 (столбцы)"),
                pageCaption(page.page));
    }

    addPage(gridPage(sheet_.iteration.log, 64,
                     "Последовательные приближения: осадка и гидростатика на ровный киль (строка «Ровный киль»), "
                     "осадки первого приближения, текущее приближение; справа по строкам — V, Xc и сумма площадей "
                     "каждого приближения"),
            pageCaption(11));

    ChartLook drafts;
    drafts.boldTitle = true;
    drafts.shadedBackground = true;
    drafts.pointMarks = true;
    drafts.markSize = 3;
    drafts.yMinimum = 0.0;
    drafts.frameAxis = std::pair(1, frameCount);
    drafts.firstFrameNumber = 0;
    drafts.xTitle = "Шпангоут";
    drafts.yTitle = "Осадка, м";
    addPage(chartPage(sheet_.iteration.frameDrafts, 45, 25, sheet_.iteration.frameDraftChart, drafts,
                      "Осадка на шпангоутах 0–20 по расчетной ватерлинии последнего приближения, м"),
            pageCaption(12));
    ChartLook areas;
    areas.pointMarks = true;
    areas.markSize = 3;
    areas.frameAxis = std::pair(1, frameCount);
    areas.firstFrameNumber = 0;
    areas.xTitle = "Шпангоут";
    areas.yTitle = "Площадь шпангоута, кв. м";
    addPage(chartPage(sheet_.iteration.designSectionAreas, 45, 25, sheet_.iteration.designSectionAreaChart, areas,
                      "Погруженная площадь шпангоутов 0–20 по расчетной ватерлинии, кв. м"),
            pageCaption(13));

    addPage(gridPage(sheet_.results.table, 64,
                     "Таблица удифферентовки по шпациям (строка шпации — у ее носового шпангоута, строка 20 шп — "
                     "итоги): площади, кв. м; силы, кН; момент, кН·м"),
            pageCaption(14));
    addPage(resultsPage(), pageCaption(15));
    captionHeaderlessPages();

    // The page captions flow in rows above the pages, as many rows as the
    // window's width needs, so that the pages keep the whole width.
    pageNavigator_ = new PageNavigator(*pages_, this);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pageNavigator_);
    layout->addWidget(pages_, 1);
    checks_ = new DesignChecksPanel(this);
    connect(checks_, &DesignChecksPanel::warningClicked, this, &TrimWindow::showWarning);
    layout->addWidget(checks_);
    setCentralWidget(central);
}

QWidget* TrimWindow::inputPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(toQString(names::inputPage));

    QPushButton* calculateButton = button(names::calculate, "Расчет");
    calculateButton->setToolTip(
        "Масштаб Бонжана, кривые элементов теоретического чертежа, удифферентовка и нагрузки "
        "на корпус по главным размерениям и таблицам этого окна");
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    connect(calculateButton, &QPushButton::clicked, this, &TrimWindow::calculate);
    QPushButton* bodyPlan = button(names::bodyPlanButton, "Графический вид");
    bodyPlan->setToolTip("Проекция «Корпус»: шпангоуты по таблице ординат");
    connect(bodyPlan, &QPushButton::clicked, this, &TrimWindow::bodyPlanRequested);
    QPushButton* clear = button(names::clearButton, "Очистка");
    clear->setToolTip("Очистить таблицы ординат и масс (Ctrl+Z вернет)");
    connect(clear, &QPushButton::clicked, this, &TrimWindow::clearInput);
    QPushButton* example = button(names::exampleButton, "Пример");
    example->setToolTip("Заполнить таблицы судном-примером: L = 75 м, B = 11 м, 886,74 т");
    connect(example, &QPushButton::clicked, this, &TrimWindow::fillExample);

    auto* layout = new QGridLayout(page);
    layout->addWidget(buttonBar(page, {calculateButton, bodyPlan, clear, example}), 0, 0, 1, 2);
    layout->addWidget(caption("Ординаты теоретического чертежа", page), 1, 0);
    layout->addWidget(caption("Массы по шпациям", page), 1, 1);
    layout->addWidget(description("Полуширины, м: строки — шпангоуты от носа, столбцы — ватерлинии от основной", page),
                      2, 0);
    layout->addWidget(description("т", page), 2, 1);
    layout->addWidget(addGrid(sheet_.input.offsets, 45, true, page), 3, 0);
    GridView* masses = addGrid(sheet_.input.masses, 45, true, page);
    masses->setFixedWidth(150);
    layout->addWidget(masses, 3, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    return page;
}

QWidget* TrimWindow::gridPage(TextGrid& grid, int columnWidth, const QString& contents, QWidget* bar)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    if (bar) {
        bar->setParent(page);
        layout->addWidget(bar);
    }
    layout->addWidget(description(contents, page));
    layout->addWidget(addGrid(grid, columnWidth, false, page));
    return page;
}

QWidget* TrimWindow::chartPage(TextGrid& grid, int columnWidth, int rowHeight, const ChartModel& chart,
                               const ChartLook& look, const QString& contents)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(description(contents, page));
    GridView* view = addGrid(grid, columnWidth, false, page);
    // Tall enough for its rows and a scroll bar, no more: the chart takes the rest.
    const int headerHeight = grid.fixedRows() > 0 ? 25 : 0;
    view->setFixedHeight(headerHeight + rowHeight * (grid.rowCount() - grid.fixedRows()) + 22);
    layout->addWidget(view);
    auto* chartView = new ChartView(chart, look, page);
    charts_.push_back(chartView);
    layout->addWidget(chartView, 1);
    return page;
}

QWidget* TrimWindow::resultsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(toQString(names::resultsPage));
    QPushButton* graphs = button(names::resultsChartsButton, "Графический вид");
    graphs->setToolTip("Нагрузка, перерезывающая сила и изгибающий момент на графиках");
    connect(graphs, &QPushButton::clicked, this, &TrimWindow::resultsChartsRequested);
    QPushButton* print = button(names::printChartsButton, "Печать графиков");
    print->setToolTip("Три графика результатов на принтер, каждый на отдельном листе");
    connect(print, &QPushButton::clicked, this, &TrimWindow::printCharts);

    auto* layout = new QGridLayout(page);
    layout->addWidget(buttonBar(page, {graphs, print}), 0, 0, 1, 4);
    const struct {
        TextGrid* grid;
        const char* title;
        const char* unit;
    } tables[] = {
        {&sheet_.results.loads, "Нагрузка на шпацию", "кН"},
        {&sheet_.results.shearForce, "Перерезывающая сила", "кН"},
        {&sheet_.results.bendingMoment, "Изгибающий момент", "кН·м"},
    };
    int column = 0;
    for (const auto& [grid, title, unit] : tables) {
        auto* label = new QLabel(QString("%1, %2").arg(title, unit), page);
        label->setWordWrap(true);
        layout->addWidget(label, 1, column);
        GridView* view = addGrid(*grid, 72, false, page);
        view->setFixedWidth(140);
        layout->addWidget(view, 2, column++);
    }

    // The summary of the floating condition and the closure errors.
    auto* summary = new QFrame(page);
    summary->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(summary);
    int row = 0;
    for (int i = 0; i < summaryLineCount; ++i) {
        const auto line = static_cast<SummaryLine>(i);
        if (line == SummaryLine::forwardDraft || line == SummaryLine::shearForceClosure) {
            auto* line = new QFrame(summary);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 3);
        }
        // "R =" has its caption on two lines: "Большой" over the rest.
        const QString text = line == SummaryLine::longitudinalRadius
                                 ? QString("Большой\nметацентрический радиус, м  R =")
                                 : toQString(summaryCaptions[static_cast<std::size_t>(i)]);
        auto* captionLabel = new QLabel(text, summary);
        captionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        // Long captions take two lines, so that the results fit beside the main window.
        captionLabel->setWordWrap(true);
        captionLabel->setMinimumWidth(captionLabel->fontMetrics().horizontalAdvance("Осадка средняя, м Тср =") + 12);
        captionLabel->setMaximumWidth(captionLabel->minimumWidth());
        auto* value = new QLabel(summary);
        value->setObjectName(toQString(names::summaryLabels[static_cast<std::size_t>(i)]));
        value->setMinimumWidth(70);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(captionLabel, row, 0);
        grid->addWidget(value, row, 1);
        // The closures carry no unit in their captions. The moment's is the
        // integral sum of the shear force, without the factor ΔL/2.
        if (line == SummaryLine::shearForceClosure)
            grid->addWidget(new QLabel("кН", summary), row, 2);
        else if (line == SummaryLine::bendingMomentClosure)
            grid->addWidget(new QLabel("кН (× ΔL/2 = кН·м)", summary), row, 2);
        ++row;
        summaryLabels_.push_back(value);
    }
    grid->setRowStretch(row, 1);
    layout->addWidget(summary, 2, 3);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
    return page;
}

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
    help_ = new QAction("Справка", this);
    help_->setShortcut(QKeySequence::HelpContents);
    connect(help_, &QAction::triggered, this,
            [this] { emit helpRequested(pages_->currentIndex() == 0 ? "offsets" : "pages"); });
}

void TrimWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu("&Файл");
    file->setObjectName(toQString(names::fileMenu));
    const auto request = [this, file](const QString& caption, const char* objectName, void (TrimWindow::*signal)(),
                                      const QKeySequence& keys = {}) {
        QAction* created = file->addAction(caption, this, signal);
        created->setObjectName(objectName);
        created->setShortcut(keys);
        return created;
    };
    request("&Открыть проект…", "openProject", &TrimWindow::openProjectRequested, QKeySequence::Open);
    request("Сохранить &проект", "saveProject", &TrimWindow::saveProjectRequested, QKeySequence::Save);
    request("Сохранить проект &как…", "saveProjectAs", &TrimWindow::saveProjectAsRequested, QKeySequence::SaveAs);
    recentFiles_ = file->addMenu("Последние &файлы");
    recentFiles_->setObjectName("recentFiles");
    recentFiles_->setEnabled(false);
    file->addSeparator();
    QMenu* save = file->addMenu("&Сохранить");
    save->addAction(saveInput_);
    save->addAction(saveResults_);
    QMenu* load = file->addMenu("&Загрузить");
    load->addAction(loadInput_);
    file->addSeparator();
    request("&Отчет…", "report", &TrimWindow::reportRequested, QKeySequence::Print);
    request("&Экспорт в Excel…", "exportWorkbook", &TrimWindow::workbookRequested);

    QMenu* edit = menuBar()->addMenu("&Правка");
    edit->setObjectName("EditMenu");
    QAction* undo = undo_.createUndoAction(this, "Отменить");
    undo->setObjectName("undo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = undo_.createRedoAction(this, "Повторить");
    redo->setObjectName("redo");
    // Ctrl+Y as spreadsheets have it, and the platform's own (which may be the same).
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.prepend(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setShortcuts(redoKeys);
    edit->addAction(undo);
    edit->addAction(redo);

    QMenu* service = menuBar()->addMenu("С&ервис");
    service->setObjectName(toQString(names::serviceMenu));
    service->addAction(showIntermediate_);
    service->addAction(hideIntermediate_);

    QMenu* help = menuBar()->addMenu("Спр&авка");
    help->addAction(help_);
}

void TrimWindow::setIntermediatePagesVisible(bool visible)
{
    pageNavigator_->setPagesVisible(firstIntermediatePage, lastIntermediatePage, visible);
    // Each command only where it changes something.
    showIntermediate_->setEnabled(!visible);
    hideIntermediate_->setEnabled(visible);
}

void TrimWindow::showIntermediatePages() { setIntermediatePagesVisible(true); }

void TrimWindow::hideIntermediatePages() { setIntermediatePagesVisible(false); }

// The grid set-up writes the headers of every grid and selects the input page;
// it runs each time the user comes to this window.
void TrimWindow::activate()
{
    writeHeaders(sheet_);
    pages_->setCurrentIndex(0);
    for (GridView* grid : grids_)
        grid->refresh();
    // The particulars may have changed in the main window meanwhile.
    updateChecks();
}

bool TrimWindow::event(QEvent* event)
{
    if (isActivationFromAnotherWindow(this, event))
        activate();
    return QMainWindow::event(event);
}

void TrimWindow::showEvent(QShowEvent* event)
{
    // The first showing sets the grids up also where no window manager
    // activates a window that is shown.
    if (sheet_.input.offsets.cell(1, 0).empty())
        activate();
    QMainWindow::showEvent(event);
}

void TrimWindow::refreshViews()
{
    for (GridView* grid : grids_)
        grid->refresh();
    for (ChartView* chart : charts_)
        chart->refresh();
    for (std::size_t i = 0; i < summaryLabels_.size(); ++i)
        summaryLabels_[i]->setText(QString::fromStdString(sheet_.results.summary[i]));
    updateChecks();
    emit sheetChanged();
}

void TrimWindow::calculate()
{
    const Failure failure = catchFailure([&] { runTrimCalculation(sheet_, particulars_); });
    // Also after a failure: what this run wrote before it is shown, and
    // nothing of an earlier run.
    refreshViews();
    emit calculated();
    if (!failure) {
        status_->setText(QString("Расчет выполнен: принято приближение %1").arg(sheet_.iteration.approximations));
        return;
    }
    status_->setText("Расчет остановлен: " + failure.message);
    const QString place = pointAt(failure);
    showError(this, place.isEmpty() ? failure.message : failure.message + "\n" + place);
}

// Where the failure's cause stands, as a line for the message; the page with
// a failing cell is shown and the cell selected, a failing particular's edit
// is shown by the main window.
QString TrimWindow::pointAt(const Failure& failure)
{
    try {
        std::rethrow_exception(failure.exception);
    } catch (const CellError& e) {
        selectCell(e.grid(), e.column(), e.row());
        return toQString(cellLocation(sheet_, e));
    } catch (const ParticularError& e) {
        emit particularToShow(&e.field());
        return toQString(particularLocation(e));
    } catch (...) {
    }
    return {};
}

void TrimWindow::selectCell(const TextGrid& grid, int column, int row)
{
    const std::optional<int> page = pageShowing(sheet_, grid);
    if (!page)
        return;
    if (!pages_->isTabVisible(*page))
        setIntermediatePagesVisible(true);
    pages_->setCurrentIndex(*page);
    for (GridView* view : grids_) {
        if (&view->gridModel()->grid() != &grid)
            continue;
        view->setCurrentIndex(view->model()->index(row - grid.fixedRows(), column - grid.fixedColumns()));
        view->setFocus();
    }
}

// Every change of the input tables as one undo step; nothing is recorded when
// the tables stay as they were.
void TrimWindow::changeInput(const QString& description, const std::function<void()>& change)
{
    InputTables before = sheet_.input;
    change();
    if (sheet_.input == before) {
        refreshViews();
        return;
    }
    undo_.push(new SnapshotCommand<InputTables>(description, sheet_.input, std::move(before), sheet_.input,
                                                [this] { refreshViews(); }));
}

void TrimWindow::clearInput()
{
    if (!mayDiscardChanges_(this))
        return;
    changeInput("Очистка", [this] { clearInputTables(sheet_.input); });
}

void TrimWindow::fillExample()
{
    if (!mayDiscardChanges_(this))
        return;
    changeInput("Пример", [this] { fillExampleShip(sheet_.input); });
}

void TrimWindow::setRecentFiles(const QStringList& files)
{
    recentFiles_->clear();
    for (const QString& file : files)
        recentFiles_->addAction(QFileInfo(file).fileName(), this, [this, file] { emit recentFileRequested(file); })
            ->setToolTip(file);
    recentFiles_->setEnabled(!files.isEmpty());
}

void TrimWindow::setDiscardGuard(DiscardGuard guard)
{
    mayDiscardChanges_ = guard ? std::move(guard) : DiscardGuard([](QWidget*) { return true; });
}

void TrimWindow::setFileChooser(FileChooser chooser)
{
    chooseFile_ = chooser ? std::move(chooser) : FileChooser(&chooseWithDialog);
}

void TrimWindow::saveInput()
{
    const QString name = chooseFile_(this, FileDialog::SaveInput);
    if (!name.isEmpty() && runAction(this, [&] { saveInputFile(toPath(name), sheet_.input); }))
        emit inputSaved();
}

void TrimWindow::saveResults()
{
    if (!sheet_.complete) {
        showError(this, "Результатов еще нет: сначала выполните расчет");
        return;
    }
    const QString name = chooseFile_(this, FileDialog::SaveResults);
    if (!name.isEmpty())
        runAction(this, [&] { saveResultsFile(toPath(name), sheet_.results); });
}

void TrimWindow::loadInput()
{
    if (!mayDiscardChanges_(this))
        return;
    const QString name = chooseFile_(this, FileDialog::OpenInput);
    if (name.isEmpty())
        return;
    InputTables loaded = sheet_.input;
    if (!runAction(this, [&] { loadInputFile(toPath(name), loaded); }))
        return;
    changeInput("Загрузка " + QFileInfo(name).fileName(), [&] { sheet_.input = std::move(loaded); });
}

// The three results charts, each alone on one landscape page as a document of
// its own, on the default printer.
void TrimWindow::printCharts()
{
    const TrimTable& results = sheet_.results;
    runAction(this, [&] {
        printOnDefaultPrinter(resultsCharts(results.loadChart, results.shearForceChart, results.bendingMomentChart));
    });
}

}  // namespace hullcalc
