#include "widgets/text_grid_model.h"

namespace hullcalc {

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
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    return QString::fromStdString(grid_.cell(index.column() + grid_.fixedColumns(), index.row() + grid_.fixedRows()));
}

bool TextGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!editable_ || !index.isValid() || role != Qt::EditRole)
        return false;
    grid_.setCell(index.column() + grid_.fixedColumns(), index.row() + grid_.fixedRows(),
                  value.toString().toStdString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
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

QString TextGridModel::cornerText() const
{
    if (grid_.fixedRows() == 0 || grid_.fixedColumns() == 0 || !grid_.contains(0, 0))
        return {};
    return QString::fromStdString(grid_.cell(0, 0));
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
        emit dataChanged(index(0, 0), index(shownRows_ - 1, shownColumns_ - 1), {Qt::DisplayRole, Qt::EditRole});
    emit headerDataChanged(Qt::Horizontal, 0, std::max(0, shownColumns_ - 1));
    emit headerDataChanged(Qt::Vertical, 0, std::max(0, shownRows_ - 1));
}

}  // namespace hullcalc
