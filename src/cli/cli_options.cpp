// The command line of hullcalc-cli read with Qt's parser: its options, its help
// text, and the checks of each value before anything is computed or written.
#include "cli/cli_options.h"

#include "cli/file_names.h"
#include "cli/usage_error.h"
#include "common/error.h"
#include "common/program_version.h"
#include "common/utf8_text.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <charconv>
#include <string_view>
#include <utility>

namespace hullcalc {

namespace {

constexpr const char* programName = "hullcalc-cli";

// An argument as Qt's parser takes it, byte for byte: its UTF-8 characters as
// they are, and each byte that is no UTF-8 (a file name in another code page)
// as a lone surrogate U+DC80..U+DCFF, which no UTF-8 text can hold. toBytes()
// turns it back, so a file name reaches the system as the bytes it was given.
QString fromArgument(const std::string& bytes)
{
    QString text;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, i);
        if (length == 0) {
            text += QChar(static_cast<char16_t>(0xDC00 + static_cast<unsigned char>(bytes[i])));
            ++i;
        } else {
            text += QString::fromUtf8(bytes.data() + i, static_cast<qsizetype>(length));
            i += length;
        }
    }
    return text;
}

std::string toBytes(const QString& text)
{
    std::string bytes;
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        bytes += text.mid(runStart, end - runStart).toStdString();
        runStart = end + 1;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const bool escapedByte =
            c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && QChar::isHighSurrogate(text[i - 1].unicode()));
        if (escapedByte) {
            flushRun(i);
            bytes += static_cast<char>(c - 0xDC00);
        }
    }
    flushRun(text.size());
    return bytes;
}

// Every option; kept in one place so that the help text and the parsing never differ.
struct OptionTable {
    QCommandLineOption help{{"h", "help"}, "Показывает эту справку и завершает работу."};
    QCommandLineOption version{{"v", "version"}, "Показывает версию программы и завершает работу."};
    QCommandLineOption sea{"sea", "Морское судно: плотность воды 1,025 т/м³ (без него — речная вода, 1,0 т/м³)."};
    QCommandLineOption set{"set", "Вводит TEXT в главное размерение NAME (имена перечислены ниже).", "NAME=TEXT"};
    QCommandLineOption titleField{"title-field",
                                  "Вводит TEXT в сведения о проекте для отчета: NAME — ship (судно), author "
                                  "(выполнил), group (группа), variant (вариант), supervisor (проверил) или date "
                                  "(дата).",
                                  "NAME=TEXT"};
    QCommandLineOption offset{"offset",
                              "Вводит TEXT в таблицу ординат (полуширина, м): ватерлиния COL 1..10, строка "
                              "ROW 1..21 (шпангоут ROW-1).",
                              "COL,ROW=TEXT"};
    QCommandLineOption mass{"mass", "Вводит TEXT в таблицу масс (т): шпация ROW 1..20, от шпангоута ROW-1 до ROW.",
                            "ROW=TEXT"};
    QCommandLineOption inertia{"inertia",
                               "Вводит TEXT в исходные данные вибрации: момент инерции сечения корпуса (м⁴) "
                               "в шпации ROW 1..20.",
                               "ROW=TEXT"};
    QCommandLineOption tone{"tone",
                            "Затем расчет вибрации тона N (1..4) с частотой балочной модели рядом; "
                            "all: тоны I–IV рядом и оценка тона I по Кумаи.",
                            "N|all"};
    QCommandLineOption strength{"strength",
                                "Затем проверка продольной прочности: судно, уравновешенное на волне длиной с судно "
                                "(гребень и подошва на миделе), эквивалентный брус миделевого сечения и напряжения."};
    QCommandLineOption waveHeight{"wave-height",
                                  "Высота волны от подошвы до гребня, м (без него — по разряду бассейна речного "
                                  "судна, L/20 морского); включает --strength.",
                                  "TEXT"};
    QCommandLineOption navigationClass{
        "navigation-class", "Разряд бассейна речного судна: Л, Р, О или М (L, R, O, M); включает --strength.", "CLASS"};
    QCommandLineOption smithEffect{"smith-effect",
                                   "Давление в волне убывает с глубиной (эффект Смита); включает --strength."};
    QCommandLineOption scantlingDraft{
        "scantling-draft",
        "Осадка для коэффициента полноты правила IACS, м (без него — осадка T); включает --strength.", "TEXT"};
    QCommandLineOption steel{"steel",
                             "Сталь связей: предел текучести 235, 315 или 355 МПа (по умолчанию 235); включает "
                             "--strength.",
                             "235|315|355"};
    QCommandLineOption waveProfile{
        "wave-profile",
        "Профиль волны: trochoid (трохоида, по умолчанию) или cosine (косинусоида); включает "
        "--strength.",
        "trochoid|cosine"};
    QCommandLineOption girder{"girder",
                              "Читает связи миделевого сечения из файла CSV, по одной в строке: имя;F, см²;z, "
                              "м;i, см²·м² (первой может быть строка заголовков); включает --strength.",
                              "FILE.csv"};
    QCommandLineOption allowableStress{
        "allowable-stress",
        "Допускаемое напряжение при изгибе для стали 235 МПа, МПа (без него — 175; для стали повышенной прочности "
        "делится на k); включает --strength.",
        "TEXT"};
    QCommandLineOption stabilityTrim{"stability-trim",
                                     "Дифферент на диаграмме остойчивости: fixed — дифферент расчетной ватерлинии "
                                     "сохраняется (по умолчанию у примера и файла данных), free — свободный "
                                     "(ЦВ под ЦТ по длине при каждом крене); без него — как в проекте.",
                                     "fixed|free"};
    QCommandLineOption shearArea{"shear-area",
                                 "Площадь сдвига миделевого сечения, м² (без него — по вертикальным связям сечения "
                                 "--girder); тоны считаются и балкой со сдвигом.",
                                 "TEXT"};
    QCommandLineOption addedMass{"added-mass",
                                 "Присоединенная масса воды для балочных моделей: formula (по умолчанию) или lewis "
                                 "(сечения Льюиса с коэффициентом J тона).",
                                 "formula|lewis"};
    QCommandLineOption shaftRpm{"shaft-rpm", "Частота вращения гребного вала, об/мин, для проверки резонанса.", "TEXT"};
    QCommandLineOption blades{"blades", "Число лопастей гребного винта.", "N"};
    QCommandLineOption engineRpm{"engine-rpm", "Частота вращения двигателя, об/мин.", "TEXT"};
    QCommandLineOption firingPerRevolution{"firing-per-revolution", "Число вспышек двигателя за оборот.", "N"};
    QCommandLineOption json{"json",
                            "Записывает результаты в JSON (схема hullcalc-result/1, описана в "
                            "docs/json-schema.md); - — в стандартный вывод.",
                            "FILE"};
    QCommandLineOption dump{"dump",
                            "Записывает текст каждого компонента, как его показывают окна, в JSON; - — в стандартный "
                            "вывод.",
                            "FILE"};
    QCommandLineOption results{
        "results", "Записывает файл результатов, как «Файл → Сохранить → Результат» окна удифферентовки.", "FILE"};
    QCommandLineOption saveInput{"save-input",
                                 "Записывает файл исходных данных, как «Файл → Сохранить → Исходные данные».", "FILE"};
    QCommandLineOption printPdf{"print-pdf",
                                "Печатает три графика результатов в DIR/1.pdf, 2.pdf и 3.pdf; папка DIR "
                                "создается, если ее нет.",
                                "DIR"};
    QCommandLineOption charts{"charts",
                              "Записывает каждый график расчета в DIR рисунком PNG (300 dpi) и чертежом SVG "
                              "(shear_force.png, shear_force.svg, …); папка DIR создается, если ее нет.",
                              "DIR"};
    QCommandLineOption report{"report", "Записывает отчет о расчете в PDF (A4), как его печатает «Файл → Отчет».",
                              "FILE.pdf"};
    QCommandLineOption xlsx{"xlsx", "Записывает книгу Excel с расчетом, по листу на таблицу.", "FILE"};
    QCommandLineOption saveProject{"save-project",
                                   "Записывает проект этого запуска (размерения, тип судна, ординаты, массы, моменты "
                                   "инерции сечений, с правками выше), который INPUT прочитает обратно.",
                                   "FILE"};

    std::vector<const QCommandLineOption*> withValues() const
    {
        return {&set,
                &titleField,
                &offset,
                &mass,
                &inertia,
                &tone,
                &waveHeight,
                &navigationClass,
                &waveProfile,
                &scantlingDraft,
                &steel,
                &girder,
                &allowableStress,
                &stabilityTrim,
                &shearArea,
                &addedMass,
                &shaftRpm,
                &blades,
                &engineRpm,
                &firingPerRevolution,
                &json,
                &dump,
                &results,
                &saveInput,
                &printPdf,
                &charts,
                &report,
                &xlsx,
                &saveProject};
    }

    void addTo(QCommandLineParser& parser) const
    {
        for (const QCommandLineOption* option : {&help, &version, &sea, &strength, &smithEffect})
            parser.addOption(*option);
        for (const QCommandLineOption* option : withValues())
            parser.addOption(*option);
        parser.addPositionalArgument(
            "INPUT",
            "Проекты (файл JSON, как его пишет «Сохранить проект») или файлы исходных данных (как их "
            "читает «Файл → Загрузить»); каждый считается отдельно.",
            "[INPUT...]");
    }
};

void setUp(QCommandLineParser& parser, const OptionTable& options)
{
    parser.setApplicationDescription(
        "Выполняет расчет удифферентовки («Расчет» окна удифферентовки) судна-примера или каждого INPUT\n"
        "на речной воде (у проекта — по его типу судна; --sea — на морской). Числа пишутся с десятичной\n"
        "запятой: 0,4. Предупреждения об исходных данных и результатах выводятся в стандартный поток ошибок.\n"
        "Код завершения: 0 — успех, 1 — расчет или запись вывода не удались, 2 — неверный вызов.");
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    options.addTo(parser);
}

std::optional<int> toInt(std::string_view text)
{
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Splits "KEY=TEXT" at the first '='.
std::pair<std::string, std::string> splitAssignment(const std::string& option, const std::string& argument,
                                                    const char* form)
{
    const auto equals = argument.find('=');
    if (equals == std::string::npos)
        throw UsageError("--" + option + " ожидает " + form + ", а получено " + echoedName(argument));
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

int requireInRange(const std::string& option, const std::string& text, int low, int high)
{
    const std::optional<int> value = toInt(text);
    if (!value || *value < low || *value > high)
        throw UsageError("--" + option + ": " + echoedName(text) + " — не число от " + std::to_string(low) + " до "
                         + std::to_string(high));
    return *value;
}

std::vector<std::string> valuesOf(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    std::vector<std::string> values;
    for (const QString& value : parser.values(option))
        values.push_back(toBytes(value));
    return values;
}

// The last value given: an output or a tone named twice takes the later one.
std::optional<std::string> lastValueOf(const QCommandLineParser& parser, const QCommandLineOption& option)
{
    const QStringList values = parser.values(option);
    if (values.isEmpty())
        return std::nullopt;
    return toBytes(values.constLast());
}

// The parser's own messages other than an unknown option, which it words in
// English: a value missing after an option, or one given to an option that
// takes none.
std::string parseErrorInRussian(const QString& error)
{
    static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'\\.$"));
    static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'\\.$"));
    if (const QRegularExpressionMatch match = missing.match(error); match.hasMatch())
        return "Нет значения после " + echoedName(match.captured(1).toStdString());
    if (const QRegularExpressionMatch match = unexpected.match(error); match.hasMatch())
        return "Лишнее значение у " + echoedName(match.captured(1).toStdString());
    return error.toStdString();
}

// Qt gives the names without their dashes; one letter is a short option.
std::string unknownOptionsMessage(const QStringList& names)
{
    std::string list;
    for (const QString& name : names)
        list += (list.empty() ? "" : ", ") + echoedName((name.size() == 1 ? "-" : "--") + name.toStdString());
    return (names.size() == 1 ? "неизвестный параметр " : "неизвестные параметры ") + list;
}

// Every file the run may write, with the option that names it.
std::vector<std::pair<std::string, std::string>> outputTargets(const CliOptions& options)
{
    std::vector<std::pair<std::string, std::string>> targets;  // option, file
    const auto add = [&](const char* option, const std::optional<std::string>& file) {
        if (file)
            targets.emplace_back(option, *file);
    };
    add("--json", options.jsonFile);
    add("--dump", options.dumpFile);
    add("--results", options.resultsFile);
    add("--save-input", options.saveInputFile);
    add("--report", options.reportFile);
    add("--xlsx", options.workbookFile);
    add("--save-project", options.projectFile);
    if (options.printDirectory)
        for (int chart = 1; chart <= printedChartCount; ++chart)
            targets.emplace_back("--print-pdf", printedChartFile(*options.printDirectory, chart));
    return targets;
}

// Two outputs naming one file would overwrite each other; one file named by
// two spellings ("a.json", "./a.json") is the same file.
void requireDistinctTargets(const CliOptions& options)
{
    const std::vector<std::pair<std::string, std::string>> targets = outputTargets(options);
    for (std::size_t i = 0; i < targets.size(); ++i)
        for (std::size_t j = i + 1; j < targets.size(); ++j)
            if (namesSameFile(targets[i].second, targets[j].second))
                throw UsageError(targets[i].first + " и " + targets[j].first
                                 + (targets[i].second == "-" ? " оба пишут в стандартный вывод"
                                                             : " называют один файл " + echoedName(targets[j].second)));
}

// An output written over a file the run reads would replace the user's data
// with the program's: refused before anything is read or written. A file is
// the same by its identity (a link, another spelling) or, not existing yet,
// by its path.
void requireOutputsApartFromInputs(const CliOptions& options)
{
    std::vector<std::string> inputs = options.inputFiles;
    if (options.girderFile)
        inputs.push_back(*options.girderFile);
    // The charts' folder is created where it is missing: never where an input is.
    if (options.chartsDirectory)
        for (const std::string& input : inputs)
            if (namesSameFile(*options.chartsDirectory, input))
                throw UsageError("вывод совпадает с входным файлом: --charts " + echoedName(*options.chartsDirectory)
                                 + " — входной файл, а графики пишутся в папку");
    for (const auto& [option, target] : outputTargets(options))
        for (const std::string& input : inputs)
            if (namesSameFile(target, input))
                throw UsageError("вывод совпадает с входным файлом: " + option + " " + echoedName(target)
                                 + (target == input ? std::string() : ", это входной файл " + echoedName(input)));
}

// Outputs that hold one input's files cannot hold those of several.
void requireOneInputForFileOutputs(const CliOptions& options)
{
    if (options.inputFiles.size() < 2)
        return;
    for (const auto& [option, value] :
         {std::pair{"--dump", &options.dumpFile}, std::pair{"--results", &options.resultsFile},
          std::pair{"--save-input", &options.saveInputFile}, std::pair{"--print-pdf", &options.printDirectory},
          std::pair{"--charts", &options.chartsDirectory}, std::pair{"--report", &options.reportFile},
          std::pair{"--xlsx", &options.workbookFile}, std::pair{"--save-project", &options.projectFile}})
        if (*value)
            throw UsageError(std::string(option)
                             + " пишет файлы одного входного файла: укажите один INPUT или используйте --json");
}

// A negative number ("-1", "-0,5", "-1.5") is a value, never an option: no
// option's name starts with a digit or a decimal separator.
bool isNegativeNumber(const QString& value)
{
    return value.size() > 1 && value[0] == u'-' && (value[1].isDigit() || value[1] == u',' || value[1] == u'.');
}

// A value that starts with a dash is an option the user meant, its own value
// forgotten before it: "--json --dump d.json" must not write a file "--dump".
// "-" alone is standard output; a file whose name starts with a dash is
// given as "./-name". A negative number given to an option that takes a
// number is its value, whose range is then checked with the quantity's name.
void requireValuesNotOptions(const QCommandLineParser& parser, const OptionTable& table)
{
    const auto takesNumber = [&](const QCommandLineOption* option) {
        return option == &table.waveHeight || option == &table.allowableStress || option == &table.tone;
    };
    for (const QCommandLineOption* option : table.withValues())
        for (const QString& value : parser.values(*option))
            if (value.startsWith(u'-') && value != QStringLiteral("-")
                && !(takesNumber(option) && isNegativeNumber(value)))
                throw UsageError("Нет значения у --" + option->names().constLast().toStdString() + ": за ним "
                                 + echoedName(toBytes(value))
                                 + ", а это параметр (файл с таким именем пишется как ./имя)");
}

// --set, --offset, --mass and --inertia: the texts typed into the particulars
// and the tables, in the order given.
void readTypedTexts(const QCommandLineParser& parser, const OptionTable& table, CliOptions& options)
{
    for (const std::string& value : valuesOf(parser, table.set)) {
        auto [name, text] = splitAssignment("set", value, "NAME=TEXT");
        const ParticularField* field = findParticular(name);
        if (!field)
            throw UsageError("--set: нет главного размерения " + echoedName(name) + " (список — в --help)");
        options.particulars.emplace_back(field, std::move(text));
    }
    for (const std::string& value : valuesOf(parser, table.titleField)) {
        auto [name, text] = splitAssignment("title-field", value, "NAME=TEXT");
        const TitleField* field = findTitleField(name);
        if (!field)
            throw UsageError("--title-field: нет поля " + echoedName(name)
                             + " (есть ship, author, group, variant, supervisor, date)");
        options.titleFields.emplace_back(field, std::move(text));
    }
    for (const std::string& value : valuesOf(parser, table.offset)) {
        auto [cell, text] = splitAssignment("offset", value, "COL,ROW=TEXT");
        const auto comma = cell.find(',');
        if (comma == std::string::npos)
            throw UsageError("--offset ожидает COL,ROW=TEXT, а получено " + echoedName(value));
        const int column = requireInRange("offset", cell.substr(0, comma), 1, waterlineCount);
        const int row = requireInRange("offset", cell.substr(comma + 1), 1, frameCount);
        options.cells.push_back({&InputTables::offsets, column, row, std::move(text)});
    }
    for (const std::string& value : valuesOf(parser, table.mass)) {
        auto [row, text] = splitAssignment("mass", value, "ROW=TEXT");
        options.cells.push_back(
            {&InputTables::masses, 1, requireInRange("mass", row, 1, spacingCount), std::move(text)});
    }
    for (const std::string& value : valuesOf(parser, table.inertia)) {
        auto [row, text] = splitAssignment("inertia", value, "ROW=TEXT");
        options.vibrationCells.push_back(
            {&VibrationSheet::sectionInertia, 1, requireInRange("inertia", row, 1, spacingCount), std::move(text)});
    }
}

// --tone N or --tone all.
void readTones(const QCommandLineParser& parser, const OptionTable& table, CliOptions& options)
{
    const auto tone = lastValueOf(parser, table.tone);
    if (!tone)
        return;
    options.allTones = *tone == "all";
    if (options.allTones) {
        for (int n = lowestTone; n <= highestTone; ++n)
            options.tones.push_back(n);
        return;
    }
    const std::optional<int> n = toInt(*tone);
    if (!n || *n < lowestTone || *n > highestTone)
        throw UsageError("--tone: " + echoedName(*tone) + " — не число от " + std::to_string(lowestTone) + " до "
                         + std::to_string(highestTone) + " и не all");
    options.tones = {*n};
}

// The strength check runs when asked for or when any of its inputs is given.
void readStrength(const QCommandLineParser& parser, const OptionTable& table, CliOptions& options)
{
    options.waveHeight = lastValueOf(parser, table.waveHeight);
    if (const auto profile = lastValueOf(parser, table.waveProfile)) {
        WaveProfile parsed = WaveProfile::trochoid;
        if (!profileFromKey(*profile, parsed))
            throw UsageError("--wave-profile: " + echoedName(*profile) + " — не trochoid и не cosine");
        options.waveProfile = parsed;
    }
    if (const auto navigation = lastValueOf(parser, table.navigationClass)) {
        options.navigationClass = navigationClassFromText(*navigation);
        if (!options.navigationClass || *options.navigationClass == NavigationClass::none)
            throw UsageError("--navigation-class: " + echoedName(*navigation) + " — не Л, Р, О или М");
    }
    options.smithEffect = parser.isSet(table.smithEffect);
    options.scantlingDraft = lastValueOf(parser, table.scantlingDraft);
    if (const auto steel = lastValueOf(parser, table.steel)) {
        options.steel = hullSteelFromKey(*steel);
        if (!options.steel)
            throw UsageError("--steel: " + echoedName(*steel) + " — не 235, 315 или 355");
    }
    options.girderFile = lastValueOf(parser, table.girder);
    options.allowableStress = lastValueOf(parser, table.allowableStress);
    options.strength = parser.isSet(table.strength) || options.waveHeight || options.waveProfile || options.girderFile
                       || options.allowableStress || options.navigationClass || options.smithEffect
                       || options.scantlingDraft || options.steel;
}

// The beam with shear, the added mass and the resonance check: texts the run
// reads as the project's, the added-mass method by its key.
void readVibrationOptions(const QCommandLineParser& parser, const OptionTable& table, CliOptions& options)
{
    options.shearArea = lastValueOf(parser, table.shearArea);
    if (const auto method = lastValueOf(parser, table.addedMass)) {
        AddedMassMethod parsed = AddedMassMethod::formula;
        if (!addedMassFromKey(*method, parsed))
            throw UsageError("--added-mass: " + echoedName(*method) + " — не formula и не lewis");
        options.addedMass = parsed;
    }
    options.shaftRpm = lastValueOf(parser, table.shaftRpm);
    options.blades = lastValueOf(parser, table.blades);
    options.engineRpm = lastValueOf(parser, table.engineRpm);
    options.firingPerRevolution = lastValueOf(parser, table.firingPerRevolution);
}

void readOutputs(const QCommandLineParser& parser, const OptionTable& table, CliOptions& options)
{
    options.jsonFile = lastValueOf(parser, table.json);
    options.dumpFile = lastValueOf(parser, table.dump);
    options.resultsFile = lastValueOf(parser, table.results);
    options.saveInputFile = lastValueOf(parser, table.saveInput);
    options.printDirectory = lastValueOf(parser, table.printPdf);
    options.chartsDirectory = lastValueOf(parser, table.charts);
    options.reportFile = lastValueOf(parser, table.report);
    options.workbookFile = lastValueOf(parser, table.xlsx);
    options.projectFile = lastValueOf(parser, table.saveProject);
    // The report and the workbook are binary documents written by their own
    // libraries to a file: a terminal is no place for them.
    for (const auto& [option, value] :
         {std::pair{"--report", &options.reportFile}, std::pair{"--xlsx", &options.workbookFile}})
        if (*value == "-")
            throw UsageError(std::string(option) + " пишет файл: укажите его имя, а не -");
}

}  // namespace

std::string shortened(const std::string& text, std::size_t limit) { return messageExcerpt(text, limit); }

CliOptions parseCliOptions(const std::vector<std::string>& args)
{
    const OptionTable table;
    QCommandLineParser parser;
    setUp(parser, table);
    QStringList arguments{programName};
    for (const std::string& arg : args)
        arguments.append(fromArgument(arg));
    if (!parser.parse(arguments)) {
        // Qt's message quotes an unknown option whole; a pasted text must not fill the screen.
        if (!parser.unknownOptionNames().isEmpty())
            throw UsageError(unknownOptionsMessage(parser.unknownOptionNames()));
        throw UsageError(parseErrorInRussian(parser.errorText()));
    }

    CliOptions options;
    options.help = parser.isSet(table.help);
    options.version = parser.isSet(table.version);
    if (options.help || options.version)
        return options;
    requireValuesNotOptions(parser, table);

    options.sea = parser.isSet(table.sea);
    readTypedTexts(parser, table, options);
    readTones(parser, table, options);
    readStrength(parser, table, options);
    if (const auto mode = lastValueOf(parser, table.stabilityTrim)) {
        options.stabilityTrim = stabilityTrimOf(*mode);
        if (!options.stabilityTrim)
            throw UsageError("--stability-trim: " + echoedName(*mode) + " — не fixed и не free");
    }
    readVibrationOptions(parser, table, options);
    readOutputs(parser, table, options);
    for (const QString& input : parser.positionalArguments())
        options.inputFiles.push_back(toBytes(input));

    requireOneInputForFileOutputs(options);
    requireDistinctTargets(options);
    requireOutputsApartFromInputs(options);
    return options;
}

std::string cliHelpText()
{
    const OptionTable table;
    QCommandLineParser parser;
    setUp(parser, table);
    // Without a Qt application the parser does not know the program's name.
    QString help = parser.helpText().replace("<executable_name>", programName);
    // The parser's own headings, which it has in English only.
    for (const auto& [english, russian] :
         {std::pair{"Usage: ", "Использование: "}, std::pair{" [options]", " [параметры]"},
          std::pair{"\nOptions:\n", "\nПараметры:\n"}, std::pair{"\nArguments:\n", "\nАргументы:\n"}})
        help.replace(QString::fromUtf8(english), QString::fromUtf8(russian));
    std::string text = help.toStdString();
    text += "\nГлавные размерения для --set NAME=TEXT (любое из двух имен):\n";
    for (const ParticularField& field : particularFields) {
        std::string names = "  " + std::string(field.key) + ", " + std::string(field.optionName);
        names.resize(std::max<std::size_t>(names.size() + 2, 32), ' ');
        text += names + captionOf(field) + '\n';
    }
    text +=
        "\nПримеры:\n"
        "  hullcalc-cli --json -\n"
        "  hullcalc-cli --sea --set ShipdT=0,4 --offset 3,5=2,1 --mass 4=40 --tone 2 --json out.json\n"
        "  hullcalc-cli ship1.txt ship2.txt --tone 1 --json results.json\n"
        "  hullcalc-cli --tone all --report report.pdf --xlsx report.xlsx --save-project ship.hullcalc\n"
        "  hullcalc-cli ship.hullcalc --tone all\n";
    return text;
}

std::string cliVersionText() { return std::string(programName) + " " + std::string(programVersion()) + "\n"; }

std::string cliUsageHint()
{
    return std::string("Использование: ") + programName + " [параметры] [INPUT...]\nПодробнее: «" + programName
           + " --help».\n";
}

}  // namespace hullcalc
