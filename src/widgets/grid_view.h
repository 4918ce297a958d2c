// The table view every grid of the program is shown in: fixed header row and
// column from the grid, Tab from cell to cell, ranges selectable.
#pragma once

#include "widgets/text_grid_model.h"

#include <QTableView>

namespace hullcalc {

struct GridLook {
    int columnWidth = 64;   // pixels
    int rowHeight = 25;     // pixels
    bool editable = false;  // input tables only
    // Widen a column past columnWidth when its texts need it: an engineer must
    // read every digit, never "2,583...".
    bool fitContents = true;
};

class GridView : public QTableView {
    Q_OBJECT

public:
    GridView(TextGrid& grid, const GridLook& look, QWidget* parent = nullptr);

    TextGridModel* gridModel() const { return model_; }
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void fitColumns();

    TextGridModel* model_;
    GridLook look_;
    bool columnsStale_ = false;
};

}  // namespace hullcalc
