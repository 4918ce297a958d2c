#include "strength/girder_file.h"

#include "common/error.h"
#include "common/file_io.h"
#include "common/file_limits.h"
#include "common/number_text.h"
#include "strength/hull_girder.h"

#include <string>
#include <vector>

namespace hullcalc {

namespace {

std::vector<std::string> fieldsOf(std::string_view line)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if ((c == ';' || c == '\t') && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

bool isNumber(const std::string& text) { return numberOrNothing(text).has_value(); }

}  // namespace

void readGirderMembers(std::string_view bytes, TextGrid& members)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    TextGrid read = members;
    for (int row = 1; row < read.rowCount(); ++row)
        for (int column = 0; column < read.columnCount(); ++column)
            read.setCell(column, row, "");
    int row = 0;
    int lineNumber = 0;
    while (!bytes.empty()) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t;") == std::string_view::npos)
            continue;
        const std::vector<std::string> fields = fieldsOf(line);
        if (fields.size() > 4)
            throw Error("Файл связей эквивалентного бруса, строка " + std::to_string(lineNumber)
                        + ": больше четырех полей (связь; F, см²; z, м; i, см²·м²)");
        if (row == 0 && lineNumber == 1 && (fields.size() < 2 || !isNumber(fields[1])))
            continue;  // the captions
        if (++row >= read.rowCount())
            throw Error("Файл связей эквивалентного бруса: больше " + std::to_string(girderMemberRows) + " связей");
        for (std::size_t column = 0; column < fields.size(); ++column)
            read.setCell(static_cast<int>(column), row, fields[column]);
    }
    members = std::move(read);
}

void loadGirderFile(const std::filesystem::path& path, TextGrid& members)
{
    readGirderMembers(readFileBytes(path, maxGirderFileBytes), members);
}

}  // namespace hullcalc
