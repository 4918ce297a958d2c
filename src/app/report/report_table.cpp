#include "report/report_table.h"

#include <algorithm>
#include <iterator>

namespace hullcalc {

ReportTable shownTable(const ReportTable& table, bool fullPrecision)
{
    ReportTable shown = table;
    if (fullPrecision)
        return shown;
    for (std::vector<std::string>& row : shown.rows)
        for (std::size_t column = 0; column < row.size() && column < table.precision.size(); ++column)
            row[column] = displayText(row[column], table.precision[column]);
    return shown;
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
