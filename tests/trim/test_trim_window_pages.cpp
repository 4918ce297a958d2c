// The table of the trim window's pages: every grid of the sheet on exactly one
// page, the component names the dump keys by once each, and workbook sheet
// names that the spreadsheet format accepts.
#include "presentation/trim_window_pages.h"

#include "common/utf8_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace hullcalc {
namespace {

// Each grid a page lists is found on that page and on no other; the sheet holds
// 20 grids (trim_sheet.h and the parts it holds), every one of them listed.
TEST(TrimWindowPages, EveryGridOfTheSheetIsShownOnExactlyOnePage)
{
    TrimSheet sheet;
    const std::vector<TrimWindowPage>& pages = trimWindowPages();
    std::size_t listed = 0;
    for (std::size_t page = 0; page < pages.size(); ++page)
        for (const PageGrid& grid : pages[page].grids) {
            EXPECT_EQ(pageShowing(sheet, grid.in(sheet)), static_cast<int>(page)) << grid.name;
            ++listed;
        }
    EXPECT_EQ(listed, 20u);
    EXPECT_EQ(trimWindowGrids(sheet).size(), listed);
    EXPECT_EQ(pageShowing(sheet, TextGrid(2, 2)), std::nullopt);
}

TEST(TrimWindowPages, ComponentNamesAreUniqueAndEveryPageShowsAGrid)
{
    const TrimSheet sheet;
    std::set<std::string_view> names;
    for (const NamedGrid& grid : trimWindowGrids(sheet))
        EXPECT_TRUE(names.insert(grid.name).second) << grid.name;
    for (const NamedChart& chart : trimCharts(sheet))
        EXPECT_TRUE(names.insert(chart.name).second) << chart.name;
    std::set<std::string_view> captions;
    for (const TrimWindowPage& page : trimWindowPages()) {
        EXPECT_TRUE(captions.insert(page.caption).second) << page.caption;
        // The ship on a wave and stability at large angles show their own
        // sheets' grids, named by their pages.
        EXPECT_EQ(page.grids.empty(), page.layout == PageLayout::wave || page.layout == PageLayout::sheet)
            << page.caption;
        EXPECT_FALSE(page.reportSections.empty()) << page.caption;
        // A step's sheet names the workbook sheets of its grids itself.
        EXPECT_EQ(page.workbookSheets.empty(), page.layout == PageLayout::sheet) << page.caption;
        for (const PageGrid& grid : page.grids)
            EXPECT_EQ(grid.jsonKey.substr(0, 1), "/") << grid.name;
    }
}

// A spreadsheet refuses a sheet name longer than 31 characters, holding one
// of []:*?/\ or used twice; the workbook would fail only when saved.
TEST(TrimWindowPages, WorkbookSheetNamesAreValid)
{
    const std::vector<std::string_view> sheets = trimWorkbookSheets();
    std::vector<std::string_view> all = sheets;
    for (std::string_view name : trimWorkbookSheets(ReportPart::afterVibration))
        all.push_back(name);
    std::set<std::string_view> unique;
    for (std::string_view name : all) {
        EXPECT_FALSE(name.empty());
        EXPECT_LE(characterCount(name), 31u) << name;
        EXPECT_EQ(name.find_first_of("[]:*?/\\"), std::string_view::npos) << name;
        EXPECT_TRUE(unique.insert(name).second) << name;
    }
    // The front sheet is the summary and the vibration's two follow the
    // still-water sheets, written besides the pages.
    for (std::string_view other : {"Сводка", "Вибрация", "Таблица вибрации"})
        EXPECT_EQ(unique.count(other), 0u) << other;
    // The sheets follow the report: the curves of form beside the other
    // curves, though their page comes after the results.
    const auto at = [&](std::string_view name) { return std::ranges::find(sheets, name) - sheets.begin(); };
    EXPECT_EQ(at(workbookSheet::curvesOfForm), at(workbookSheet::hydrostatics) + 1);
}

}  // namespace
}  // namespace hullcalc
