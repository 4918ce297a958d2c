#include "report/report_table.h"

#include <algorithm>
#include <iterator>

namespace hullcalc {

bool hasValues(const ReportTable& table)
{
    const auto valuesOf = [&](const std::vector<std::string>& row) {
        return std::any_of(row.begin() + std::min<std::ptrdiff_t>(table.labelColumns, std::ssize(row)), row.end(),
                           [](const std::string& text) { return !text.empty(); });
    };
    return std::any_of(table.rows.begin(), table.rows.end(), valuesOf);
}

}  // namespace hullcalc
