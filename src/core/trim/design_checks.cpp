// The checks read the particulars' and the grids' texts as the calculation
// would, and say in the user's terms what looks wrong and where.
#include "trim/design_checks.h"

#include "common/display_precision.h"
#include "common/error.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/bonjean_scale.h"
#include "trim/trim_table.h"
#include "trim/waterline_iteration.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace hullcalc {

namespace {

std::optional<double> particularNumber(const ShipParticulars& particulars, std::string ShipParticulars::*text)
{
    return numberOrNothing(particulars.*text);
}

// A particular the calculation divides by or integrates with: only a positive
// number makes a check of it meaningful (anything else the calculation refuses).
std::optional<double> checkedParticular(const ShipParticulars& particulars, std::string ShipParticulars::*text)
{
    try {
        return positiveParticular(particulars, text);
    } catch (const ParticularError&) {
        return std::nullopt;
    }
}

Warning particularWarning(std::string message, std::string ShipParticulars::*text)
{
    Warning warning;
    warning.message = std::move(message);
    warning.place = Warning::Place::Particular;
    warning.particular = text;
    return warning;
}

// Numbers so large that a check's arithmetic overflows are left to the
// calculation, which stops on them; the check says nothing.
bool allFinite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// A number of a message: with `decimals` places as the tables show it, or in
// the general form (decimals < 0), which a value too long for fixed places
// (16 or more integer digits) takes as well. A value whose 15-digit rounding
// lies beyond the largest double (a typed 1,7976931348623157E308) has no text
// of the calculation's own: it is shown with 7 digits, and an infinite
// intermediate (a sum of two such masses) as «∞», so that a check never
// fails on the numbers it is there to question.
std::string shownNumber(double value, int decimals = -1)
{
    // From 10¹⁵ up, as the windows show such numbers: four significant digits.
    if (!std::isfinite(value) || std::fabs(value) >= 1e15)
        return displayNumber(value, DisplayPrecision::magnitude);
    return decimals >= 0 ? formatFixed(value, decimals) : formatGeneral(value);
}

std::string percent(double value) { return shownNumber(value, 2) + " %"; }

void checkRangeOfShips(const ShipParticulars& particulars, std::vector<Warning>& warnings)
{
    const struct {
        std::string ShipParticulars::*text;
        const char* quantity;
        double largest;
        const char* unit;
    } bounds[] = {
        {&ShipParticulars::length, "Длина L", designLimits::largestLength, "м"},
        {&ShipParticulars::breadth, "Ширина B", designLimits::largestBreadth, "м"},
        {&ShipParticulars::depth, "Высота борта H", designLimits::largestDepth, "м"},
        {&ShipParticulars::draft, "Осадка T", designLimits::largestDraft, "м"},
        {&ShipParticulars::displacement, "Водоизмещение D", designLimits::largestDisplacement, "т"},
        {&ShipParticulars::designDisplacement, "Водоизмещение в расчетном случае", designLimits::largestDisplacement,
         "т"},
        {&ShipParticulars::frameSpacing, "Шпация ΔL", designLimits::largestFrameSpacing, "м"},
        {&ShipParticulars::waterlineSpacing, "Расстояние ΔT", designLimits::largestWaterlineSpacing, "м"},
    };
    for (const auto& bound : bounds) {
        const auto value = particularNumber(particulars, bound.text);
        if (value && *value > bound.largest)
            warnings.push_back(particularWarning(std::string(bound.quantity) + " = " + shownNumber(*value) + " "
                                                     + bound.unit + " больше, чем у любого судна (до "
                                                     + shownNumber(bound.largest) + " " + bound.unit + ")",
                                                 bound.text));
    }
}

// z_g between the base line and the deck: below the keel or above the deck
// it is a slip (a sign, a unit), which makes h meaningless.
void checkVerticalCentreOfGravity(const ShipParticulars& particulars, std::vector<Warning>& warnings)
{
    const auto zg = particularNumber(particulars, &ShipParticulars::verticalCentreOfGravity);
    if (!zg)
        return;
    const auto depth = particularNumber(particulars, &ShipParticulars::depth);
    if (*zg < 0.0)
        warnings.push_back(particularWarning("Аппликата ЦТ z_g = " + shownNumber(*zg) + " м ниже киля (меньше 0 м)",
                                             &ShipParticulars::verticalCentreOfGravity));
    else if (depth && *depth > 0.0 && *zg > *depth)
        warnings.push_back(particularWarning(
            "Аппликата ЦТ z_g = " + shownNumber(*zg) + " м выше палубы (H = " + shownNumber(*depth) + " м)",
            &ShipParticulars::verticalCentreOfGravity));
}

void checkLengthAgainstSpacing(const ShipParticulars& particulars, std::vector<Warning>& warnings)
{
    const auto L = checkedParticular(particulars, &ShipParticulars::length);
    const auto dL = checkedParticular(particulars, &ShipParticulars::frameSpacing);
    if (!L || !dL)
        return;
    const double spacings = spacingCount * *dL;
    const double mismatch = std::fabs(*L - spacings) / *L;
    if (!allFinite({spacings, mismatch}) || mismatch <= designLimits::lengthMismatch)
        return;
    warnings.push_back(particularWarning("Длина L = " + shownNumber(*L) + " м не равна 20·ΔL = " + shownNumber(spacings)
                                             + " м: расхождение " + percent(mismatch * 100) + ", больше "
                                             + shownNumber(designLimits::lengthMismatch * 100) + " %",
                                         &ShipParticulars::frameSpacing));
}

// The heights the calculation builds, the top one by the same repeated
// addition: the draft lies among the waterlines of the offsets table, from the
// base line to the top one, and below the deck.
void checkDraftAgainstWaterlinesAndDepth(const ShipParticulars& particulars, std::vector<Warning>& warnings)
{
    const auto draft = particularNumber(particulars, &ShipParticulars::draft);
    if (!draft)
        return;
    if (!(*draft > 0.0)) {
        warnings.push_back(particularWarning("Осадка T = " + shownNumber(*draft)
                                                 + " м не выше основной линии: ватерлинии таблицы ординат лежат от 0 м "
                                                   "вверх",
                                             &ShipParticulars::draft));
        return;
    }
    if (const auto waterlineSpacing = checkedParticular(particulars, &ShipParticulars::waterlineSpacing)) {
        WaterlineHeights z{};
        buildWaterlineHeights(*waterlineSpacing, z);
        const double top = z[waterlineCount];
        if (top < *draft)
            warnings.push_back(
                particularWarning("Ватерлинии таблицы ординат не доходят до осадки: верхняя ватерлиния "
                                  "9·ΔT = "
                                      + shownNumber(top) + " м ниже осадки T = " + shownNumber(*draft) + " м",
                                  &ShipParticulars::waterlineSpacing));
    }
    const auto depth = particularNumber(particulars, &ShipParticulars::depth);
    if (depth && *depth < *draft)
        warnings.push_back(particularWarning("Высота борта H = " + shownNumber(*depth) + " м меньше осадки T = "
                                                 + shownNumber(*draft) + " м: палуба ниже ватерлинии",
                                             &ShipParticulars::depth));
}

void checkOffsets(const ShipParticulars& particulars, const InputTables& input, std::vector<Warning>& warnings)
{
    const auto breadth = checkedParticular(particulars, &ShipParticulars::breadth);
    for (int row = 1; row <= frameCount; ++row) {
        for (int column = 1; column <= waterlineCount; ++column) {
            const auto y = numberOrNothing(input.offsets.cell(column, row));
            if (!y)
                continue;
            const std::string where = ": шпангоут «" + frameLabel(row - 1) + "», ватерлиния " + std::to_string(column);
            std::string message;
            if (*y < 0)
                message = "Отрицательная полуширина " + shownNumber(*y) + " м" + where;
            else if (breadth && 2 * *y > *breadth)
                message = "Полуширина " + shownNumber(*y)
                          + " м больше половины ширины B/2 = " + shownNumber(*breadth / 2) + " м" + where;
            if (!message.empty())
                warnings.push_back({message, Warning::Place::Offset, column, row, nullptr});
        }
    }
}

void checkMasses(const ShipParticulars& particulars, const InputTables& input, std::vector<Warning>& warnings)
{
    double sum = 0.0;
    bool allNumbers = true;
    for (int row = 1; row <= spacingCount; ++row) {
        const auto mass = numberOrNothing(input.masses.cell(1, row));
        if (!mass) {
            allNumbers = false;
            continue;
        }
        sum += *mass;
    }
    // A sum without a mass that is not a number would only repeat that error.
    const auto displacement = checkedParticular(particulars, &ShipParticulars::designDisplacement);
    if (!allNumbers || !displacement)
        return;
    const double mismatch = std::fabs(sum - *displacement) / *displacement;
    if (!allFinite({sum, mismatch}) || mismatch <= designLimits::massSumMismatch)
        return;
    warnings.push_back({"Сумма масс шпаций " + shownNumber(sum, 2)
                            + " т отличается от водоизмещения в расчетном случае " + shownNumber(*displacement)
                            + " т на " + percent(mismatch * 100) + ", больше "
                            + shownNumber(designLimits::massSumMismatch * 100) + " %",
                        Warning::Place::Mass, 1, 0, nullptr});
}

// Spacing i (1 at the bow) has its middle at L/2 − (i − 1/2)·ΔL from midship,
// positive towards the bow, as XG is measured.
void checkCentreOfGravity(const ShipParticulars& particulars, const InputTables& input, std::vector<Warning>& warnings)
{
    const auto L = checkedParticular(particulars, &ShipParticulars::length);
    const auto dL = checkedParticular(particulars, &ShipParticulars::frameSpacing);
    const auto xg = particularNumber(particulars, &ShipParticulars::centreOfGravity);
    if (!L || !dL || !xg)
        return;
    double massSum = 0.0;
    double momentSum = 0.0;
    for (int row = 1; row <= spacingCount; ++row) {
        const auto mass = numberOrNothing(input.masses.cell(1, row));
        if (!mass)
            return;
        massSum += *mass;
        momentSum += *mass * (*L / 2 - (row - 0.5) * *dL);
    }
    if (!(massSum > 0.0))
        return;
    const double centroid = momentSum / massSum;
    const double limit = designLimits::centroidMismatch * *L;
    if (!allFinite({centroid, *xg}) || std::fabs(*xg - centroid) <= limit)
        return;
    warnings.push_back(particularWarning(
        "Абсцисса ЦТ XG = " + formatGeneral(*xg) + " м не совпадает с центром масс шпаций Σm·x/Σm = "
            + formatFixed(centroid, 3) + " м: расхождение " + formatFixed(std::fabs(*xg - centroid), 3) + " м больше "
            + formatGeneral(designLimits::centroidMismatch * 100) + " % L = " + formatGeneral(limit) + " м",
        &ShipParticulars::centreOfGravity));
}

// The largest |value| of a column of the trim table over the frame rows.
double largestMagnitude(const TextGrid& table, int column)
{
    double largest = 0.0;
    for (int row = 1; row < table.rowCount(); ++row)
        if (const auto value = numberOrNothing(table.cell(column, row)))
            largest = std::max(largest, std::fabs(*value));
    return largest;
}

// `closure` and `largest` in `unit`; `caption` is the summary line's, and
// `largestName` names the largest value in the genitive.
void checkClosure(double closure, double largest, double limitPercent, double floor, const std::string& caption,
                  const std::string& largestName, const std::string& unit, std::vector<Warning>& warnings)
{
    if (!(largest > 0.0) || std::fabs(closure) <= floor)
        return;
    const double share = std::fabs(closure) / largest * 100;
    if (!std::isfinite(share) || share <= limitPercent)
        return;
    warnings.push_back({caption + " " + shownNumber(closure, 2) + " " + unit + " — " + percent(share) + " "
                            + largestName + " " + shownNumber(largest, 2) + " " + unit + ", больше "
                            + shownNumber(limitPercent) + " %",
                        Warning::Place::None, 0, 0, nullptr});
}

// "«1.5» — не число (...)" or "пустая ячейка"; empty for a number.
std::string notANumberIn(const std::string& text)
{
    if (numberOrNothing(text))
        return {};
    if (trimmed(text).empty())
        return "пустая ячейка";
    return "«" + messageExcerpt(text, 30) + "» — не число (десятичный разделитель — запятая)";
}

// h as the summary shows it (two decimals) is what is judged.
void checkInitialStability(const ShipParticulars& particulars, const InitialStability& stability,
                           std::vector<Warning>& warnings)
{
    if (stability.undefinedAtDraft) {
        warnings.push_back(
            particularWarning("Начальная остойчивость не вычислена: средняя осадка ниже первой "
                              "ватерлинии с объемом водоизмещения, где Zc и r не определены",
                              &ShipParticulars::verticalCentreOfGravity));
        return;
    }
    const auto h = numberOrNothing(stability.metacentricHeight);
    if (!h)
        return;
    const std::string shownHeight = displayText(stability.metacentricHeight, DisplayPrecision::forceOrMass);
    if (*h <= 0.0)
        warnings.push_back(particularWarning("Судно неостойчиво: h = " + shownHeight + " м",
                                             &ShipParticulars::verticalCentreOfGravity));
    else if (particulars.shipType == ShipType::sea && *h < designLimits::seaGoingMetacentricHeight)
        warnings.push_back(particularWarning(
            "Начальная метацентрическая высота h = " + shownHeight + " м меньше 0,15 м (Кодекс ИС 2008, ч. A, 2.2)",
            &ShipParticulars::verticalCentreOfGravity));
}

// Runs one check. Its own arithmetic on extreme numbers (heights built by
// checked addition) may fail where the calculation fails too: that check says
// nothing and leaves the message to the calculation, the others still run.
template<typename Check>
void guarded(Check&& check)
{
    try {
        check();
    } catch (const Error&) {
    }
}

}  // namespace

std::vector<Warning> checkNumberTexts(const InputTables& input)
{
    std::vector<Warning> warnings;
    std::vector<Warning> offsets;
    bool anyOffset = false;
    for (int row = 1; row <= frameCount && row < input.offsets.rowCount(); ++row) {
        for (int column = 1; column <= waterlineCount && column < input.offsets.columnCount(); ++column) {
            const std::string& text = input.offsets.cell(column, row);
            anyOffset = anyOffset || !text.empty();
            if (const std::string what = notANumberIn(text); !what.empty())
                offsets.push_back(
                    {"Ячейка «" + frameLabel(row - 1) + "» / ватерлиния «" + std::to_string(column) + "»: " + what,
                     Warning::Place::Offset, column, row, nullptr});
        }
    }
    if (!anyOffset)
        warnings.push_back({"Таблица ординат не заполнена", Warning::Place::Offset, 1, 1, nullptr});
    else
        warnings.insert(warnings.end(), offsets.begin(), offsets.end());

    std::vector<Warning> masses;
    bool anyMass = false;
    for (int row = 1; row <= spacingCount && row < input.masses.rowCount(); ++row) {
        const std::string& text = input.masses.cell(1, row);
        anyMass = anyMass || !text.empty();
        if (const std::string what = notANumberIn(text); !what.empty())
            masses.push_back(
                {"Масса шпации «" + spacingLabel(row - 1) + "»: " + what, Warning::Place::Mass, 1, row, nullptr});
    }
    if (!anyMass)
        warnings.push_back({"Таблица масс не заполнена", Warning::Place::Mass, 1, 0, nullptr});
    else
        warnings.insert(warnings.end(), masses.begin(), masses.end());
    return warnings;
}

std::vector<Warning> checkDraft(const ShipParticulars& particulars)
{
    std::vector<Warning> warnings;
    guarded([&] { checkDraftAgainstWaterlinesAndDepth(particulars, warnings); });
    return warnings;
}

std::vector<Warning> checkInput(const ShipParticulars& particulars, const InputTables& input)
{
    std::vector<Warning> warnings;
    guarded([&] { checkRangeOfShips(particulars, warnings); });
    guarded([&] { checkVerticalCentreOfGravity(particulars, warnings); });
    guarded([&] { checkLengthAgainstSpacing(particulars, warnings); });
    guarded([&] { checkDraftAgainstWaterlinesAndDepth(particulars, warnings); });
    guarded([&] { checkOffsets(particulars, input, warnings); });
    guarded([&] { checkMasses(particulars, input, warnings); });
    guarded([&] { checkCentreOfGravity(particulars, input, warnings); });
    return warnings;
}

std::vector<Warning> checkResults(const ShipParticulars& particulars, const TrimSheet& sheet)
{
    std::vector<Warning> warnings;
    if (!sheet.complete)
        return warnings;
    const TrimTable& results = sheet.results;
    namespace column = trimTableColumn;

    // The summary keeps the moment's closure as the trapezoid sum of the shear
    // force without the factor ΔL/2 that makes it kN·m.
    // The ship's weight D·g, kN, with the g of the trim table's loads.
    const double weight =
        particularNumber(particulars, &ShipParticulars::designDisplacement).value_or(0.0) * gravityAcceleration;
    const auto shearClosure = numberOrNothing(results[SummaryLine::shearForceClosure]);
    if (shearClosure)
        guarded([&] {
            checkClosure(*shearClosure, largestMagnitude(results.table, column::correctedShear),
                         designLimits::shearForceClosurePercent,
                         designLimits::shearForceClosureFloor * std::fabs(weight), "Невязка по перерезывающей силе",
                         "наибольшей перерезывающей силы", "кН", warnings);
        });
    const auto momentClosure = bendingMomentClosure(sheet);
    if (momentClosure)
        guarded([&] {
            checkClosure(*momentClosure, largestMagnitude(results.table, column::correctedMoment),
                         designLimits::bendingMomentClosurePercent,
                         designLimits::bendingMomentClosureFloor * std::fabs(weight * sheet.hydrostatics.length),
                         "Невязка по изгибающему моменту", "наибольшего изгибающего момента", "кН·м", warnings);
        });

    namespace log = approximationsLog;
    const auto xg = particularNumber(particulars, &ShipParticulars::centreOfGravity);
    const auto xc = numberOrNothing(
        sheet.iteration.log.cell(log::currentCentreOfBuoyancy.column, log::currentCentreOfBuoyancy.row));
    const double limit = designLimits::equilibriumMismatch * sheet.hydrostatics.length;
    if (xg && xc && std::fabs(*xg - *xc) > limit)
        guarded([&] {
            warnings.push_back(particularWarning(
                "Абсцисса ЦТ XG = " + shownNumber(*xg) + " м отстоит от абсциссы ЦВ XC = " + shownNumber(*xc, 3)
                    + " м на " + shownNumber(std::fabs(*xg - *xc), 3) + " м, больше "
                    + shownNumber(designLimits::equilibriumMismatch) + "·L = " + shownNumber(limit)
                    + " м: результаты получены для другого XG, повторите расчет",
                &ShipParticulars::centreOfGravity));
        });

    guarded([&] { checkInitialStability(particulars, sheet.stability, warnings); });
    return warnings;
}

}  // namespace hullcalc
