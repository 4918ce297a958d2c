// A table of cell texts addressed (column, row) from 0. In this program a grid is
// both what the user sees and the calculation's storage: results are written as
// texts and read back, so every later step works with the rounded value.
#pragma once

#include <string>
#include <vector>

namespace hullcalc {

class TextGrid {
public:
    // fixedColumns / fixedRows (0 or 1): whether column 0 / row 0 hold captions
    // that the user cannot edit.
    TextGrid(int columns, int rows, int fixedColumns = 1, int fixedRows = 1);

    int columnCount() const { return columns_; }
    int rowCount() const { return rows_; }
    int fixedColumns() const { return fixedColumns_; }
    int fixedRows() const { return fixedRows_; }

    // A larger count keeps every cell; a smaller one drops the rows beyond it.
    // Setting the count the grid already has changes nothing.
    void setRowCount(int rows);

    bool contains(int column, int row) const;

    // Both throw std::out_of_range for a cell outside the grid: that is a fault
    // of the program, not of the user's data.
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);

    bool operator==(const TextGrid&) const = default;

private:
    std::size_t index(int column, int row) const;

    int columns_;
    int rows_;
    int fixedColumns_;
    int fixedRows_;
    std::vector<std::string> cells_;  // row by row
};

}  // namespace hullcalc
