// The engineering checks on edits of the example ship, each limit from both
// sides. References by hand from the example ship: masses 886,7447 t, L 75 m,
// B 11 m, T 2,25 m; after the run max |Q| 807,58 kN, max |M| 19227,52 kN·m,
// XC −3,7197 m.
#include "trim_fixture.h"

#include "trim/design_checks.h"
#include "trim/trim_calculation.h"

#include <functional>
#include <ostream>
#include <vector>

namespace hullcalc {

void PrintTo(const Warning& warning, std::ostream* out)
{
    *out << warning.message << " [" << static_cast<int>(warning.place) << ": " << warning.column << ", " << warning.row
         << "]";
}

namespace {

using Place = Warning::Place;
using Edit = std::function<void(TrimSheet&, ShipParticulars&)>;
struct Case {
    const char* name;
    Edit edit;
    std::vector<Warning> expected;
};

Edit set(std::string ShipParticulars::*text, const char* value)
{
    return [=](TrimSheet&, ShipParticulars& p) { p.*text = value; };
}

void expectWarnings(TrimSheet& sheet, ShipParticulars& particulars, const std::vector<Case>& cases, bool results)
{
    const TrimSheet original = sheet;
    const ShipParticulars typed = particulars;
    for (const Case& c : cases) {
        sheet = original;
        particulars = typed;
        if (c.edit)
            c.edit(sheet, particulars);
        EXPECT_EQ(results ? checkResults(particulars, sheet) : checkInput(particulars, sheet.input), c.expected)
            << c.name;
    }
}

// Offsets cell (waterline 5, frame row 10) is frame 9; mass row 4 is spacing
// 3-4, 886,7447 − 42,0244 + 500 = 1344,7203 t. 882,34 t and 882,33 t are
// 0,4992 % and 0,5003 % below the masses; 20·ΔL = 75,074 and 75,076 m are
// 0,099 % and 0,101 % off L; 9·ΔT = 2,25 m reaches T, 1,8 m does not.
TEST_F(ExampleShip, InputWarnings)
{
    const auto offset = [](const char* text) {
        return [=](TrimSheet& s, ShipParticulars&) { s.input.offsets.setCell(5, 10, text); };
    };
    const auto mass = [](const char* text) {
        return [=](TrimSheet& s, ShipParticulars&) { s.input.masses.setCell(1, 4, text); };
    };
    const auto atOffset = [](const char* message) { return Warning{message, Place::Offset, 5, 10}; };
    const auto onMasses = [](std::string sum, const char* displacement, const char* percent) {
        return Warning{"Сумма масс шпаций " + sum + " т отличается от водоизмещения в расчетном случае " + displacement
                           + " т на " + percent + " %, больше 0,5 %",
                       Place::Mass, 1, 0};
    };
    const auto on = [](const char* message, std::string ShipParticulars::*text) {
        return Warning{message, Place::Particular, 0, 0, text};
    };
    const std::vector<Case> cases = {
        {"example ship, half-breadths up to B/2 = 5,5 included", {}, {}},
        {"negative half-breadth",
         offset("-5"),
         {atOffset("Отрицательная полуширина -5 м: шпангоут «9 шп», ватерлиния 5")}},
        {"above B/2",
         offset("5,6"),
         {atOffset("Полуширина 5,6 м больше половины ширины B/2 = 5,5 м: шпангоут «9 шп», ватерлиния 5")}},
        {"masses above the displacement", mass("500"), {onMasses("1344,72", "886,74", "51,65")}},
        {"masses within 0,5 %", set(&ShipParticulars::designDisplacement, "882,34"), {}},
        {"masses beyond 0,5 %",
         set(&ShipParticulars::designDisplacement, "882,33"),
         {onMasses("886,74", "882,33", "0,50")}},
        {"20·ΔL within 0,1 % of L", set(&ShipParticulars::frameSpacing, "3,7537"), {}},
        {"20·ΔL beyond 0,1 % of L",
         set(&ShipParticulars::frameSpacing, "3,7538"),
         {on("Длина L = 75 м не равна 20·ΔL = 75,076 м: расхождение 0,10 %, больше 0,1 %",
             &ShipParticulars::frameSpacing)}},
        {"top waterline on the draft", set(&ShipParticulars::waterlineSpacing, "0,25"), {}},
        {"top waterline below the draft",
         set(&ShipParticulars::waterlineSpacing, "0,2"),
         {on("Ватерлинии таблицы ординат не доходят до осадки: верхняя ватерлиния 9·ΔT = 1,8 м ниже осадки T = 2,25 м",
             &ShipParticulars::waterlineSpacing)}},
        {"texts that are not numbers are left to the calculation",
         [](TrimSheet& s, ShipParticulars& p) {
             s.input.offsets.setCell(5, 10, "-5.0");
             s.input.masses.setCell(1, 4, "");
             s.input.offsets.setCell(1, 10, "6");  // above 11/2, but B is not a number
             p.breadth = "x";
             p.draft = "";
         },
         {}},
        {"numbers whose sums overflow are left to the calculation",
         [](TrimSheet& s, ShipParticulars& p) {
             p.frameSpacing = "1E308";
             s.input.masses.setCell(1, 1, "1E308");
             s.input.masses.setCell(1, 2, "1E308");
         },
         {}},
        // The largest double's 15-digit text 1,79769313486232E308 lies beyond
        // it: shown with 7 digits instead. 886,7447 t of masses vanish beside
        // 1E300; 1E300 / 1E-7 · 100 % overflows to infinity.
        {"the largest double as a half-breadth",
         offset("-1,7976931348623157E308"),
         {atOffset("Отрицательная полуширина -1,797693E+308 м: шпангоут «9 шп», ватерлиния 5")}},
        {"a mass of 1E300 t against 1E-7 t",
         [](TrimSheet& s, ShipParticulars& p) {
             s.input.masses.setCell(1, 4, "1E300");
             p.designDisplacement = "1E-7";
         },
         {onMasses("1E300", "1E-7", "∞")}},
    };
    expectWarnings(sheet, particulars, cases, false);
}

// 3 % of 807,58 kN is 24,227 kN; 5 % of 19227,52 kN·m is 961,376 kN·m, a
// trapezoid sum of 512,734 times ΔL/2 = 1,875 m; XG −3,79 and −3,8 m lie
// 0,070 and 0,080 m from XC, the limit is 0,001·75 = 0,075 m.
TEST_F(ExampleShip, ResultWarnings)
{
    const auto summary = [](SummaryLine line, const char* text) {
        return [=](TrimSheet& s, ShipParticulars&) { s.results[line] = text; };
    };
    const std::vector<Case> cases = {
        {"example ship: closures −0,16 kN and −9,88 kN·m", {}, {}},
        {"shear within 3 %", summary(SummaryLine::shearForceClosure, "-24,22"), {}},
        {"shear beyond 3 %",
         summary(SummaryLine::shearForceClosure, "24,23"),
         {{"Невязка по перерезывающей силе 24,23 кН — 3,00 % наибольшей перерезывающей силы 807,58 кН, больше 3 %"}}},
        {"moment within 5 %", summary(SummaryLine::bendingMomentClosure, "512,73"), {}},
        {"moment beyond 5 %",
         summary(SummaryLine::bendingMomentClosure, "-512,74"),
         {{"Невязка по изгибающему моменту -961,39 кН·м — 5,00 % наибольшего изгибающего момента 19227,52 кН·м, больше "
           "5 %"}}},
        {"XG within 0,001·L", set(&ShipParticulars::centreOfGravity, "-3,79"), {}},
        {"XG beyond 0,001·L",
         set(&ShipParticulars::centreOfGravity, "-3,8"),
         {{"Абсцисса ЦТ XG = -3,8 м отстоит от абсциссы ЦВ XC = -3,720 м на 0,080 м, больше 0,001·L = 0,075 м: "
           "результаты получены для другого XG, повторите расчет",
           Place::Particular, 0, 0, &ShipParticulars::centreOfGravity}}},
        {"an incomplete sheet is not checked", [](TrimSheet& s, ShipParticulars&) { s.complete = false; }, {}},
    };
    runTrimCalculation(sheet, particulars);
    expectWarnings(sheet, particulars, cases, true);
}

}  // namespace
}  // namespace hullcalc
