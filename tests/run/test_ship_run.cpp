// The run of a whole ship: where a failure's cause stands, as the windows
// label it and as the JSON Pointer into the result document, and the batch
// document written a ship at a time.
#include "common/error.h"
#include "common/utf8_text.h"
#include "presentation/trim_window_pages.h"
#include "run/result_json.h"
#include "run/ship_run.h"
#include "run/step_sheets.h"
#include "run/text_report.h"
#include "strength/hull_girder.h"
#include "vibration/tone_comparison.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace hullcalc {
namespace {

using Json = nlohmann::json;

struct FailureCase {
    const char* name;
    std::function<void(Ship&)> edit;
    int tone;  // 0: the trim run alone
    std::string message;
    FailurePlace place;
};

// The labels are those the windows have always shown (the command line's
// "at" line, README); a pointer's indices count from 0: frame row 3 is frame 2,
// waterline column 5 is index 4, spacing row 4 ("3-4") is index 3.
const FailureCase failureCases[] = {
    {"offset",
     [](Ship& s) { s.input.offsets.setCell(5, 3, "1.5"); },
     0,
     "'1.5' is not a valid floating point value",
     {"«Исходные данные», шпангоут «2 шп», ватерлиния «5»", "/input/offsets/2/4"}},
    {"mass",
     [](Ship& s) { s.input.masses.setCell(1, 4, "сорок"); },
     0,
     "'сорок' is not a valid floating point value",
     {"«Исходные данные», шпация «3-4»", "/input/masses/3"}},
    {"particular",
     [](Ship& s) { s.particulars.length = "x"; },
     0,
     "'x' is not a valid floating point value",
     {"«Главные размерения судна», «Длина расчетная L, м»", "/input/particulars/length"}},
    {"inertia",
     [](Ship& s) { s.sectionInertia.setCell(1, 4, "abc"); },
     2,
     "'abc' is not a valid floating point value",
     {"«Вибрация», шпация «3-4»", "/input/section_inertia/3"}},
};

class RunFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(RunFailure, NamesItsPlaceAsLabelAndAsPointerIntoTheResult)
{
    const FailureCase& c = GetParam();
    Ship ship = exampleShip();
    ship.particulars.shipType = ShipType::river;
    c.edit(ship);
    const ShipRun run = runShip(ship, RunRequest{c.tone ? std::vector{c.tone} : std::vector<int>{}});
    ASSERT_TRUE(run.failure);
    EXPECT_EQ(run.failure->message, c.message);
    EXPECT_EQ(run.failure->place, c.place);
    EXPECT_EQ(c.tone == 0, run.trim.failure.has_value()) << "the step that failed carries it too";

    // The pointer finds the very value the user typed: its text, or null for
    // a number cell that holds no number, between neighbours that are numbers.
    const Json result = Json::parse(resultDocument(run));
    const Json& at = result.at(Json::json_pointer(c.place.pointer));
    if (at.is_object())
        EXPECT_EQ(at.at("text"), "x");
    else
        EXPECT_TRUE(at.is_null());
    EXPECT_EQ(result.at("error_location"), c.place.label);
}

INSTANTIATE_TEST_SUITE_P(Places, RunFailure, testing::ValuesIn(failureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Tables that come without their captions (the windows' before the trim
// window first shows) still name the bad cell by its frame and waterline.
TEST(ShipRun, FailureInTablesWithoutCaptionsNamesTheFrameAndWaterline)
{
    Ship ship = blankShip();
    ship.input = InputTables{};
    const ShipRun run = runShip(ship, RunRequest{{1}});
    ASSERT_TRUE(run.failure);
    EXPECT_EQ(run.failure->place,
              (FailurePlace{"«Исходные данные», шпангоут «0 шп», ватерлиния «1»", "/input/offsets/0/0"}));
}

// A shear area beyond any beam (its stiffness overflows) leaves every tone
// without its beam models: each still stands with the energy method's
// frequency, taken and checked for resonance, and the reasons read in Russian.
TEST(ShipRun, ToneWithoutItsBeamModelKeepsTheEnergyMethod)
{
    Ship ship = exampleShip();
    ship.particulars.shipType = ShipType::river;
    ship.vibrationOptions.shearArea = "1,7976931348623157E308";
    ship.vibrationOptions.shaftRpm = "300";
    ship.vibrationOptions.blades = "4";
    const ShipRun run = runShip(ship, RunRequest{{1, 2, 3, 4}});
    ASSERT_FALSE(run.failure);
    const std::vector<ToneSummary> compared = run.comparedTones();
    ASSERT_EQ(compared.size(), 4u);
    for (const ToneSummary& tone : compared) {
        EXPECT_GT(tone.energyFrequency, 0.0);
        EXPECT_EQ(tone.beamFrequency, 0.0);
        EXPECT_EQ(recommendedFrequency(tone), tone.energyFrequency);
        EXPECT_EQ(recommendedMethod(tone), "энергетический метод");
    }
    EXPECT_EQ(run.resonance.size(), 4u * 3u) << "the shaft, blade and twice the blade frequency for each tone";
    EXPECT_EQ(run.tones.at(0).beamError, "Переполнение при расчете: числа слишком велики");
    EXPECT_EQ(run.shearAreaNote, "Переполнение при расчете: числа слишком велики");
}

// Each step's record: a failed step names its cause, the later ones say why
// they were not computed; a run asked for up to a step leaves the rest unasked.
// A tone asked for on a failed trim run fails without throwing.
TEST(ShipRun, AFailedStepStopsTheLaterOnesWhichSayWhy)
{
    Ship ship = exampleShip();
    ship.particulars.shipType = ShipType::river;
    ship.strength = exampleStrengthInput();
    const auto status = [](const ShipRun& run) {
        std::vector<StepRecord::Status> all;
        for (const StepRecord& record : run.steps)
            all.push_back(record.status);
        return all;
    };
    using S = StepRecord::Status;

    // Without z_g the large-angle stability (second) is not asked for.
    const ShipRun whole = runShip(ship, everyTone());
    EXPECT_EQ(status(whole), (std::vector{S::computed, S::notComputed, S::computed, S::computed, S::computed}));
    EXPECT_EQ(whole.tones.size(), 4u);
    EXPECT_TRUE(whole.kumai);

    const ShipRun trimOnly = runShip(ship, everyTone(RunStep::trim));
    EXPECT_EQ(status(trimOnly),
              (std::vector{S::computed, S::notComputed, S::notComputed, S::notComputed, S::notComputed}));
    EXPECT_TRUE(trimOnly.step(RunStep::tones).why.empty()) << "not asked for is no failure";

    // Row 2, F: the member cell (1, 2) of the table.
    ship.strength->girderMembers.setCell(1, 2, "x");
    const ShipRun failed = runShip(ship, everyTone());
    EXPECT_EQ(status(failed), (std::vector{S::computed, S::notComputed, S::failed, S::notComputed, S::notComputed}));
    const hullcalc::RunFailure& failure = *failed.step(RunStep::strength).failure;
    EXPECT_EQ(failure.place, (FailurePlace{"«Судно на волне», «Эквивалентный брус», строка 2, столбец «F, см²»",
                                           "/input/strength/girder/1/1"}));
    EXPECT_EQ(failed.step(RunStep::tones).why, "не рассчитано: ошибка на шаге «расчет на волне»");
    EXPECT_TRUE(failed.tones.empty());
    const Json result = Json::parse(resultDocument(failed));
    EXPECT_EQ(result.at(Json::json_pointer(failure.place.pointer)), "x");

    ship.particulars.designDisplacement = "0";  // refused before any step writes
    const TrimRun trim = runTrim(ship);
    ASSERT_TRUE(trim.failure);
    EXPECT_EQ(trim.failure->place.pointer, "/input/particulars/design_displacement");
    const ToneRun tone = runTone(ship, trim, 1);
    EXPECT_TRUE(tone.failure);
    EXPECT_FALSE(tone.beam);
}

// The streamed batch is the documents of its ships, schema key aside, in order.
TEST(ResultStream, BatchHoldsEachShipsDocumentInOrder)
{
    Ship river = exampleShip();
    river.particulars.shipType = ShipType::river;
    Ship sea = river;
    sea.particulars.shipType = ShipType::sea;
    const ShipRun runs[] = {runShip(river, {}), runShip(sea, RunRequest{{1}})};

    std::ostringstream out;
    ResultStream stream(out);
    for (const ShipRun& run : runs)
        stream.add(run);
    stream.finish();
    const Json batch = Json::parse(out.str());
    ASSERT_EQ(batch.size(), 2u);
    EXPECT_EQ(batch.at("schema"), resultSchema);
    ASSERT_EQ(batch.at("results").size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        Json single = Json::parse(resultDocument(runs[i]));
        single.erase("schema");
        EXPECT_EQ(batch.at("results").at(i), single);
    }
    EXPECT_EQ(batch.at("results").at(1).at("input").at("water_density"), seaWaterDensity);

    std::ostringstream none;
    ResultStream empty(none);
    empty.finish();
    EXPECT_EQ(Json::parse(none.str()), (Json{{"results", Json::array()}, {"schema", resultSchema}}));
}

// With z_g typed the run computes the large-angle stability after the trim
// calculation, in the ship's trim mode; the document and the readable report
// carry it, every general criterion passed for the example at z_g 2,0 m.
TEST(ShipRun, LargeAngleStabilityInTheDocumentAndTheReport)
{
    for (const StabilityTrim mode : {StabilityTrim::fixed, StabilityTrim::free}) {
        Ship ship = exampleShip();
        ship.particulars.shipType = ShipType::river;
        ship.particulars.verticalCentreOfGravity = "2,0";
        ship.particulars.stabilityTrim = mode;
        const ShipRun run = runShip(ship, RunRequest{{}, false, RunStep::kumai});
        ASSERT_TRUE(run.step(RunStep::stability).computed());
        const nlohmann::json stability = resultJson(run)["large_angle_stability"];
        EXPECT_EQ(stability["trim_mode"], stabilityTrimKey(mode));
        EXPECT_EQ(stability["heel"].size(), 19u);
        EXPECT_EQ(stability["righting_lever"].size(), 19u);
        EXPECT_EQ(stability["criteria"].size(), 6u);
        for (const auto& criterion : stability["criteria"])
            EXPECT_TRUE(criterion["passed"].get<bool>()) << criterion["name"];
        EXPECT_EQ(stability["cross_curves"]["kn"].size(), 11u);
        std::ostringstream report;
        printTextReport(report, run);
        EXPECT_NE(report.str().find("Остойчивость на больших углах"), std::string::npos);
    }
    // Without z_g the step is not asked for and the key is null.
    const ShipRun plain = runShip(exampleShip(), RunRequest{{}, false, RunStep::kumai});
    EXPECT_FALSE(plain.step(RunStep::stability).computed());
    EXPECT_TRUE(resultJson(plain)["large_angle_stability"].is_null());
}

// A reader that builds the document a key at a time (the Python module) reads
// what the whole document holds, for every key of a run with every step.
TEST(ResultJson, EachPartBuiltAloneIsTheDocumentsOwn)
{
    Ship ship = exampleShip();
    ship.particulars.verticalCentreOfGravity = "2,0";
    ship.strength.emplace(ship.strengthDefaults);
    const ShipRun run = runShip(ship, everyTone());
    const nlohmann::json document = resultJson(run);
    for (const auto& [key, value] : document.items())
        EXPECT_EQ(resultPart(run, key), value) << key;
    EXPECT_TRUE(resultPart(run, "no_such_key").is_null());
}

// Every page laid out as a step's sheet has its step among the run's sheets
// and the other way round. The trim window's dump is one object and the
// workbook refuses a sheet name twice: each sheet's components and workbook
// sheets are named once among all of them. A run without the step keeps the
// captions of its tables and says why.
TEST(StepSheets, EachPageHasItsStepAndNamesEachPartOnce)
{
    std::vector<std::string_view> pageKeys;
    for (const TrimWindowPage& page : trimWindowPages())
        if (page.layout == PageLayout::sheet)
            pageKeys.push_back(page.sheet);
    std::vector<std::string_view> stepKeys;
    for (const SheetStep& step : sheetSteps())
        stepKeys.push_back(step.key);
    EXPECT_EQ(pageKeys, stepKeys);

    const ShipRun run = runShip(exampleShip(), RunRequest{{}, false, RunStep::kumai});
    const TrimSheet& trim = run.trim.sheet;
    std::set<std::string_view> names;
    for (const NamedGrid& grid : trimWindowGrids(trim))
        names.insert(grid.name);
    for (const NamedChart& chart : trimCharts(trim))
        names.insert(chart.name);
    std::vector<std::string_view> books = trimWorkbookSheets();
    std::set<std::string_view> workbookSheets(books.begin(), books.end());
    for (const SheetStep& step : sheetSteps()) {
        const StepSheet sheet = stepSheetOf(run, step.key);
        EXPECT_FALSE(sheet.computed()) << step.key;
        EXPECT_TRUE(sheet.figures.empty()) << step.key;
        EXPECT_TRUE(names.insert(sheet.statusName).second) << sheet.statusName;
        EXPECT_TRUE(names.insert(sheet.figuresName).second) << sheet.figuresName;
        for (const SheetGrid& grid : sheet.grids) {
            EXPECT_TRUE(names.insert(grid.name).second) << grid.name;
            EXPECT_TRUE(workbookSheets.insert(grid.workbookSheet).second) << grid.workbookSheet;
            EXPECT_LE(characterCount(grid.workbookSheet), 31u) << grid.workbookSheet;
            EXPECT_EQ(grid.jsonPointer.substr(0, step.key.size() + 1), "/" + std::string(step.key)) << grid.name;
            EXPECT_FALSE(grid.grid.cell(grid.grid.columnCount() - 1, 0).empty()) << grid.name;
        }
        for (const SheetChart& chart : sheet.charts) {
            EXPECT_TRUE(names.insert(chart.name).second) << chart.name;
            const bool followsAGrid =
                std::ranges::find(sheet.grids, chart.underGrid, &SheetGrid::name) != sheet.grids.end();
            EXPECT_TRUE(chart.underGrid.empty() || followsAGrid) << chart.name;
        }
    }
    EXPECT_THROW(stepSheetOf(run, "no_such_step"), Error);
}

}  // namespace
}  // namespace hullcalc
