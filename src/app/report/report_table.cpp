#include "report/report_table.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace hullcalc {

ReportTable shownTable(const ReportTable& table, bool fullPrecision)
{
    ReportTable shown = table;
    if (fullPrecision)
        return shown;
    for (std::size_t column = 0; column < table.precision.size(); ++column) {
        // One count of decimals down the whole column, as the windows show it.
        std::vector<std::string> stored;
        for (const std::vector<std::string>& row : table.rows)
            if (column < row.size())
                stored.push_back(row[column]);
        const DisplayPrecision kind = table.precision[column];
        const std::optional<int> decimals = columnDecimals(stored, kind);
        for (std::vector<std::string>& row : shown.rows)
            if (column < row.size())
                row[column] = displayText(row[column], kind, decimals);
    }
    return shown;
}

ReportTable gridTable(std::string title, const TextGrid& grid, std::string note, bool fixedDecimals)
{
    ReportTable table;
    table.title = std::move(title);
    table.note = std::move(note);
    table.labelColumns = grid.fixedColumns();
    table.fixedDecimals = fixedDecimals;
    for (int column = 0; column < grid.columnCount(); ++column)
        table.header.push_back(grid.fixedRows() > 0 ? grid.cell(column, 0) : std::to_string(column));
    for (int row = grid.fixedRows(); row < grid.rowCount(); ++row) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        for (int column = 0; column < grid.columnCount(); ++column)
            cells.push_back(grid.cell(column, row));
    }
    return table;
}

bool hasValues(const ReportTable& table)
{
    const auto valuesOf = [&](const std::vector<std::string>& row) {
        return std::any_of(row.begin() + std::min<std::ptrdiff_t>(table.labelColumns, std::ssize(row)), row.end(),
                           [](const std::string& text) { return !text.empty(); });
    };
    return std::any_of(table.rows.begin(), table.rows.end(), valuesOf);
}

}  // namespace hullcalc
