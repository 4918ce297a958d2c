#include "common/text_grid.h"

#include <stdexcept>
#include <utility>

namespace hullcalc {

TextGrid::TextGrid(int columns, int rows, int fixedColumns, int fixedRows)
    : columns_(columns), rows_(rows), fixedColumns_(fixedColumns), fixedRows_(fixedRows)
{
    if (columns < 0 || rows < 0)
        throw std::invalid_argument("TextGrid: negative size");
    cells_.resize(static_cast<std::size_t>(columns) * static_cast<std::size_t>(rows));
}

void TextGrid::setRowCount(int rows)
{
    if (rows < 0)
        throw std::invalid_argument("TextGrid: negative row count");
    // Rows are stored one after another, so growing or shrinking keeps the
    // cells of the rows that remain where they are.
    cells_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows));
    rows_ = rows;
}

bool TextGrid::contains(int column, int row) const
{
    return column >= 0 && column < columns_ && row >= 0 && row < rows_;
}

std::size_t TextGrid::index(int column, int row) const
{
    if (!contains(column, row))
        throw std::out_of_range("TextGrid: cell (" + std::to_string(column) + ", " + std::to_string(row)
                                + ") outside a grid of " + std::to_string(columns_) + " x " + std::to_string(rows_));
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
}

const std::string& TextGrid::cell(int column, int row) const { return cells_[index(column, row)]; }

void TextGrid::setCell(int column, int row, std::string text) { cells_[index(column, row)] = std::move(text); }

}  // namespace hullcalc
