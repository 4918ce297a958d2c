// The title block of a project: who made the calculation, for which ship and
// when, as a student's coursework or an engineer's file copy names it. Printed
// on the report's title page, in every page's footer and on printed charts.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace hullcalc {

struct TitleBlock {
    std::string shipName;
    std::string author;
    std::string group;       // the student's group, or the engineer's department
    std::string variant;     // the coursework's variant
    std::string supervisor;  // who checks the calculation
    std::string date;        // as it is to be printed; empty prints the day of printing
};

// One field as the outside world knows it.
struct TitleField {
    std::string TitleBlock::*text;
    // The key of the project file, of the command line's --title-field and of scripts.
    std::string_view key;
    // As the dialog and the report's title page caption it.
    std::string_view caption;
};

inline const std::array<TitleField, 6> titleFields = {{
    {&TitleBlock::shipName, "ship", "Судно"},
    {&TitleBlock::author, "author", "Выполнил"},
    {&TitleBlock::group, "group", "Группа"},
    {&TitleBlock::variant, "variant", "Вариант"},
    {&TitleBlock::supervisor, "supervisor", "Проверил"},
    {&TitleBlock::date, "date", "Дата"},
}};

// The field with that key, or nullptr.
const TitleField* findTitleField(std::string_view key);

// Whether no field holds anything but blanks.
bool isBlank(const TitleBlock& title);

// The fields that hold something, "Судно: …; Выполнил: …", with `separator`
// between them: the line of a page's footer or a printed chart.
std::string titleLine(const TitleBlock& title, std::string_view separator = "; ");

}  // namespace hullcalc
