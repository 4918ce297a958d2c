#include "widgets/text_grid_model.h"

#include "common/error.h"
#include "widgets/cell_block.h"
#include "widgets/error_display.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace hullcalc {

namespace {

// "1 строка", "3 строки", "5 строк": the noun after a count, as Russian wants it.
QString countOf(int count, const char* one, const char* few, const char* many)
{
    const int lastTwo = count % 100;
    const int last = count % 10;
    const char* noun = many;
    if (last == 1 && lastTwo != 11)
        noun = one;
    else if (last >= 2 && last <= 4 && (lastTwo < 12 || lastTwo > 14))
        noun = few;
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromUtf8(noun));
}

QString rowsAndColumns(int rows, int columns)
{
    return countOf(rows, "строка", "строки", "строк") + QStringLiteral(" и ")
           + countOf(columns, "столбец", "столбца", "столбцов");
}

}  // namespace

TextGridModel::TextGridModel(TextGrid& grid, bool editable, QObject* parent)
    : QAbstractTableModel(parent),
      grid_(grid),
      editable_(editable),
      shownRows_(rowCount()),
      shownColumns_(columnCount())
{}

int TextGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.rowCount() - grid_.fixedRows();
}

int TextGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : grid_.columnCount() - grid_.fixedColumns();
}

QVariant TextGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole))
        return {};
    const int column = index.column() + grid_.fixedColumns();
    const int row = index.row() + grid_.fixedRows();
    const std::string& stored = grid_.cell(column, row);
    if (role == Qt::EditRole)
        return QString::fromStdString(stored);
    const std::string shown = precision_ && !fullPrecision_ ? shownText(column, row) : stored;
    if (role == Qt::DisplayRole)
        return QString::fromStdString(shown);
    // The tooltip tells the digits the rounding hides.
    return shown == stored ? QVariant() : QVariant(QString::fromStdString(stored));
}

std::string TextGridModel::shownText(int column, int row) const
{
    // The column reads with one count of decimals: that of its cells holding
    // the same quantity (the approximations log mixes them down a column).
    const DisplayPrecision kind = precision_(column, row);
    std::vector<std::string> sameKind;
    for (int other = grid_.fixedRows(); other < grid_.rowCount(); ++other)
        if (precision_(column, other) == kind)
            sameKind.push_back(grid_.cell(column, other));
    return displayText(grid_.cell(column, row), kind, columnDecimals(sameKind, kind));
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || !index.isValid() || role != Qt::EditRole)
        return false;
    // A decimal point typed becomes the comma, as pasting makes it.
    const QString text = withDecimalComma(value.toString());
    // Leaving an editor without typing is no change.
    if (text == data(index, Qt::EditRole).toString())
        return true;
    const QString failure = failureOf([&] {
        runEdit(
            QStringLiteral("Правка ячейки"), [&] { setText(index, text); }, index, index);
    });
    if (failure.isEmpty())
        return true;
    emit editRefused(failure);
    return false;
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return {};
    const QStringList& captions = orientation == Qt::Horizontal ? horizontalCaptions_ : verticalCaptions_;
    if (section < captions.size())
        return captions[section];
    if (orientation == Qt::Horizontal) {
        if (grid_.fixedRows() == 0 || section + grid_.fixedColumns() >= grid_.columnCount())
            return {};
        return QString::fromStdString(grid_.cell(section + grid_.fixedColumns(), 0));
    }
    if (grid_.fixedColumns() == 0 || section + grid_.fixedRows() >= grid_.rowCount())
        return {};
    return QString::fromStdString(grid_.cell(0, section + grid_.fixedRows()));
}

Qt::ItemFlags TextGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable_)
        flags |= Qt::ItemIsEditable;
    return flags;
}

void TextGridModel::setEditRunner(EditRunner runner) { editRunner_ = std::move(runner); }

void TextGridModel::setCellPrecision(CellPrecision precision)
{
    precision_ = std::move(precision);
    refresh();
}

void TextGridModel::setFullPrecision(bool full)
{
    if (full == fullPrecision_)
        return;
    fullPrecision_ = full;
    refresh();
}

void TextGridModel::setHeaderCaptions(Qt::Orientation orientation, QStringList captions)
{
    (orientation == Qt::Horizontal ? horizontalCaptions_ : verticalCaptions_) = std::move(captions);
    const int sections = orientation == Qt::Horizontal ? columnCount() : rowCount();
    emit headerDataChanged(orientation, 0, std::max(0, sections - 1));
    emit captionsChanged();
}

void TextGridModel::setCornerCaption(QString caption)
{
    cornerCaption_ = std::move(caption);
    emit captionsChanged();
}

bool TextGridModel::hasHeader(Qt::Orientation orientation) const
{
    if (orientation == Qt::Horizontal)
        return grid_.fixedRows() > 0 || !horizontalCaptions_.isEmpty();
    return grid_.fixedColumns() > 0 || !verticalCaptions_.isEmpty();
}

QString TextGridModel::cornerText() const
{
    if (!cornerCaption_.isEmpty())
        return cornerCaption_;
    if (grid_.fixedRows() == 0 || grid_.fixedColumns() == 0 || !grid_.contains(0, 0))
        return {};
    return QString::fromStdString(grid_.cell(0, 0));
}

CellBlock TextGridModel::copiedBlock(const QModelIndexList& cells) const
{
    if (cells.isEmpty())
        return {};
    int top = cells.front().row(), bottom = top;
    int left = cells.front().column(), right = left;
    for (const QModelIndex& cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    std::vector<QStringList> rows(static_cast<std::size_t>(bottom - top + 1), QStringList(right - left + 1, QString()));
    for (const QModelIndex& cell : cells)
        rows[static_cast<std::size_t>(cell.row() - top)][cell.column() - left] = data(cell, Qt::EditRole).toString();
    return CellBlock(std::move(rows));
}

void TextGridModel::clearCells(const QModelIndexList& cells)
{
    if (!editable_)
        return;
    // Clearing empty cells is no change.
    const bool anyText = std::any_of(cells.begin(), cells.end(), [&](const QModelIndex& cell) {
        return !data(cell, Qt::EditRole).toString().isEmpty();
    });
    if (!anyText)
        return;
    QModelIndex topLeft = cells.front(), bottomRight = cells.front();
    for (const QModelIndex& cell : cells) {
        topLeft = index(std::min(topLeft.row(), cell.row()), std::min(topLeft.column(), cell.column()));
        bottomRight = index(std::max(bottomRight.row(), cell.row()), std::max(bottomRight.column(), cell.column()));
    }
    runEdit(
        QStringLiteral("Очистка ячеек"),
        [&] {
            for (const QModelIndex& cell : cells)
                setText(cell, QString());
        },
        topLeft, bottomRight);
}

void TextGridModel::pasteBlock(const QModelIndex& at, const CellBlock& block)
{
    if (!editable_ || block.isEmpty() || !at.isValid())
        return;
    const int roomRows = rowCount() - at.row();
    const int roomColumns = columnCount() - at.column();
    if (block.rowCount() > roomRows || block.columnCount() > roomColumns)
        throw Error(
            QStringLiteral("Блок из буфера обмена не помещается в таблицу: в нем %1, а от выбранной ячейки "
                           "до края таблицы %2. Ничего не вставлено.")
                .arg(rowsAndColumns(block.rowCount(), block.columnCount()), rowsAndColumns(roomRows, roomColumns))
                .toStdString());
    runEdit(
        QStringLiteral("Вставка"),
        [&] {
            for (int row = 0; row < block.rowCount(); ++row)
                for (int column = 0; column < block.columnCount(); ++column)
                    setText(index(at.row() + row, at.column() + column), block.cell(row, column));
        },
        at, index(at.row() + block.rowCount() - 1, at.column() + block.columnCount() - 1));
}

void TextGridModel::runEdit(const QString& description, const std::function<void()>& writeCells,
                            const QModelIndex& topLeft, const QModelIndex& bottomRight)
{
    const std::function<void()> change = [&] {
        writeCells();
        emit dataChanged(topLeft, bottomRight, {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
        emit edited();
    };
    if (editRunner_)
        editRunner_(description, change);
    else
        change();
}

void TextGridModel::setText(const QModelIndex& index, const QString& text)
{
    grid_.setCell(index.column() + grid_.fixedColumns(), index.row() + grid_.fixedRows(), text.toStdString());
}

void TextGridModel::refresh()
{
    if (rowCount() != shownRows_ || columnCount() != shownColumns_) {
        beginResetModel();
        shownRows_ = rowCount();
        shownColumns_ = columnCount();
        endResetModel();
        return;
    }
    if (shownRows_ > 0 && shownColumns_ > 0)
        emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1),
                         {Qt::DisplayRole, Qt::EditRole, Qt::ToolTipRole});
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, shownColumns_ - 1));
    emit headerDataChanged(Qt::Vertical, 0, std::max(0, shownRows_ - 1));
}

}  // namespace hullcalc
