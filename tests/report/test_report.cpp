// The calculation report of the example ship: a PDF of numbered A4 pages
// holding every part with the sheets' texts and vector charts, and saves that
// fail without harming the old file.
#include "example_report.h"
#include "report/calculation_report.h"
#include "report/vibration_tables.h"
#include "test_directory.h"
#include "widgets/drawing_application.h"

#include "common/error.h"
#include "common/file_io.h"

#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <regex>

#ifndef _WIN32
#include <sys/resource.h>
#include <csignal>
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

int pageCount(const std::string& pdf)
{
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
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
    EXPECT_TRUE(std::regex_search(pdf, std::regex(R"(/MediaBox \[0 0 595(\.0*)? 842(\.0*)?\])"))) << "A4 portrait";
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
    const std::vector<ToneSummary> tones = {{1, 5.0, 6.0, {}}, {2, 12.0, 13.0, {}}};
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
    EXPECT_EQ(entries(), 0u) << "nothing left behind";

#ifndef _WIN32
    // A file size limit makes writing fail as a full disk would, also for
    // root; the signal it raises is ignored so that the write reports it.
    const fs::path report = dir / "отчет.pdf";
    saveFileSafely(report, "old report");
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const std::string reportError = errorOf([&] { saveReportPdf(report, example.content()); });
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_NE(reportError.find("отчет.pdf"), std::string::npos) << reportError;
    EXPECT_EQ(readFileBytes(report, 100), "old report");
    EXPECT_EQ(entries(), 1u) << "no temporary file left";
#endif
}

}  // namespace
}  // namespace hullcalc
