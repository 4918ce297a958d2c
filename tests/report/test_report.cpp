// The calculation report and the Excel workbook of the example ship: a PDF of
// numbered A4 pages holding every part with the sheets' texts and vector
// charts, a workbook whose numbers are numbers equal to the results file's,
// and saves that fail without harming the old file.
#include "cli/qt_json_printers.h"
#include "error_of.h"
#include "example_report.h"
#include "file_size_limit.h"
#include "program_output.h"
#include "report/calculation_report.h"
#include "report/report_content.h"
#include "report/vibration_tables.h"
#include "report/workbook_export.h"
#include "test_directory.h"
#include "widgets/drawing_application.h"

#include "common/file_io.h"
#include "common/number_text.h"
#include "trim/data_files.h"
#include "vibration/beam_model.h"

#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <map>
#include <optional>
#include <regex>
#include <sstream>

namespace hullcalc {
namespace {

namespace fs = std::filesystem;

// The page objects of a PDF: "/Type /Page", not "/Type /Pages".
int pageCount(const std::string& pdf)
{
    int pages = 0;
    const std::string page = "/Type /Page";
    for (auto at = pdf.find(page); at != std::string::npos; at = pdf.find(page, at + 1))
        pages += at + page.size() < pdf.size() && pdf[at + page.size()] != 's';
    return pages;
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

    const std::optional<std::string> text = pdfText(file);
    if (!text)
        GTEST_SKIP() << "no pdftotext to read the text back";
    // The headings of the parts, then the texts of the sheets.
    for (const char* expected :
         {"Длина расчетная L, м", "Ординаты теоретического чертежа", "Погруженные площади", "Кривые элементов",
          "Последовательные приближения", "Таблица удифферентовки", "Изгибающий момент, кН·м", "Водоизмещение по ГВЛ",
          "Водоизмещение, метацентры и коэффициенты полноты", "Начальная остойчивость при средней осадке",
          "Метацентрическая высота, м"})
        EXPECT_NE(text->find(expected), std::string::npos) << expected;
    for (const char* expected : {"886,74", "Речное", "пример.txt", "07.12.2026", "19227,52", "886,76",
                                 "в резонансной зоне", "Частота", "кол/мин", "Кумаи", "(продолжение)", "Стр. 1 из ",
                                 "11. Общая прочность: судно на волне", "Эквивалентный брус", "Нейтральная ось z₀",
                                 "Напряжения в палубе и днище", "Вершина волны на миделе (перегиб)"})
        EXPECT_NE(text->find(expected), std::string::npos) << expected;
    // Stability at large angles: its tables and the titles of its three charts.
    for (const char* expected : {"8. Остойчивость на больших углах", "Общие критерии остойчивости ИМО", "выполнен",
                                 "Плечи остойчивости через 5°", "Пантокарены", "Диаграмма статической остойчивости",
                                 "Диаграмма динамической остойчивости", "Пантокарены: KN по объемному водоизмещению",
                                 "плоская водонепроницаемая палуба"})
        EXPECT_NE(text->find(expected), std::string::npos) << expected;
    // The vibration: the three methods side by side with the result to take,
    // the shear area with its source, the margins with their limit and the
    // Campbell diagram.
    for (const char* expected : {"Тоны по трем методам", "Энергетический", "Изгибная", "сдвигом", "Принять",
                                 "Площадь сдвига задана: 0,0350 м²", "по формуле энергетического метода",
                                 "Проверка резонанса", "допустимая ±20 %", "Лопастная", "Диаграмма Кэмпбелла"})
        EXPECT_NE(text->find(expected), std::string::npos) << expected;
    const std::string lastPage = "Стр. " + std::to_string(pages) + " из " + std::to_string(pages);
    EXPECT_NE(text->find(lastPage), std::string::npos) << lastPage;
}

// What a lecturer reads: words spelt right, every residual and stress with its
// unit, and the title block on the title page and at the foot of every page.
TEST_F(Report, ReportIsSpeltRightWithUnitsAndTitleBlockOnEveryPage)
{
    ReportContent content = example.content();
    content.title = {"Ока", "Иванов И. И.", "СК-31", "7", "Петров П. П.", "01.02.2027"};
    content.warnings.clear();
    const fs::path file = dir / "отчет.pdf";
    saveReportPdf(file, content);
    const std::optional<std::string> read = pdfText(file, true);
    if (!read)
        GTEST_SKIP() << "no pdftotext to read the text back";
    const std::string& text = *read;
    ASSERT_FALSE(text.empty());
    EXPECT_NE(text.find("Замечаний нет"), std::string::npos);
    for (const char* misspelt : {"Абцисса", "Большойметацентрический", "Растояние", "Мастаб", "шпантгоут"})
        EXPECT_EQ(text.find(misspelt), std::string::npos) << misspelt;

    std::vector<std::string> pages;
    for (std::size_t begin = 0, end; begin < text.size(); begin = end + 1) {
        end = std::min(text.find('\f', begin), text.size());
        pages.push_back(text.substr(begin, end - begin));
    }
    if (pages.back().find_first_not_of(" \n") == std::string::npos)
        pages.pop_back();
    for (const char* field : {"Судно", "Ока", "Выполнил", "Иванов И. И.", "Группа", "СК-31", "Вариант", "Проверил",
                              "Петров П. П.", "01.02.2027"})
        EXPECT_NE(pages.front().find(field), std::string::npos) << field;
    for (std::size_t page = 0; page < pages.size(); ++page)
        EXPECT_NE(pages[page].find("Иванов И. И. · СК-31 · вариант 7"), std::string::npos) << "page " << page + 1;

    // Every residual line names its unit.
    int residuals = 0;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        if (line.find("Невязка по") == std::string::npos)
            continue;
        ++residuals;
        EXPECT_NE(line.find("кН"), std::string::npos) << line;
    }
    EXPECT_GE(residuals, 3);
    // The stresses' headers keep their unit: σ of deck and bottom, allowable.
    const auto stresses = std::find_if(pages.begin(), pages.end(), [](const std::string& page) {
        return page.find("Напряжения в палубе и днище") != std::string::npos;
    });
    ASSERT_NE(stresses, pages.end());
    const std::string& page = *stresses;
    std::size_t megapascals = 0;
    for (auto at = page.find("МПа"); at != std::string::npos; at = page.find("МПа", at + 1))
        ++megapascals;
    EXPECT_GE(megapascals, 3u) << page;
}

// The decimals of a number's text: 0 for "753", 1 for "762,7".
int decimalsOf(const std::string& number)
{
    const std::size_t comma = number.find(',');
    return comma == std::string::npos ? 0 : static_cast<int>(number.size() - comma - 1);
}

// Every table of the example's report, as pdftotext lays its rows out: a row
// is a label (a frame "9 шп", a spacing "9-10", a waterline "9", "Итого") and
// numbers only. Runs of such rows of as many numbers make one table part;
// down each of its columns every number has the same count of decimals, so
// that no "42,7" stands over "44,02" nor "753" over "762,7".
TEST_F(Report, EveryTableColumnReadsWithOneCountOfDecimals)
{
    const fs::path file = dir / "отчет.pdf";
    saveReportPdf(file, example.content());
    const std::optional<std::string> read = pdfText(file, true);
    if (!read)
        GTEST_SKIP() << "no pdftotext to read the text back";
    const std::string& text = *read;
    ASSERT_FALSE(text.empty());
    const std::regex row(R"(^\s*(\d+ шп|\d+-\d+|\d+|Итого)((\s+-?\d+(,\d+)?)+)\s*$)");
    using Part = std::vector<std::vector<std::string>>;
    std::vector<Part> parts(1);
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (!std::regex_match(line, match, row)) {
            parts.emplace_back();
            continue;
        }
        std::istringstream numbers(match[2].str());
        std::vector<std::string> cells{std::istream_iterator<std::string>(numbers), {}};
        if (!parts.back().empty() && parts.back().front().size() != cells.size())
            parts.emplace_back();
        parts.back().push_back(std::move(cells));
    }
    int columnsRead = 0;
    for (const Part& part : parts) {
        if (part.size() < 3)
            continue;
        for (std::size_t column = 0; column < part.front().size(); ++column, ++columnsRead)
            for (const std::vector<std::string>& cells : part)
                EXPECT_EQ(decimalsOf(cells[column]), decimalsOf(part.front()[column]))
                    << cells[column] << " under " << part.front()[column];
    }
    // The offsets, the Bonjean scale, the curves of form, the trim table and the
    // wave's tables at least.
    EXPECT_GE(columnsRead, 80);
}

// "Файл → Отчет…" paints into the print preview's printer at the printer's
// resolution: the pages are the same at any resolution as in the PDF.
TEST_F(Report, PrintPreviewAtAnyResolutionGetsThePagesOfThePdf)
{
    saveReportPdf(dir / "writer.pdf", example.content());
    const int pages = pageCount(readFileBytes(dir / "writer.pdf", 64 << 20));
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    const ReportContent content = example.content();
    int painted = 0;
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                     [&](QPrinter* device) { painted = renderReport(*device, content); });
    preview.updatePreview();
    EXPECT_EQ(painted, pages);
    EXPECT_EQ(preview.pageCount(), pages);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    QPrinter screen(QPrinter::ScreenResolution);
    screen.setOutputFormat(QPrinter::PdfFormat);
    screen.setOutputFileName(QString::fromStdU16String((dir / "screen.pdf").u16string()));
    std::vector<PlacedChart> charts;
    EXPECT_EQ(renderReport(screen, content, &charts), pages);

    // Every chart says what runs along both its axes, frames by their numbers
    // rather than the tables' rows: the hydrostatic curves, the curves of form,
    // drafts and areas, loads, forces and moments, both mode shapes and the
    // ship on the wave.
    EXPECT_GE(charts.size(), 8u + 7u + 2u + 3u + 2u + 2u);
    for (const PlacedChart& chart : charts) {
        EXPECT_FALSE(chart.xTitle.isEmpty()) << chart.caption.toStdString();
        EXPECT_FALSE(chart.yTitle.isEmpty()) << chart.caption.toStdString();
        EXPECT_FALSE(chart.caption.contains("строки")) << chart.caption.toStdString();
    }

    // Landscape chosen in the page setup stays landscape: the pages are wider
    // than high, in the preview and in the PDF printed from it.
    printer.setPageOrientation(QPageLayout::Landscape);
    preview.updatePreview();
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_GT(printer.width(), printer.height());
    EXPECT_GT(preview.pageCount(), 0);
}

// A workbook as openpyxl reads it back: [sheet, [[cell, value, format], ...]]
// for each sheet in order and every cell that holds something, a number as a
// JSON number; empty without a Python with openpyxl.
QJsonArray readBack(const fs::path& file)
{
    const QString python = pythonWithOpenpyxl();
    const char* script = R"(
import sys, json, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
json.dump([[s.title, [[c.coordinate, c.value, c.number_format] for row in s.iter_rows() for c in row
                      if c.value is not None]] for s in book.worksheets], sys.stdout)
)";
    const std::optional<std::string> dump =
        python.isEmpty() ? std::nullopt : outputOf(python, {"-c", script, QString::fromStdU16String(file.u16string())});
    return dump ? QJsonDocument::fromJson(QByteArray::fromStdString(*dump)).array() : QJsonArray();
}

TEST_F(Report, WorkbookHoldsEveryTableWithNumbersAsTheResultsFile)
{
    const fs::path file = dir / "расчет.xlsx";
    saveWorkbook(file, example.content());
    // Sheet names stand uncompressed in the zip's headers.
    EXPECT_NE(readFileBytes(file, 64 << 20).find("xl/worksheets/sheet23.xml"), std::string::npos)
        << "the summary, twelve tables, three of stability at large angles, three of vibration and four of the "
           "ship on the wave";

    const QJsonArray book = readBack(file);
    if (book.isEmpty())
        GTEST_SKIP() << "no Python with openpyxl to read the workbook back";
    ASSERT_EQ(book.size(), 23);
    EXPECT_EQ(book[0][0], QJsonValue("Сводка"));
    std::map<QString, std::vector<QJsonValue>> numbers;  // sheet: its cells that hold numbers
    std::size_t count = 0;
    for (const QJsonValue& sheet : book)
        for (const QJsonValue& cell : sheet[1].toArray())
            if (cell[1].isDouble() && ++count)
                numbers[sheet[0].toString()].push_back(cell);
    EXPECT_GE(count, 500u);
    // The cross curves are numbers: the eleven volumes and KN at nine heels of most of them.
    EXPECT_GE(numbers["Пантокарены"].size(), 11u + 9u * 8u);

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
        for (const QJsonValue& cell : numbers[sheet]) {
            stored.push_back(cell[1].toDouble());
            EXPECT_EQ(cell[2], QJsonValue("0.00")) << sheet;
        }
    }
    // The summary sheet: ten particulars (z_g given) and the density, then the
    // eleven summary lines and the six of the initial stability.
    const auto& summary = numbers["Сводка"];
    ASSERT_GE(summary.size(), 28u);
    for (std::size_t i = 11; i < 22; ++i)
        stored.push_back(summary[i][1].toDouble());
    EXPECT_EQ(stored, expected);
    // The 15-digit texts of the sections' areas are stored whole under a format
    // that shows their 4 significant digits: 2,58375 as 2,584 (frame 1, waterline 4).
    const auto& areas = numbers["Площади Бонжана"];
    const auto area =
        std::find_if(areas.begin(), areas.end(), [](const QJsonValue& cell) { return cell[1].toDouble() == 2.58375; });
    ASSERT_NE(area, areas.end());
    EXPECT_EQ((*area)[2], QJsonValue("0.000"));
    EXPECT_EQ(numbers["Таблица вибрации"].front()[2], QJsonValue("0.000")) << "y to the millimetre";
    // The girder's I in cm²·m² stands among its summary's numbers, with the
    // two decimals of its text.
    std::vector<double> girder;
    for (const QJsonValue& cell : numbers["Эквивалентный брус"])
        girder.push_back(cell[1].toDouble());
    EXPECT_NE(std::find(girder.begin(), girder.end(), parseNumber(formatF(example.run.strength->girder.inertia))),
              girder.end());
    EXPECT_FALSE(numbers["Перегиб"].empty());
}

// The tables show each number rounded by its quantity under the headers the
// windows give them, and with every stored digit when the user asks for it.
TEST_F(Report, TablesShowRoundedNumbersUnderHeadersAndEveryDigitOnRequest)
{
    const auto textOf = [&](bool fullPrecision) {
        ReportContent content = example.content();
        content.fullPrecision = fullPrecision;
        const fs::path file = dir / (fullPrecision ? "полный.pdf" : "округленный.pdf");
        saveReportPdf(file, content);
        return pdfText(file);
    };
    const std::optional<std::string> rounded = textOf(false);
    if (!rounded)
        GTEST_SKIP() << "no pdftotext to read the text back";
    const std::string full = textOf(true).value_or("");
    // V at waterline 8 and the draft on an even keel as the calculation stored them.
    // The generalized stiffness of tone I as the vibration wrote it.
    const std::string stiffness(trimmed(example.run.toneRun(1)->sheet.stiffness));
    for (const std::string& stored : {std::string("1994,13703125"), std::string("1,24465618609407"), stiffness}) {
        EXPECT_EQ(rounded->find(stored), std::string::npos) << stored;
        EXPECT_NE(full.find(stored), std::string::npos) << stored;
    }
    const std::string whole = std::to_string(std::lround(parseNumber(stiffness)));
    EXPECT_NE(rounded->find(whole), std::string::npos) << "the stiffness to its whole kN/m";
    // ... and as the reader sees them: a length to the millimetre, S at waterline 7
    // with the one decimal its column's 4 significant digits of 779,8 give.
    for (const char* shown : {"1,245", "753,0"})
        EXPECT_NE(rounded->find(shown), std::string::npos) << shown;
    // The vibration table's columns by their quantities, not by numbers alone.
    for (const char* header : {"mпр,", "Σm′w", "m′w²"})
        EXPECT_NE(rounded->find(header), std::string::npos) << header;
}

// A typed text that is no number stays that text, an empty cell stays empty,
// and a typed number keeps the decimals it was typed with.
TEST_F(Report, WorkbookKeepsTextsAndBlanksAsTyped)
{
    const ShipParticulars particulars;
    TrimSheet trim;  // before "Расчет": headers and the example's input alone
    writeHeaders(trim);
    fillExampleShip(trim.input);
    // Under the title and the header row, frame 0 is row 3, waterline 1 column B.
    trim.input.offsets.setCell(1, 1, "две");
    trim.input.offsets.setCell(2, 1, "");
    trim.input.offsets.setCell(3, 1, "1,250");
    const fs::path file = dir / "ввод.xlsx";
    saveWorkbook(file, {particulars, trim, nullptr, {}, {}, {}, {}, {}});
    const QJsonArray book = readBack(file);
    if (book.isEmpty())
        GTEST_SKIP() << "no Python with openpyxl to read the workbook back";
    EXPECT_EQ(book.size(), 13) << "no vibration sheets without vibration results";
    std::map<QString, QJsonValue> offsets;  // cell: [cell, value, format]
    for (const QJsonValue& sheet : book)
        for (const QJsonValue& cell : sheet[1].toArray())
            if (sheet[0] == QJsonValue("Ординаты"))
                offsets[cell[0].toString()] = cell;
    EXPECT_EQ(offsets["B3"][1], QJsonValue("две"));
    EXPECT_FALSE(offsets.contains("C3"));
    EXPECT_EQ(offsets["D3"][1], QJsonValue(1.25));
    EXPECT_EQ(offsets["D3"][2], QJsonValue("0.000"));
    EXPECT_EQ(offsets["A3"][1], QJsonValue("0 шп")) << "row labels stay text";
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
    const auto tone = [](int number, double energy, double beam) {
        ToneSummary summary;
        summary.tone = number;
        summary.energyFrequency = energy;
        summary.beamFrequency = beam;
        return summary;
    };
    const std::vector<ToneSummary> tones = {tone(1, 5.0, 6.0), tone(2, 12.0, 13.0)};
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
    const auto [reportError, bookError] = [&] {
        const FileSizeLimit limit(4096);
        return std::pair(errorOf([&] { saveReportPdf(report, example.content()); }),
                         errorOf([&] { saveWorkbook(book, example.content()); }));
    }();
    EXPECT_NE(reportError.find("отчет.pdf"), std::string::npos) << reportError;
    EXPECT_NE(bookError.find("расчет.xlsx"), std::string::npos) << bookError;
    EXPECT_EQ(readFileBytes(report, 100), "old report");
    EXPECT_EQ(readFileBytes(book, 100), "old workbook");
    EXPECT_EQ(entries(), 3u) << "no temporary file left";
#endif
}

}  // namespace
}  // namespace hullcalc
