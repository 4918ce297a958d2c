// The table view every grid of the program is shown in, with a spreadsheet's
// keyboard: Tab from cell to cell and out of the grid after its last cell,
// Enter down, Delete clears, Ctrl+C / Ctrl+V exchange blocks with spreadsheets.
// A key typed on a cell starts editing that cell with the key, however fast it
// follows a click: a grid never searches its rows for what is typed.
#pragma once

#include "widgets/text_grid_model.h"

#include <QTableView>

class QAbstractButton;
class QTimer;

namespace hullcalc {

class ErrorDisplay;

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

    // The clipboard commands of Ctrl+C and Ctrl+V, for a window's menu too.
    // Copying puts the selected cells' texts on the clipboard, tab-separated;
    // pasting writes the clipboard's block at the current cell of an editable
    // grid, or says why it does not fit and changes nothing.
    void copySelection();
    void pasteClipboard();
    // Empties the selected cells of an editable grid (Delete).
    void clearSelectedCells();
    // Selects the block of data cells whose texts differ from `other` (the
    // grid's texts before an undo or redo), its first cell current; false
    // when no cell differs.
    bool selectDifferencesFrom(const TextGrid& other);

signals:
    // A typed text, a paste or a clearing was refused: the message the user
    // reads. The window shows it.
    void failed(const QString& message);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Typing searches no row: a typed number goes into the current cell.
    void keyboardSearch(const QString& search) override;

private:
    void fitColumns();
    void showHeaders();
    void showCaptions();
    void moveDown();
    // The selected cells, or the current one when none is selected.
    QModelIndexList chosenCells() const;
    // Whether Tab (next) or Shift+Tab leaves the grid from the current cell.
    bool atEdge(bool next) const;

    TextGridModel* model_;
    QAbstractButton* corner_ = nullptr;  // over the vertical header
    GridLook look_;
    bool columnsStale_ = false;
    // A click on the current, selected cell opens its editor once no double
    // click follows; a key typed meanwhile opens it at once with that key.
    QTimer* clickEdit_ = nullptr;
    bool pressedOnCurrent_ = false;
};

// Shows the failures of every grid view inside `window` (made by then) on
// `errors`, over the grid that failed.
void showGridFailures(QWidget* window, const ErrorDisplay& errors);

}  // namespace hullcalc
