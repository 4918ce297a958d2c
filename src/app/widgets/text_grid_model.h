// A text grid shown through Qt's model/view: the fixed header row and column
// of the grid become the view's headers, every other cell a model item.
#pragma once

#include "common/display_precision.h"
#include "common/text_grid.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <functional>
#include <string>

namespace hullcalc {

class CellBlock;

class TextGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // Runs one change the user makes to the grid. `description` names it in
    // Russian ("Правка ячейки", "Очистка ячеек", "Вставка"); `change` writes the
    // texts, tells the views and emits edited(). A window sets its own runner to
    // record undo steps and mark its document modified; the change is valid only
    // during the call (keep the grid's texts before and after, not the change).
    // A runner that throws Error before running the change refuses it: the grid
    // views show the message and the grid stays as it was.
    using EditRunner = std::function<void(const QString& description, const std::function<void()>& change)>;

    // The precision a cell's number is shown with, by the grid's column and row.
    using CellPrecision = std::function<DisplayPrecision(int column, int row)>;

    TextGridModel(TextGrid& grid, bool editable, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    TextGrid& grid() const { return grid_; }
    bool isEditable() const { return editable_; }

    // The display role shows each cell rounded by `precision` (every cell as
    // stored while none is set); the edit and tooltip roles always give the
    // stored text, which the calculation reads.
    void setCellPrecision(CellPrecision precision);
    // Shows the stored texts in the display role too ("Полная точность").
    void setFullPrecision(bool full);
    bool isFullPrecision() const { return fullPrecision_; }

    // Every change the user makes goes through `runner`; an empty one runs the
    // change as it is.
    void setEditRunner(EditRunner runner);

    // Captions the window shows over the grid's own header texts, section by
    // section from the first data row or column; sections beyond the list keep
    // the grid's text. An empty list shows the grid's own again. A grid without
    // a fixed header row or column gets a header from its captions. The grid's
    // texts never change.
    void setHeaderCaptions(Qt::Orientation orientation, QStringList captions);
    // The caption of the corner over the vertical header; empty: the grid's own.
    void setCornerCaption(QString caption);
    // Whether the header of that orientation has anything to show.
    bool hasHeader(Qt::Orientation orientation) const;
    // The text shown in the view's corner.
    QString cornerText() const;

    // The stored texts of the cells' bounding block, every digit, for a
    // spreadsheet to compute with; cells inside it that are not listed are empty.
    CellBlock copiedBlock(const QModelIndexList& cells) const;
    // Empties the cells, as one change "Очистка ячеек". Does nothing in a grid
    // the user cannot edit.
    void clearCells(const QModelIndexList& cells);
    // Writes the block with its top-left at `at`, as one change "Вставка".
    // Throws Error with the block's size and the room there is when it reaches
    // past the last row or column, and then changes nothing.
    void pasteBlock(const QModelIndex& at, const CellBlock& block);

    // Tells the views that the grid changed behind the model's back (a
    // calculation, "Пример", loading a file).
    void refresh();

signals:
    // The user changed the grid's texts (after the views were told).
    void edited();
    // The window's header or corner captions changed.
    void captionsChanged();
    // A typed text was refused (the window's edit runner threw): the message
    // the user reads. The cell keeps its text.
    void editRefused(const QString& message);

private:
    // Runs `writeCells` through the edit runner, then tells the views about the
    // cells from topLeft to bottomRight.
    void runEdit(const QString& description, const std::function<void()>& writeCells, const QModelIndex& topLeft,
                 const QModelIndex& bottomRight);
    void setText(const QModelIndex& index, const QString& text);
    // The stored text of a cell rounded by its precision, with the decimals of its column.
    std::string shownText(int column, int row) const;

    TextGrid& grid_;
    bool editable_;
    int shownRows_;
    int shownColumns_;
    EditRunner editRunner_;
    CellPrecision precision_;
    bool fullPrecision_ = false;
    QStringList horizontalCaptions_;
    QStringList verticalCaptions_;
    QString cornerCaption_;
};

}  // namespace hullcalc
