// The input and results files: their exact bytes, the round trip of the input
// tables, and how odd, broken and garbage files are read.
#include "trim/data_files.h"

#include "awkward_file_names.h"
#include "common/cp1251.h"
#include "common/file_io.h"
#include "test_directory.h"
#include "trim_fixture.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace hullcalc {
namespace {

using namespace std::string_literals;

// Windows-1251 bytes of the titles, taken from the code page's table by hand.
const std::string offsetsTitle = "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xEE\xF0\xE4\xE8\xED\xE0\xF2";  // Таблица ординат
const std::string massesTitle = "\xD2\xE0\xE1\xEB\xE8\xF6\xE0 \xEC\xE0\xF1\xF1";  // Таблица масс
const std::string loadTitle = "\xCD\xE0\xE3\xF0\xF3\xE7\xEA\xE0 \xED\xE0 \xF8\xEF\xE0\xF6\xE8\xFE";
const std::string shearTitle = "\xCF\xE5\xF0\xE5\xF0\xE5\xE7\xFB\xE2\xE0\xFE\xF9\xE0\xFF \xF1\xE8\xEB\xE0";
const std::string momentTitle = "\xC8\xE7\xE3\xE8\xE1\xE0\xFE\xF9\xE8\xE9 \xEC\xEE\xEC\xE5\xED\xF2";
const std::string frame = " \xF8\xEF";  // " шп"

// The lines of a file split at CR LF; a separator line keeps its lone CR.
std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = bytes.find("\r\n"); end != std::string::npos; end = bytes.find("\r\n", start)) {
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << "the last line ends with CR LF";
    return lines;
}

std::ptrdiff_t tabsIn(const std::string& line) { return std::count(line.begin(), line.end(), '\t'); }

void fillDataCells(TrimSheet& sheet, const std::string& text)
{
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            sheet.input.offsets.setCell(column, row, text);
    for (int row = 1; row <= spacingCount; ++row)
        sheet.input.masses.setCell(1, row, text);
}

using DataFiles = ExampleShip;

TEST_F(DataFiles, InputFileOfTheExampleShipHasTheExactBytes)
{
    const std::string bytes = inputFileBytes(sheet.input);
    EXPECT_TRUE(bytes.starts_with(offsetsTitle + "\r\n"
                                  + "0\t0\t0\t0\t0\t0\t0,15\t0,275\t0,45\t0,7\t\r\n"
                                    "0,4\t0,95\t1,35\t1,625\t1,925\t2,2\t2,5\t2,85\t3,15\t3,5\t\r\n"));
    EXPECT_NE(bytes.find("0\t0\t0\t0\t0\t0\t0,75\t1,6\t2,4\t3,1\t\r\n\r\r\n" + massesTitle
                         + "\r\n42,8898\t\r\n49,7843\t\r\n"),
              std::string::npos);
    EXPECT_TRUE(bytes.ends_with("62,6667\t\r\n39,7843\t\r\n")) << "no separator after the masses";

    // Title, 21 frame rows of 10 cells, separator, title, 20 masses of one cell.
    const std::vector<std::string> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 44u);
    for (std::size_t i = 1; i <= 21; ++i)
        EXPECT_TRUE(tabsIn(lines[i]) == 10 && lines[i].ends_with('\t')) << lines[i];
    EXPECT_EQ(lines[22], "\r");
    for (std::size_t i = 24; i < 44; ++i)
        EXPECT_TRUE(tabsIn(lines[i]) == 1 && lines[i].ends_with('\t')) << lines[i];
}

TEST_F(DataFiles, ResultsFileHasTheExactBytes)
{
    for (int row = 0; row < spacingCount; ++row)
        sheet.results.loads.setCell(1, row, std::to_string(row) + ",50");
    for (int row = 0; row < frameCount; ++row) {
        sheet.results.shearForce.setCell(1, row, std::to_string(row) + ",25");
        sheet.results.bendingMoment.setCell(1, row, std::to_string(-row) + ",75");
    }
    for (std::size_t i = 0; i < sheet.results.summary.size(); ++i)
        sheet.results.summary[i] = std::to_string(i) + ",00";
    const std::string bytes = resultsFileBytes(sheet.results);
    EXPECT_TRUE(bytes.starts_with(loadTitle + "\r\n0-1\t0,50\t\r\n1-2\t1,50\t\r\n"));
    EXPECT_NE(bytes.find("19-20\t19,50\t\r\n\r\r\n" + shearTitle + "\r\n0" + frame + "\t0,25\t\r\n"),
              std::string::npos);
    EXPECT_NE(bytes.find("20" + frame + "\t20,25\t\r\n\r\r\n" + momentTitle + "\r\n0" + frame + "\t0,75\t\r\n"),
              std::string::npos);
    // Водоизмещение по ГВЛ, куб. м.   V = (three blanks kept)
    EXPECT_NE(bytes.find(
                  "20" + frame
                  + "\t-20,75\t\r\n\r\r\n"
                    "\xC2\xEE\xE4\xEE\xE8\xE7\xEC\xE5\xF9\xE5\xED\xE8\xE5 \xEF\xEE \xC3\xC2\xCB, \xEA\xF3\xE1. \xEC.   "
                    "V =\t0,00\r\n"),
              std::string::npos);
    // Невязка по изгибающему моменту, and nothing after it.
    EXPECT_TRUE(
        bytes.ends_with("\xCD\xE5\xE2\xFF\xE7\xEA\xE0 \xEF\xEE \xE8\xE7\xE3\xE8\xE1\xE0\xFE\xF9\xE5\xEC\xF3 "
                        "\xEC\xEE\xEC\xE5\xED\xF2\xF3\t10,00\r\n"));

    // 3 titles, 20 + 21 + 21 rows of label and value, 3 separators, 11 summary lines.
    const std::vector<std::string> lines = linesOf(bytes);
    ASSERT_EQ(lines.size(), 79u);
    // "Большой" and "метацентрический радиус, м  R =" joined with nothing between.
    EXPECT_TRUE(lines[72].starts_with("\xC1\xEE\xEB\xFC\xF8\xEE\xE9\xEC\xE5\xF2"));
    EXPECT_TRUE(lines[72].ends_with(", \xEC  R =\t4,00"));
    for (std::size_t i = 68; i < 79; ++i)
        EXPECT_TRUE(tabsIn(lines[i]) == 1 && !lines[i].ends_with('\t')) << lines[i];
}

// One case of the reading rules: a file, and cells expected afterwards in the
// offsets ('O') or masses ('M') table. Every data cell holds "old" before.
struct Expected {
    char table;
    int column, row;
    std::string text;
};
struct OddFile {
    const char* name;
    std::string bytes;
    std::vector<Expected> cells;
};

// Loading refuses what is not a data file, naming the table it lacks, and
// keeps the tables: an empty or unrelated text file, a file without masses, a
// UTF-8 copy whose masses title is not in the data files' code page.
TEST_F(DataFiles, LoadingAFileWithoutATableSaysWhichAndChangesNothing)
{
    const TestDirectory directory;
    const std::string complete = inputFileBytes(sheet.input);
    const std::string offsetsOnly = complete.substr(0, complete.find("\r\r\n"));
    std::string utf8Copy = complete;
    const std::string titleBytes = encodeCp1251("Таблица масс");
    utf8Copy.replace(utf8Copy.find(titleBytes), titleBytes.size(), "Таблица масс");
    const struct {
        const char* name;
        std::string bytes;
        std::string message;
    } cases[] = {
        {"empty", "", "В файле нет таблицы ординат: это не файл исходных данных; таблицы не изменены"},
        {"unrelated", "Список покупок\nхлеб\nмолоко\n",
         "В файле нет таблицы ординат: это не файл исходных данных; таблицы не изменены"},
        {"offsets only", offsetsOnly,
         "В файле нет таблицы масс (строки «Таблица масс» и масс под ней); таблицы не изменены"},
        {"UTF-8 copy", utf8Copy,
         "В файле нет таблицы масс в кодировке Windows-1251 (файл сохранен в UTF-8?); таблицы не изменены"},
    };
    clearInputTables(sheet.input);
    const InputTables cleared = sheet.input;
    for (const auto& c : cases) {
        const std::filesystem::path file = directory.path() / (std::string(c.name) + ".txt");
        std::ofstream(file, std::ios::binary) << c.bytes;
        EXPECT_EQ(errorOf([&] { loadInputFile(file, sheet.input); }), c.message) << c.name;
        EXPECT_TRUE(sheet.input == cleared) << c.name;
    }
}

TEST_F(DataFiles, OddFilesAreReadByTheSameRules)
{
    const std::string h = "any first line\r\n";
    std::string manyRows = h;
    for (int row = 1; row <= 30; ++row)
        manyRows.append("r").append(std::to_string(row)).append("\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t\r\n");

    const std::vector<OddFile> cases = {
        {"the first line is skipped even with cells", "1\t2\t\r\n3\t\r\n", {{'O', 1, 1, "3"}, {'O', 2, 1, "old"}}},
        {"a line without a final TAB loses its last cell",
         h + "1\t2\t3\r\n",
         {{'O', 1, 1, "1"}, {'O', 2, 1, "2"}, {'O', 3, 1, "old"}}},
        {"the separator reads as an empty line", h + "\r\r\n5\t\r\n", {{'O', 1, 1, "old"}, {'O', 1, 2, "5"}}},
        {"a lone CR is dropped", h + "1\r2\t\r\r\r\n3\t\r", {{'O', 1, 1, "12"}, {'O', 1, 2, "3"}}},
        {"a lone LF ends a line", h + "1\t\n2\t\n", {{'O', 1, 1, "1"}, {'O', 1, 2, "2"}}},
        {"rows and columns beyond the tables are skipped",
         manyRows,
         {{'O', 1, 1, "r1"}, {'O', 10, 1, "9"}, {'O', 1, 21, "r21"}, {'M', 1, 1, "old"}}},
        {"the title is the text after the last TAB",
         h + "x\t" + massesTitle + "\r\nm1\t\r\n",
         {{'O', 1, 1, "x"}, {'M', 1, 1, "m1"}, {'O', 1, 2, "old"}}},
        {"a title followed by a TAB is an offsets cell",
         h + massesTitle + "\t\r\nm1\t\r\n",
         {{'O', 1, 1, "Таблица масс"}, {'O', 1, 2, "m1"}, {'M', 1, 1, "old"}}},
        {"a masses line keeps its last cell", h + massesTitle + "\r\na\tb\t\r\n", {{'M', 1, 1, "b"}}},
        // One line before the title, so the section is one line long; the rest
        // continues the offsets rows where they stopped.
        {"masses lines beyond the count are offsets rows",
         h + massesTitle + "\r\nm1\t\r\nx\t\r\n",
         {{'M', 1, 1, "m1"}, {'M', 1, 2, "old"}, {'O', 1, 1, "old"}, {'O', 1, 2, "x"}}},
        {"a ^Z ending the file ends the text", h + "1\t\r\n\x1A", {{'O', 1, 1, "1"}, {'O', 1, 2, "old"}}},
        {"a ^Z right after the last cell ends the text",
         h + massesTitle + "\r\nm1\t\x1A",
         {{'M', 1, 1, "m1"}, {'O', 1, 1, "old"}}},
        {"a cell of maxCellBytes is read whole",
         h + std::string(maxCellBytes, 'x') + "\t",
         {{'O', 1, 1, std::string(maxCellBytes, 'x')}}},
    };
    for (const OddFile& file : cases) {
        SCOPED_TRACE(file.name);
        TrimSheet loaded = sheet;
        fillDataCells(loaded, "old");
        std::istringstream in(file.bytes);
        readInputFile(in, loaded.input);
        for (const Expected& cell : file.cells) {
            const TextGrid& grid = cell.table == 'O' ? loaded.input.offsets : loaded.input.masses;
            EXPECT_EQ(grid.cell(cell.column, cell.row), cell.text) << cell.table << cell.column << "," << cell.row;
        }
        EXPECT_TRUE(loaded.input.offsets.rowCount() == 22 && loaded.input.offsets.columnCount() == 11
                    && loaded.input.masses.rowCount() == 21)
            << "the table sizes never change";
    }
}

// Hands out its bytes, then fails as a broken disk would.
struct FailingBuffer : std::stringbuf {
    using std::stringbuf::stringbuf;
    int_type underflow() override { throw std::runtime_error("read error"); }
};

// Neither a binary file nor a stream that fails half-way changes a table.
TEST_F(DataFiles, RefusedFileLeavesBothTablesAsTheyWere)
{
    std::mt19937 random(1251);
    std::string noise(4u << 20, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    std::istringstream binary(noise);
    std::istringstream controlCharacter("title\r\n1\t2\t\r\n3\x01\t\r\n");
    // Only the very last byte may be the DOS end-of-file mark.
    std::istringstream endMarkInside("title\r\n1\t2\t\x1A\r\n");
    // Long enough that the reading has stored cells when the disk fails.
    FailingBuffer failing("title\r\n1\t2\t\r\n" + std::string(1u << 17, '\n'), std::ios::in);
    // A NUL would split its cell and shift the row; a cell of 4096 zeros and
    // a 4 would read as 0 if cut. Lines count from the title, cells from 1.
    std::istringstream nulInCell("title\r\n1\0"s + "5\t2\t\r\n");
    std::istringstream longCell("title\r\n1\t\r\n1\t" + std::string(maxCellBytes, '0') + "4\t\r\n");
    std::istream broken(&failing);
    const std::string binaryData = "Файл содержит двоичные данные и не является файлом исходных данных";
    const std::string ioError = "I/O error " + std::to_string(std::make_error_code(std::errc::io_error).value());
    const TrimSheet before = sheet;
    for (const auto& [in, message] :
         {std::pair<std::istream*, std::string>{&broken, ioError},
          {&binary, binaryData},
          {&controlCharacter, binaryData},
          {&endMarkInside, binaryData},
          {&nulInCell, "Символ NUL в файле исходных данных: строка 2, ячейка 1; таблицы не изменены"},
          {&longCell, "Ячейка длиннее 4096 байт: строка 3, ячейка 2; таблицы не изменены"}}) {
        EXPECT_EQ(errorOf([&] { readInputFile(*in, sheet.input); }), message);
        EXPECT_EQ(sheet.input.offsets, before.input.offsets) << message;
        EXPECT_EQ(sheet.input.masses, before.input.masses) << message;
    }
}

// The round trip through the disk, with empty cells at the ends of both tables
// and TAB, CR and LF typed into a cell, which the file cannot hold: each is
// written as a blank instead of shifting the cells after it.
TEST_F(DataFiles, SavedFilesHoldTheBytesAndLoadBack)
{
    sheet.input.offsets.setCell(1, 1, "");    // the file's first cell
    sheet.input.offsets.setCell(10, 21, "");  // the last cell before the separator
    sheet.input.offsets.setCell(5, 8, "пять");
    sheet.input.offsets.setCell(2, 3, "1\t2\r\n3");
    sheet.input.masses.setCell(1, 20, "");  // the file's last cell
    TrimSheet expected = sheet;
    expected.input.offsets.setCell(2, 3, "1 2  3");

    const TestDirectory directory;
    const std::filesystem::path& dir = directory.path();
    saveInputFile(dir / "input.txt", sheet.input);
    saveResultsFile(dir / "results.txt", sheet.results);
    EXPECT_EQ(readFileBytes(dir / "results.txt", 1u << 20), resultsFileBytes(sheet.results));

    fillDataCells(sheet, "junk");  // an empty cell of the file must overwrite it
    loadInputFile(dir / "input.txt", sheet.input);
    EXPECT_EQ(sheet.input.offsets, expected.input.offsets);
    EXPECT_EQ(sheet.input.masses, expected.input.masses);
}

// A data file under a Cyrillic name or one with blanks, in a folder named so,
// is written under exactly that name, with the CR LF line ends as they are (a
// file opened in text mode on Windows would write CR CR LF), and loads back.
TEST_F(DataFiles, CyrillicNamesAndBlanksNameTheFileAndKeepItsBytes)
{
    const TestDirectory directory;
    for (const AwkwardFileName& name : awkwardFileNames) {
        const std::string folder = utf8Of(directory.path()) + "/" + name.folder;
        const std::string file = folder + "/" + name.file + ".txt";
        std::filesystem::create_directory(pathFromUtf8(folder));
        saveInputFile(pathFromUtf8(file), sheet.input);
        EXPECT_EQ(listedNames(pathFromUtf8(folder)), std::vector<std::string>{name.file + ".txt"s});
        EXPECT_EQ(bytesOf(pathFromUtf8(file)), inputFileBytes(sheet.input)) << file;

        InputTables loaded = sheet.input;
        loaded.offsets.setCell(1, 1, "junk");
        loaded.masses.setCell(1, 1, "junk");
        loadInputFile(pathFromUtf8(file), loaded);
        EXPECT_EQ(loaded.offsets, sheet.input.offsets) << file;
        EXPECT_EQ(loaded.masses, sheet.input.masses) << file;
    }
}

}  // namespace
}  // namespace hullcalc
