// The trim window's page «Остойчивость на больших углах»: the general criteria
// and the figures of the righting-lever curve, the static and dynamic stability
// diagrams, the table of levers and the cross curves of the last run; or why
// the run holds none.
#pragma once

#include "run/ship_run.h"
#include "stability/stability_sheet.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace hullcalc {

class ChartView;
class GridView;

class LargeAngleStabilityPage : public QWidget {
    Q_OBJECT

public:
    // Shows the stability of the last run `run`.
    explicit LargeAngleStabilityPage(const ShipRun& run, QWidget* parent = nullptr);

    // Shows the run as it now stands.
    void refresh();

private:
    GridView* addTable(TextGrid& grid, std::string_view name, const QString& caption, QWidget* parent);

    const ShipRun& run_;
    StabilitySheet sheet_;
    QLabel* status_ = nullptr;
    QLabel* figures_ = nullptr;
    QWidget* results_ = nullptr;  // everything shown only when the run holds the stability
    std::vector<GridView*> grids_;
    std::vector<ChartView*> charts_;
};

}  // namespace hullcalc
