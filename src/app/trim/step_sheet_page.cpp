#include "trim/step_sheet_page.h"

#include "run/step_sheets.h"
#include "widgets/chart_view.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

namespace hullcalc {

namespace {

constexpr int rowHeight = 22;

QLabel* wrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QLabel* boldLabel(const QString& text, QWidget* parent)
{
    QLabel* label = wrappedLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* noteLabel(const std::string& text, QWidget* parent)
{
    QLabel* label = wrappedLabel(toQString(text), parent);
    label->setStyleSheet("color: #404040");
    return label;
}

}  // namespace

StepSheetPage::StepSheetPage(const ShipRun& run, std::string_view key, QWidget* parent)
    : QWidget(parent), run_(run), key_(key), sheet_(stepSheetOf(run, key))
{
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto* contents = new QWidget(scroll);
    auto* layout = new QVBoxLayout(contents);

    status_ = boldLabel({}, contents);
    status_->setObjectName(toQString(sheet_.statusName));
    layout->addWidget(status_);
    if (!sheet_.note.empty())
        layout->addWidget(noteLabel(sheet_.note, contents));

    results_ = new QWidget(contents);
    auto* shown = new QVBoxLayout(results_);
    shown->setContentsMargins(0, 0, 0, 0);
    for (SheetGrid& grid : sheet_.grids)
        if (grid.withFigures)
            addTable(grid, results_);
    figures_ = wrappedLabel({}, results_);
    figures_->setObjectName(toQString(sheet_.figuresName));
    shown->addWidget(figures_);
    addCharts({}, results_);
    for (SheetGrid& grid : sheet_.grids)
        if (!grid.withFigures) {
            addTable(grid, results_);
            addCharts(grid.name, results_);
        }
    layout->addWidget(results_);
    layout->addStretch(1);
    scroll->setWidget(contents);
    refresh();
}

// A table under its caption, tall enough for every row: the page scrolls, the table does not.
void StepSheetPage::addTable(SheetGrid& grid, QWidget* parent)
{
    parent->layout()->addWidget(boldLabel(toQString(grid.caption), parent));
    auto* view = new GridView(grid.grid, GridLook{grid.columnWidth, rowHeight, false}, parent);
    view->setObjectName(toQString(grid.name));
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setMinimumHeight(view->fontMetrics().height() + 16
                           + rowHeight * (grid.grid.rowCount() - grid.grid.fixedRows()));
    grids_.push_back(view);
    parent->layout()->addWidget(view);
    if (grid.noteOnPage && !grid.note.empty())
        parent->layout()->addWidget(noteLabel(grid.note, parent));
}

void StepSheetPage::addCharts(std::string_view underGrid, QWidget* parent)
{
    for (SheetChart& chart : sheet_.charts) {
        if (chart.underGrid != underGrid)
            continue;
        ChartLook look;
        look.xTitle = toQString(chart.xTitle);
        look.yTitle = toQString(chart.yTitle);
        look.legend = chart.legend;
        auto* view = new ChartView(chart.chart, look, parent);
        view->setObjectName(toQString(chart.name));
        view->setMinimumHeight(chart.pageHeight);
        charts_.push_back(view);
        parent->layout()->addWidget(view);
    }
}

void StepSheetPage::refresh()
{
    // The views hold the sheet's grids and charts: their contents are
    // replaced in place.
    StepSheet fresh = stepSheetOf(run_, key_);
    for (std::size_t i = 0; i < sheet_.grids.size() && i < fresh.grids.size(); ++i)
        sheet_.grids[i].grid = std::move(fresh.grids[i].grid);
    for (std::size_t i = 0; i < sheet_.charts.size() && i < fresh.charts.size(); ++i)
        sheet_.charts[i].chart = std::move(fresh.charts[i].chart);
    sheet_.absence = std::move(fresh.absence);
    sheet_.figures = std::move(fresh.figures);

    status_->setText(toQString(sheet_.absence));
    status_->setStyleSheet(sheet_.computed() ? QString() : QString("color: #a00000"));
    status_->setVisible(!sheet_.computed());
    results_->setVisible(sheet_.computed());
    QStringList lines;
    for (const SheetFigure& figure : sheet_.figures)
        lines << toQString(figure.caption) + ": " + toQString(figure.value);
    figures_->setText(lines.join('\n'));
    for (GridView* grid : grids_)
        grid->refresh();
    for (ChartView* chart : charts_)
        chart->refresh();
}

}  // namespace hullcalc
