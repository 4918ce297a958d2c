// Building the trim window's pages: each page a table, or a table over its
// chart, with a line saying what it holds and the buttons that belong to it.
#include "trim/trim_pages.h"

#include "trim/trim_display_precision.h"
#include "trim/trim_summary_panel.h"
#include "trim/trim_window_names.h"
#include "widgets/chart_looks.h"
#include "widgets/chart_view.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>

namespace hullcalc {

namespace names = trimWindowNames;
namespace column = trimTableColumn;

namespace {

// `caption` marks its mnemonic with "&": Alt and the letter press the button
// of the page shown.
QPushButton* button(std::string_view objectName, const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(toQString(objectName));
    b->setAutoDefault(false);
    return b;
}

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
    // Seventeen pages do not fit in one row of tabs: a list beside the pages
    // names every page, each a click away, and the tabs themselves are hidden.
    setObjectName(toQString(names::pages));
    tabBar()->hide();

    addInputPage();
    addBonjeanPages();
    addHydrostaticCurvePages();
    addApproximationPages();
    addTrimTablePage();
    addResultsPage();
    addCurvesOfFormPage();
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
void TrimPages::addPage(QWidget* page, int index)
{
    auto* scrolled = new QScrollArea(this);
    scrolled->setWidget(page);
    scrolled->setWidgetResizable(true);
    scrolled->setFrameShape(QFrame::NoFrame);
    addTab(scrolled, pageCaption(index));
}

GridView* TrimPages::addGrid(TextGrid& grid, int columnWidth, bool editable, QWidget* parent)
{
    auto* view = new GridView(grid, GridLook{columnWidth, 25, editable}, parent);
    grids_.push_back(view);
    view->gridModel()->setCellPrecision(
        [this, &grid](int column, int row) { return displayPrecisionOf(sheet_, grid, column, row); });
    // Typing, Delete and pasting into the input tables are undo steps too.
    if (editable)
        view->gridModel()->setEditRunner(runInputEdit_);
    return view;
}

QWidget* TrimPages::gridPage(TextGrid& grid, int columnWidth, const QString& contents, QWidget* bar)
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

QWidget* TrimPages::chartPage(TextGrid& grid, int columnWidth, int rowHeight, const ChartModel& chart,
                              const ChartLook& look, const QString& contents)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(description(contents, page));
    GridView* view = addGrid(grid, columnWidth, false, page);
    // Tall enough for its header, its rows and a scroll bar, no more: the chart takes the rest.
    const int headerHeight = 25;
    view->setFixedHeight(headerHeight + rowHeight * (grid.rowCount() - grid.fixedRows()) + 22);
    layout->addWidget(view);
    auto* chartView = new ChartView(chart, look, page);
    charts_.push_back(chartView);
    layout->addWidget(chartView, 1);
    return page;
}

// The offsets and the masses, the only tables the user types, under the
// buttons that fill, clear and calculate them.
void TrimPages::addInputPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(toQString(names::inputPage));

    QPushButton* calculateButton = button(names::calculate, "&Расчет", this);
    calculateButton->setToolTip(
        "Масштаб Бонжана, кривые элементов теоретического чертежа, удифферентовка и нагрузки "
        "на корпус по главным размерениям и таблицам этого окна");
    QFont bold = calculateButton->font();
    bold.setBold(true);
    calculateButton->setFont(bold);
    connect(calculateButton, &QPushButton::clicked, this, &TrimPages::calculateClicked);
    QPushButton* bodyPlan = button(names::bodyPlanButton, "&Графический вид", this);
    bodyPlan->setToolTip("Проекция «Корпус»: шпангоуты по таблице ординат");
    connect(bodyPlan, &QPushButton::clicked, this, &TrimPages::bodyPlanRequested);
    QPushButton* clear = button(names::clearButton, "&Очистка", this);
    clear->setToolTip("Очистить таблицы ординат и масс (Ctrl+Z вернет)");
    connect(clear, &QPushButton::clicked, this, &TrimPages::clearClicked);
    QPushButton* example = button(names::exampleButton, "При&мер", this);
    example->setToolTip("Заполнить таблицы судном-примером: L = 75 м, B = 11 м, 886,74 т");
    connect(example, &QPushButton::clicked, this, &TrimPages::exampleClicked);

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
    addPage(page, names::inputPageIndex);
}

// The Bonjean scale: the immersed section areas and their static moments.
void TrimPages::addBonjeanPages()
{
    // "Мастаб" as the button has always read.
    QPushButton* bonjean = button(names::bonjeanButton, "Мастаб &Бонжана", this);
    bonjean->setToolTip(
        "Площади и статические моменты шпангоутов по высоте на их местах по длине, с расчетной "
        "ватерлинией");
    connect(bonjean, &QPushButton::clicked, this, &TrimPages::bonjeanScaleRequested);
    // "шпантгоутам" as the button has always read.
    QPushButton* sectionalAreas = button(names::sectionalAreasButton, "&Строевая по шпантгоутам", this);
    sectionalAreas->setToolTip("Площади шпангоутов вдоль корпуса, по кривой на каждую ватерлинию");
    connect(sectionalAreas, &QPushButton::clicked, this, &TrimPages::sectionalAreasRequested);
    addPage(gridPage(sheet_.bonjean.sectionAreas, 55,
                     "Площадь погруженной части шпангоута (оба борта) от основной плоскости до ватерлинии, кв. м; "
                     "строки — шпангоуты, столбцы — ватерлинии",
                     buttonBar(this, {bonjean, sectionalAreas})),
            1);

    QPushButton* moments = button(names::staticMomentsButton, "&Графический вид", this);
    moments->setToolTip("Статические моменты шпангоутов по высоте, по кривой на каждый шпангоут");
    connect(moments, &QPushButton::clicked, this, &TrimPages::staticMomentsRequested);
    addPage(gridPage(sheet_.bonjean.sectionMoments, 55,
                     "Статический момент погруженной площади шпангоута относительно основной плоскости, куб. м; "
                     "строки — шпангоуты, столбцы — ватерлинии",
                     buttonBar(this, {moments})),
            2);
}

// The hydrostatic curves: a one-row grid over its chart, value against draft.
void TrimPages::addHydrostaticCurvePages()
{
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
                page.page);
    }
}

// The successive approximations of the waterline, then the drafts and the
// section areas at the frames on the accepted one.
void TrimPages::addApproximationPages()
{
    addPage(gridPage(sheet_.iteration.log, 64,
                     "Последовательные приближения: слева — осадка и гидростатика на ровный киль (строка 1), осадки "
                     "первого приближения (2), текущее приближение (3, 4) и площадь ватерлинии последней поправки "
                     "(5); справа — V, XC и сумма площадей шпангоутов приближения с номером строки n (строки 6–9 "
                     "заполняются, когда приближений больше пяти)"),
            11);

    ChartLook drafts = alongFrameRows("Осадка, м");
    drafts.pointMarks = true;
    drafts.markSize = 3;
    drafts.yMinimum = 0.0;
    addPage(chartPage(sheet_.iteration.frameDrafts, 45, 25, sheet_.iteration.frameDraftChart, drafts,
                      "Осадка на шпангоутах 0–20 по расчетной ватерлинии последнего приближения, м"),
            12);
    ChartLook areas = alongFrameRows("Площадь шпангоута, кв. м");
    areas.pointMarks = true;
    areas.markSize = 3;
    addPage(chartPage(sheet_.iteration.designSectionAreas, 45, 25, sheet_.iteration.designSectionAreaChart, areas,
                      "Погруженная площадь шпангоутов 0–20 по расчетной ватерлинии, кв. м"),
            13);
}

void TrimPages::addTrimTablePage()
{
    addPage(gridPage(sheet_.results.table, 64,
                     "Таблица удифферентовки по шпациям (строка шпации — у ее носового шпангоута, строка 20 шп — "
                     "итоги): площади, кв. м; силы, кН; момент, кН·м"),
            14);
}

// Load, shear force and bending moment along the hull beside the summary.
void TrimPages::addResultsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(toQString(names::resultsPage));
    QPushButton* graphs = button(names::resultsChartsButton, "&Графический вид", this);
    graphs->setToolTip("Нагрузка, перерезывающая сила и изгибающий момент на графиках");
    connect(graphs, &QPushButton::clicked, this, &TrimPages::resultsChartsRequested);
    QPushButton* print = button(names::printChartsButton, "Пе&чать графиков", this);
    print->setToolTip("Три графика результатов на принтер, каждый на отдельном листе");
    connect(print, &QPushButton::clicked, this, &TrimPages::printChartsClicked);

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

    summary_ = new TrimSummaryPanel(page);
    layout->addWidget(summary_, 2, 3);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
    addPage(page, names::resultsPageIndex);
}

// The curves of form: the table by waterlines above, the charts of the
// quantities of one unit each below it, two abreast, draft upwards.
void TrimPages::addCurvesOfFormPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QGridLayout(page);
    layout->addWidget(description("Кривые элементов теоретического чертежа по ватерлиниям 1–10 (строки); пусто — "
                                  "величина не определена (нет объема водоизмещения)",
                                  page),
                      0, 0, 1, 2);
    GridView* table = addGrid(sheet_.curvesOfForm.table, 100, false, page);
    const TextGrid& grid = sheet_.curvesOfForm.table;
    table->setFixedHeight(25 * grid.rowCount() + 22);
    layout->addWidget(table, 1, 0, 1, 2);
    layout->addWidget(description(toQString(curvesOfFormNote), page), 2, 0, 1, 2);

    const std::vector<FormChartInfo>& infos = formCharts();
    for (std::size_t i = 0; i < infos.size(); ++i) {
        ChartLook look;
        look.legend = infos[i].quantities.size() > 1;
        look.pointMarks = true;
        look.markSize = 3;
        look.xTitle = toQString(infos[i].title);
        look.yTitle = "Осадка T, м";
        auto* chart = new ChartView(sheet_.curvesOfForm.charts.at(i), look, page);
        chart->setObjectName(toQString(names::curvesOfFormCharts.at(i)));
        chart->setMinimumHeight(280);
        charts_.push_back(chart);
        const int row = 3 + static_cast<int>(i) / 2;
        layout->addWidget(chart, row, static_cast<int>(i) % 2);
    }
    addPage(page, names::curvesOfFormPageIndex);
}

// The captions of the pages whose grids hold no headers of their own or hold
// frame-row numbers: shown in the views only, the grids' texts stay.
void TrimPages::captionHeaderlessPages()
{
    TextGridModel* offsets = viewOf(sheet_.input.offsets)->gridModel();
    offsets->setCornerCaption("Шп \\ ВЛ");
    TextGridModel* masses = viewOf(sheet_.input.masses)->gridModel();
    masses->setCornerCaption("Шпация");
    masses->setHeaderCaptions(Qt::Horizontal, {"m, т"});

    // Columns 1-4 hold other quantities in each start row, named by the row;
    // the right three columns hold approximation n in row n.
    TextGridModel* log = viewOf(sheet_.iteration.log)->gridModel();
    log->setCornerCaption("n");
    log->setHeaderCaptions(Qt::Horizontal, {"T / Тн / V / № / S", "XF / Тк / XC", "XC0", "R / «Готово»",
                                            "V n-го прибл., куб. м", "XC n-го прибл., м", "Σω n-го прибл., кв. м"});
    log->setHeaderCaptions(Qt::Vertical, {"1: ровный киль: T, XF, XC0, R, м", "2: 1-е прибл.: Тн, Тк, м",
                                          "3: текущее прибл.: V, куб. м; XC, м", "4: № текущего прибл.",
                                          "5: S поправки, кв. м", "6", "7", "8", "9"});

    // The one-row tables of the hydrostatic curves: a value per waterline.
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

    const std::pair<const TextGrid*, const char*> resultCaptions[] = {{&sheet_.results.loads, "q, кН"},
                                                                      {&sheet_.results.shearForce, "N, кН"},
                                                                      {&sheet_.results.bendingMoment, "M, кН·м"}};
    for (const auto& [grid, quantity] : resultCaptions) {
        TextGridModel* model = viewOf(*grid)->gridModel();
        model->setCornerCaption(grid == &sheet_.results.loads ? "Шпация" : "Шп");
        model->setHeaderCaptions(Qt::Horizontal, {quantity});
    }

    TextGridModel* drafts = viewOf(sheet_.iteration.frameDrafts)->gridModel();
    drafts->setCornerCaption("Шпангоут");
    drafts->setHeaderCaptions(Qt::Horizontal, frameCaptions());
    drafts->setHeaderCaptions(Qt::Vertical, {"Осадка, м"});

    TextGridModel* areas = viewOf(sheet_.iteration.designSectionAreas)->gridModel();
    areas->setCornerCaption("Шпангоут");
    areas->setHeaderCaptions(Qt::Horizontal, frameCaptions());
    areas->setHeaderCaptions(Qt::Vertical, {"Площадь ω, кв. м"});

    TextGridModel* table = viewOf(sheet_.results.table)->gridModel();
    table->setCornerCaption("Шпангоут");
    QStringList columns;
    for (std::string_view caption : trimTableCaptions)
        columns.append(toQString(caption));
    table->setHeaderCaptions(Qt::Horizontal, columns);
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

}  // namespace hullcalc
