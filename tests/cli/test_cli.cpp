// hullcalc-cli as a batch user runs it: the command line and its exit statuses,
// the dump of what the windows show, failures named at their cause, several
// input files in one call, the data files and the printed charts.
#include "cli/cli.h"
#include "cli_outcome.h"
#include "program_output.h"
#include "qt_json_printers.h"
#include "test_directory.h"
#include "trim/ship_particulars.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>

namespace hullcalc {
namespace {

namespace fs = std::filesystem;

// A command line and what it should report: the message (or its start) and
// the place it names.
struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string message;
    std::string place = "";
    std::string shown = "";  // on standard error, when other than `message`
};

class Cli : public testing::Test {
protected:
    TestDirectory directory;
    const fs::path& dir = directory.path();
    std::string path(const char* name) const { return (dir / name).string(); }
};

// The rows, labels and charts as written; the vibration window only with
// --tone. Tone II's texts (two half-waves, added-mass coefficient 0,07) were
// taken from a run reviewed in the window and pin the tone's parameters.
TEST_F(Cli, DumpHoldsTheExampleShipAsTheWindowsShowIt)
{
    const Outcome r = run({"--dump", "-"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "") << "the example ship draws no warning";
    const std::string& json = r.out;
    EXPECT_EQ(json.substr(0, 41), R"({"error":null,"MainForm":{"ShipD":"1503",)");
    EXPECT_EQ(json.substr(json.size() - 2), "}\n");
    EXPECT_TRUE(contains(json, R"("WaterDensity":1.0})"));
    EXPECT_TRUE(contains(json, R"("OrdinatGrid":[["","1","2","3","4","5","6","7","8","9","10"],["0 шп","0",)"));
    EXPECT_TRUE(contains(json, R"("Label25":"0,98","Label26":"1,49","Label27":"1,23")"));
    EXPECT_TRUE(contains(json, R"("OTChGraphResults":[{"title":"0 шп","points":[[0.0,0.0],)"));
    EXPECT_TRUE(contains(json, R"("NagrGraph":[{"title":"","points":[[0.0,382.32,"0-1"],)"));
    EXPECT_TRUE(contains(json, R"("approximations":2})"));
    EXPECT_FALSE(contains(json, "VibrForm"));

    const Outcome tone = run({"--tone", "2", "--dump", "-"});
    ASSERT_EQ(tone.status, 0) << tone.err;
    EXPECT_TRUE(contains(tone.out, R"("Label4":"72629,7145","Label5":"464,8125","Label6":" 12,5002",)"));
    EXPECT_TRUE(contains(tone.out, R"("VibrForm":{"Vibr1Grid":[)"));
}

// The checks of the trim window run before and after the calculation; a
// warning never stops it, and the JSON points at the input it is about.
TEST_F(Cli, WarningsNameTheirPlaceAndNeverStopTheRun)
{
    const Case cases[] = {
        {"negative_offset",
         {"--offset", "5,10=-5"},
         "Отрицательная полуширина -5 м: шпангоут «9 шп»",
         "/input/offsets/9/4"},
        {"masses_over_displacement", {"--mass", "4=500"}, "Сумма масс шпаций 1344,72 т", "/input/masses"},
        {"length_against_spacing", {"--set", "ShipL=80"}, "Длина L = 80 м", "/input/particulars/frame_spacing"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--json", path("r.json")});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 0) << c.name << ": " << r.err;
        const QJsonArray warnings = jsonOf(bytesOf(dir / "r.json"))["warnings"].toArray();
        ASSERT_FALSE(warnings.isEmpty()) << c.name;
        EXPECT_TRUE(warnings[0]["message"].toString().toStdString().starts_with(c.message)) << c.name;
        EXPECT_EQ(warnings[0]["place"].toString().toStdString(), c.place) << c.name;
        EXPECT_TRUE(r.err.starts_with("hullcalc-cli: Предупреждение: " + c.message)) << c.name << ": " << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), warnings.size()) << c.name << ": one line each";
    }
}

// --tone N prints the beam model's frequency under the energy method's; --tone
// all a table of the four tones, each with its beam-model line, and Kumai's
// estimate beside tone I.
TEST_F(Cli, ReportOfTonesShowsBothMethods)
{
    const Outcome one = run({"--tone", "2"});
    EXPECT_TRUE(
        one.out.ends_with("\nЧастота    12,5002\ndelta    -0,0145\nbetta     2,4546\nЧастота по балочной "
                          "модели: 12,2982 1/с; 1,957 Гц; 117,4 кол/мин; отличие от энергетического метода "
                          "-1,6 %\nПринять: энергетический метод\n"));
    const Outcome all = run({"--tone", "all"});
    // Kumai by hand: Δᵢ = (1,2 + 11/(3·1,23))·886,74 t at the floating draft
    // 1,23 m, I = 0,236 m⁴ at midship, L = 75 m: 3,07·10⁶·√(I/(Δᵢ·L³)) = 37,71;
    // the energy method's 44,83 кол/мин is 18,9 % above it. B/T = 11/1,23 = 8,9.
    EXPECT_TRUE(contains(all.out,
                         "\nI        4,6944     0,747        44,8   1,000   Кумаи: 37,7 кол/мин; отличие "
                         "18,9 % (формула получена для морских судов с B/T 2–4; здесь B/T = 8,9)\n     Частота по "
                         "балочной модели: 4,6085 1/с;"))
        << all.out;
    EXPECT_TRUE(std::regex_search(all.out, std::regex("\nIV +29,7359 +4,733 +284,0 +6,334\n +Частота по балочной")));

    // Kumai takes the draft the ship floats at, not the draft T typed; in the
    // JSON it stands beside tone I only.
    const Outcome noDraft = run({"--tone", "all", "--set", "ShipT=", "--json", "-"});
    EXPECT_EQ(noDraft.status, 0) << noDraft.err;
    const QJsonArray tones = jsonOf(noDraft.out)["vibration"].toArray();
    EXPECT_NEAR(tones[0]["kumai"]["per_minute"].toDouble(), 37.7105, 1e-4);
    EXPECT_FALSE(tones[3]["kumai"].isObject());
    // The energy method's tones III and IV against the beam model: more than
    // 10 % apart, so both are warned about, on standard error and in the JSON.
    for (const char* tone : {"Тон III: ", "Тон IV: "})
        EXPECT_TRUE(contains(all.err, std::string("Предупреждение: ") + tone
                                          + "энергетический метод отличается от "
                                            "балочной модели на "))
            << all.err;
    EXPECT_FALSE(contains(all.err, "Тон I:")) << "tone I agrees within 2 %";
}

// The options themselves are listed by the command-line parser; the
// particulars' names come from the tool.
TEST_F(Cli, HelpListsBothNamesOfEveryParticular)
{
    const Outcome r = run({"--help"});
    ASSERT_EQ(r.status, 0);
    for (const ParticularField& field : particularFields)
        EXPECT_TRUE(contains(r.out, std::string(field.key) + ", " + std::string(field.optionName))) << field.key;
    EXPECT_TRUE(r.out.starts_with("Использование: hullcalc-cli [параметры] [INPUT...]\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "\nПараметры:\n") && contains(r.out, "\nАргументы:\n")) << r.out;

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("hullcalc-cli ")) << version.out;
}

// A message echoes at most a hundred characters of an argument, a Cyrillic
// letter whole.
TEST_F(Cli, BadUsageExitsWithTwoNamingTheFault)
{
    const std::string output = path("out.json");
    const Case cases[] = {
        {"waterline_0", {"--offset", "0,5=1"}, "--offset: '0' — не число от 1 до 10"},
        {"semicolon", {"--offset", "3;5=1"}, "--offset ожидает COL,ROW=TEXT, а получено '3;5=1'"},
        {"spacing_21", {"--mass", "21=1"}, "--mass: '21' — не число от 1 до 20"},
        {"inertia_no_text", {"--inertia", "3"}, "--inertia ожидает ROW=TEXT, а получено '3'"},
        {"unknown_particular", {"--set", "ShipX=1"}, "--set: нет главного размерения 'ShipX'"},
        {"tone_5", {"--tone", "5"}, "--tone: '5' — не число от 1 до 4 и не all"},
        {"report_to_stdout", {"--report", "-"}, "--report пишет файл: укажите его имя, а не -"},
        {"report_and_workbook_one_file",
         {"--report", output, "--xlsx", output},
         "--report и --xlsx называют один файл"},
        {"project_of_two_inputs",
         {"a.txt", "b.txt", "--save-project", output},
         "--save-project пишет файлы одного входного файла"},
        {"json_without_file", {"--json"}, "Нет значения после '--json'"},
        {"value_to_a_switch", {"--sea=1"}, "Лишнее значение у '--sea'"},
        {"wave_profile_sine", {"--wave-profile", "sine"}, "--wave-profile: 'sine' — не trochoid и не cosine"},
        {"stability_trim_level", {"--stability-trim", "level"}, "--stability-trim: 'level' — не fixed и не free"},
        {"added_mass_strip", {"--added-mass", "strip"}, "--added-mass: 'strip' — не formula и не lewis"},
        {"unknown_option", {"--frobnicate"}, "неизвестный параметр '--frobnicate'"},
        {"unknown_title_field", {"--title-field", "teacher=Петров"}, "--title-field: нет поля 'teacher'"},
        {"two_outputs_to_stdout", {"--json", "-", "--dump", "-"}, "--json и --dump оба пишут в стандартный вывод"},
        {"long_name",
         {"--set", std::string(300, 'x') + "=1"},
         "--set: нет главного размерения '" + std::string(100, 'x') + "…'"},
        {"long_option", {"--" + std::string(500, 'y')}, "неизвестный параметр '--" + std::string(98, 'y') + "…'"},
    };
    for (const Case& c : cases) {
        const Outcome r = run(c.args);
        EXPECT_EQ(r.status, 2) << c.name;
        EXPECT_TRUE(r.err.starts_with("hullcalc-cli: " + c.message)) << c.name << ": " << r.err;
        EXPECT_TRUE(contains(r.err, "Подробнее: «hullcalc-cli --help»")) << c.name;
        EXPECT_EQ(r.out, "") << c.name;
    }
    EXPECT_FALSE(fs::exists(output)) << "nothing is written on bad usage";
}

// Each reproducer names the cell or particular at fault as the windows label
// it, after the message's first line as the core wrote it; the JSON keeps both.
// A particular is named by its caption, whichever name it was set by.
TEST_F(Cli, FailureNamesItsCause)
{
    const std::string notPositive = "Значение должно быть больше нуля: ";
    const std::string particulars = "«Главные размерения судна», ";
    const Case cases[] = {
        {"offset_with_a_point",
         {"--offset", "5,3=1.5"},
         "'1.5' is not a valid floating point value",
         "«Исходные данные», шпангоут «2 шп», ватерлиния «5»",
         "Не число: «1.5» (десятичный разделитель — запятая)"},
        {"mass_not_a_number",
         {"--mass", "4=abc"},
         "'abc' is not a valid floating point value",
         "«Исходные данные», шпация «3-4»",
         "Не число: «abc» (десятичный разделитель — запятая)"},
        {"mass_empty",
         {"--mass", "4="},
         "'' is not a valid floating point value",
         "«Исходные данные», шпация «3-4»",
         "Пустое значение: нужно число"},
        {"frame_spacing_zero",
         {"--set", "ShipdL=0"},
         notPositive + "«0»",
         particulars + "«Теоретическая шпация ΔL, м»"},
        {"breadth_zero", {"--set", "breadth=0"}, notPositive + "«0»", particulars + "«Ширина расчетная B, м»"},
        {"girder_member_above_the_deck",
         {"--girder", path("girder.csv")},
         "Отстояние связи z = 4 м вне высоты борта 0 – 3,5 м",
         "«Судно на волне», «Эквивалентный брус», строка 2, столбец «z, м»"},
    };
    std::ofstream(dir / "girder.csv") << "Палуба;140;3,5;0\nБорт;220;4;89\n";
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--json", path("r.json")});
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 1) << c.name;
        // Standard error and the JSON's message in Russian, the JSON's error
        // the system text callers compare.
        const std::string shown = c.shown.empty() ? c.message : c.shown;
        EXPECT_EQ(r.err, "hullcalc-cli: " + shown + "\nhullcalc-cli: место: " + c.place + "\n") << c.name;
        const QJsonObject json = jsonOf(bytesOf(dir / "r.json"));
        EXPECT_EQ(json["error"].toString().toStdString(), c.message) << c.name;
        EXPECT_EQ(json["message"].toString().toStdString(), shown) << c.name;
        EXPECT_EQ(json["error_location"].toString().toStdString(), c.place) << c.name;
    }
}

TEST_F(Cli, FailedCalculationStillWritesItsPartialResults)
{
    const Outcome r = run({"--mass", "7=abc", "--dump", "-"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(contains(r.out, R"({"error":"'abc' is not a valid floating point value",)"));
    // The trim table stopped at the weights: the Bonjean table is complete.
    EXPECT_TRUE(contains(r.out, R"(["20 шп","0","0","0","0","0","0","0,2925",)"));
}

// Each file on its own with the same options; a failed one stops neither the
// others nor the JSON, which lists them all in their order.
TEST_F(Cli, SeveralInputsAreComputedOneByOne)
{
    const std::string first = path("первый.txt"), second = path("second.txt"), missing = path("missing.txt");
    ASSERT_EQ(run({"--save-input", first}).status, 0);
    ASSERT_EQ(run({"--mass", "1=50", "--save-input", second}).status, 0);

    const Outcome r = run({first, missing, second, "--sea", "--tone", "1", "--json", "-"});
    EXPECT_EQ(r.status, 1);
    // The changed mass is 0,8 % more than the displacement: warnings, under the file's name.
    const std::string failure = "hullcalc-cli: " + missing + ": Файл не найден: " + missing + "\n";
    EXPECT_TRUE(r.err.starts_with(failure)) << r.err;
    EXPECT_TRUE(std::regex_match(r.err.substr(failure.size()),
                                 std::regex("(hullcalc-cli: " + second + ": Предупреждение: [^\n]+\n)+")))
        << r.err;
    const QJsonObject json = jsonOf(r.out);
    EXPECT_EQ(json["schema"].toString(), "hullcalc-result/1");
    const QJsonArray results = json["results"].toArray();
    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(results[0]["input_file"].toString().toStdString(), first);
    EXPECT_EQ(results[1]["input_file"].toString().toStdString(), missing);
    // A file that could not be read: its name, the error and its place, no tables.
    EXPECT_EQ(results[1].toObject().keys(), (QStringList{"error", "error_location", "input_file", "message"}));
    EXPECT_EQ(results[1]["error"].toString(), "File not found");
    EXPECT_EQ(results[1]["message"].toString().toStdString(), "Файл не найден: " + missing);
    EXPECT_EQ(results[2]["input"]["masses"][0].toDouble(), 50);
    for (const int i : {0, 2}) {
        EXPECT_TRUE(results[i]["error"].isNull()) << i;
        EXPECT_EQ(results[i]["input"]["water_density"].toDouble(), 1.025) << i;
        EXPECT_EQ(results[i]["vibration"][0]["tone"].toInt(), 1) << i;
    }
    EXPECT_NE(results[0]["load_per_spacing"][0], results[2]["load_per_spacing"][0]);

    // Without --json each computed file prints its report under its name.
    const Outcome report = run({first, second});
    EXPECT_EQ(report.status, 0);
    EXPECT_TRUE(contains(report.out, "== " + first + " ==\n"));
    EXPECT_TRUE(contains(report.out, "== " + second + " ==\n"));
}

// An output named as a file the run reads - by its name, another spelling, a
// link, or a path where no file is yet - is bad usage: nothing is written and
// the input keeps every byte.
TEST_F(Cli, OutputsNeverReplaceInputs)
{
    const std::string project = path("ship.hullcalc"), link = path("link.hullcalc");
    const std::string otherSpelling = (dir / "sub" / ".." / "ship.hullcalc").string();
    const std::string missing = path("missing.txt"), girder = path("girder.csv"), chart = path("1.pdf");
    ASSERT_EQ(run({"--save-project", project}).status, 0);
    const std::string bytes = bytesOf(project);
    fs::create_directory(dir / "sub");
    fs::create_symlink(project, link);
    const std::vector<std::vector<std::string>> rows = {
        {project, "--report", project},     {project, "--json", otherSpelling},
        {project, "--dump", link},          {link, "--results", project},
        {project, "--xlsx", link},          {project, "--save-input", otherSpelling},
        {link, "--save-project", link},     {chart, "--print-pdf", dir.string()},
        {missing, "--save-input", missing}, {"--girder", girder, "--json", girder},
        {missing, project, "--json", link},  // a batch: its later input too
    };
    for (const std::vector<std::string>& args : rows) {
        const Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args[1];
        EXPECT_TRUE(r.err.starts_with("hullcalc-cli: вывод совпадает с входным файлом: --")) << r.err;
        EXPECT_EQ(bytesOf(project), bytes) << args[1];
        EXPECT_TRUE(fs::is_symlink(link)) << args[1];
        for (const std::string& file : {missing, girder, chart})
            EXPECT_FALSE(fs::exists(file)) << args[1] << " wrote " << file;
    }
}

TEST_F(Cli, FailedWriteNamesTheFileAndKeepsGoing)
{
    // The report and the workbook save on their own; their failures read as
    // the others', without the workbook library's own lines (the workbook's
    // temporary file is made by the safe save).
    const std::pair<const char*, const char*> cases[] = {
        {"--json", "Файл не найден"}, {"--report", "Файл не найден"}, {"--xlsx", "Файл не найден"}};
    for (const auto& [option, cause] : cases) {
        const std::string missingFolder = path("no/such/folder/r");
        const Outcome r = run({option, missingFolder, "--results", path("r.txt")});
        EXPECT_EQ(r.status, 1) << option;
        EXPECT_TRUE(contains(r.err, "hullcalc-cli: не удалось записать «" + missingFolder + "»: " + cause))
            << option << ": " << r.err;
        EXPECT_FALSE(contains(r.err, "[ERROR]")) << option << ": " << r.err;
        EXPECT_TRUE(fs::exists(dir / "r.txt")) << option << ": the other outputs are written";
        fs::remove(dir / "r.txt");
    }
}

// "Печать графиков": three documents, one landscape page each, into a folder
// made when missing.
TEST_F(Cli, PrintsEachResultsChartOnOneLandscapePage)
{
    const fs::path charts = dir / "графики" / "пример";
    ASSERT_EQ(run({"--print-pdf", charts.string()}).status, 0);
    const std::regex page(R"(/Type\s*/Page[^s])");
    const std::regex box(R"(/MediaBox\s*\[\s*0\s+0\s+([0-9.]+)\s+([0-9.]+)\s*\])");
    for (const char* name : {"1.pdf", "2.pdf", "3.pdf"}) {
        const std::string pdf = bytesOf(charts / name);
        ASSERT_EQ(pdf.substr(0, 5), "%PDF-") << name;
        EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n") << name << " is complete";
        EXPECT_EQ(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()), 1) << name;
        std::smatch size;
        ASSERT_TRUE(std::regex_search(pdf, size, box)) << name;
        EXPECT_GT(std::stod(size[1]), std::stod(size[2])) << name << " is not landscape";
    }
}

// --charts: every chart with points as a PNG other programs read at 300 dpi
// and an SVG that rsvg-convert draws; a folder that is the input is refused.
TEST_F(Cli, ChartsGoToAFolderAsPictureAndDrawing)
{
    const fs::path charts = dir / "графики";
    const Outcome r = run({"--strength", "--charts", charts.string()});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* stem : {"shear_force", "bending_moment", "centre_of_buoyancy", "curves_of_form_2",
                             "curves_of_form_3", "wave_bending_moment"}) {
        const fs::path png = charts / (std::string(stem) + ".png");
        const fs::path svg = charts / (std::string(stem) + ".svg");
        EXPECT_TRUE(bytesOf(png).starts_with("\x89PNG")) << stem;
        EXPECT_TRUE(contains(bytesOf(svg), "<svg")) << stem;
        if (const auto type = outputOf("file", {"-b", QString::fromStdString(png.string())})) {
            EXPECT_TRUE(contains(*type, "PNG image data, 1890 x 1181")) << *type;
        }
        if (const auto drawn = outputOf("rsvg-convert", {QString::fromStdString(svg.string())})) {
            EXPECT_TRUE(drawn->starts_with("\x89PNG")) << stem;
        }
    }
    // One pixel per 1/300 inch is 11811 per metre, in the PNG's pHYs chunk.
    const std::string png = bytesOf(charts / "shear_force.png");
    EXPECT_TRUE(contains(png, std::string("pHYs\0\0\x2E\x23\0\0\x2E\x23\x01", 13)));

    const std::string input = path("судно.txt");
    ASSERT_EQ(run({"--save-input", input}).status, 0);
    const Outcome refused = run({input, "--charts", input});
    EXPECT_EQ(refused.status, 2);
    EXPECT_TRUE(contains(refused.err, "входной файл, а графики пишутся в папку")) << refused.err;
}

// The report's layout is tested in tests/report; here, that it holds the run:
// its results, its checks, the tones compared and today's date. The sheets of
// the vibration (14 in all) stand uncompressed in the workbook's zip headers.
TEST_F(Cli, ReportAndWorkbookOfARun)
{
    ASSERT_EQ(run({"--tone", "1", "--xlsx", path("r.xlsx")}).status, 0);
    EXPECT_TRUE(contains(bytesOf(dir / "r.xlsx"), "xl/worksheets/sheet14.xml"));

    const Outcome report = run({"--tone", "all", "--report", path("отчет.pdf")});
    ASSERT_EQ(report.status, 0) << report.err;
    EXPECT_TRUE(bytesOf(dir / "отчет.pdf").starts_with("%PDF-"));
    const std::optional<std::string> text = pdfText(dir / "отчет.pdf");
    if (!text)
        GTEST_SKIP() << "no pdftotext to read the report's text back";
    // The remarks: tones III and IV by the two methods, and Kumai's range.
    for (const char* expected : {"19227,52", "Кумаи", "Тон III", "B/T = 8,9"})
        EXPECT_TRUE(contains(*text, expected)) << expected;
    EXPECT_TRUE(std::regex_search(*text, std::regex(R"(\b\d\d\.\d\d\.20\d\d\b)"))) << "today's date";
}

// A project holds everything the run was given: computed again from the
// project alone, it gives the same results as the command line that wrote it.
TEST_F(Cli, SavedProjectGivesTheSameResults)
{
    struct Case {
        const char* name;
        std::vector<std::string> edits;  // given when saving
        std::vector<std::string> load;   // given with the project, and with the edits for the results to match
    };
    const Case cases[] = {
        {"sea_ship_edited", {"--sea", "--set", "ShipDr=905,5", "--offset", "5,3=2,5"}, {}},
        {"section_inertia", {"--inertia", "3=0,25", "--tone", "1"}, {"--tone", "1"}},
        {"river_project_at_sea", {"--mass", "2=60"}, {"--sea"}},
    };
    for (const Case& c : cases) {
        const std::string project = path("судно.hullcalc");
        std::vector<std::string> save = c.edits;
        save.insert(save.end(), {"--save-project", project});
        ASSERT_EQ(run(save).status, 0) << c.name;
        std::vector<std::string> direct = c.edits;
        direct.insert(direct.end(), c.load.begin(), c.load.end());
        direct.insert(direct.end(), {"--json", path("direct.json")});
        ASSERT_EQ(run(direct).status, 0) << c.name;
        std::vector<std::string> loaded = {project, "--json", path("loaded.json")};
        loaded.insert(loaded.end(), c.load.begin(), c.load.end());
        const Outcome r = run(loaded);
        ASSERT_EQ(r.status, 0) << c.name << ": " << r.err;

        QJsonObject expected = jsonOf(bytesOf(dir / "direct.json"));
        QJsonObject actual = jsonOf(bytesOf(dir / "loaded.json"));
        EXPECT_EQ(actual["input_file"].toString().toStdString(), project) << c.name;
        expected.remove("input_file");
        actual.remove("input_file");
        EXPECT_EQ(actual, expected) << c.name;
    }
}

// The title block, the beam with shear's, the added mass's and the resonance
// check's options are kept in the project the run writes, as typed.
TEST_F(Cli, TitleAndVibrationOptionsGoIntoTheProject)
{
    const std::string project = path("судно.hullcalc");
    const Outcome r = run({"--title-field", "author=Иванов И. И.", "--title-field", "variant=7", "--shear-area",
                           "0,035", "--added-mass", "lewis", "--shaft-rpm", "300", "--blades", "4", "--engine-rpm",
                           "600", "--firing-per-revolution", "3", "--save-project", project});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = bytesOf(dir / "судно.hullcalc");
    for (const char* entry :
         {"\"author\": \"Иванов И. И.\"", "\"variant\": \"7\"", "\"addedMass\": \"lewis\"", "\"shearArea\": \"0,035\"",
          "\"shaftRpm\": \"300\"", "\"blades\": \"4\"", "\"engineRpm\": \"600\"", "\"firingPerRevolution\": \"3\""})
        EXPECT_TRUE(contains(bytes, entry)) << entry;
}

}  // namespace
}  // namespace hullcalc
