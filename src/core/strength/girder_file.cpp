#include "strength/girder_file.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/file_io.h"
#include "common/file_limits.h"
#include "common/number_text.h"
#include "common/utf8_text.h"
#include "strength/hull_girder.h"

#include <array>
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

bool isValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        if (nextCodePoint(text, i) == malformedCodePoint)
            return false;
    }
    return true;
}

// The file's text as UTF-8, whichever of the data files' encodings it is in.
std::string utf8Text(std::string_view bytes, const std::string& source)
{
    const bool utf16 =
        bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF") || bytes.find('\0') != std::string_view::npos;
    if (utf16)
        throw Error(source + ": файл в кодировке UTF-16 не читается; сохраните его как CSV в UTF-8 или Windows-1251");
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    return isValidUtf8(bytes) ? std::string(bytes) : decodeCp1251(bytes);
}

// The first word of a caption in lower case, as far as the captions need it:
// "F, см²" → "f", "Связь" → "связь".
std::string captionWord(std::string_view field)
{
    std::string word(trimmed(field));
    word = word.substr(0, word.find_first_of(",( "));
    for (char& c : word)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    // The Cyrillic capitals the captions open with, in UTF-8.
    static constexpr std::array<std::pair<std::string_view, std::string_view>, 5> capitals = {
        {{"\xD0\xA1", "\xD1\x81"},
         {"\xD0\x9F", "\xD0\xBF"},
         {"\xD0\x9C", "\xD0\xBC"},
         {"\xD0\x9D", "\xD0\xBD"},
         {"\xD0\x9E", "\xD0\xBE"}}};
    for (const auto& [upper, lower] : capitals)
        if (word.starts_with(upper))
            word.replace(0, upper.size(), lower);
    return word;
}

bool isKnownCaption(std::string_view field)
{
    static constexpr std::array<std::string_view, 12> words = {
        "связь", "связи", "f", "z", "i", "площадь", "момент", "отстояние", "наименование", "name", "area", "member"};
    const std::string word = captionWord(field);
    for (std::string_view known : words)
        if (word == known)
            return true;
    return false;
}

// Captions: no number where a number belongs and at least one known caption.
bool isCaptionLine(const std::vector<std::string>& fields)
{
    for (std::size_t column = 1; column < fields.size(); ++column)
        if (numberOrNothing(fields[column]))
            return false;
    for (const std::string& field : fields)
        if (isKnownCaption(field))
            return true;
    return false;
}

constexpr std::array<std::string_view, 4> fieldNames = {"связь", "F, см²", "z, м", "i, см²·м²"};

// Checks the numbers of one member line; throws naming the line and field.
void checkMemberLine(const std::vector<std::string>& fields, const std::string& place)
{
    const auto fail = [&](std::size_t column, const std::string& what) {
        throw Error(place + ", поле " + std::to_string(column + 1) + " («" + std::string(fieldNames[column])
                    + "»): " + what);
    };
    for (std::size_t column = 1; column < 4; ++column) {
        const std::string text = column < fields.size() ? fields[column] : std::string();
        if (column == girderColumn::ownInertia && trimmed(text).empty())
            continue;
        const std::optional<double> value = numberOrNothing(text);
        if (!value)
            fail(column, trimmed(text).empty() ? "нет числа"
                                               : "«" + messageExcerpt(trimmed(text), 40) + "» не является числом");
        if (column == girderColumn::area && !(*value > 0.0))
            fail(column, "площадь связи должна быть положительной");
        if (column == girderColumn::ownInertia && *value < 0.0)
            fail(column, "собственный момент инерции не может быть отрицательным");
    }
}

}  // namespace

void readGirderMembers(std::string_view bytes, TextGrid& members, std::string_view source)
{
    const std::string name = source.empty() ? "Файл связей эквивалентного бруса"
                                            : "Файл связей эквивалентного бруса «" + std::string(source) + "»";
    const std::string text = utf8Text(bytes, name);
    std::string_view rest = text;
    TextGrid read = members;
    for (int row = 1; row < read.rowCount(); ++row)
        for (int column = 0; column < read.columnCount(); ++column)
            read.setCell(column, row, "");
    int row = 0;
    int lineNumber = 0;
    bool firstLine = true;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        ++lineNumber;
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t;") == std::string_view::npos)
            continue;
        const std::vector<std::string> fields = fieldsOf(line);
        const std::string place = name + ", строка " + std::to_string(lineNumber);
        if (fields.size() > 4)
            throw Error(place + ": больше четырех полей (связь; F, см²; z, м; i, см²·м²)");
        const bool captions = firstLine && isCaptionLine(fields);
        firstLine = false;
        if (captions)
            continue;
        checkMemberLine(fields, place);
        if (++row >= read.rowCount())
            throw Error(name + ": больше " + std::to_string(girderMemberRows) + " связей");
        for (std::size_t column = 0; column < fields.size(); ++column)
            read.setCell(static_cast<int>(column), row, fields[column]);
    }
    if (row == 0)
        throw Error(name + ": нет ни одной связи (строки «связь; F, см²; z, м; i, см²·м²»)");
    members = std::move(read);
}

void loadGirderFile(const std::filesystem::path& path, TextGrid& members)
{
    readGirderMembers(readFileBytes(path, maxGirderFileBytes), members, utf8Of(path));
}

}  // namespace hullcalc
