#include "project/title_block.h"

#include <algorithm>

namespace hullcalc {

namespace {

bool blank(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

const TitleField* findTitleField(std::string_view key)
{
    for (const TitleField& field : titleFields)
        if (field.key == key)
            return &field;
    return nullptr;
}

bool isBlank(const TitleBlock& title)
{
    return std::all_of(titleFields.begin(), titleFields.end(),
                       [&](const TitleField& field) { return blank(title.*field.text); });
}

std::string titleLine(const TitleBlock& title, std::string_view separator)
{
    std::string line;
    for (const TitleField& field : titleFields) {
        const std::string& text = title.*field.text;
        if (blank(text))
            continue;
        if (!line.empty())
            line += separator;
        line += std::string(field.caption) + ": " + text;
    }
    return line;
}

}  // namespace hullcalc
