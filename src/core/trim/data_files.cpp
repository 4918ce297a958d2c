// Writing and reading the trim window's data files byte by byte, as the program
// has always laid them out.
#include "trim/data_files.h"

#include "common/cp1251.h"
#include "common/error.h"
#include "common/file_io.h"
#include "common/file_limits.h"

#include <array>
#include <cstdint>
#include <sstream>
#include <string_view>
#include <system_error>

namespace hullcalc {

namespace {

constexpr std::string_view lineEnd = "\r\n";
// An empty line with a stray CR before its end; reading drops the CR.
constexpr std::string_view separatorLine = "\r\r\n";

constexpr std::string_view offsetsTitle = "Таблица ординат";
constexpr std::string_view massesTitle = "Таблица масс";

void appendTitle(std::string& out, std::string_view utf8)
{
    out += encodeCp1251(utf8);
    out += lineEnd;
}

// A cell's text in the file's code page. A TAB, NUL, LF or CR LF inside it would
// split the cell or the row when read back and shift every cell after it, so
// each of these characters is written as a blank.
std::string fieldText(std::string_view utf8)
{
    std::string text = encodeCp1251(utf8);
    for (char& c : text)
        if (c == '\t' || c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    return text;
}

// One line per row from firstRow, each cell from firstColumn followed by a TAB.
void appendTable(std::string& out, const TextGrid& grid, int firstColumn, int firstRow)
{
    for (int row = firstRow; row < grid.rowCount(); ++row) {
        for (int column = firstColumn; column < grid.columnCount(); ++column) {
            out += fieldText(grid.cell(column, row));
            out += '\t';
        }
        out += lineEnd;
    }
}

// A control character other than the separators a text file holds (TAB, CR,
// LF, and NUL, refused on its own with its place) marks a file
// that is not text: loading it would fill the tables with garbage.
bool isBinary(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\0';
}

constexpr std::string_view binaryFileMessage = "Файл содержит двоичные данные и не является файлом исходных данных";

// The input file, one line at a time, as the reading rules see it.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in), buffer_(1u << 16, '\0') {}

    bool atEnd() { return !fill(); }

    // The line readLine() read last, from 1 (the title), for messages.
    std::int64_t lineNumber() const { return lineNumber_; }

    // Reads one line and splits it into cells: each TAB ends a cell, handed
    // to cellEnded(column, text) with columns from 1. Returns the text after the
    // last cell, which is not a cell. At the end of the input the line is empty.
    template<typename CellEnded>
    std::string readLine(CellEnded&& cellEnded)
    {
        std::string text;
        std::int64_t column = 1;
        ++lineNumber_;
        while (fill()) {
            const char c = buffer_[position_++];
            if (c == '\n')
                break;
            if (c == '\r') {
                if (fill() && buffer_[position_] == '\n') {
                    ++position_;
                    break;
                }
                continue;  // a CR that does not end the line is dropped
            }
            // DOS editors ended a text file with ^Z; as the very last byte it
            // ends the text, anywhere else it is a control character like any other.
            if (c == '\x1A' && !fill())
                break;
            if (isBinary(c))
                throw Error(std::string(binaryFileMessage));
            // A NUL is no text: old readers ended a cell there and shifted
            // every later cell of the row, so it is refused rather than guessed at.
            if (c == '\0')
                throw Error("Символ NUL в файле исходных данных: " + place(column) + "; таблицы не изменены");
            if (c == '\t') {
                cellEnded(column++, text);
                text.clear();
            } else if (text.size() < maxCellBytes) {
                text += c;
            } else {
                throw Error("Ячейка длиннее " + std::to_string(maxCellBytes) + " байт: " + place(column)
                            + "; таблицы не изменены");
            }
        }
        return text;
    }

private:
    std::string place(std::int64_t column) const
    {
        return "строка " + std::to_string(lineNumber_) + ", ячейка " + std::to_string(column);
    }

    // Whether a byte is available at position_; reads the next block if needed.
    bool fill()
    {
        if (position_ < size_)
            return true;
        position_ = 0;
        size_ = 0;
        if (!in_.good())
            return false;
        in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        if (in_.bad())
            throw Error(fileErrorMessage(std::make_error_code(std::errc::io_error)));
        size_ = static_cast<std::size_t>(in_.gcount());
        return size_ > 0;
    }

    std::istream& in_;
    std::string buffer_;
    std::size_t position_ = 0;
    std::size_t size_ = 0;
    std::int64_t lineNumber_ = 0;
};

// Cells the file holds beyond the table cannot be shown, so they are not kept.
// Returns whether the cell was a cell of the table.
bool storeCell(TextGrid& grid, std::int64_t column, std::int64_t row, const std::string& text)
{
    if (column >= grid.columnCount() || row >= grid.rowCount())
        return false;
    grid.setCell(static_cast<int>(column), static_cast<int>(row), decodeCp1251(text));
    return true;
}

}  // namespace

std::string inputFileBytes(const InputTables& input)
{
    std::string out;
    appendTitle(out, offsetsTitle);
    appendTable(out, input.offsets, 1, 1);
    out += separatorLine;
    appendTitle(out, massesTitle);
    appendTable(out, input.masses, 1, 1);
    return out;
}

std::string resultsFileBytes(const TrimTable& results)
{
    struct Section {
        std::string_view title;
        const TextGrid& grid;
    };
    const std::array<Section, 3> sections = {{
        {"Нагрузка на шпацию", results.loads},
        {"Перерезывающая сила", results.shearForce},
        {"Изгибающий момент", results.bendingMoment},
    }};
    std::string out;
    for (const Section& section : sections) {
        appendTitle(out, section.title);
        appendTable(out, section.grid, 0, 0);
        out += separatorLine;
    }
    for (std::size_t i = 0; i < summaryCaptions.size(); ++i) {
        out += fieldText(summaryCaptions[i]);
        out += '\t';
        out += fieldText(results.summary[i]);
        out += lineEnd;
    }
    return out;
}

InputFileContents readInputFile(std::istream& in, InputTables& input)
{
    if (in.fail())
        throw Error(fileErrorMessage(std::make_error_code(std::errc::io_error)));
    // Read into copies, so that a failing stream leaves the tables as they were.
    TextGrid offsets = input.offsets;
    TextGrid masses = input.masses;
    const std::string massesTitleBytes = encodeCp1251(massesTitle);
    const auto ignoreCell = [](std::int64_t, const std::string&) {};

    LineReader reader(in);
    reader.readLine(ignoreCell);  // the title, whatever it says

    // row: the offsets row the next line fills; once the masses title has been
    // read, row - 1 counts every line after the first, separator and title included.
    std::int64_t row = 1;
    std::string pending;
    int offsetCells = 0;
    int massCells = 0;
    bool utf8MassesTitle = false;
    while (!reader.atEnd()) {
        if (pending == massesTitleBytes) {
            // Reads past the end of the input give empty lines that store
            // nothing, so the section may stop there.
            for (std::int64_t m = 1; m <= row - 1 && !reader.atEnd(); ++m)
                pending = reader.readLine(
                    [&](std::int64_t, const std::string& text) { massCells += storeCell(masses, 1, m, text); });
            continue;
        }
        utf8MassesTitle = utf8MassesTitle || pending == massesTitle;
        pending = reader.readLine([&](std::int64_t column, const std::string& text) {
            offsetCells += storeCell(offsets, column, row, text);
        });
        ++row;
    }
    input.offsets = std::move(offsets);
    input.masses = std::move(masses);
    return {offsetCells, massCells, utf8MassesTitle};
}

void saveInputFile(const std::filesystem::path& path, const InputTables& input)
{
    saveFileSafely(path, inputFileBytes(input));
}

void saveResultsFile(const std::filesystem::path& path, const TrimTable& results)
{
    saveFileSafely(path, resultsFileBytes(results));
}

void loadInputFile(const std::filesystem::path& path, InputTables& input)
{
    loadInputFileBytes(readFileBytes(path, maxShipFileBytes), input);
}

void loadInputFileBytes(const std::string& bytes, InputTables& input)
{
    std::istringstream in(bytes);
    InputTables read = input;
    const InputFileContents contents = readInputFile(in, read);
    // A text file that is not a data file, or a copy whose masses title is not
    // in the file's code page, fills no cell of one table: the tables stay.
    if (contents.offsetCells == 0)
        throw Error("В файле нет таблицы ординат: это не файл исходных данных; таблицы не изменены");
    if (contents.massCells == 0)
        throw Error(
            contents.utf8MassesTitle
                ? "В файле нет таблицы масс в кодировке Windows-1251 (файл сохранен в UTF-8?); таблицы не изменены"
                : "В файле нет таблицы масс (строки «Таблица масс» и масс под ней); таблицы не изменены");
    input = std::move(read);
}

}  // namespace hullcalc
