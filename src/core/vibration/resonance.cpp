// The exciting frequencies of the propeller and the engine, the margins of the
// tones from them, and the Campbell diagram.
#include "vibration/resonance.h"

#include "common/error.h"
#include "common/number_text.h"
#include "vibration/vibration_sheet.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace hullcalc {

namespace {

double positive(std::optional<double> value, const char* what)
{
    if (!value || !std::isfinite(*value) || *value <= 0)
        throw Error(std::string(what) + ": нужно положительное число");
    return *value;
}

int positiveCount(std::optional<int> value, const char* what)
{
    if (!value || *value < 1)
        throw Error(std::string(what) + ": нужно целое число не меньше 1");
    return *value;
}

std::optional<double> typedNumber(const std::string& text, const char* what)
{
    if (trimmed(text).empty())
        return std::nullopt;
    try {
        return parseNumber(text);
    } catch (const Error& e) {
        throw Error(std::string(what) + ": " + e.what());
    }
}

std::optional<int> typedCount(const std::string& text, const char* what)
{
    const std::optional<double> value = typedNumber(text, what);
    if (!value)
        return std::nullopt;
    if (*value != std::floor(*value) || *value < 1 || *value > 1000)
        throw Error(std::string(what) + ": нужно целое число от 1 до 1000");
    return static_cast<int>(*value);
}

}  // namespace

PropulsionInput propulsionInputOf(const VibrationOptions& options)
{
    return {typedNumber(options.shaftRpm, "Частота вращения вала"),
            typedCount(options.blades, "Число лопастей гребного винта"),
            typedNumber(options.engineRpm, "Частота вращения двигателя"),
            typedCount(options.firingPerRevolution, "Число вспышек за оборот двигателя"),
            typedNumber(options.excitingFrequency, "Частота возбуждения")};
}

double resonanceMarginOf(const VibrationOptions& options)
{
    return typedNumber(options.resonanceMargin, "Допустимая отстройка от резонанса")
        .value_or(defaultResonanceMarginPercent);
}

std::vector<Excitation> excitationsOf(const PropulsionInput& input)
{
    std::vector<Excitation> excitations;
    if (input.shaftRpm) {
        const double rate = positive(input.shaftRpm, "Частота вращения вала") / 60;
        excitations.push_back({"Вал", rate, 1});
        if (input.blades) {
            // The blades pass the hull z times a revolution: the blade rate and
            // its first harmonic drive the stern.
            const int z = positiveCount(input.blades, "Число лопастей гребного винта");
            excitations.push_back({"Лопастная", z * rate, static_cast<double>(z)});
            excitations.push_back({"2 × лопастная", 2 * z * rate, 2.0 * z});
        }
    }
    if (input.engineRpm && input.firingPerRevolution) {
        const double engine = positive(input.engineRpm, "Частота вращения двигателя") / 60;
        const int k = positiveCount(input.firingPerRevolution, "Число вспышек за оборот двигателя");
        // With the shaft speed known the engine turns engineRpm/shaftRpm times
        // per turn of the shaft (1 for a direct drive, the gear ratio otherwise).
        const double order = input.shaftRpm ? k * *input.engineRpm / *input.shaftRpm : 0.0;
        excitations.push_back({"Вспышки", k * engine, order});
    }
    if (input.excitingFrequency)
        excitations.push_back({"Заданная", positive(input.excitingFrequency, "Частота возбуждения"), 0});
    return excitations;
}

std::vector<ResonanceMargin> resonanceMargins(const std::vector<double>& toneHertz,
                                              const std::vector<Excitation>& excitations, double limitPercent)
{
    positive(limitPercent, "Допустимая отстройка от резонанса");
    std::vector<ResonanceMargin> margins;
    for (std::size_t i = 0; i < toneHertz.size(); ++i) {
        for (const Excitation& excitation : excitations) {
            const double margin = (toneHertz[i] - excitation.hertz) / excitation.hertz * 100;
            margins.push_back({static_cast<int>(i) + 1, toneHertz[i], excitation.name, excitation.hertz, margin,
                               std::abs(margin) < limitPercent});
        }
    }
    return margins;
}

std::vector<std::string> resonanceWarnings(const std::vector<ResonanceMargin>& margins, double limitPercent)
{
    std::vector<std::string> warnings;
    for (const ResonanceMargin& m : margins) {
        if (!m.inside)
            continue;
        warnings.push_back("Тон " + toneNumeral(m.tone) + " (" + formatFixed(m.toneHertz, 2)
                           + " Гц) в резонансной зоне: «" + m.excitation + "» " + formatFixed(m.excitationHertz, 2)
                           + " Гц, отстройка " + formatFixed(m.marginPercent, 0) + " % при допустимой ±"
                           + formatFixed(limitPercent, 0) + " %");
    }
    return warnings;
}

ChartModel campbellDiagram(const std::vector<double>& toneHertz, const std::vector<Excitation>& excitations,
                           const PropulsionInput& input, const std::vector<int>& toneNumbers)
{
    constexpr double reach = 1.2;  // the chart runs a fifth beyond the speed given
    const double top = input.shaftRpm ? reach * *input.shaftRpm : input.engineRpm ? reach * *input.engineRpm : 600.0;
    ChartModel chart;
    chart.title = "Диаграмма Кэмпбелла";
    static constexpr Colour toneColours[] = {colours::navy, colours::teal, colours::purple, colours::maroon};
    for (std::size_t i = 0; i < toneHertz.size(); ++i) {
        const int number = i < toneNumbers.size() ? toneNumbers[i] : static_cast<int>(i) + 1;
        ChartSeries tone("Тон " + toneNumeral(number), toneColours[static_cast<std::size_t>(number - 1) % 4]);
        tone.append(0, toneHertz[i]);
        tone.append(top, toneHertz[i]);
        chart.series.push_back(std::move(tone));
    }
    static constexpr Colour excitationColours[] = {colours::grey, colours::red, colours::fuchsia, colours::green,
                                                   colours::olive};
    for (std::size_t i = 0; i < excitations.size(); ++i) {
        const Excitation& e = excitations[i];
        ChartSeries line(e.name, excitationColours[i % 5]);
        const bool followsShaft = e.shaftOrder > 0 && input.shaftRpm;
        line.append(0, followsShaft ? 0.0 : e.hertz);
        line.append(top, followsShaft ? e.shaftOrder * top / 60 : e.hertz);
        chart.series.push_back(std::move(line));
    }
    // The operating shaft speed as a vertical line across every curve: where
    // it crosses a tone on an excitation's ray, that tone is excited.
    if (input.shaftRpm) {
        double highest = 0.0;
        for (const ChartSeries& series : chart.series)
            for (const ChartPoint& point : series.points())
                highest = std::max(highest, point.y);
        ChartSeries operating("Рабочая частота", colours::black);
        operating.append(*input.shaftRpm, 0.0);
        operating.append(*input.shaftRpm, highest);
        chart.series.push_back(std::move(operating));
    }
    return chart;
}

}  // namespace hullcalc
