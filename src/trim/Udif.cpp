#include "trim/Udif.h"

#include "shell/Main.h"
#include "shell/forms.h"
#include "trim/data_files.h"
#include "trim/graphs/OTCh.h"
#include "trim/graphs/SSpGraph.h"
#include "trim/graphs/StatMomGraph.h"
#include "trim/graphs/UResGr.h"
#include "trim/input_tables.h"
#include "trim/trim_calculation.h"
#include "widgets/activation.h"
#include "widgets/chart_printing.h"
#include "widgets/chart_view.h"
#include "widgets/error_display.h"
#include "widgets/grid_view.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace hullcalc {

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

// The dialogs' filter: text files.
const QString textFiles = QStringLiteral("Текстовые файлы (*.txt)");

QString chooseWithDialog(QWidget* parent, TUdifForm::FileDialog dialog)
{
    // The folder of the last file chosen in this session.
    static QString folder;
    QString name;
    switch (dialog) {
    case TUdifForm::FileDialog::SaveInput:
        name = QFileDialog::getSaveFileName(parent, "Сохранить исходные данные", folder, textFiles);
        break;
    case TUdifForm::FileDialog::SaveResults:
        name = QFileDialog::getSaveFileName(parent, "Сохранить результат", folder, textFiles);
        break;
    case TUdifForm::FileDialog::OpenInput:
        name = QFileDialog::getOpenFileName(parent, "Загрузить исходные данные", folder, textFiles);
        break;
    }
    if (!name.isEmpty())
        folder = QFileInfo(name).absolutePath();
    return name;
}

std::filesystem::path toPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

QLabel* caption(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

}  // namespace

TUdifForm::TUdifForm(QWidget* parent) : QMainWindow(parent), chooseFile_(&chooseWithDialog)
{
    setObjectName("UdifForm");
    setWindowTitle("Удифферентовка");
    createPages();
    createActions();
    createMenus();
    // 647 x 740 right of the main window, or wider where the results page needs
    // it with this platform's fonts: growing later, when first shown, would
    // place the window by its client area and push its title bar off the screen.
    resize(QSize(647, 740).expandedTo(minimumSizeHint()));
    move(382, 0);
    // Creation hides the intermediate pages: only "Исходные данные" and
    // "Результаты" have tabs until the user asks for the others.
    setIntermediatePagesVisible(false);
}

// The views read the sheet until they are gone, so they go before it (the
// widget base would destroy them only after the sheet member).
TUdifForm::~TUdifForm() { delete PageControl1; }

QPushButton* TUdifForm::button(const QString& objectName, const QString& caption)
{
    auto* b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

GridView* TUdifForm::addGrid(TextGrid& grid, int columnWidth, bool editable, QWidget* parent)
{
    auto* view = new GridView(grid, GridLook{columnWidth, 25, editable}, parent);
    grids_.push_back(view);
    return view;
}

void TUdifForm::createPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    PageControl1->setUsesScrollButtons(true);
    PageControl1->setElideMode(Qt::ElideNone);
    connect(PageControl1, &QTabWidget::currentChanged, this, &TUdifForm::keepSelectionOnShownTab);

    PageControl1->addTab(inputPage(), "Исходные данные");

    QPushButton* bonjean = button("MBGraphButton", "Мастаб Бонжана");
    bonjean->setVisible(false);  // the Bonjean-scale window is not offered
    QPushButton* sectionalAreas = button("SSpGraphButton", "Строевая по шпантгоутам");
    connect(sectionalAreas, &QPushButton::clicked, this, [] { showAndRaise(forms().SSpGraphForm); });
    PageControl1->addTab(gridPage(sheet_.UWAGrid, 55, buttonBar(this, {bonjean, sectionalAreas})),
                         "Погруженные площади");

    QPushButton* moments = button("StatMomGraphButton", "Графический вид");
    connect(moments, &QPushButton::clicked, this, [] { showAndRaise(forms().StatMomGraphForm); });
    PageControl1->addTab(gridPage(sheet_.StatMomGrid, 55, buttonBar(this, {moments})), "Статический момент");

    // The hydrostatic curves: a one-row grid over its chart, value against draft.
    ChartLook curve;
    curve.showTitle = false;
    ChartLook marked = curve;
    marked.pointMarks = true;
    marked.markSize = 3;
    ChartLook labelled = curve;
    labelled.pointLabels = true;
    struct CurvePage {
        TextGrid& grid;
        const ChartModel& chart;
        const ChartLook& look;
        const char* title;
    };
    const CurvePage curvePages[] = {
        {sheet_.VGrid, sheet_.VGraphResults, marked, "Грузовой размер"},
        {sheet_.XcvGrid, sheet_.XcvGraph, labelled, "Xцв"},
        {sheet_.WLGrid, sheet_.WLGraph, curve, "Площадь ватерлинии"},
        {sheet_.XcfGrid, sheet_.XcfGraph, curve, "Xcf"},
        {sheet_.IyGrid, sheet_.IyGraph, curve, "Iy"},
        {sheet_.IzGrid, sheet_.IzGraph, curve, "Iz"},
        {sheet_.smallRGrid, sheet_.smallRGraph, curve, "r"},
        {sheet_.RGrid, sheet_.RGraph, curve, "R"},
    };
    for (const CurvePage& page : curvePages)
        PageControl1->addTab(chartPage(page.grid, 50, 25, page.chart, page.look), page.title);

    PageControl1->addTab(gridPage(sheet_.StringGrid1, 64), "Промежуточные результаты");

    ChartLook drafts;
    drafts.boldTitle = true;
    drafts.shadedBackground = true;
    drafts.pointMarks = true;
    drafts.markSize = 3;
    drafts.yMinimum = 0.0;
    drafts.frameAxis = std::pair(1, frameCount);
    PageControl1->addTab(chartPage(sheet_.TGrid, 45, 25, sheet_.TGraph, drafts), "Расчетная осадка");
    ChartLook areas;
    areas.pointMarks = true;
    areas.markSize = 3;
    areas.frameAxis = std::pair(1, frameCount);
    PageControl1->addTab(chartPage(sheet_.WrGrid, 45, 25, sheet_.WrGraph, areas), "Расчетная строевая по шпангоутам");

    PageControl1->addTab(gridPage(sheet_.UdifGrid, 64), "Таблица удифферентовки");
    PageControl1->addTab(resultsPage(), "Результаты");
    setCentralWidget(PageControl1);
}

QWidget* TUdifForm::inputPage()
{
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet1");

    QPushButton* calculate = button("SpeedButton8", "Расчет");
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);
    connect(calculate, &QPushButton::clicked, this, &TUdifForm::SpeedButton8Click);
    QPushButton* bodyPlan = button("OrdinatGraphButton", "Графический вид");
    connect(bodyPlan, &QPushButton::clicked, this, [] { showAndRaise(forms().OrdinatGraphForm); });
    QPushButton* clear = button("ClearButton", "Очистка");
    connect(clear, &QPushButton::clicked, this, &TUdifForm::ClearClick);
    QPushButton* example = button("ExampleButton", "Пример");
    connect(example, &QPushButton::clicked, this, &TUdifForm::ExampleClick);

    auto* layout = new QGridLayout(page);
    layout->addWidget(buttonBar(page, {calculate, bodyPlan, clear, example}), 0, 0, 1, 2);
    layout->addWidget(caption("Ординаты теоретического чертежа", page), 1, 0);
    layout->addWidget(caption("Массы по шпациям", page), 1, 1);
    layout->addWidget(addGrid(sheet_.OrdinatGrid, 45, true, page), 2, 0);
    GridView* masses = addGrid(sheet_.MassaGrid, 45, true, page);
    masses->setFixedWidth(150);
    layout->addWidget(masses, 2, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(2, 1);
    return page;
}

QWidget* TUdifForm::gridPage(TextGrid& grid, int columnWidth, QWidget* bar)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    if (bar) {
        bar->setParent(page);
        layout->addWidget(bar);
    }
    layout->addWidget(addGrid(grid, columnWidth, false, page));
    return page;
}

QWidget* TUdifForm::chartPage(TextGrid& grid, int columnWidth, int rowHeight, const ChartModel& chart,
                              const ChartLook& look)
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
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

QWidget* TUdifForm::resultsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName("TabSheet16");
    QPushButton* graphs = button("ResGraphButton", "Графический вид");
    connect(graphs, &QPushButton::clicked, this, [] { showAndRaise(forms().ResGraphForm); });
    QPushButton* print = button("PrintGraphsButton", "Печать графиков");
    connect(print, &QPushButton::clicked, this, &TUdifForm::PrintGraphsClick);

    auto* layout = new QGridLayout(page);
    layout->addWidget(buttonBar(page, {graphs, print}), 0, 0, 1, 4);
    const std::pair<TextGrid*, const char*> tables[] = {
        {&sheet_.NagrGrid, "Нагрузка на шпацию"},
        {&sheet_.ForceGrid, "Перерезывающая сила"},
        {&sheet_.MomGrid, "Изгибающий момент"},
    };
    int column = 0;
    for (const auto& [grid, title] : tables) {
        auto* label = new QLabel(title, page);
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
    for (int i = 0; i < TrimSheet::summaryCount; ++i) {
        if (i == 6 || i == 9) {
            auto* line = new QFrame(summary);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 2);
        }
        // "R =" has its caption on two labels: "Большой" over the rest.
        const QString text = i == 4 ? QString("Большой\nметацентрический радиус, м  R =")
                                    : QString::fromUtf8(summaryLines[static_cast<std::size_t>(i)].caption);
        auto* captionLabel = new QLabel(text, summary);
        captionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* value = new QLabel(summary);
        value->setObjectName(QString::fromUtf8(summaryLines[static_cast<std::size_t>(i)].label));
        value->setMinimumWidth(70);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(captionLabel, row, 0);
        grid->addWidget(value, row++, 1);
        summaryLabels_.push_back(value);
    }
    grid->setRowStretch(row, 1);
    layout->addWidget(summary, 2, 3);
    layout->setColumnStretch(3, 1);
    layout->setRowStretch(2, 1);
    return page;
}

QAction* TUdifForm::action(const QString& caption, const QString& objectName, void (TUdifForm::*handler)())
{
    auto* created = new QAction(caption, this);
    created->setObjectName(objectName);
    connect(created, &QAction::triggered, this, handler);
    return created;
}

void TUdifForm::createActions()
{
    N7 = action("Исходные данные", "N7", &TUdifForm::N7Click);
    N8 = action("Результат", "N8", &TUdifForm::N8Click);
    N9 = action("Исходные данные", "N9", &TUdifForm::N9Click);
    showIntermediate_ =
        action("Показать промежуточные значения", "ShowIntermediate", &TUdifForm::ShowIntermediateClick);
    hideIntermediate_ = action("Скрыть промежуточные значения", "HideIntermediate", &TUdifForm::HideIntermediateClick);
}

void TUdifForm::createMenus()
{
    QMenu* file = menuBar()->addMenu("Файл");
    file->setObjectName("FileMenu");
    QMenu* save = file->addMenu("Сохранить");
    save->addAction(N7);
    save->addAction(N8);
    QMenu* load = file->addMenu("Загрузить");
    load->addAction(N9);

    QMenu* service = menuBar()->addMenu("Сервис");
    service->setObjectName("ServiceMenu");
    service->addAction(showIntermediate_);
    service->addAction(hideIntermediate_);
}

void TUdifForm::setIntermediatePagesVisible(bool visible)
{
    for (int page = firstIntermediatePage; page <= lastIntermediatePage; ++page)
        PageControl1->setTabVisible(page, visible);
}

// Ctrl+Tab and the mouse wheel step over disabled tabs only, not hidden ones:
// a page whose tab is hidden would be selected with no tab to show for it. The
// selection goes on in the same direction to the next page that has a tab.
void TUdifForm::keepSelectionOnShownTab(int page)
{
    const int count = PageControl1->count();
    if (page < 0 || PageControl1->isTabVisible(page)) {
        selectedPage_ = page;
        return;
    }
    const bool backwards = page == selectedPage_ - 1 || (selectedPage_ == 0 && page == count - 1);
    const int step = backwards ? count - 1 : 1;
    for (int next = (page + step) % count; next != page; next = (next + step) % count) {
        if (PageControl1->isTabVisible(next)) {
            PageControl1->setCurrentIndex(next);
            return;
        }
    }
}

void TUdifForm::ShowIntermediateClick() { setIntermediatePagesVisible(true); }

void TUdifForm::HideIntermediateClick() { setIntermediatePagesVisible(false); }

// The grid set-up writes the headers of every grid and selects the input page;
// it runs each time the user comes to this window.
void TUdifForm::FormActivate()
{
    setUpGrids(sheet_);
    PageControl1->setCurrentIndex(0);
    for (GridView* grid : grids_)
        grid->refresh();
}

bool TUdifForm::event(QEvent* event)
{
    if (isActivationFromAnotherForm(this, event))
        FormActivate();
    return QMainWindow::event(event);
}

void TUdifForm::showEvent(QShowEvent* event)
{
    // The first showing sets the grids up also where no window manager
    // activates a window that is shown.
    if (sheet_.OrdinatGrid.cell(1, 0).empty())
        FormActivate();
    QMainWindow::showEvent(event);
}

void TUdifForm::refreshViews()
{
    for (GridView* grid : grids_)
        grid->refresh();
    for (ChartView* chart : charts_)
        chart->refresh();
    for (std::size_t i = 0; i < summaryLabels_.size(); ++i)
        summaryLabels_[i]->setText(QString::fromStdString(sheet_.summary[i]));
    emit sheetChanged();
}

void TUdifForm::SpeedButton8Click()
{
    const ShipParticulars particulars = forms().MainForm->particulars();
    const QString error = failureOf([&] { runTrimCalculation(sheet_, particulars); });
    // Also after a failure: what the stages wrote before it is shown.
    refreshViews();
    if (!error.isEmpty())
        showError(this, error);
}

void TUdifForm::ClearClick()
{
    clearInputTables(sheet_);
    refreshViews();
}

void TUdifForm::ExampleClick()
{
    fillExampleShip(sheet_);
    refreshViews();
}

void TUdifForm::setFileChooser(FileChooser chooser)
{
    chooseFile_ = chooser ? std::move(chooser) : FileChooser(&chooseWithDialog);
}

void TUdifForm::N7Click()
{
    const QString name = chooseFile_(this, FileDialog::SaveInput);
    if (!name.isEmpty())
        runAction(this, [&] { saveInputFile(toPath(name), sheet_); });
}

void TUdifForm::N8Click()
{
    const QString name = chooseFile_(this, FileDialog::SaveResults);
    if (!name.isEmpty())
        runAction(this, [&] { saveResultsFile(toPath(name), sheet_); });
}

void TUdifForm::N9Click()
{
    const QString name = chooseFile_(this, FileDialog::OpenInput);
    if (name.isEmpty())
        return;
    const QString error = failureOf([&] { loadInputFile(toPath(name), sheet_); });
    refreshViews();
    if (!error.isEmpty())
        showError(this, error);
}

// The three results charts, each alone on one landscape page as a document of
// its own, on the default printer.
void TUdifForm::PrintGraphsClick()
{
    const std::vector<ChartView*>& charts = forms().ResGraphForm->charts();
    runAction(this, [&] { printOnDefaultPrinter({charts.begin(), charts.end()}); });
}

}  // namespace hullcalc
