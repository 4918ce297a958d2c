#include "trim/large_angle_stability_page.h"

#include "presentation/trim_window_names.h"
#include "widgets/chart_view.h"
#include "widgets/grid_view.h"
#include "widgets/qt_text.h"

#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

#include <tuple>

namespace hullcalc {

namespace names = trimWindowNames;

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

ChartLook diagramLook(const QString& yTitle, bool legend)
{
    ChartLook look;
    look.xTitle = "Крен φ, град.";
    look.yTitle = yTitle;
    look.legend = legend;
    return look;
}

}  // namespace

LargeAngleStabilityPage::LargeAngleStabilityPage(const ShipRun& run, QWidget* parent) : QWidget(parent), run_(run)
{
    setObjectName(toQString(names::largeAngleStabilityPage));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    outer->addWidget(scroll);
    auto* contents = new QWidget(scroll);
    auto* layout = new QVBoxLayout(contents);

    status_ = boldLabel({}, contents);
    status_->setObjectName(toQString(names::stabilityStatus));
    layout->addWidget(status_);
    QLabel* note = wrappedLabel(toQString(stabilityModelNote), contents);
    note->setStyleSheet("color: #404040");
    layout->addWidget(note);

    results_ = new QWidget(contents);
    auto* shown = new QVBoxLayout(results_);
    shown->setContentsMargins(0, 0, 0, 0);
    addTable(sheet_.criteria, names::stabilityCriteriaGrid, "Общие критерии остойчивости ИМО", results_);
    QLabel* criteriaNote = wrappedLabel(toQString(stabilityCriteriaNote), results_);
    criteriaNote->setStyleSheet("color: #404040");
    shown->addWidget(criteriaNote);
    figures_ = wrappedLabel({}, results_);
    figures_->setObjectName(toQString(names::stabilityFigures));
    shown->addWidget(figures_);

    for (auto [chart, name, look] :
         {std::tuple{&sheet_.staticDiagram, names::staticStabilityChart, diagramLook("GZ, м", true)},
          std::tuple{&sheet_.dynamicDiagram, names::dynamicStabilityChart, diagramLook("∫GZ dφ, м·рад", false)}}) {
        auto* view = new ChartView(*chart, look, results_);
        view->setObjectName(toQString(name));
        view->setMinimumHeight(chart == &sheet_.staticDiagram ? 380 : 300);
        charts_.push_back(view);
        shown->addWidget(view);
    }
    addTable(sheet_.rightingLevers, names::rightingLeverGrid,
             "Плечи остойчивости через 5° (дифферент — Tк − Tн, на корму положительный)", results_);
    addTable(sheet_.crossCurves, names::crossCurvesGrid,
             "Пантокарены: плечо KN относительно точки киля на ровный киль, м; пусто — объем не вмещается до палубы",
             results_);
    ChartLook crossLook;
    crossLook.xTitle = "Объемное водоизмещение V, куб. м";
    crossLook.yTitle = "KN, м";
    crossLook.legend = true;
    auto* cross = new ChartView(sheet_.crossCurveChart, crossLook, results_);
    cross->setObjectName(toQString(names::crossCurvesChart));
    cross->setMinimumHeight(380);
    charts_.push_back(cross);
    shown->addWidget(cross);
    layout->addWidget(results_);
    layout->addStretch(1);
    scroll->setWidget(contents);
    refresh();
}

// A table under its caption, tall enough for every row: the page scrolls, the table does not.
GridView* LargeAngleStabilityPage::addTable(TextGrid& grid, std::string_view name, const QString& caption,
                                            QWidget* parent)
{
    parent->layout()->addWidget(boldLabel(caption, parent));
    auto* view = new GridView(grid, GridLook{72, rowHeight, false}, parent);
    view->setObjectName(toQString(name));
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    view->setMinimumHeight(view->fontMetrics().height() + 16 + rowHeight * (grid.rowCount() - grid.fixedRows()));
    grids_.push_back(view);
    parent->layout()->addWidget(view);
    return view;
}

void LargeAngleStabilityPage::refresh()
{
    sheet_ = run_.stability ? stabilitySheetOf(*run_.stability) : StabilitySheet{};
    const std::string absence = largeAngleStabilityAbsence(run_);
    status_->setText(toQString(absence));
    status_->setStyleSheet(absence.empty() ? QString() : QString("color: #a00000"));
    status_->setVisible(!absence.empty());
    results_->setVisible(absence.empty());
    QStringList lines;
    for (const StabilityFigure& figure : sheet_.figures)
        lines << toQString(figure.caption) + ": " + toQString(figure.value);
    figures_->setText(lines.join('\n'));
    for (GridView* grid : grids_)
        grid->refresh();
    for (ChartView* chart : charts_)
        chart->refresh();
}

}  // namespace hullcalc
