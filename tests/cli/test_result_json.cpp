// The documented JSON result of hullcalc-cli: its numbers are the values of the
// texts the windows show, laid out as docs/json-schema.md describes them.
#include "cli/cli.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "qt_json_printers.h"
#include "test_directory.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <set>
#include <sstream>

namespace hullcalc {
namespace {

namespace fs = std::filesystem;

QJsonObject resultOf(const std::vector<std::string>& args)
{
    std::vector<std::string> all = args;
    all.insert(all.end(), {"--json", "-"});
    std::ostringstream out, err;
    EXPECT_EQ(runCli(all, out, err), 0) << err.str();
    return jsonOf(out.str());
}

double valueOfText(const QJsonValue& text) { return parseNumber(text.toString().toStdString()); }

// The options that make the example a box barge 75 × 11 m: every offset 5,5 m.
std::vector<std::string> boxBarge()
{
    std::vector<std::string> args;
    for (int row = 1; row <= frameCount; ++row)
        for (int column = 1; column <= waterlineCount; ++column)
            args.insert(args.end(), {"--offset", std::to_string(column) + "," + std::to_string(row) + "=5,5"});
    return args;
}

TEST(ResultJson, ExampleShip)
{
    const QJsonObject json = resultOf({});
    EXPECT_EQ(json["schema"].toString(), "hullcalc-result/1");
    EXPECT_TRUE(json["input_file"].isNull());
    EXPECT_TRUE(json["error"].isNull());
    EXPECT_TRUE(json["error_location"].isNull());
    EXPECT_EQ(json["warnings"], QJsonArray());
    EXPECT_EQ(json["vibration"], QJsonArray()) << "no vibration without --tone";
    for (const char* key : {"wave", "girder", "stresses", "rule_loads"})
        EXPECT_TRUE(json[key].isNull()) << key << ": no strength check without its options";

    const QJsonValue input = json["input"];
    EXPECT_EQ(input["particulars"]["design_displacement"], QJsonObject({{"text", "886,74"}, {"value", 886.74}}));
    EXPECT_EQ(input["water_density"].toDouble(), 1.0);
    EXPECT_EQ(input["offsets"][20], QJsonArray({0, 0, 0, 0, 0, 0, 0.75, 1.6, 2.4, 3.1}));
    EXPECT_EQ(input["section_inertia"][0].toDouble(), 0.12);

    // The summary's values are the trim table's (test_trim_table.cpp); each
    // key is matched with its label in NumbersAreTheShownTexts.
    EXPECT_EQ(json["summary"].toObject().size(), 11);
    EXPECT_EQ(json["summary"]["longitudinal_metacentric_radius"].toDouble(), 316.43);

    const QJsonValue curves = json["hydrostatic_curves"];
    EXPECT_EQ(curves["waterline_height"], QJsonArray({0, 0.39, 0.78, 1.17, 1.56, 1.95, 2.34, 2.73, 3.12, 3.51}));
    EXPECT_EQ(curves["volume"][1].toDouble(), 270.27);
    EXPECT_TRUE(curves["transverse_radius"][0].isNull()) << "r has no value on the keel, where V is 0";

    const QJsonValue waterline = json["design_waterline"];
    EXPECT_EQ(waterline["approximation_count"].toInt(), 2);
    EXPECT_EQ(waterline["approximations"].toArray().size(), 2);
    EXPECT_EQ(waterline["approximations"][1]["volume"].toDouble(), 886.761434762059);
    EXPECT_TRUE(waterline["accepted"].toBool());
    EXPECT_EQ(waterline["forward_draft"], waterline["frame_drafts"][0]);
    EXPECT_EQ(waterline["aft_draft"], waterline["frame_drafts"][20]);

    const QJsonValue table = json["trim_table"];
    for (const char* perFrame :
         {"section_area", "uncorrected_shear_force", "shear_force_sum", "shear_force", "bending_moment"})
        EXPECT_EQ(table[perFrame].toArray().size(), 21) << perFrame;
    for (const char* perSpacing : {"area_sum", "buoyancy", "weight", "load"})
        EXPECT_EQ(table[perSpacing].toArray().size(), 20) << perSpacing;
    EXPECT_EQ(table["totals"]["volume"], waterline["approximations"][1]["volume"]);

    EXPECT_EQ(json["load_per_spacing"][0].toDouble(), 382.32);
    EXPECT_EQ(json["shear_force"].toArray().size(), 21);
    EXPECT_EQ(json["bending_moment"][9].toDouble(), 19227.52);
}

// The box barge of the strength tests (every offset 5,5 m, 990 t in equal
// spacings, XG 0) on a cosine wave of 1 m: the mean draft stays 1,2 m and the
// midship moment is the table method's ±ρg·B·h·ΔL²·cot²(π/20)/4 = ±15 123 kN·m
// (derived in test_ship_on_wave.cpp). Its girder, read from a CSV file, is the
// four-plate box of test_hull_girder.cpp in a hull 3 m deep: I = 0,44625 m⁴,
// σ_deck = 15 123/0,274615 kPa = 55,07 MPa.
TEST(ResultJson, BoxBargeOnACosineWave)
{
    TestDirectory directory;
    const fs::path girder = directory.path() / "girder.csv";
    std::ofstream(girder) << "Связь;F, см²;z, м;i, см²·м²\nПалуба;800;3;\r\nБорт;300;1,5;225\nБорт;300;1,5;225\n"
                             "Днище;1000;0;0\n\n";
    std::vector<std::string> args = boxBarge();
    args.insert(args.end(), {"--set", "ShipDr=990", "--set", "ShipXct=0", "--set", "ShipH=3", "--wave-height", "1",
                             "--wave-profile", "cosine", "--girder", girder.string()});
    for (int row = 1; row <= spacingCount; ++row)
        args.insert(args.end(), {"--mass", std::to_string(row) + "=49,5"});
    const QJsonObject json = resultOf(args);

    const double expected = 9.81 * 11 * 3.75 * 3.75 / std::pow(std::tan(std::numbers::pi / 20), 2) / 4;
    EXPECT_EQ(json["wave"]["profile"].toString(), "cosine");
    EXPECT_EQ(json["wave"]["height"].toDouble(), 1.0);
    for (const auto& [key, sign] : {std::pair{"hogging", 1.0}, std::pair{"sagging", -1.0}}) {
        const QJsonValue wave = json["wave"][key];
        EXPECT_NEAR(wave["mean_draft"].toDouble(), 1.2, 1e-9) << key;
        EXPECT_NEAR(wave["bending_moment"][10].toDouble(), sign * expected, 1e-3 * expected) << key;
        EXPECT_EQ(wave["wave_bending_moment"][10], wave["bending_moment"][10]) << key;
        EXPECT_EQ(wave["largest_bending_moment"]["frame"].toInt(), 10) << key;
    }
    EXPECT_EQ(json["girder"]["members"].toArray().size(), 4);
    EXPECT_NEAR(json["girder"]["inertia_m4"].toDouble(), 0.44625, 1e-12);
    EXPECT_NEAR(json["girder"]["neutral_axis"].toDouble(), 1.375, 1e-12);
    EXPECT_EQ(json["stresses"]["allowable"].toDouble(), 175.0);
    EXPECT_NEAR(json["stresses"]["cases"][1]["deck"].toDouble(), 55.07, 0.06);
    EXPECT_EQ(json["rule_loads"]["applies"].toBool(), false);
}

// Written together, the JSON's numbers are the dump's texts read as numbers.
TEST(ResultJson, NumbersAreTheShownTexts)
{
    TestDirectory directory;
    const fs::path json = directory.path() / "r.json", dump = directory.path() / "d.json";
    std::ostringstream out, err;
    ASSERT_EQ(
        runCli({"--sea", "--set", "ShipDr=905,5", "--tone", "3", "--json", json.string(), "--dump", dump.string()}, out,
               err),
        0)
        << err.str();
    EXPECT_EQ(out.str(), "") << "no report when files are asked for";
    const QJsonObject result = jsonOf(bytesOf(json));
    const QJsonObject shown = jsonOf(bytesOf(dump));
    const QJsonValue trim = shown["UdifForm"];

    int label = 19;  // Label19 to Label29, in the summary's order
    for (const char* key : {"displacement_volume", "centre_of_gravity", "centre_of_buoyancy", "centre_of_flotation",
                            "longitudinal_metacentric_radius", "waterplane_area", "forward_draft", "aft_draft",
                            "mean_draft", "shear_force_closure"})
        EXPECT_EQ(result["summary"][key].toDouble(), valueOfText(trim["Label" + QString::number(label++)])) << key;
    // The moment's closure in kN·m: the summary's sum (shown without unit) times ΔL/2 = 1,875 m.
    EXPECT_DOUBLE_EQ(result["summary"]["bending_moment_closure"].toDouble(), valueOfText(trim["Label29"]) * 1.875);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(result["load_per_spacing"][i].toDouble(), valueOfText(trim["NagrGrid"][i][1])) << i;
        EXPECT_EQ(result["trim_table"]["weight"][i].toDouble(), valueOfText(trim["UdifGrid"][i + 1][4])) << i;
    }
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(result["bending_moment"][i].toDouble(), valueOfText(trim["MomGrid"][i][1])) << i;
    EXPECT_EQ(result["input"]["water_density"].toDouble(), 1.025);

    const QJsonValue tone = result["vibration"][0];
    const QJsonValue window = shown["VibrForm"];
    EXPECT_EQ(tone["tone"].toInt(), 3);
    EXPECT_EQ(tone["half_waves"].toDouble(), 3);
    EXPECT_EQ(tone["stiffness"].toDouble(), valueOfText(window["Label4"]));
    EXPECT_EQ(tone["mass"].toDouble(), valueOfText(window["Label5"]));
    const double omega = valueOfText(window["Label6"]);
    EXPECT_EQ(tone["frequency"]["per_second"].toDouble(), omega);
    EXPECT_DOUBLE_EQ(tone["frequency"]["hertz"].toDouble(), omega / (2 * std::numbers::pi));
    EXPECT_DOUBLE_EQ(tone["frequency"]["per_minute"].toDouble(), omega * 60 / (2 * std::numbers::pi));
    EXPECT_EQ(tone["shift"].toDouble(), -0.22);  // "delta    -0,2200"
    EXPECT_EQ(tone["turn"].toDouble(), -0.2296);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(tone["mass_per_metre"][i].toDouble(), valueOfText(window["Vibr1Grid"][i + 1][7])) << i;
        EXPECT_EQ(tone["mode_shape"][i].toDouble(), valueOfText(window["Vibr1Grid"][i + 1][17])) << i;
    }
}

// A box barge L 75 m, B 11 m, every offset 5,5 m, ΔT 0,39 m, on river water.
// Waterline 5 (T = 1,56 m) by hand: Zc = T/2 = 0,78 m, r = B²/(12T) =
// 121/18,72 = 6,4637 m, every coefficient 1, q = ρ·L·B/100 = 8,25 t/cm. The
// base line has no volume: Zc and δ are null there. Without z_g the
// stability is null throughout; with z_g = 2 m, h = KM − z_g.
TEST(ResultJson, CurvesOfFormOfABoxBargeAndTheStability)
{
    const QJsonObject json = resultOf(boxBarge());
    const QJsonValue waterline5 = json["curves_of_form"][4];
    EXPECT_EQ(json["curves_of_form"].toArray().size(), waterlineCount);
    EXPECT_NEAR(waterline5["draft"].toDouble(), 1.56, 1e-12);
    EXPECT_NEAR(waterline5["centre_of_buoyancy_height"].toDouble(), 0.78, 1e-12);
    EXPECT_NEAR(waterline5["transverse_radius"].toDouble(), 6.4637, 5e-5);
    for (const char* coefficient : {"waterplane_coefficient", "block_coefficient", "midship_coefficient",
                                    "prismatic_coefficient", "vertical_prismatic_coefficient"})
        EXPECT_NEAR(waterline5[coefficient].toDouble(), 1.0, 1e-12) << coefficient;
    EXPECT_NEAR(waterline5["tonnes_per_centimetre"].toDouble(), 8.25, 1e-12);
    EXPECT_TRUE(json["curves_of_form"][0]["centre_of_buoyancy_height"].isNull());
    EXPECT_TRUE(json["curves_of_form"][0]["block_coefficient"].isNull());
    for (const QJsonValue value : json["stability"].toObject())
        EXPECT_TRUE(value.isNull());

    const QJsonObject example = resultOf({"--set", "vertical-centre-of-gravity=2,0"});
    const QJsonValue stability = example["stability"];
    EXPECT_EQ(stability["vertical_centre_of_gravity"].toDouble(), 2.0);
    EXPECT_NEAR(stability["metacentric_height"].toDouble(), stability["transverse_metacentre"].toDouble() - 2.0,
                0.0051);
    EXPECT_NEAR(stability["longitudinal_metacentric_height"].toDouble(),
                stability["longitudinal_metacentre"].toDouble() - 2.0, 0.0051);
}

TEST(ResultJson, ValuesThatAreNoNumbersAreNull)
{
    // The displacement D is read by no calculation: it does not stop the run.
    const QJsonObject json = resultOf({"--set", "displacement=abc", "--tone", "2"});
    EXPECT_EQ(json["input"]["particulars"]["displacement"], QJsonObject({{"text", "abc"}, {"value", QJsonValue()}}));
    EXPECT_GT(json["vibration"][0]["frequency"]["per_second"].toDouble(), 0);
    EXPECT_TRUE(json["error"].isNull());
    // An inertia beyond 1E15 m⁴ is refused where it was typed, before the
    // energy method; the result keeps what was typed.
    std::ostringstream out, err;
    EXPECT_EQ(runCli({"--inertia", "5=1E300", "--tone", "2", "--json", "-"}, out, err), 1);
    const QJsonObject huge = jsonOf(out.str());
    EXPECT_EQ(huge["input"]["section_inertia"][4].toDouble(), 1e300);
    EXPECT_EQ(huge["error_location"].toString(), "«Вибрация», шпация «4-5»");
}

// Every key a full run writes (strength, large angles, every tone) is named in
// docs/json-schema.md, so that no key appears undocumented.
void collectKeys(const QJsonValue& value, std::set<std::string>& keys)
{
    if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto i = object.begin(); i != object.end(); ++i) {
            keys.insert(i.key().toStdString());
            collectKeys(i.value(), keys);
        }
    } else if (value.isArray()) {
        for (const QJsonValue& item : value.toArray())
            collectKeys(item, keys);
    }
}

TEST(ResultJson, EveryKeyIsDocumented)
{
    std::ifstream file(fs::path(HULLCALC_SOURCE_DIR) / "docs" / "json-schema.md");
    const std::string schema((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_FALSE(schema.empty());
    // The words of every `code span` of the page: keys are written alone,
    // as paths (`particulars.breadth`) or in objects (`{value, heel}`).
    std::set<std::string> documented;
    for (std::size_t open = schema.find('`'); open != std::string::npos; open = schema.find('`', open + 1)) {
        const std::size_t close = schema.find('`', open + 1);
        if (close == std::string::npos)
            break;
        std::string word;
        for (std::size_t i = open + 1; i <= close; ++i) {
            const char c = schema[i];
            if (std::isalnum(static_cast<unsigned char>(c)) || c == '_') {
                word += c;
            } else if (!word.empty()) {
                documented.insert(word);
                word.clear();
            }
        }
        open = close;
    }
    std::set<std::string> keys;
    collectKeys(resultOf({"--strength", "--tone", "all", "--set", "vertical-centre-of-gravity=2,0"}), keys);
    EXPECT_GT(keys.size(), 100u);
    for (const std::string& key : keys)
        EXPECT_TRUE(documented.contains(key)) << key;
}

}  // namespace
}  // namespace hullcalc
