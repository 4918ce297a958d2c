// hullcalc-cli on the inputs of a hostile-input round: every one ends with a
// status and a message (never an abort, which would end this test program
// too), writes nothing it should not and keeps every user file.
#include "cli/cli.h"
#include "cli_outcome.h"
#include "project/project_file.h"
#include "test_directory.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace hullcalc {
namespace {

namespace fs = std::filesystem;

class CliHostileInput : public testing::Test {
protected:
    TestDirectory directory;
    const fs::path& dir = directory.path();
    std::string path(const std::string& name) const { return (dir / name).string(); }
    void put(const std::string& name, const std::string& bytes) const
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
    }
};

constexpr const char* largest = "1,7976931348623157E308";  // the largest double

// The values whose check messages overflowed the 15-digit text: each run ends
// as the calculation ends (0 or 1) with its warnings, and a batch computes the
// ship after it.
TEST_F(CliHostileInput, LargestNumbersEndAShipNeverTheRun)
{
    const std::string huge = largest;
    const std::vector<std::vector<std::string>> reproducers = {
        {"--mass", "1=" + huge},
        {"--set", "ShipL=" + huge},
        {"--set", "ShipT=" + huge},
        {"--set", "ShipDr=" + huge},
        {"--offset", "1,1=-" + huge},
        {"--set", "ShipdL=8,988465674311578E306"},  // 20·ΔL is the largest double
        {"--mass", "1=1E300", "--set", "ShipDr=1E-7"},
    };
    const std::string good = path("good.hullcalc");
    ASSERT_EQ(run({"--save-project", good}).status, 0);
    for (std::vector<std::string> args : reproducers) {
        const Outcome alone = run(args);
        EXPECT_LE(alone.status, 1) << args[1];
        EXPECT_TRUE(contains(alone.err, "Предупреждение")) << args[1] << ": " << alone.err;
        args.insert(args.begin(), {good, good});
        args.insert(args.end(), {"--json", "-"});
        const Outcome batch = run(args);
        EXPECT_TRUE(contains(batch.out, "\"results\"")) << args[1] << ": the batch's JSON is written";
    }
    // "1,798E308" rather than a 309-digit number or an abort.
    EXPECT_TRUE(contains(run({"--mass", std::string("1=") + largest}).err, "Сумма масс шпаций 1,798E308 т"));
}

// Every section inertia 1E-12 m⁴: the energy method's ω prints as 0,0000, so
// the difference of the beam model from it has no value and is shown as "-".
TEST_F(CliHostileInput, ReportWithAZeroFrequencyHasNoDifference)
{
    std::vector<std::string> args = {"--tone", "1"};
    for (int row = 1; row <= 20; ++row)
        args.insert(args.end(), {"--inertia", std::to_string(row) + "=1E-12"});
    const Outcome r = run(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(contains(r.out, "отличие от энергетического метода -\n")) << r.out;
}

// Half-breadths typed to 7 decimals give areas of 12 characters
// ("11,191796226" beside "8,851796226"): a blank still parts every two
// columns, so no word of the report holds two decimal commas.
TEST_F(CliHostileInput, ReportColumnsNeverRunTogether)
{
    const Outcome r = run({"--offset", "2,2=0,1234567"});
    std::istringstream words(r.out);
    int longWords = 0;
    for (std::string word; words >> word;) {
        EXPECT_LE(std::count(word.begin(), word.end(), ','), 1) << word;
        longWords += word.size() > 10 && word.find(',') != std::string::npos;
    }
    EXPECT_GT(longWords, 0) << "the case has cells wider than a column";
}

// Texts that are no data file are refused as «Загрузить» refuses them (the
// messages of each kind: DataFiles.LoadingAFileWithoutATableSaysWhichAndChangesNothing),
// and the file keeps its bytes; lines ending in CR alone are no data file.
TEST_F(CliHostileInput, NoDataFileIsLoadedNorOverwritten)
{
    const std::string exampleFile = [&] {
        run({"--save-input", path("example.txt")});
        std::ifstream in(dir / "example.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    const std::pair<std::string, std::string> files[] = {
        {"notes\nmore\n", "В файле нет таблицы ординат"},
        {std::regex_replace(exampleFile, std::regex("\r\n"), "\r"), "В файле нет таблицы ординат"},
    };
    for (const auto& [bytes, message] : files) {
        put("n.txt", bytes);
        const Outcome r = run({path("n.txt"), "--save-input", path("saved.txt")});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(contains(r.err, message)) << r.err;
        std::ifstream in(dir / "n.txt", std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), bytes) << message;
    }
}

// "-" writes that output's bytes alone: the readable report after them would
// make a project or a data file unreadable.
TEST_F(CliHostileInput, StandardOutputHoldsOnlyTheFile)
{
    const Outcome project = run({"--save-project", "-"});
    EXPECT_EQ(project.status, 0);
    EXPECT_NO_THROW(readProject(project.out)) << project.out.substr(project.out.size() - 200);
    for (const char* option : {"--save-input", "--results"}) {
        const Outcome r = run({option, "-"});
        EXPECT_FALSE(contains(r.out, "Результаты\n")) << option;
        EXPECT_TRUE(r.out.ends_with("\r\n")) << option;
    }
}

// A value that looks like an option is the next option, its own value forgotten.
TEST_F(CliHostileInput, OptionTakenAsAValueIsAUsageError)
{
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--json", "--dump", path("d.json")}, {"--save-input", "-x"}, {"--tone", "--sea"}}) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_TRUE(contains(r.err, "Нет значения у " + args[0] + ": за ним '" + args[1] + "'")) << r.err;
    }
    EXPECT_TRUE(fs::is_empty(dir));
    EXPECT_FALSE(fs::exists("--dump"));
}

// A number too large for the calculations' products is refused where it was
// typed, the place named in the JSON; so is a range error of the strength
// fields. The places are those the windows label.
TEST_F(CliHostileInput, EveryFailureNamesItsPlace)
{
    put("girder.csv", "Палуба;1E308;3,5;0\n");
    const struct {
        std::vector<std::string> args;
        std::string place;
    } rows[] = {
        {{"--mass", "3=1E308"}, "«Исходные данные», шпация «2-3»"},
        {{"--offset", "5,3=-1E308"}, "«Исходные данные», шпангоут «2 шп», ватерлиния «5»"},
        {{"--set", "ShipL=1E308"}, "«Главные размерения судна», «Длина расчетная L, м»"},
        {{"--set", "ShipZg=1,7976931348623157E308"}, "«Главные размерения судна», «Аппликата ЦТ судна z_g, м»"},
        {{"--inertia", "4=1E308", "--tone", "1"}, "«Вибрация», шпация «3-4»"},
        {{"--wave-height", "1E308"}, "«Судно на волне», «Высота волны h, м»"},
        {{"--girder", path("girder.csv")}, "«Судно на волне», «Эквивалентный брус», строка 1, столбец «F, см²»"},
        {{"--allowable-stress=-175"}, "«Судно на волне», «Допускаемое напряжение, МПа»"},
    };
    for (const auto& row : rows) {
        std::vector<std::string> args = row.args;
        args.insert(args.end(), {"--json", "-"});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_TRUE(contains(r.out, "\"error_location\": \"" + row.place + "\"")) << args[0] << ": " << r.err;
        EXPECT_FALSE(contains(r.out, "Floating point")) << args[0];
    }
}

// A negative number is an option's value; the calculation then names the
// quantity whose range it leaves.
TEST_F(CliHostileInput, NegativeNumbersAreValues)
{
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{"--wave-height", "-1"}, "Высота волны -1 м вне диапазона"},
        {{"--allowable-stress", "-1,5"}, "Допускаемое напряжение должно быть больше нуля: -1,5 МПа"},
    };
    for (const auto& [args, message] : rows) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 1) << args[0];
        EXPECT_TRUE(contains(r.err, message)) << r.err;
    }
    EXPECT_EQ(run({"--tone", "-1"}).status, 2);
}

// An allowable stress of 1E-305 MPa makes every margin −∞: shown as such, and
// the readable report, the PDF and the workbook are all written.
TEST_F(CliHostileInput, InfiniteMarginLosesNoOutput)
{
    put("girder.csv", "Палуба;140;3,5;0\nДнище;160;0;0\n");
    const Outcome r = run({"--girder", path("girder.csv"), "--allowable-stress", "1E-305", "--report", path("r.pdf"),
                           "--xlsx", path("r.xlsx")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_GT(fs::file_size(dir / "r.pdf"), 0u);
    EXPECT_GT(fs::file_size(dir / "r.xlsx"), 0u);
    const Outcome readable = run({"--girder", path("girder.csv"), "--allowable-stress", "1E-305"});
    EXPECT_TRUE(contains(readable.out, "−∞")) << readable.out;
    EXPECT_TRUE(contains(readable.err, "больше допускаемого 1E-305 МПа")) << readable.err;
}

// A name echoed in a message: at most 100 characters, its control characters
// escaped, so that a newline cannot forge a line of the tool's own.
TEST_F(CliHostileInput, NamesAreEchoedShortAndEscaped)
{
    const std::string forged = "a\nhullcalc-cli: forged\x1B[2J" + std::string(100000, 'x');
    const Outcome r = run({forged});
    EXPECT_EQ(r.status, 1);
    EXPECT_FALSE(contains(r.err, "\nhullcalc-cli: forged")) << r.err.substr(0, 300);
    EXPECT_FALSE(contains(r.err, "\x1B"));
    EXPECT_LT(r.err.size(), 1000u);
    EXPECT_TRUE(contains(r.err, "hullcalc-cli: a\\nhullcalc-cli: forged\\x1B[2Jxxx")) << r.err.substr(0, 300);
}

#ifndef _WIN32
// A file name that is no UTF-8 (Latin-1 "é") is the system's bytes: written
// under that name, not re-encoded.
TEST_F(CliHostileInput, FileNamesAreTheSystemsBytes)
{
    const std::string name = path("out_\xE9.json");
    EXPECT_EQ(run({"--json", name}).status, 0);
    EXPECT_TRUE(fs::exists(fs::path(name)));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1);
    const Outcome input = run({name});
    EXPECT_TRUE(contains(input.err, "out_\\xE9.json")) << input.err;
}
#endif

// A file where --print-pdf's folder should be is named as the cause, and kept.
TEST_F(CliHostileInput, PrintFolderBlockedByAFileSaysSo)
{
    put("f", "kept");
    for (const std::string& folder : {path("f"), path("f/sub")}) {
        const Outcome r = run({"--print-pdf", folder});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(contains(r.err, "не удалось создать папку «" + folder + "»")) << r.err;
        EXPECT_TRUE(contains(r.err, "это файл, а не папка: «" + path("f") + "»")) << r.err;
    }
    EXPECT_EQ(bytesOf(dir / "f"), "kept");
}

// The tool itself, printing charts without a runtime folder: Qt's note on
// that is the machine's business, and standard error stays empty.
TEST_F(CliHostileInput, PrintingSaysNothingOfQt)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("XDG_RUNTIME_DIR");
    process.setProcessEnvironment(environment);
    process.start(HULLCALC_CLI_PATH,
                  {"--print-pdf", QString::fromStdString(path("charts")), "--json", path("r.json").c_str()});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError().toStdString(), "");
}

}  // namespace
}  // namespace hullcalc
