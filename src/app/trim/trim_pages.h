// The pages of the trim window over the trim sheet: the input tables, the
// Bonjean scale, the hydrostatic curves, the approximations, the design drafts
// and section areas, the trim table, the results with their summary, and the
// curves of form.
#pragma once

#include "trim/trim_sheet.h"
#include "widgets/text_grid_model.h"

#include <QTabWidget>

#include <vector>

namespace hullcalc {

class ChartView;
struct ChartLook;
class GridView;
class TrimSummaryPanel;

class TrimPages : public QTabWidget {
    Q_OBJECT

public:
    // The pages show `sheet`; typing, Delete and pasting into its input tables
    // run through `runInputEdit`, so that each change is an undo step.
    TrimPages(TrimSheet& sheet, TextGridModel::EditRunner runInputEdit, QWidget* parent = nullptr);

    // Redraws the grids from the sheet.
    void refreshGrids();
    // Redraws every grid, chart and the summary from the sheet.
    void refresh();
    // Shows every grid's stored texts (true) or its numbers rounded for reading.
    void setFullPrecision(bool full);
    // The view that shows `grid`, or nullptr.
    GridView* viewOf(const TextGrid& grid) const;
    // The size the contents of `page` ask for, without its scroll bars.
    QSize contentsSizeHint(int page) const;

signals:
    // The buttons of the pages.
    void calculateClicked();         // "Расчет"
    void clearClicked();             // "Очистка"
    void exampleClicked();           // "Пример"
    void printChartsClicked();       // "Печать графиков"
    void bodyPlanRequested();        // "Графический вид" of the offsets
    void sectionalAreasRequested();  // "Строевая по шпантгоутам"
    void staticMomentsRequested();   // "Графический вид" of the static moments
    void resultsChartsRequested();   // "Графический вид" of the results
    void bonjeanScaleRequested();    // "Мастаб Бонжана"

private:
    void addInputPage();
    void addBonjeanPages();
    void addHydrostaticCurvePages();
    void addApproximationPages();
    void addTrimTablePage();
    void addResultsPage();
    void addCurvesOfFormPage();
    void captionHeaderlessPages();
    void addPage(QWidget* page, int index);
    QWidget* gridPage(TextGrid& grid, int columnWidth, const QString& contents, QWidget* buttonBar = nullptr);
    QWidget* chartPage(TextGrid& grid, int columnWidth, int rowHeight, const ChartModel& chart, const ChartLook& look,
                       const QString& contents);
    GridView* addGrid(TextGrid& grid, int columnWidth, bool editable, QWidget* parent);

    TrimSheet& sheet_;
    TextGridModel::EditRunner runInputEdit_;
    std::vector<GridView*> grids_;
    std::vector<ChartView*> charts_;
    TrimSummaryPanel* summary_ = nullptr;
};

}  // namespace hullcalc
