// The pages of the trim window over the trim sheet, built from the table of
// pages: the input tables, the Bonjean scale, the hydrostatic curves, the
// approximations, the design drafts and section areas, the trim table, the
// results with their summary, and the curves of form.
#pragma once

#include "presentation/trim_window_pages.h"
#include "trim/trim_sheet.h"
#include "widgets/chart_view.h"
#include "widgets/text_grid_model.h"

#include <QTabWidget>

class QPushButton;
class QSplitter;

#include <string_view>

#include <vector>

namespace hullcalc {

class ChartView;
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
    void sectionalAreasRequested();  // "Строевая по шпангоутам"
    void staticMomentsRequested();   // "Графический вид" of the static moments
    void resultsChartsRequested();   // "Графический вид" of the results
    void bonjeanScaleRequested();    // "Масштаб Бонжана"

private:
    QWidget* inputPage(const TrimWindowPage& page);
    QWidget* gridPage(const TrimWindowPage& page);
    QWidget* chartPage(const TrimWindowPage& page);
    QWidget* chartsPage(const TrimWindowPage& page);
    QWidget* resultsPage(const TrimWindowPage& page);
    void captionHeaderlessPages();
    void captionInputTables();
    void captionApproximations();
    void captionHydrostaticCurves();
    void captionDesignWaterline();
    void captionTrimTable();
    void captionResults();
    void addPage(QWidget* page, std::string_view caption);
    void remember(QSplitter* splitter, const TrimWindowPage& page);
    QWidget* buttonBarOf(const TrimWindowPage& page, QWidget* parent);
    QPushButton* pageButton(std::string_view name, QWidget* parent);
    static ChartLook chartLook(const PageChart& chart);
    GridView* addGrid(const PageGrid& grid, bool editable, QWidget* parent);

    TrimSheet& sheet_;
    TextGridModel::EditRunner runInputEdit_;
    std::vector<GridView*> grids_;
    std::vector<ChartView*> charts_;
    TrimSummaryPanel* summary_ = nullptr;
};

}  // namespace hullcalc
