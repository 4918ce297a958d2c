// Writing the project file in a fixed, readable layout, and reading it back with
// a message that names what is wrong and where for any file that is not one.
#include "project/project_file.h"

#include "common/error.h"
#include "common/file_io.h"
#include "common/file_limits.h"
#include "common/hull_frames.h"
#include "common/utf8_text.h"
#include "strength/hull_girder.h"
#include "vibration/vibration_sheet.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace hullcalc {

namespace {

using Json = nlohmann::json;
// The file keeps its keys in the order written, for a reader of the file.
using OrderedJson = nlohmann::ordered_json;

// The file's keys.
constexpr std::string_view formatKey = "format";
constexpr std::string_view versionKey = "version";
constexpr std::string_view particularsKey = "particulars";
constexpr std::string_view shipTypeKey = "shipType";
constexpr std::string_view heelTrimKey = "stabilityTrim";
constexpr std::string_view offsetsKey = "offsets";
constexpr std::string_view massesKey = "masses";
constexpr std::string_view sectionInertiaKey = "sectionInertia";
constexpr std::string_view strengthKey = "strength";
constexpr std::string_view waveHeightKey = "waveHeight";
constexpr std::string_view waveProfileKey = "waveProfile";
constexpr std::string_view allowableStressKey = "allowableStress";
constexpr std::string_view navigationClassKey = "navigationClass";
constexpr std::string_view smithEffectKey = "smithEffect";
constexpr std::string_view scantlingDraftKey = "scantlingDraft";
constexpr std::string_view steelKey = "steel";
constexpr std::string_view girderKey = "girder";
constexpr std::string_view titleKey = "title";
constexpr std::string_view vibrationOptionsKey = "vibrationOptions";
constexpr std::string_view addedMassKeyName = "addedMass";

// The texts of the vibration options, each under its key.
struct OptionText {
    std::string_view key;
    std::string VibrationOptions::*text;
};
constexpr OptionText optionTexts[] = {
    {"shearArea", &VibrationOptions::shearArea},
    {"poissonRatio", &VibrationOptions::poissonRatio},
    {"reductionToneIII", &VibrationOptions::reductionToneIII},
    {"reductionToneIV", &VibrationOptions::reductionToneIV},
    {"shaftRpm", &VibrationOptions::shaftRpm},
    {"blades", &VibrationOptions::blades},
    {"engineRpm", &VibrationOptions::engineRpm},
    {"firingPerRevolution", &VibrationOptions::firingPerRevolution},
    {"excitingFrequency", &VibrationOptions::excitingFrequency},
    {"resonanceMargin", &VibrationOptions::resonanceMargin},
};

constexpr std::string_view seaShip = "sea";
constexpr std::string_view riverShip = "river";

// The project's parts use three levels (the file, a table, a row); deeper
// nesting only comes from a damaged or hostile file, and refusing it early keeps
// such a file from building a huge tree in memory.
constexpr int maxNesting = 16;

// A text as a JSON string: UTF-8 as it is, only quotes, backslashes and control
// characters escaped, invalid UTF-8 replaced.
std::string jsonString(std::string_view text)
{
    return Json(std::string(text)).dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The texts of column 1 of a table with one row per spacing.
OrderedJson spacingTexts(const TextGrid& grid)
{
    OrderedJson texts = OrderedJson::array();
    for (int row = 1; row <= spacingCount; ++row)
        texts.push_back(grid.cell(1, row));
    return texts;
}

OrderedJson shipTypeText(std::optional<ShipType> type)
{
    if (!type)
        return nullptr;
    return *type == ShipType::sea ? seaShip : riverShip;
}

// The strength input as an object: the wave, the allowable stress and the
// girder's members up to the last row that holds anything, each row an array
// of its four texts.
OrderedJson strengthObject(const StrengthInput& strength)
{
    const TextGrid& members = strength.girderMembers;
    int lastRow = 0;
    for (int row = 1; row < members.rowCount(); ++row)
        for (int column = 0; column < members.columnCount(); ++column)
            if (!members.cell(column, row).empty())
                lastRow = row;
    OrderedJson rows = OrderedJson::array();
    for (int row = 1; row <= lastRow; ++row) {
        OrderedJson cells = OrderedJson::array();
        for (int column = 0; column < members.columnCount(); ++column)
            cells.push_back(members.cell(column, row));
        rows.push_back(std::move(cells));
    }
    return {{waveHeightKey, strength.waveHeight},
            {navigationClassKey, hullcalc::navigationClassKey(strength.navigationClass)},
            {waveProfileKey, profileKey(strength.profile)},
            {smithEffectKey, strength.smithEffect},
            {scantlingDraftKey, strength.scantlingDraft},
            {steelKey, hullSteelKey(strength.steel)},
            {allowableStressKey, strength.allowableStress},
            {girderKey, std::move(rows)}};
}

OrderedJson vibrationOptionsObject(const VibrationOptions& options)
{
    OrderedJson object = OrderedJson::object();
    object[std::string(addedMassKeyName)] = addedMassKey(options.addedMass);
    for (const OptionText& option : optionTexts)
        object[std::string(option.key)] = options.*option.text;
    return object;
}

// --- Reading ---

[[noreturn]] void refuseDamaged(const std::string& cause) { throw Error("Файл проекта поврежден: " + cause); }

[[noreturn]] void refuseNotAProject(const std::string& cause)
{
    throw Error("Файл не является файлом проекта: " + cause);
}

// A text for a message, cut after 40 characters so that a huge cell cannot
// flood it. The parser has checked that the text is UTF-8, so the cut falls
// between characters.
std::string shortened(const std::string& text)
{
    constexpr std::size_t maxCharacters = 40;
    return jsonString(messageExcerpt(text, maxCharacters));
}

// What the file holds where something else was expected.
std::string described(const Json* value)
{
    if (value == nullptr)
        return "его нет";
    switch (value->type()) {
    case Json::value_t::string:
        return "текст " + shortened(value->get_ref<const std::string&>());
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned:
    case Json::value_t::number_float:
        return "число " + value->dump();
    case Json::value_t::boolean:
        return "логическое значение " + value->dump();
    case Json::value_t::null:
        return "null";
    case Json::value_t::array:
        return "массив";
    case Json::value_t::object:
        return "объект";
    default:
        return "значение другого рода";
    }
}

[[noreturn]] void refuseValue(const std::string& place, std::string_view expected, const Json* found)
{
    refuseDamaged(place + " - ожидается " + std::string(expected) + ", в файле " + described(found));
}

// The value of `key` in an object, or nullptr when it has none.
const Json* member(const Json& object, std::string_view key)
{
    const auto found = object.find(std::string(key));
    return found == object.end() ? nullptr : &*found;
}

// A part of the file as messages name it: its caption, and its key in the file
// for whoever looks into the file itself.
std::string partPlace(std::string_view caption, std::string_view key)
{
    return "«" + std::string(caption) + "» (" + jsonString(key) + ")";
}

// The array at `place`, which must have exactly `count` elements (`what`: the
// genitive plural of what they are, "строк" or "ячеек").
const Json& sizedArray(const Json* value, const std::string& place, int count, std::string_view what)
{
    if (value == nullptr || !value->is_array())
        refuseValue(place, "массив", value);
    if (value->size() != static_cast<std::size_t>(count))
        refuseDamaged(place + " - " + std::string(what) + " " + std::to_string(value->size()) + " вместо "
                      + std::to_string(count));
    return *value;
}

std::string textAt(const Json& value, const std::string& place)
{
    if (!value.is_string())
        refuseValue(place, "текст", &value);
    return value.get<std::string>();
}

// The line and the character (not byte) in that line, both from 1, at which
// the byte at `offset` stands, as a person finds it in an editor.
struct TextPosition {
    std::size_t line = 1;
    std::size_t column = 1;
};

TextPosition positionOf(std::string_view bytes, std::size_t offset)
{
    TextPosition position;
    for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ++position.line;
            position.column = 1;
        } else if (startsCharacter(bytes[i])) {
            ++position.column;
        }
    }
    return position;
}

// Where the parser stopped. `byte` counts from 1 and lies past the end when
// the file ends too early.
std::string syntaxErrorPlace(std::string_view bytes, std::size_t byte)
{
    const TextPosition stop = positionOf(bytes, std::max<std::size_t>(byte, 1) - 1);
    if (byte > bytes.size())
        return "запись JSON обрывается в строке " + std::to_string(stop.line);
    return "ошибка в записи JSON в строке " + std::to_string(stop.line) + ", символ " + std::to_string(stop.column);
}

// Builds the tree of the file in one pass. The nesting is counted as each
// container opens, so a deep file is refused at its first level too many
// without any container being scanned twice; a key that an object already
// holds is refused with its place, since the file would mean one of two texts.
class ProjectParser : public nlohmann::json_sax<Json> {
public:
    ProjectParser(Json& root, std::string_view bytes, const char* const& position)
        : root_(root), bytes_(bytes), position_(position)
    {}

    bool null() override { return add(nullptr); }
    bool boolean(bool value) override { return add(value); }
    bool number_integer(number_integer_t value) override { return add(value); }
    bool number_unsigned(number_unsigned_t value) override { return add(value); }
    bool number_float(number_float_t value, const string_t&) override
    {
        if (!std::isfinite(value))
            refuseDamaged("в записи JSON число вне допустимого диапазона");
        return add(value);
    }
    bool string(string_t& value) override { return add(std::move(value)); }
    bool binary(binary_t&) override { return false; }
    bool start_object(std::size_t) override { return open(Json::object()); }
    bool start_array(std::size_t) override { return open(Json::array()); }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }

    bool key(string_t& key) override
    {
        Json& object = *open_.back();
        if (object.contains(key))
            refuseDamaged("ключ " + shortened(key) + " повторяется, " + placeHere());
        member_ = &object[key];
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& error) override
    {
        if (const auto* syntax = dynamic_cast<const Json::parse_error*>(&error))
            refuseDamaged(syntaxErrorPlace(bytes_, syntax->byte));
        refuseDamaged("ошибка в записи JSON");
    }

private:
    // The line and character where the key just read opens: the parser has
    // read up to its closing quote, and its opening one is the last quote
    // before that which no backslash escapes.
    std::string placeHere() const
    {
        std::size_t start = static_cast<std::size_t>(position_ - bytes_.data());
        start = start >= 2 ? start - 2 : 0;
        while (start > 0 && !(bytes_[start] == '"' && bytes_[start - 1] != '\\'))
            --start;
        const TextPosition key = positionOf(bytes_, start);
        return "строка " + std::to_string(key.line) + ", символ " + std::to_string(key.column);
    }

    template<typename Value>
    Json* place(Value&& value)
    {
        if (open_.empty()) {
            root_ = Json(std::forward<Value>(value));
            return &root_;
        }
        Json& parent = *open_.back();
        if (parent.is_array()) {
            parent.push_back(Json(std::forward<Value>(value)));
            return &parent.back();
        }
        *member_ = Json(std::forward<Value>(value));
        return member_;
    }

    template<typename Value>
    bool add(Value&& value)
    {
        place(std::forward<Value>(value));
        return true;
    }

    bool open(Json&& container)
    {
        if (open_.size() >= static_cast<std::size_t>(maxNesting))
            refuseDamaged("в записи JSON больше " + std::to_string(maxNesting) + " уровней вложенности");
        open_.push_back(place(std::move(container)));
        return true;
    }

    bool close()
    {
        open_.pop_back();
        return true;
    }

    Json& root_;
    std::string_view bytes_;
    const char* const& position_;
    std::vector<Json*> open_;  // the containers being filled, outermost first
    Json* member_ = nullptr;   // the value of the key just read
};

// A byte iterator that tells the parser's position to the handler's messages.
class TrackedIterator {
public:
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    TrackedIterator(const char* at, const char** reached) : at_(at), reached_(reached) {}
    reference operator*() const { return *at_; }
    TrackedIterator& operator++()
    {
        *reached_ = ++at_;
        return *this;
    }
    TrackedIterator operator++(int)
    {
        TrackedIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const TrackedIterator& other) const { return at_ == other.at_; }
    bool operator!=(const TrackedIterator& other) const { return at_ != other.at_; }

private:
    const char* at_;
    const char** reached_;
};

Json parsed(std::string_view bytes)
{
    Json root;
    const char* reached = bytes.data();
    ProjectParser parser(root, bytes, reached);
    try {
        Json::sax_parse(TrackedIterator(bytes.data(), &reached), TrackedIterator(bytes.data() + bytes.size(), &reached),
                        &parser);
        return root;
    } catch (const Json::parse_error& error) {
        refuseDamaged(syntaxErrorPlace(bytes, error.byte));
    } catch (const Json::out_of_range&) {
        refuseDamaged("в записи JSON число вне допустимого диапазона");
    } catch (const Json::exception&) {
        refuseDamaged("ошибка в записи JSON");
    }
}

void readVersion(const Json& root)
{
    const Json* version = member(root, versionKey);
    if (version != nullptr && version->is_number_unsigned() && version->get<std::uint64_t>() >= 1) {
        if (version->get<std::uint64_t>() <= static_cast<std::uint64_t>(projectFormatVersion))
            return;
        throw Error("Файл проекта создан более новой версией программы (версия " + version->dump()
                    + "); эта программа читает версии до " + std::to_string(projectFormatVersion));
    }
    refuseValue(jsonString(versionKey), "целое число от 1", version);
}

void readParticulars(const Json& root, ShipParticulars& particulars)
{
    const Json* texts = member(root, particularsKey);
    if (texts == nullptr)
        return;
    const std::string place = partPlace("Главные размерения судна", particularsKey);
    if (!texts->is_object())
        refuseValue(place, "объект", texts);
    for (const ParticularField& field : particularFields)
        if (const Json* text = member(*texts, field.key))
            particulars.*field.text =
                textAt(*text, place + ", «" + captionOf(field) + "» (" + jsonString(field.key) + ")");
}

std::optional<ShipType> shipTypeOf(const Json& root)
{
    const Json* type = member(root, shipTypeKey);
    if (type == nullptr || type->is_null())
        return std::nullopt;
    if (type->is_string() && type->get_ref<const std::string&>() == seaShip)
        return ShipType::sea;
    if (type->is_string() && type->get_ref<const std::string&>() == riverShip)
        return ShipType::river;
    refuseValue(partPlace("Тип судна", shipTypeKey),
                jsonString(seaShip) + " (морское), " + jsonString(riverShip) + " (речное) или null", type);
}

// Projects written before the choice existed hold the design waterline's trim.
StabilityTrim readStabilityTrim(const Json& root)
{
    const Json* mode = member(root, heelTrimKey);
    if (mode == nullptr || mode->is_null())
        return StabilityTrim::fixed;
    if (mode->is_string())
        if (const auto known = stabilityTrimOf(mode->get_ref<const std::string&>()))
            return *known;
    refuseValue(partPlace("Дифферент при крене", heelTrimKey), "\"fixed\" или \"free\"", mode);
}

void readOffsets(const Json& root, TextGrid& offsets)
{
    const std::string table = partPlace("Таблица ординат", offsetsKey);
    const Json& rows = sizedArray(member(root, offsetsKey), table, frameCount, "строк");
    for (int frame = 0; frame < frameCount; ++frame) {
        const std::string row = table + ", шпангоут «" + frameLabel(frame) + "»";
        const Json& cells = sizedArray(&rows[static_cast<std::size_t>(frame)], row, waterlineCount, "ячеек");
        for (int waterline = 1; waterline <= waterlineCount; ++waterline)
            offsets.setCell(waterline, frame + 1,
                            textAt(cells[static_cast<std::size_t>(waterline - 1)],
                                   row + ", ватерлиния «" + std::to_string(waterline) + "»"));
    }
}

// A table with one text per spacing into column 1 of `grid`.
void readSpacingTexts(const Json* value, const std::string& table, TextGrid& grid)
{
    const Json& cells = sizedArray(value, table, spacingCount, "строк");
    for (int spacing = 0; spacing < spacingCount; ++spacing)
        grid.setCell(
            1, spacing + 1,
            textAt(cells[static_cast<std::size_t>(spacing)], table + ", шпация «" + spacingLabel(spacing) + "»"));
}

StrengthInput readStrength(const Json& value)
{
    const std::string place = partPlace("Прочность", strengthKey);
    if (!value.is_object())
        refuseValue(place, "объект", &value);
    StrengthInput strength;
    if (const Json* height = member(value, waveHeightKey))
        strength.waveHeight = textAt(*height, place + ", " + jsonString(waveHeightKey));
    if (const Json* profile = member(value, waveProfileKey)) {
        const std::string key = textAt(*profile, place + ", " + jsonString(waveProfileKey));
        if (!profileFromKey(key, strength.profile))
            refuseValue(place + ", " + jsonString(waveProfileKey), "\"trochoid\" или \"cosine\"", profile);
    }
    // The keys added later are optional: an older project loads with their defaults.
    if (const Json* navigation = member(value, navigationClassKey)) {
        const std::string key = textAt(*navigation, place + ", " + jsonString(navigationClassKey));
        const std::optional<NavigationClass> navigationClass = navigationClassFromText(key);
        if (!navigationClass)
            refuseValue(place + ", " + jsonString(navigationClassKey), "\"\", \"L\", \"R\", \"O\" или \"M\"",
                        navigation);
        strength.navigationClass = *navigationClass;
    }
    if (const Json* smith = member(value, smithEffectKey)) {
        if (!smith->is_boolean())
            refuseValue(place + ", " + jsonString(smithEffectKey), "true или false", smith);
        strength.smithEffect = smith->get<bool>();
    }
    if (const Json* draft = member(value, scantlingDraftKey))
        strength.scantlingDraft = textAt(*draft, place + ", " + jsonString(scantlingDraftKey));
    if (const Json* steel = member(value, steelKey)) {
        const std::string key = textAt(*steel, place + ", " + jsonString(steelKey));
        const std::optional<HullSteel> hullSteel = hullSteelFromKey(key);
        if (!hullSteel)
            refuseValue(place + ", " + jsonString(steelKey), "\"235\", \"315\" или \"355\"", steel);
        strength.steel = *hullSteel;
    }
    if (const Json* allowable = member(value, allowableStressKey))
        strength.allowableStress = textAt(*allowable, place + ", " + jsonString(allowableStressKey));
    if (const Json* rows = member(value, girderKey)) {
        const std::string table = place + ", " + jsonString(girderKey);
        if (!rows->is_array())
            refuseValue(table, "массив", rows);
        if (rows->size() > static_cast<std::size_t>(girderMemberRows))
            refuseDamaged(table + " - строк " + std::to_string(rows->size()) + ", а их не больше "
                          + std::to_string(girderMemberRows));
        TextGrid& members = strength.girderMembers;
        for (std::size_t row = 0; row < rows->size(); ++row) {
            const std::string line = table + ", строка " + std::to_string(row + 1);
            const Json& cells = sizedArray(&(*rows)[row], line, members.columnCount(), "ячеек");
            for (int column = 0; column < members.columnCount(); ++column)
                members.setCell(column, static_cast<int>(row) + 1,
                                textAt(cells[static_cast<std::size_t>(column)], line));
        }
    }
    return strength;
}

TitleBlock readTitle(const Json& value)
{
    const std::string place = partPlace("Сведения о проекте", titleKey);
    if (!value.is_object())
        refuseValue(place, "объект", &value);
    TitleBlock title;
    for (const TitleField& field : titleFields)
        if (const Json* text = member(value, field.key))
            title.*field.text =
                textAt(*text, place + ", «" + std::string(field.caption) + "» (" + jsonString(field.key) + ")");
    return title;
}

VibrationOptions readVibrationOptions(const Json& value)
{
    const std::string place = partPlace("Параметры вибрации", vibrationOptionsKey);
    if (!value.is_object())
        refuseValue(place, "объект", &value);
    VibrationOptions options;
    if (const Json* method = member(value, addedMassKeyName)) {
        const std::string where = place + ", " + jsonString(addedMassKeyName);
        if (!addedMassFromKey(textAt(*method, where), options.addedMass))
            refuseValue(where, "\"formula\" или \"lewis\"", method);
    }
    for (const OptionText& option : optionTexts)
        if (const Json* text = member(value, option.key))
            options.*option.text = textAt(*text, place + ", " + jsonString(option.key));
    return options;
}

}  // namespace

std::string projectFileBytes(const Project& project)
{
    OrderedJson particulars = OrderedJson::object();
    for (const ParticularField& field : particularFields)
        particulars[std::string(field.key)] = project.particulars.*field.text;
    OrderedJson offsets = OrderedJson::array();
    for (int row = 1; row <= frameCount; ++row) {
        OrderedJson frame = OrderedJson::array();
        for (int column = 1; column <= waterlineCount; ++column)
            frame.push_back(project.input.offsets.cell(column, row));
        offsets.push_back(std::move(frame));
    }
    OrderedJson document = {
        {formatKey, projectFormatName},
        {versionKey, projectFormatVersion},
        {particularsKey, std::move(particulars)},
        {shipTypeKey, shipTypeText(project.particulars.shipType)},
        {heelTrimKey, stabilityTrimKey(project.particulars.stabilityTrim)},
        {offsetsKey, std::move(offsets)},
        {massesKey, spacingTexts(project.input.masses)},
    };
    if (project.sectionInertia)
        document[std::string(sectionInertiaKey)] = spacingTexts(*project.sectionInertia);
    if (project.strength)
        document[std::string(strengthKey)] = strengthObject(*project.strength);
    // Only when filled in, so that a project without one keeps its bytes.
    if (!isBlank(project.title)) {
        OrderedJson title = OrderedJson::object();
        for (const TitleField& field : titleFields)
            title[std::string(field.key)] = project.title.*field.text;
        document[std::string(titleKey)] = std::move(title);
    }
    if (project.vibrationOptions)
        document[std::string(vibrationOptionsKey)] = vibrationOptionsObject(*project.vibrationOptions);
    return document.dump(2, ' ', false, OrderedJson::error_handler_t::replace) + '\n';
}

Project readProject(std::string_view bytes)
{
    if (!looksLikeProject(bytes))
        refuseNotAProject("файл проекта - это запись JSON, начинающаяся с «{»");
    const Json root = parsed(bytes);
    // A text that starts with '{' and parses is an object.
    const Json* format = member(root, formatKey);
    if (format == nullptr || !format->is_string())
        refuseNotAProject("в нем нет записи " + jsonString(formatKey) + ": " + jsonString(projectFormatName));
    if (format->get_ref<const std::string&>() != projectFormatName)
        refuseNotAProject("в нем " + jsonString(formatKey) + ": " + shortened(format->get<std::string>()) + " вместо "
                          + jsonString(projectFormatName));
    readVersion(root);

    Project project;
    readParticulars(root, project.particulars);
    project.particulars.shipType = shipTypeOf(root);
    project.particulars.stabilityTrim = readStabilityTrim(root);
    writeInputHeaders(project.input);
    readOffsets(root, project.input.offsets);
    readSpacingTexts(member(root, massesKey), partPlace("Таблица масс", massesKey), project.input.masses);
    const Json* inertia = member(root, sectionInertiaKey);
    if (inertia != nullptr && !inertia->is_null()) {
        VibrationSheet sheet;  // the shape and headers of its section inertia table
        writeVibrationHeaders(sheet);
        readSpacingTexts(inertia, partPlace("Моменты инерции сечений", sectionInertiaKey), sheet.sectionInertia);
        project.sectionInertia = std::move(sheet.sectionInertia);
    }
    if (const Json* strength = member(root, strengthKey); strength != nullptr && !strength->is_null())
        project.strength = readStrength(*strength);
    if (const Json* title = member(root, titleKey); title != nullptr && !title->is_null())
        project.title = readTitle(*title);
    if (const Json* options = member(root, vibrationOptionsKey); options != nullptr && !options->is_null())
        project.vibrationOptions = readVibrationOptions(*options);
    return project;
}

void saveProjectFile(const std::filesystem::path& path, const Project& project)
{
    saveFileSafely(path, projectFileBytes(project));
}

Project loadProjectFile(const std::filesystem::path& path)
{
    return readProject(readFileBytes(path, maxShipFileBytes));
}

bool looksLikeProject(std::string_view bytes)
{
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (bytes.starts_with(byteOrderMark))
        bytes.remove_prefix(byteOrderMark.size());
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && bytes[first] == '{';
}

}  // namespace hullcalc
