// The calculation report and the Excel workbook of the example ship: a PDF of
// numbered A4 pages holding every part with the sheets' texts and vector
// charts, a workbook whose numbers are numbers equal to the results file's,
// and saves that fail without harming the old file.
#include "example_report.h"
#include "file_size_limit.h"
#include "report/calculation_report.h"
#include "report/vibration_tables.h"
#include "report/workbook_export.h"
#include "test_directory.h"
#include "widgets/drawing_application.h"

#include "common/error.h"
#include "common/file_io.h"
#include "trim/data_files.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>

#ifndef _WIN32
#endif

namespace hullcalc {
namespace {

namespace fs = std::filesystem;

std::string errorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Error& e) {
        return e.what();
    }
    return "no error";
}

// The page objects of a PDF: "/Type /Page", not "/Type /Pages".
int pageCount(const std::string& pdf)
{
    int pages = 0;
    const std::string page = "/Type /Page";
    for (auto at = pdf.find(page); at != std::string::npos; at = pdf.find(page, at + 1))
        pages += at + page.size() < pdf.size() && pdf[at + page.size()] != 's';
    return pages;
}

// The standard output of a program, or nothing when it cannot be run or fails.
std::optional<std::string> outputOf(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput().toStdString();
}

// A Python with openpyxl to read workbooks back, or empty.
QString pythonWithOpenpyxl()
{
    for (const QString& python :
         {QStandardPaths::findExecutable("python3"), QStandardPaths::findExecutable("python3", {"/usr/bin"})}) {
        if (!python.isEmpty() && outputOf(python, {"-c", "import openpyxl"}))
            return python;
    }
    return {};
}

// The names in a zip archive's central directory.
std::set<std::string> zipEntries(const std::string& zip)
{
    const auto number = [&](std::size_t at, int bytes) {
        std::uint32_t value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value << 8 | static_cast<unsigned char>(zip.at(at + static_cast<std::size_t>(i)));
        return value;
    };
    const std::size_t end = zip.rfind(std::string("PK\x05\x06", 4));
    std::set<std::string> names;
    if (end == std::string::npos)
        return names;
    std::size_t at = number(end + 16, 4);
    for (std::uint32_t entry = 0; entry < number(end + 10, 2); ++entry) {
        const std::size_t length = number(at + 28, 2);
        names.insert(zip.substr(at + 46, length));
        at += 46 + length + number(at + 30, 2) + number(at + 32, 2);
    }
    return names;
}

class Report : public testing::Test {
protected:
    static void SetUpTestSuite() { application = applicationForDrawing(); }
    static void TearDownTestSuite() { application.reset(); }

    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {})); }

    static std::unique_ptr<QApplication> application;
    const ExampleReport example;
    TestDirectory directory;
    const fs::path& dir = directory.path();
};

std::unique_ptr<QApplication> Report::application;

TEST_F(Report, ExampleShipIsANumberedA4ReportOfEveryPart)
{
    const fs::path file = dir / "отчет.pdf";
    saveReportPdf(file, example.content());
    const std::string pdf = readFileBytes(file, 64 << 20);
    ASSERT_EQ(pdf.substr(0, 5), "%PDF-");
    const int pages = pageCount(pdf);
    EXPECT_GE(pages, 8);
    EXPECT_NE(pdf.find("/MediaBox [0 0 595"), std::string::npos) << "A4 portrait";
    EXPECT_EQ(pdf.find("/MediaBox [0 0 842"), std::string::npos) << "A4 portrait";
    EXPECT_EQ(pdf.find("/Subtype /Image"), std::string::npos) << "charts are drawn as vectors, not pasted as pictures";

    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "no pdftotext to read the text back";
    const std::optional<std::string> text = outputOf(pdftotext, {QString::fromStdU16String(file.u16string()), "-"});
    ASSERT_TRUE(text);
    for (const char* expected : {"Длина расчетная L, м",
                                 "886,74",
                                 "Речное",
                                 "пример.txt",
                                 "07.12.2026",
                                 "Ординаты теоретического чертежа",
                                 "Погруженные площади",
                                 "Кривые элементов",
                                 "Последовательные приближения",
                                 "Таблица удифферентовки",
                                 "Изгибающий момент, кН·м",
                                 "19227,52",
                                 "886,76",
                                 "Водоизмещение по ГВЛ",
                                 "Замечаний нет",
                                 "Частота",
                                 "кол/мин",
                                 "Кумаи",
                                 "(продолжение)",
                                 "Стр. 1 из "}) {
        EXPECT_NE(text->find(expected), std::string::npos) << expected;
    }
    const std::string lastPage = "Стр. " + std::to_string(pages) + " из " + std::to_string(pages);
    EXPECT_NE(text->find(lastPage), std::string::npos) << lastPage;
}

// The print preview paints on its printer at the printer's resolution: the
// layout is the same at any resolution.
TEST_F(Report, PrinterOfAnyResolutionGetsTheSamePages)
{
    saveReportPdf(dir / "writer.pdf", example.content());
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdU16String((dir / "printer.pdf").u16string()));
    const int pages = renderReport(printer, example.content());
    EXPECT_EQ(pages, pageCount(readFileBytes(dir / "writer.pdf", 64 << 20)));
    EXPECT_EQ(pages, pageCount(readFileBytes(dir / "printer.pdf", 64 << 20)));
}

// "Файл → Отчет…" paints into the print preview's printer on request.
TEST_F(Report, PrintPreviewShowsEveryPage)
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    const ReportContent content = example.content();
    int painted = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* device) { painted = renderReport(*device, content); });
    preview.updatePreview();
    EXPECT_GE(painted, 8);
    EXPECT_EQ(preview.pageCount(), painted);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
}

// Before "Расчет" every table but the inputs is empty and no chart has a point.
TEST_F(Report, UncalculatedSheetGivesAShortReportSayingSo)
{
    ShipParticulars particulars;
    TrimSheet trim;
    writeHeaders(trim);
    fillExampleShip(trim.input);
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdU16String((dir / "empty.pdf").u16string()));
    const int pages = renderReport(printer, {particulars, trim, nullptr, {}, {}, {"Проверка"}, {}, {}});
    EXPECT_GE(pages, 4);
    EXPECT_LT(pages, renderReport(printer, example.content()));
}

// A workbook as openpyxl reads it back: the sheets in order and every cell
// that holds something.
struct WorkbookCell {
    std::string coordinate;        // "B3"
    std::optional<double> number;  // when stored as a number
    std::string text;              // when stored as text
    std::string format;
};
struct ReadWorkbook {
    std::vector<std::string> sheets;
    std::map<std::string, std::vector<WorkbookCell>> cells;
};

std::optional<ReadWorkbook> readBack(const fs::path& file)
{
    const QString python = pythonWithOpenpyxl();
    if (python.isEmpty())
        return std::nullopt;
    const char* script = R"(
import sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
for sheet in book.worksheets:
    print(sheet.title)
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                kind = 'n' if isinstance(cell.value, (int, float)) else 's'
                value = repr(float(cell.value)) if kind == 'n' else str(cell.value).replace('\n', ' ')
                print(sheet.title, cell.coordinate, kind, value, cell.number_format, sep='\t')
)";
    const std::optional<std::string> dump =
        outputOf(python, {"-c", script, QString::fromStdU16String(file.u16string())});
    if (!dump)
        return std::nullopt;
    ReadWorkbook book;
    std::istringstream lines(*dump);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');)
            fields.push_back(field);
        if (fields.size() == 1) {
            book.sheets.push_back(fields[0]);
        } else if (fields.size() == 5) {
            WorkbookCell cell{fields[1], std::nullopt, fields[3], fields[4]};
            if (fields[2] == "n")
                cell.number = std::stod(fields[3]);
            book.cells[fields[0]].push_back(cell);
        }
    }
    return book;
}

TEST_F(Report, WorkbookHoldsEveryTableWithNumbersAsTheResultsFile)
{
    const fs::path file = dir / "расчет.xlsx";
    saveWorkbook(file, example.content());
    const std::set<std::string> names = zipEntries(readFileBytes(file, 64 << 20));
    EXPECT_TRUE(names.contains("xl/workbook.xml"));
    EXPECT_TRUE(names.contains("xl/worksheets/sheet14.xml")) << "the summary, twelve tables and two of vibration";

    const std::optional<ReadWorkbook> book = readBack(file);
    if (!book)
        GTEST_SKIP() << "no Python with openpyxl to read the workbook back";
    ASSERT_GE(book->sheets.size(), 6u);
    EXPECT_EQ(book->sheets.front(), "Сводка");
    std::map<std::string, std::vector<const WorkbookCell*>> numbers;
    std::size_t count = 0;
    for (const auto& [sheet, cells] : book->cells) {
        for (const WorkbookCell& cell : cells) {
            if (cell.number) {
                numbers[sheet].push_back(&cell);
                ++count;
            }
        }
    }
    EXPECT_GE(count, 500u);

    // The results file's numbers, in its order: loads, shear force, bending
    // moment, then the summary; the workbook has them on three sheets and the
    // summary's last lines, each with its two decimals.
    std::vector<double> expected;
    std::istringstream results(resultsFileBytes(example.trim.results));
    for (std::string line; std::getline(results, line, '\n');) {
        // "label TAB value TAB CR" in the tables, "caption TAB value CR" in the summary.
        const auto tab = line.find('\t');
        if (tab != std::string::npos)
            expected.push_back(parseNumber(line.substr(tab + 1, line.find_first_of("\t\r", tab + 1) - tab - 1)));
    }
    std::vector<double> stored;
    for (const char* sheet : {"Нагрузка", "Перерезывающая сила", "Изгибающий момент"}) {
        for (const WorkbookCell* cell : numbers[sheet]) {
            stored.push_back(*cell->number);
            EXPECT_EQ(cell->format, "0.00") << sheet;
        }
    }
    // The summary sheet: nine particulars and the density, then the eleven summary lines.
    const auto& summary = numbers["Сводка"];
    ASSERT_GE(summary.size(), 21u);
    for (std::size_t i = 10; i < 21; ++i)
        stored.push_back(*summary[i]->number);
    EXPECT_EQ(stored, expected);
    EXPECT_EQ(numbers["Таблица удифферентовки"].front()->format, "General") << "15-digit texts";
    EXPECT_EQ(numbers["Таблица вибрации"].front()->format, "0.0000");
}

// A typed text that is no number stays that text, an empty cell stays empty,
// and a typed number keeps the decimals it was typed with.
TEST_F(Report, WorkbookKeepsTextsAndBlanksAsTyped)
{
    ShipParticulars particulars;
    TrimSheet trim;
    writeHeaders(trim);
    fillExampleShip(trim.input);
    // Under the title and the header row, frame 0 is row 3, waterline 1 column B.
    trim.input.offsets.setCell(1, 1, "две");
    trim.input.offsets.setCell(2, 1, "");
    trim.input.offsets.setCell(3, 1, "1,250");
    const fs::path file = dir / "ввод.xlsx";
    saveWorkbook(file, {particulars, trim, nullptr, {}, {}, {}, {}, {}});
    const std::optional<ReadWorkbook> book = readBack(file);
    if (!book)
        GTEST_SKIP() << "no Python with openpyxl to read the workbook back";
    EXPECT_EQ(book->sheets.size(), 12u) << "no vibration sheets without vibration results";
    std::map<std::string, WorkbookCell> offsets;
    for (const WorkbookCell& cell : book->cells.at("Ординаты"))
        offsets[cell.coordinate] = cell;
    ASSERT_TRUE(offsets.contains("B3"));
    EXPECT_FALSE(offsets["B3"].number);
    EXPECT_EQ(offsets["B3"].text, "две");
    EXPECT_FALSE(offsets.contains("C3"));
    ASSERT_TRUE(offsets["D3"].number);
    EXPECT_EQ(*offsets["D3"].number, 1.25);
    EXPECT_EQ(offsets["D3"].format, "0.000");
    EXPECT_EQ(offsets["A3"].text, "0 шп") << "row labels stay text";
}

// The Kumai estimate is of tone I: a run of another tone is not compared with it.
TEST(KumaiComparison, ComparesToneIOnly)
{
    VibrationSheet toneII;
    selectTone(toneII, 2);
    toneII.frequency = " 12,5002";
    EXPECT_TRUE(kumaiLines(std::nullopt, &toneII, {}).empty());
    EXPECT_EQ(kumaiLines(40.0, &toneII, {}).size(), 1u) << "the estimate alone";

    VibrationSheet toneI;
    selectTone(toneI, 1);
    toneI.frequency = "  4,6944";  // 44,83 кол/мин
    const std::vector<CaptionedValue> lines = kumaiLines(40.0, &toneI, {});
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1].value, "44,83");
    EXPECT_EQ(lines[2].value, "12,1");
    std::vector<ToneSummary> tones(2);
    tones[0].tone = 1;
    tones[0].energyFrequency = 5.0;
    tones[0].beamFrequency = 6.0;
    tones[1].tone = 2;
    tones[1].energyFrequency = 12.0;
    tones[1].beamFrequency = 13.0;
    const std::vector<CaptionedValue> compared = kumaiLines(40.0, &toneII, tones);
    ASSERT_EQ(compared.size(), 5u) << "tone I of the comparison, by both methods";
    EXPECT_EQ(compared[1].value, formatFixed(frequencyOf(5.0).perMinute, 2));
    EXPECT_EQ(compared[3].value, formatFixed(frequencyOf(6.0).perMinute, 2));
}

TEST_F(Report, FailedSavesKeepTheOldFileAndNameIt)
{
    const fs::path missing = dir / "нет" / "отчет.pdf";
    EXPECT_NE(errorOf([&] { saveReportPdf(missing, example.content()); }).find(missing.filename().string()),
              std::string::npos);
    EXPECT_NE(
        errorOf([&] { saveWorkbook(missing.parent_path() / "книга.xlsx", example.content()); }).find("книга.xlsx"),
        std::string::npos);
    EXPECT_EQ(entries(), 0u) << "nothing left behind";

    // A folder where the file should go is not replaced.
    fs::create_directories(dir / "книга.xlsx" / "внутри");
    EXPECT_NE(errorOf([&] { saveWorkbook(dir / "книга.xlsx", example.content()); }), "no error");
    EXPECT_TRUE(fs::is_directory(dir / "книга.xlsx" / "внутри"));
    EXPECT_EQ(entries(), 1u) << "no temporary workbook left beside it";

#ifndef _WIN32
    // A file size limit makes writing fail as a full disk would, also for
    // root; the signal it raises is ignored so that the write reports it.
    const fs::path report = dir / "отчет.pdf";
    const fs::path book = dir / "расчет.xlsx";
    saveFileSafely(report, "old report");
    saveFileSafely(book, "old workbook");
    std::string reportError;
    std::string bookError;
    {
        const FileSizeLimit limit(4096);
        reportError = errorOf([&] { saveReportPdf(report, example.content()); });
        bookError = errorOf([&] { saveWorkbook(book, example.content()); });
    }
    EXPECT_NE(reportError.find("отчет.pdf"), std::string::npos) << reportError;
    EXPECT_NE(bookError.find("расчет.xlsx"), std::string::npos) << bookError;
    EXPECT_EQ(readFileBytes(report, 100), "old report");
    EXPECT_EQ(readFileBytes(book, 100), "old workbook");
    EXPECT_EQ(entries(), 3u) << "no temporary file left";
#endif
}

}  // namespace
}  // namespace hullcalc
