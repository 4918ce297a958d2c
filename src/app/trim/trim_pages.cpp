// Building the trim window's pages: each page a table, or a table over its
// chart, with a line saying what it holds and the buttons that belong to it.
#include "trim/trim_pages.h"

#include "presentation/trim_window_names.h"
#include "presentation/trim_window_pages.h"
#include "trim/trim_display_precision.h"
#include "trim/trim_summary_panel.h"
#include "widgets/chart_looks.h"
#include "widgets/chart_view.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>

namespace hullcalc {

namespace names = trimWindowNames;
namespace column = trimTableColumn;

namespace {

// Each page's table over its chart has room for its rows of this height.
constexpr int rowHeight = 25;

QWidget* buttonBar(QWidget* parent, const std::vector<QWidget*>& buttons)
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

// "0 шп" .. "20 шп" for the columns of a table by frame rows 1..21.
QStringList frameCaptions()
{
    QStringList captions;
    for (int frame = 0; frame < frameCount; ++frame)
        captions.append(toQString(frameLabel(frame)));
    return captions;
}

}  // namespace

TrimPages::TrimPages(TrimSheet& sheet, TextGridModel::EditRunner runInputEdit, QWidget* parent)
    : QTabWidget(parent), sheet_(sheet), runInputEdit_(std::move(runInputEdit))
{
    // So many pages do not fit in one row of tabs: a list beside the pages
    // names every page, each a click away, and the tabs themselves are hidden.
    setObjectName(toQString(names::pages));
    tabBar()->hide();

    for (const TrimWindowPage& page : trimWindowPages()) {
        QWidget* contents = nullptr;
        switch (page.layout) {
        case PageLayout::input:
            contents = inputPage(page);
            break;
        case PageLayout::table:
            contents = gridPage(page);
            break;
        case PageLayout::chart:
            contents = chartPage(page);
            break;
        case PageLayout::results:
            contents = resultsPage(page);
            break;
        case PageLayout::charts:
            contents = chartsPage(page);
            break;
        case PageLayout::wave:
        case PageLayout::sheet:
            // The window inserts the page over the run in this place.
            continue;
        }
        if (!page.objectName.empty())
            contents->setObjectName(toQString(page.objectName));
        addPage(contents, page.caption);
    }
    captionHeaderlessPages();
}

void TrimPages::refreshGrids()
{
    for (GridView* grid : grids_)
        grid->refresh();
}

void TrimPages::refresh()
{
    refreshGrids();
    for (ChartView* chart : charts_)
        chart->refresh();
    summary_->showSummary(sheet_.results.summary, bendingMomentClosure(sheet_));
    summary_->showStability(sheet_.stability);
}

void TrimPages::setFullPrecision(bool full)
{
    for (GridView* grid : grids_)
        grid->gridModel()->setFullPrecision(full);
}

GridView* TrimPages::viewOf(const TextGrid& grid) const
{
    for (GridView* view : grids_)
        if (&view->gridModel()->grid() == &grid)
            return view;
    return nullptr;
}

QSize TrimPages::contentsSizeHint(int page) const
{
    return static_cast<QScrollArea*>(widget(page))->widget()->sizeHint();
}

// Each page scrolls when the window is smaller than the page needs, so that
// the window fits any screen.
void TrimPages::addPage(QWidget* page, std::string_view caption)
{
    auto* scrolled = new QScrollArea(this);
    scrolled->setWidget(page);
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    addTab(scrolled, toQString(caption));
}

GridView* TrimPages::addGrid(const PageGrid& pageGrid, bool editable, QWidget* parent)
{
    TextGrid& grid = pageGrid.in(sheet_);
    auto* view = new GridView(grid, GridLook{pageGrid.columnWidth, 25, editable}, parent);
    view->setObjectName(toQString(pageGrid.name));
    grids_.push_back(view);
    view->gridModel()->setCellPrecision(
        [this, &grid](int column, int row) { return displayPrecisionOf(sheet_, grid, column, row); });
    // Typing, Delete and pasting into the input tables are undo steps too.
    if (editable)
        view->gridModel()->setEditRunner(runInputEdit_);
    return view;
}

QWidget* TrimPages::buttonBarOf(const TrimWindowPage& page, QWidget* parent)
{
    std::vector<QWidget*> buttons;
    for (std::string_view name : page.buttons)
        buttons.push_back(pageButton(name, parent));
    return buttonBar(parent, buttons);
}

QWidget* TrimPages::gridPage(const TrimWindowPage& page)
{
    auto* contents = new QWidget(this);
    auto* layout = new QVBoxLayout(contents);
    if (!page.buttons.empty())
        layout->addWidget(buttonBarOf(page, contents));
    layout->addWidget(description(toQString(page.description), contents));
    for (const PageGrid& grid : page.grids)
        layout->addWidget(addGrid(grid, false, contents));
    return contents;
}

QWidget* TrimPages::chartPage(const TrimWindowPage& page)
{
    auto* contents = new QWidget(this);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(description(toQString(page.description), contents));
    auto* splitter = new QSplitter(Qt::Vertical, contents);
    for (const PageGrid& pageGrid : page.grids) {
        const TextGrid& grid = pageGrid.in(sheet_);
        GridView* view = addGrid(pageGrid, false, splitter);
        // At most its header, its rows and a scroll bar: the chart takes the rest.
        const int headerHeight = 25;
        view->setMaximumHeight(headerHeight + rowHeight * (grid.rowCount() - grid.fixedRows()) + 22);
        splitter->addWidget(view);
    }
    for (const PageChart& chart : page.charts) {
        auto* chartView = new ChartView(chart.in(sheet_), chartLook(chart), splitter);
        charts_.push_back(chartView);
        splitter->addWidget(chartView);
        splitter->setStretchFactor(splitter->count() - 1, 1);
    }
    layout->addWidget(splitter, 1);
    remember(splitter, page);
    return contents;
}

// Where the user leaves a page's splitter it stays, in this session and the next.
void TrimPages::remember(QSplitter* splitter, const TrimWindowPage& page)
{
    splitter->setChildrenCollapsible(false);
    const QString key = "splitters/" + toQString(page.caption);
    if (!splitter->restoreState(QSettings().value(key).toByteArray())) {
        // First shown: each table as tall (or wide) as it needs, the last part the rest.
        const bool across = splitter->orientation() == Qt::Horizontal;
        QList<int> sizes;
        for (int i = 0; i + 1 < splitter->count(); ++i) {
            const QWidget* part = splitter->widget(i);
            sizes.append(across ? part->sizeHint().width()
                                : std::min(part->maximumHeight(), part->sizeHint().height()));
        }
        sizes.append(QWIDGETSIZE_MAX / 2);
        splitter->setSizes(sizes);
    }
    connect(splitter, &QSplitter::splitterMoved, splitter,
            [splitter, key] { QSettings().setValue(key, splitter->saveState()); });
}

// A button of a page by its object name, with its caption, its hint and the
// signal it sends. The caption marks its mnemonic with "&": Alt and the letter
// press the button of the page shown.
QPushButton* TrimPages::pageButton(std::string_view name, QWidget* parent)
{
    struct PageButton {
        std::string_view name;
        const char* caption;
        const char* toolTip;
        void (TrimPages::*clicked)();
    };
    static const PageButton buttons[] = {
        {names::calculate, "&Расчет",
         "Масштаб Бонжана, кривые элементов теоретического чертежа, удифферентовка и нагрузки "
         "на корпус по главным размерениям и таблицам этого окна",
         &TrimPages::calculateClicked},
        {names::bodyPlanButton, "&Графический вид", "Проекция «Корпус»: шпангоуты по таблице ординат",
         &TrimPages::bodyPlanRequested},
        {names::clearButton, "&Очистка", "Очистить таблицы ординат и масс (Ctrl+Z вернет)", &TrimPages::clearClicked},
        {names::exampleButton, "При&мер", "Заполнить таблицы судном-примером: L = 75 м, B = 11 м, 886,74 т",
         &TrimPages::exampleClicked},
        {names::bonjeanButton, "Масштаб &Бонжана",
         "Площади и статические моменты шпангоутов по высоте на их местах по длине, с расчетной ватерлинией",
         &TrimPages::bonjeanScaleRequested},
        {names::sectionalAreasButton, "&Строевая по шпангоутам",
         "Площади шпангоутов вдоль корпуса, по кривой на каждую ватерлинию", &TrimPages::sectionalAreasRequested},
        {names::staticMomentsButton, "&Графический вид",
         "Статические моменты шпангоутов по высоте, по кривой на каждый шпангоут", &TrimPages::staticMomentsRequested},
        {names::resultsChartsButton, "&Графический вид",
         "Нагрузка, перерезывающая сила и изгибающий момент на графиках", &TrimPages::resultsChartsRequested},
        {names::printChartsButton, "Пе&чать графиков", "Три графика результатов на принтер, каждый на отдельном листе",
         &TrimPages::printChartsClicked},
    };
    const auto* found =
        std::find_if(std::begin(buttons), std::end(buttons), [&](const PageButton& b) { return b.name == name; });
    if (found == std::end(buttons))
        throw Error("no button «" + std::string(name) + "» on the trim window's pages");
    auto* b = new QPushButton(found->caption, parent);
    b->setObjectName(toQString(name));
    b->setAutoDefault(false);
    b->setToolTip(found->toolTip);
    connect(b, &QPushButton::clicked, this, found->clicked);
    if (name == names::calculate) {
        QFont bold = b->font();
        bold.setBold(true);
        b->setFont(bold);
    }
    return b;
}

ChartLook TrimPages::chartLook(const PageChart& chart)
{
    ChartLook look;
    switch (chart.style) {
    case PageChartStyle::curveOfForm:
        look.showTitle = false;
        break;
    case PageChartStyle::markedCurveOfForm:
        look.showTitle = false;
        look.pointMarks = true;
        look.markSize = 3;
        break;
    case PageChartStyle::labelledCurveOfForm:
        look.showTitle = false;
        look.pointLabels = true;
        look.labelPrecision = DisplayPrecision::length;
        break;
    case PageChartStyle::draftsAlongFrames:
        look = alongFrameRows(toQString(chart.yTitle));
        look.yMinimum = 0.0;
        look.pointMarks = true;
        look.markSize = 3;
        break;
    case PageChartStyle::alongFrames:
        look = alongFrameRows(toQString(chart.yTitle));
        look.pointMarks = true;
        look.markSize = 3;
        break;
    case PageChartStyle::titledCurves:
        look.pointMarks = true;
        look.markSize = 3;
        break;
    }
    look.legend = chart.legend;
    look.xTitle = toQString(chart.xTitle);
    look.yTitle = toQString(chart.yTitle);
    return look;
}

QWidget* TrimPages::chartsPage(const TrimWindowPage& page)
{
    auto* contents = new QWidget(this);
    auto* layout = new QVBoxLayout(contents);
    layout->addWidget(description(toQString(page.description), contents));
    auto* splitter = new QSplitter(Qt::Vertical, contents);
    for (const PageGrid& pageGrid : page.grids) {
        const TextGrid& grid = pageGrid.in(sheet_);
        GridView* view = addGrid(pageGrid, false, splitter);
        view->setMinimumHeight(rowHeight * 4);
        view->setMaximumHeight(rowHeight * grid.rowCount() + 22);
        splitter->addWidget(view);
    }
    auto* charts = new QWidget(splitter);
    auto* chartsLayout = new QGridLayout(charts);
    chartsLayout->setContentsMargins(0, 0, 0, 0);
    chartsLayout->addWidget(description(toQString(page.note), charts), 0, 0, 1, 2);
    for (std::size_t i = 0; i < page.charts.size(); ++i) {
        auto* chart = new ChartView(page.charts[i].in(sheet_), chartLook(page.charts[i]), charts);
        chart->setObjectName(toQString(page.charts[i].name));
        chart->setMinimumHeight(280);
        charts_.push_back(chart);
        chartsLayout->addWidget(chart, 1 + static_cast<int>(i) / 2, static_cast<int>(i) % 2);
    }
    splitter->addWidget(charts);
    splitter->setStretchFactor(splitter->count() - 1, 1);
    layout->addWidget(splitter, 1);
    remember(splitter, page);
    return contents;
}

// The offsets and the masses, the only tables the user types, under the
// buttons that fill, clear and calculate them.
QWidget* TrimPages::inputPage(const TrimWindowPage& page)
{
    auto* contents = new QWidget(this);
    auto* layout = new QGridLayout(contents);
    layout->addWidget(buttonBarOf(page, contents), 0, 0, 1, 2);
    layout->addWidget(caption("Ординаты теоретического чертежа", contents), 1, 0);
    layout->addWidget(caption("Массы по шпациям", contents), 1, 1);
    layout->addWidget(
        description("Полуширины, м: строки — шпангоуты от носа, столбцы — ватерлинии от основной", contents), 2, 0);
    layout->addWidget(description("т", contents), 2, 1);
    layout->addWidget(addGrid(page.grids.at(0), true, contents), 3, 0);
    GridView* massesView = addGrid(page.grids.at(1), true, contents);
    massesView->setFixedWidth(150);
    layout->addWidget(massesView, 3, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(3, 1);
    return contents;
}

// Load, shear force and bending moment along the hull beside the summary.
QWidget* TrimPages::resultsPage(const TrimWindowPage& page)
{
    auto* contents = new QWidget(this);
    auto* layout = new QVBoxLayout(contents);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(buttonBarOf(page, contents));
    auto* splitter = new QSplitter(Qt::Horizontal, contents);
    auto* tables = new QWidget(splitter);
    auto* tablesLayout = new QGridLayout(tables);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    // The captions of the page's grids, in their order.
    const char* titles[] = {"Нагрузка на шпацию, кН", "Перерезывающая сила, кН", "Изгибающий момент, кН·м"};
    int column = 0;
    for (const PageGrid& grid : page.grids) {
        auto* label = new QLabel(titles[column], tables);
        label->setWordWrap(true);
        tablesLayout->addWidget(label, 0, column);
        GridView* view = addGrid(grid, false, tables);
        view->setFixedWidth(140);
        // Rows a little closer than elsewhere: a dozen of them show on a
        // laptop's screen at 150 %.
        view->verticalHeader()->setDefaultSectionSize(22);
        tablesLayout->addWidget(view, 1, column++);
    }
    tablesLayout->setRowStretch(1, 1);
    splitter->addWidget(tables);

    // The summary scrolls on its own where the window is low, so that the
    // tables keep the page's height.
    auto* summaryArea = new QScrollArea(splitter);
    summaryArea->setFrameShape(QFrame::NoFrame);
    summaryArea->setWidgetResizable(true);
    summary_ = new TrimSummaryPanel(summaryArea);
    summaryArea->setWidget(summary_);
    summaryArea->setMinimumWidth(200);
    splitter->addWidget(summaryArea);
    splitter->setStretchFactor(1, 1);
    layout->addWidget(splitter, 1);
    remember(splitter, page);
    return contents;
}

// The captions of the pages whose grids hold no headers of their own or hold
// frame-row numbers: shown in the views only, the grids' texts stay.
void TrimPages::captionHeaderlessPages()
{
    captionInputTables();
    captionApproximations();
    captionHydrostaticCurves();
    captionDesignWaterline();
    captionTrimTable();
    captionResults();
}

void TrimPages::captionInputTables()
{
    TextGridModel* offsets = viewOf(sheet_.input.offsets)->gridModel();
    offsets->setCornerCaption("Шп \\ ВЛ");
    TextGridModel* masses = viewOf(sheet_.input.masses)->gridModel();
    masses->setCornerCaption("Шпация");
    masses->setHeaderCaptions(Qt::Horizontal, {"m, т"});
}

void TrimPages::captionApproximations()
{
    // Columns 1-4 hold other quantities in each start row, named by the row;
    // the right three columns hold approximation n in row n.
    TextGridModel* log = viewOf(sheet_.iteration.log)->gridModel();
    log->setCornerCaption("n");
    log->setHeaderCaptions(Qt::Horizontal, {"T / Тн / V / № / S", "XF / Тк / XC", "XC0", "R / «Готово»",
                                            "V n-го прибл., куб. м", "XC n-го прибл., м", "Σω n-го прибл., кв. м"});
    log->setHeaderCaptions(Qt::Vertical, {"1: ровный киль: T, XF, XC0, R, м", "2: 1-е прибл.: Тн, Тк, м",
                                          "3: текущее прибл.: V, куб. м; XC, м", "4: № текущего прибл.",
                                          "5: S поправки, кв. м", "6", "7", "8", "9"});
}

// The one-row tables of the hydrostatic curves: a value per waterline.
void TrimPages::captionHydrostaticCurves()
{
    QStringList waterlines;
    for (int waterline = 1; waterline <= waterlineCount; ++waterline)
        waterlines.append(QString("ВЛ %1").arg(waterline));
    const HydrostaticCurves& curves = sheet_.hydrostatics;
    const std::pair<const TextGrid*, const char*> curveCaptions[] = {
        {&curves.volume.values, "V, куб. м"},           {&curves.centreOfBuoyancy.values, "XC, м"},
        {&curves.waterplaneArea.values, "S, кв. м"},    {&curves.centreOfFlotation.values, "XF, м"},
        {&curves.longitudinalInertia.values, "Iy, м⁴"}, {&curves.transverseInertia.values, "Iz, м⁴"},
        {&curves.transverseRadius.values, "r, м"},      {&curves.longitudinalRadius.values, "R, м"},
    };
    for (const auto& [grid, quantity] : curveCaptions) {
        TextGridModel* model = viewOf(*grid)->gridModel();
        model->setCornerCaption("ВЛ");
        model->setHeaderCaptions(Qt::Horizontal, waterlines);
        model->setHeaderCaptions(Qt::Vertical, {quantity});
    }
}

// The one-row tables at the design waterline: a value per frame.
void TrimPages::captionDesignWaterline()
{
    const std::pair<const TextGrid*, const char*> designCaptions[] = {
        {&sheet_.iteration.frameDrafts, "Осадка, м"}, {&sheet_.iteration.designSectionAreas, "Площадь ω, кв. м"}};
    for (const auto& [grid, quantity] : designCaptions) {
        TextGridModel* model = viewOf(*grid)->gridModel();
        model->setCornerCaption("Шпангоут");
        model->setHeaderCaptions(Qt::Horizontal, frameCaptions());
        model->setHeaderCaptions(Qt::Vertical, {quantity});
    }
}

void TrimPages::captionTrimTable()
{
    TextGridModel* table = viewOf(sheet_.results.table)->gridModel();
    table->setCornerCaption("Шпангоут");
    table->setHeaderCaptions(Qt::Horizontal, toQStringList(trimTableCaptions));
    QStringList rows = frameCaptions();
    rows.back() += " / итог";
    table->setHeaderCaptions(Qt::Vertical, rows);
    // Columns 10-12 of the trim table are never written: kept in the grid
    // (the results file and the dump have them), not shown.
    GridView* tableView = viewOf(sheet_.results.table);
    const TextGrid& trimTable = sheet_.results.table;
    for (int unused = column::correctedMoment; unused < trimTable.columnCount() - trimTable.fixedColumns(); ++unused)
        tableView->setColumnHidden(unused, true);
}

// The columns of the load, the shear force and the bending moment.
void TrimPages::captionResults()
{
    const std::pair<const TextGrid*, const char*> resultCaptions[] = {{&sheet_.results.loads, "q, кН"},
                                                                      {&sheet_.results.shearForce, "N, кН"},
                                                                      {&sheet_.results.bendingMoment, "M, кН·м"}};
    for (const auto& [grid, quantity] : resultCaptions) {
        TextGridModel* model = viewOf(*grid)->gridModel();
        model->setCornerCaption(grid == &sheet_.results.loads ? "Шпация" : "Шп");
        model->setHeaderCaptions(Qt::Horizontal, {quantity});
    }
}

}  // namespace hullcalc
