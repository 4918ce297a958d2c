// A page of the trim window showing a step's sheet from the last run: why the
// run holds none, or the model's note, the tables and figures on top, the
// charts, then each further table with its charts. Stability at large angles
// is one such page.
#pragma once

#include "common/step_sheet.h"
#include "run/ship_run.h"

#include <QWidget>

#include <string_view>
#include <vector>

class QLabel;

namespace hullcalc {

class ChartView;
class GridView;

class StepSheetPage : public QWidget {
    Q_OBJECT

public:
    // Shows the sheet of step `key` of the last run `run`.
    StepSheetPage(const ShipRun& run, std::string_view key, QWidget* parent = nullptr);

    // Shows the run as it now stands.
    void refresh();

private:
    void addTable(SheetGrid& grid, QWidget* parent);
    void addCharts(std::string_view underGrid, QWidget* parent);

    const ShipRun& run_;
    std::string_view key_;
    StepSheet sheet_;  // its grids and charts stay where the views found them
    QLabel* status_ = nullptr;
    QLabel* figures_ = nullptr;
    QWidget* results_ = nullptr;  // everything shown only when the run holds the step's results
    std::vector<GridView*> grids_;
    std::vector<ChartView*> charts_;
};

}  // namespace hullcalc
