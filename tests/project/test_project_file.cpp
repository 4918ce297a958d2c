// The project file: every text survives a save and a load unchanged, the bytes
// are fixed, and a broken or foreign file is refused with its cause named.
#include "project/project_file.h"

#include "common/file_io.h"
#include "common/file_limits.h"
#include "strength/hull_girder.h"
#include "trim/data_files.h"
#include "vibration/vibration_sheet.h"

#include "awkward_file_names.h"
#include "file_size_limit.h"
#include "test_directory.h"
#include "trim/trim_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace hullcalc {
namespace {

// The example ship in sea water after a user changed a few texts: Cyrillic,
// blanks, commas and the characters JSON has to escape.
class ProjectFile : public ExampleShip {
protected:
    ProjectFile()
    {
        changed.input = sheet.input;
        changed.input.offsets.setCell(4, 3, "1,5 (уточнить)");
        changed.particulars.shipType = ShipType::sea;
        changed.particulars.stabilityTrim = StabilityTrim::free;
        changed.particulars.length = "75,5";
        changed.particulars.draft = " 2,3 ";
        changed.particulars.centreOfGravity = "-3,72\t\"в корму\"\\";
        VibrationSheet vibration;
        writeVibrationHeaders(vibration);
        vibration.sectionInertia.setCell(1, 7, "0,2 5");
        changed.sectionInertia = vibration.sectionInertia;
    }

    Project changed;
    TestDirectory directory;
};

void expectSameProject(const Project& loaded, const Project& saved)
{
    for (const ParticularField& field : particularFields)
        EXPECT_EQ(loaded.particulars.*field.text, saved.particulars.*field.text) << field.key;
    EXPECT_EQ(loaded.particulars.shipType, saved.particulars.shipType);
    EXPECT_EQ(loaded.particulars.stabilityTrim, saved.particulars.stabilityTrim);
    EXPECT_TRUE(loaded.input == saved.input);
    EXPECT_TRUE(loaded.sectionInertia == saved.sectionInertia);
    EXPECT_TRUE(loaded.strength == saved.strength);
    for (const TitleField& field : titleFields)
        EXPECT_EQ(loaded.title.*field.text, saved.title.*field.text) << field.key;
    EXPECT_TRUE(loaded.vibrationOptions == saved.vibrationOptions);
}

// The strength input of the example with a cosine wave, a typed height and a
// member whose name JSON has to escape.
StrengthInput changedStrength()
{
    StrengthInput strength;
    strength.waveHeight = "1,2";
    strength.profile = WaveProfile::cosine;
    strength.allowableStress = "160 ";
    strength.navigationClass = NavigationClass::open;
    strength.smithEffect = true;
    strength.scantlingDraft = "2,1";
    strength.steel = HullSteel::higher315;
    fillExampleGirder(strength.girderMembers);
    strength.girderMembers.setCell(girderColumn::name, 12, "Комингс \"люка\"");
    return strength;
}

std::string replaced(std::string bytes, const std::string& from, const std::string& to)
{
    const std::size_t at = bytes.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? bytes : bytes.replace(at, from.size(), to);
}

TEST_F(ProjectFile, SaveAndLoadKeepEveryText)
{
    Project riverWithoutInertia = changed;
    riverWithoutInertia.particulars.shipType = ShipType::river;
    riverWithoutInertia.sectionInertia.reset();
    Project emptyWithoutShipType;
    writeInputHeaders(emptyWithoutShipType.input);
    Project withStrength = changed;
    withStrength.strength = changedStrength();
    Project withEmptyGirder = riverWithoutInertia;
    withEmptyGirder.strength = StrengthInput{};
    Project withTitle = withStrength;
    withTitle.title = {"Ока \"2\"", "Иванов И. И.", "СК-31", "7", "", "01.02.2027"};
    Project withVibrationOptions = changed;
    withVibrationOptions.vibrationOptions =
        VibrationOptions{"0,035", "0,28", AddedMassMethod::lewis, "0,6", "", "300", "4", "600", "3", "", "15"};
    for (const Project* saved :
         std::vector<const Project*>{&changed, &riverWithoutInertia, &emptyWithoutShipType, &withStrength,
                                     &withEmptyGirder, &withTitle, &withVibrationOptions}) {
        const std::filesystem::path path = directory.path() / "ship.json";
        saveProjectFile(path, *saved);
        expectSameProject(loadProjectFile(path), *saved);
    }
}

// A project under a Cyrillic name or one with blanks is written under exactly
// that name and loads back; so does the same file after an editor on Windows
// saved it with CR LF line ends.
TEST_F(ProjectFile, CyrillicNamesBlanksAndCrLfLoadTheSameProject)
{
    std::string crLfBytes;
    for (const char c : projectFileBytes(changed))
        crLfBytes += c == '\n' ? std::string("\r\n") : std::string(1, c);
    for (const AwkwardFileName& name : awkwardFileNames) {
        const std::string folder = utf8Of(directory.path()) + "/" + name.folder;
        const std::string file = folder + "/" + name.file + ".hullcalc";
        std::filesystem::create_directory(pathFromUtf8(folder));
        saveProjectFile(pathFromUtf8(file), changed);
        EXPECT_EQ(listedNames(pathFromUtf8(folder)), std::vector<std::string>{name.file + std::string(".hullcalc")});
        expectSameProject(loadProjectFile(pathFromUtf8(file)), changed);

        std::ofstream(pathFromUtf8(file), std::ios::binary) << crLfBytes;
        expectSameProject(loadProjectFile(pathFromUtf8(file)), changed);
    }
}

TEST_F(ProjectFile, BytesAreFixedAndReadable)
{
    const std::string bytes = projectFileBytes(changed);
    EXPECT_EQ(projectFileBytes(readProject(bytes)), bytes) << "the same project, the same bytes";
    EXPECT_TRUE(
        bytes.starts_with("{\n  \"format\": \"hullcalc-project\",\n  \"version\": 1,\n"
                          "  \"particulars\": {\n    \"ShipD\": \"1503\",\n    \"ShipL\": \"75,5\",\n"));
    EXPECT_NE(bytes.find("    \"ShipXct\": \"-3,72\\t\\\"в корму\\\"\\\\\",\n"), std::string::npos);
    // Two blanks a level, one text a line: frame 0's first two waterlines.
    EXPECT_NE(bytes.find("  \"shipType\": \"sea\",\n  \"stabilityTrim\": \"free\",\n  \"offsets\": [\n    [\n      "
                         "\"0\",\n      \"0\",\n"),
              std::string::npos);
    EXPECT_TRUE(bytes.ends_with("    \"0,042\"\n  ]\n}\n"));
    EXPECT_TRUE(looksLikeProject("\xEF\xBB\xBF \r\n" + bytes));
    // A project without a title block keeps the bytes it had before there was one.
    EXPECT_EQ(bytes.find("\"title\""), std::string::npos);
    Project titled = changed;
    titled.title.author = "Петров";
    EXPECT_TRUE(projectFileBytes(titled).ends_with(
        "  \"title\": {\n    \"ship\": \"\",\n    \"author\": \"Петров\",\n    \"group\": \"\",\n"
        "    \"variant\": \"\",\n    \"supervisor\": \"\",\n    \"date\": \"\"\n  }\n}\n"));
    EXPECT_FALSE(looksLikeProject(inputFileBytes(changed.input)));
}

TEST_F(ProjectFile, UnknownKeysAreIgnoredAndMissingPartsKeepDefaults)
{
    Project saved = changed;
    saved.sectionInertia.reset();
    std::string bytes = projectFileBytes(saved);
    bytes = replaced(bytes, "  \"particulars\": {\n",
                     "  \"comment\": {\"by\": [\"hand\", 1]},\n  \"particulars\": {\n    \"ShipW\": 5,\n");
    bytes = replaced(bytes, "    \"ShipL\": \"75,5\",\n", "");
    bytes = replaced(bytes, "  \"shipType\": \"sea\",\n", "");
    bytes = replaced(bytes, "  \"stabilityTrim\": \"free\",\n", "");

    const Project loaded = readProject(bytes);
    saved.particulars.length = ShipParticulars{}.length;
    saved.particulars.shipType.reset();
    saved.particulars.stabilityTrim = StabilityTrim::fixed;
    expectSameProject(loaded, saved);
}

TEST_F(ProjectFile, DamagedForeignAndNewerFilesAreRefusedByCause)
{
    const std::string good = projectFileBytes(changed);
    const std::string offsets = "«Таблица ординат» (\"offsets\")";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {replaced(good, "\"version\": 1", "\"version\": 2"),
         "Файл проекта создан более новой версией программы (версия 2); эта программа читает версии до 1"},
        {replaced(good, "hullcalc-project", "other-program"),
         "Файл не является файлом проекта: в нем \"format\": \"other-program\" вместо \"hullcalc-project\""},
        {"[1, 2]", "Файл не является файлом проекта: файл проекта - это запись JSON, начинающаяся с «{»"},
        {replaced(good, "\"ShipL\": \"75,5\",", "\"ShipL\": \"75,5\""),
         "Файл проекта поврежден: ошибка в записи JSON в строке 7, символ 11"},
        {good.substr(0, good.find("\"ShipXct\"")), "Файл проекта поврежден: запись JSON обрывается в строке 11"},
        {replaced(good, "\"0,15\"", "0.15"),
         "Файл проекта поврежден: " + offsets
             + ", шпангоут «0 шп», ватерлиния «7» - ожидается текст, в файле число 0.15"},
        {replaced(good, "\",\n      \"0,7\"\n", "\"\n"),
         "Файл проекта поврежден: " + offsets + ", шпангоут «0 шп» - ячеек 9 вместо 10"},
        {replaced(good, "\"sea\"", "\"lake\""),
         "Файл проекта поврежден: «Тип судна» (\"shipType\") - ожидается \"sea\" (морское), \"river\" (речное)"
         " или null, в файле текст \"lake\""},
        {replaced(good, "\"free\"", "\"loose\""),
         "Файл проекта поврежден: «Дифферент при крене» (\"stabilityTrim\") - ожидается \"fixed\" или \"free\", "
         "в файле текст \"loose\""},
        {replaced(good, "    \"0,120\",\n", ""),
         "Файл проекта поврежден: «Моменты инерции сечений» (\"sectionInertia\") - строк 19 вместо 20"},
        {replaced(good, "\n}\n", ",\n  \"strength\": {\"waveProfile\": \"sine\"}\n}\n"),
         "Файл проекта поврежден: «Прочность» (\"strength\"), \"waveProfile\" - ожидается \"trochoid\" или "
         "\"cosine\", в файле текст \"sine\""},
        {replaced(good, "\n}\n", ",\n  \"strength\": {\"steel\": \"400\"}\n}\n"),
         "Файл проекта поврежден: «Прочность» (\"strength\"), \"steel\" - ожидается \"235\", \"315\" или \"355\", в "
         "файле текст \"400\""},
        {replaced(good, "\n}\n", ",\n  \"strength\": {\"girder\": [[\"Палуба\", \"140\", \"3,5\"]]}\n}\n"),
         "Файл проекта поврежден: «Прочность» (\"strength\"), \"girder\", строка 1 - ячеек 3 вместо 4"},
        {replaced(good, "\n}\n", ",\n  \"title\": {\"author\": 5}\n}\n"),
         "Файл проекта поврежден: «Сведения о проекте» (\"title\"), «Выполнил» (\"author\") - ожидается текст, "
         "в файле число 5"},
        {replaced(good, "\n}\n", ",\n  \"vibrationOptions\": {\"addedMass\": \"strip\", \"blades\": \"4\"}\n}\n"),
         "Файл проекта поврежден: «Параметры вибрации» (\"vibrationOptions\"), \"addedMass\" - ожидается "
         "\"formula\" или \"lewis\", в файле текст \"strip\""},
        {replaced(good, "\n}\n", ",\n  \"vibrationOptions\": {\"blades\": 4}\n}\n"),
         "Файл проекта поврежден: «Параметры вибрации» (\"vibrationOptions\"), \"blades\" - ожидается текст, в "
         "файле число 4"},
        {"{\"deep\": " + std::string(100000, '['),
         "Файл проекта поврежден: в записи JSON больше 16 уровней вложенности"},
        // A key given twice would mean either text: refused at the second
        // one's opening quote (line 3: 2 blanks, "version": 1, and a blank
        // come before it, 16 characters).
        {replaced(good, "\"version\": 1,", "\"version\": 1, \"version\": 1,"),
         "Файл проекта поврежден: ключ \"version\" повторяется, строка 3, символ 17"},
        // Spelt with an escape (\u004C is L) it is the same key.
        {replaced(good, "\"ShipL\": \"75,5\",", "\"ShipL\": \"75,5\", \"Ship\\u004C\": \"1\","),
         "Файл проекта поврежден: ключ \"ShipL\" повторяется, строка 6, символ 22"},
    };
    for (const auto& [bytes, message] : cases)
        EXPECT_EQ(errorOf([&] { readProject(bytes); }), message);
}

// 1 MiB of empty objects, the size limit's worth: the nesting counted as
// each container opens reads it in one pass (a parser that rescans each
// object's parent took about 52 minutes). 10 s is far above one pass even in
// a sanitized debug build.
TEST_F(ProjectFile, ProjectOfEmptyObjectsIsReadInOnePass)
{
    std::string bytes = "{\"format\": \"hullcalc-project\", \"version\": 1, \"x\": [{}";
    while (bytes.size() < maxShipFileBytes - 10)
        bytes += ",{}";
    bytes += "]}";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(errorOf([&] { readProject(bytes); }),
              "Файл проекта поврежден: «Таблица ординат» (\"offsets\") - ожидается массив, в файле его нет");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(ProjectFile, LoadRefusesAnInputDataFileAndAHugeFile)
{
    const std::filesystem::path path = directory.path() / "ship.txt";
    saveInputFile(path, changed.input);
    EXPECT_EQ(errorOf([&] { loadProjectFile(path); }),
              "Файл не является файлом проекта: файл проекта - это запись JSON, начинающаяся с «{»");
    std::ofstream(path, std::ios::binary) << "{\"format\": \"" << std::string(maxShipFileBytes, 'x');
    // The cause, then the file (its name cut to fit where the path is long).
    EXPECT_TRUE(errorOf([&] { loadProjectFile(path); }).starts_with("Файл слишком большой: в нем больше 1 МБ\nФайл: "));
}

TEST_F(ProjectFile, FailedSaveKeepsTheOldFile)
{
    const std::filesystem::path path = directory.path() / "ship.json";
    saveProjectFile(path, changed);
    const std::string oldBytes = readFileBytes(path, maxShipFileBytes);
    changed.particulars.length = "80";

    EXPECT_NE(errorOf([&] { saveProjectFile(path / "inside-a-file.json", changed); }), "no error");
#ifndef _WIN32
    // A file size limit makes the write fail half-way as a full disk would, for
    // root too; the signal it raises is ignored so that write() reports it.
    const std::string message = [&] {
        const FileSizeLimit limit(1024);
        return errorOf([&] { saveProjectFile(path, changed); });
    }();
    EXPECT_EQ(message, "File too large\nФайл: " + path.string());
#endif
    EXPECT_EQ(readFileBytes(path, maxShipFileBytes), oldBytes);
}

}  // namespace
}  // namespace hullcalc
