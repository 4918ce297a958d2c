#include "report/vibration_tables.h"

#include "common/error.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "vibration/beam_model.h"
#include "vibration/tone_comparison.h"
#include "vibration/vibration.h"

#include <algorithm>
#include <array>

namespace hullcalc {

namespace {

// "delta    -0,7005" as the window shows it: the value after the name.
std::string valueAfterName(std::string_view text)
{
    const std::string line(trimmed(text));
    const auto blank = line.find_last_of(' ');
    return blank == std::string::npos ? line : line.substr(blank + 1);
}

std::string perCent(double value, double reference)
{
    return reference != 0.0 ? readableFixed(differencePercent(value, reference), 1) : std::string();
}

constexpr std::array<Colour, 4> toneColours = {colours::red, colours::blue, colours::green, colours::purple};

}  // namespace

std::vector<CaptionedValue> vibrationResultLines(const VibrationSheet& vibration)
{
    std::vector<CaptionedValue> lines = {
        {"Тон колебаний", vibration.tone > 0 ? toneNumeral(vibration.tone) : std::string()},
        // Rounded as the window shows them: a magnitude and a mass.
        {"Обобщенная жесткость, кН/м", std::string(trimmed(vibration.stiffness)), true, DisplayPrecision::magnitude},
        {"Обобщенная масса, т", std::string(trimmed(vibration.mass)), true, DisplayPrecision::forceOrMass},
        {"Частота ω, 1/с", std::string(trimmed(vibration.frequency)), true},
    };
    const std::optional<double> omega = numberOrNothing(vibration.frequency);
    const Frequency frequency = frequencyOf(omega.value_or(0.0));
    lines.push_back({"Частота, Гц", omega ? readableFixed(frequency.hertz, 4) : std::string(), true});
    lines.push_back({"Частота, кол/мин", omega ? readableFixed(frequency.perMinute, 2) : std::string(), true});
    lines.push_back({"Смещение формы колебаний δ", valueAfterName(vibration.shift), true});
    lines.push_back({"Поворот формы колебаний β", valueAfterName(vibration.turn), true});
    return lines;
}

ReportTable sectionInertiaTable(const VibrationSheet& vibration)
{
    ReportTable table;
    table.title = "Моменты инерции поперечных сечений корпуса";
    table.header = {"Шпация", "I, м⁴"};
    table.fixedDecimals = true;
    for (int row = 1; row <= spacingCount; ++row)
        table.rows.push_back({spacingLabel(row - 1), vibration.sectionInertia.cell(1, row)});
    return table;
}

ReportTable vibrationCalculationTable(const VibrationSheet& vibration)
{
    const TextGrid& grid = vibration.table;
    ReportTable table;
    table.title = "Таблица расчета вибрации";
    if (vibration.tone > 0)
        table.title += ", тон " + toneNumeral(vibration.tone);
    table.fixedDecimals = true;
    const VibrationTableCaptions captions = vibrationTableCaptions();
    table.header.push_back("Шпация");
    table.precision.push_back(DisplayPrecision::asStored);
    for (int column = 1; column < grid.columnCount(); ++column) {
        table.header.push_back(captions.columns.at(static_cast<std::size_t>(column - 1)));
        table.precision.push_back(vibrationColumnPrecision(column));
    }
    for (int row = 1; row < grid.rowCount(); ++row) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        // The last row holds the sums of the columns (and column 1 the stern frame).
        cells.push_back(captions.rows.at(static_cast<std::size_t>(row - 1)));
        for (int column = 1; column < grid.columnCount(); ++column)
            cells.emplace_back(trimmed(grid.cell(column, row)));
    }
    return table;
}

ReportTable modeShapeTable(const VibrationSheet& vibration)
{
    ReportTable table;
    table.title = "Форма колебаний (энергетический метод)";
    table.header = {"Шпация", "Ордината"};
    table.fixedDecimals = true;
    for (const ChartSeries& series : vibration.modeShape.series)
        for (const ChartPoint& point : series.points())
            table.rows.push_back({readableGeneral(point.x), readableFixed(point.y, 4)});
    return table;
}

ReportTable toneComparisonTable(const std::vector<ToneSummary>& tones)
{
    ReportTable table;
    table.title = "Частоты свободных колебаний по тонам";
    table.note =
        "Энергетический метод — по таблице расчета вибрации; балочная модель — конечно-элементная модель корпуса "
        "как свободной балки. Расхождение — балочной модели от энергетического метода.";
    table.fixedDecimals = true;
    table.header = {"Тон",
                    "Энергетический метод, 1/с",
                    "Энергетический метод, Гц",
                    "Энергетический метод, кол/мин",
                    "Балочная модель, 1/с",
                    "Балочная модель, Гц",
                    "Балочная модель, кол/мин",
                    "Расхождение, %"};
    for (const ToneSummary& tone : tones) {
        const Frequency energy = frequencyOf(tone.energyFrequency);
        const Frequency beam = frequencyOf(tone.beamFrequency);
        table.rows.push_back({toneNumeral(tone.tone), readableFixed(energy.perSecond, 4),
                              readableFixed(energy.hertz, 4), readableFixed(energy.perMinute, 2),
                              readableFixed(beam.perSecond, 4), readableFixed(beam.hertz, 4),
                              readableFixed(beam.perMinute, 2), perCent(tone.beamFrequency, tone.energyFrequency)});
    }
    return table;
}

ReportTable methodComparisonTable(const std::vector<ToneSummary>& tones)
{
    ReportTable table;
    table.title = "Частоты тонов по трем методам, Гц";
    table.note =
        "Энергетический метод — по таблице расчета вибрации; изгибная балка — конечно-элементная модель корпуса "
        "как свободной балки Эйлера — Бернулли; балка со сдвигом — та же балка с деформацией сдвига и инерцией "
        "поворота (Тимошенко). Принимается балка со сдвигом, где она рассчитана, иначе для тонов I и II "
        "энергетический метод, для III и IV изгибная балка.";
    table.fixedDecimals = true;
    table.header = {"Тон",       "Энергетический метод", "Изгибная балка", "Балка со сдвигом", "Принять", "f, Гц",
                    "N, кол/мин"};
    const auto hertz = [](double omega) { return omega > 0.0 ? readableFixed(frequencyOf(omega).hertz, 3) : "—"; };
    for (const ToneSummary& tone : tones) {
        const Frequency taken = frequencyOf(recommendedFrequency(tone));
        table.rows.push_back({toneNumeral(tone.tone), hertz(tone.energyFrequency), hertz(tone.beamFrequency),
                              hertz(tone.shearBeamFrequency), recommendedMethod(tone), readableFixed(taken.hertz, 3),
                              readableFixed(taken.perMinute, 1)});
    }
    return table;
}

std::vector<CaptionedValue> beamModelLines(const std::vector<ToneSummary>& tones, const std::string& shearAreaNote)
{
    if (tones.empty())
        return {};
    const bool lewis = std::any_of(tones.begin(), tones.end(), [](const ToneSummary& t) { return t.lewisAddedMass; });
    std::vector<CaptionedValue> lines = {
        {"Присоединенная масса воды в балочных моделях",
         lewis ? "по Льюису (шпангоуты Льюиса)" : "по формуле энергетического метода"}};
    if (!shearAreaNote.empty())
        lines.push_back({"Площадь сдвига", shearAreaNote});
    return lines;
}

ReportTable resonanceTable(const std::vector<ResonanceMargin>& margins, double limitPercent)
{
    ReportTable table;
    table.title = "Отстройка тонов от частот возбуждения, %";
    table.note = "Отстройка (f тона − f возбуждения) / f возбуждения · 100; допустимая ±"
                 + readableFixed(limitPercent, 0) + " %; «!» — тон в резонансной зоне.";
    table.labelColumns = 2;
    table.fixedDecimals = true;
    table.header = {"Возбуждение", "f, Гц"};
    // The margins come tone by tone, each with every excitation in the same order.
    std::vector<std::string> excitations;
    for (const ResonanceMargin& m : margins) {
        if (std::find(excitations.begin(), excitations.end(), m.excitation) != excitations.end())
            break;
        excitations.push_back(m.excitation);
        table.rows.push_back({m.excitation, readableFixed(m.excitationHertz, 2)});
    }
    if (excitations.empty())
        return table;
    for (std::size_t k = 0; k < margins.size(); ++k) {
        const ResonanceMargin& m = margins[k];
        if (k % excitations.size() == 0)
            table.header.push_back("Тон " + toneNumeral(m.tone) + " (" + readableFixed(m.toneHertz, 2) + " Гц)");
        table.rows[k % excitations.size()].push_back(readableFixed(m.marginPercent, 1)
                                                     + (m.inside ? std::string(resonanceMark) : std::string()));
    }
    return table;
}

ReportTable beamShapesTable(const std::vector<ToneSummary>& tones)
{
    ReportTable table;
    table.title = "Формы колебаний балочной модели";
    table.fixedDecimals = true;
    table.header.push_back("Шп");
    for (const ToneSummary& tone : tones)
        table.header.push_back("Тон " + toneNumeral(tone.tone));
    for (int frame = 0; frame < frameCount; ++frame) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        cells.push_back(frameLabel(frame));
        for (const ToneSummary& tone : tones) {
            const auto node = static_cast<std::size_t>(frame);
            cells.push_back(node < tone.beamShape.size() ? readableFixed(tone.beamShape[node], 4) : std::string());
        }
    }
    return table;
}

ChartModel beamShapesChart(const std::vector<ToneSummary>& tones)
{
    ChartModel chart;
    chart.title = "Формы колебаний балочной модели";
    for (std::size_t i = 0; i < tones.size(); ++i) {
        ChartSeries& series =
            chart.series.emplace_back("Тон " + toneNumeral(tones[i].tone), toneColours[i % toneColours.size()]);
        for (std::size_t node = 0; node < tones[i].beamShape.size(); ++node)
            series.append(static_cast<double>(node), tones[i].beamShape[node]);
    }
    return chart;
}

std::vector<CaptionedValue> kumaiLines(std::optional<double> kumaiPerMinute, const VibrationSheet* vibration,
                                       const std::vector<ToneSummary>& tones)
{
    if (!kumaiPerMinute)
        return {};
    const double kumai = *kumaiPerMinute;
    std::vector<CaptionedValue> lines = {{"Оценка по Кумаи, тон I, кол/мин", readableFixed(kumai, 2), true}};
    std::optional<double> energy;
    std::optional<double> beam;
    for (const ToneSummary& tone : tones) {
        if (tone.tone == 1) {
            energy = tone.energyFrequency;
            beam = tone.beamFrequency;
        }
    }
    if (!energy && vibration && vibration->tone == 1)
        energy = numberOrNothing(vibration->frequency);
    const auto compare = [&](std::optional<double> omega, const std::string& method) {
        if (!omega)
            return;
        const double perMinute = frequencyOf(*omega).perMinute;
        lines.push_back({method + ", тон I, кол/мин", readableFixed(perMinute, 2), true});
        lines.push_back({"Отличие от оценки по Кумаи, %", perCent(perMinute, kumai), true});
    };
    compare(energy, "Энергетический метод");
    compare(beam, "Балочная модель");
    return lines;
}

}  // namespace hullcalc
