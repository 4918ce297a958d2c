// The engineering checks on edits of the example ship, each limit from both
// sides. References by hand from the example ship: masses 886,7447 t, L 75 m,
// B 11 m, T 2,25 m; after the run max |Q| 807,58 kN, max |M| 19227,52 kN·m,
// XC −3,7197 m.
#include "trim_fixture.h"

#include "trim/design_checks.h"
#include "trim/input_tables.h"
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
// 0,4992 % and 0,5003 % below the masses; the masses' centroid Σm·x/Σm (x of
// the middle of spacing i, 37,5 − (i − 1/2)·3,75 m) is −3,72015 m, with 500 t
// in spacing 3-4 (x = 24,375 m) (−3,72015·886,7447 + 457,9756·24,375)/1344,7203
// = 5,84830 m; the limit 0,005·75 = 0,375 m; 20·ΔL = 75,074 and 75,076 m are
// 0,099 % and 0,101 % off L; 9·ΔT = 2,25 m reaches T, 1,8 m does not; H
// 3,5 m is typed above T.
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
        {"masses above the displacement",
         mass("500"),
         {onMasses("1344,72", "886,74", "51,65"),
          on("Абсцисса ЦТ XG = -3,72 м не совпадает с центром масс шпаций Σm·x/Σm = 5,848 м: расхождение 9,568 м "
             "больше 0,5 % L = 0,375 м",
             &ShipParticulars::centreOfGravity)}},
        {"XG within 0,5 % of L from the centroid of the masses", set(&ShipParticulars::centreOfGravity, "-3,35"), {}},
        {"XG beyond 0,5 % of L from the centroid of the masses",
         set(&ShipParticulars::centreOfGravity, "-3,34"),
         {on("Абсцисса ЦТ XG = -3,34 м не совпадает с центром масс шпаций Σm·x/Σm = -3,720 м: расхождение 0,380 м "
             "больше 0,5 % L = 0,375 м",
             &ShipParticulars::centreOfGravity)}},
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
        // The deck at H = T is awash, not under water; T on the base line is
        // no draft at all.
        {"depth equal to the draft", set(&ShipParticulars::depth, "2,25"), {}},
        {"depth below the draft",
         set(&ShipParticulars::depth, "2,24"),
         {on("Высота борта H = 2,24 м меньше осадки T = 2,25 м: палуба ниже ватерлинии", &ShipParticulars::depth)}},
        {"draft on the base line",
         set(&ShipParticulars::draft, "0"),
         {on("Осадка T = 0 м не выше основной линии: ватерлинии таблицы ординат лежат от 0 м вверх",
             &ShipParticulars::draft)}},
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
         {on("Шпация ΔL = 1E308 м больше, чем у любого судна (до 25 м)", &ShipParticulars::frameSpacing)}},
        // The largest double's 15-digit text 1,79769313486232E308 lies beyond
        // it: shown with 4 digits, as the windows show it. 886,7447 t of
        // masses vanish beside 1E300; 1E300 / 1E-7 · 100 % overflows to infinity.
        {"the largest double as a half-breadth",
         offset("-1,7976931348623157E308"),
         {atOffset("Отрицательная полуширина -1,798E308 м: шпангоут «9 шп», ватерлиния 5")}},
        // z_g from the keel (0) to the deck (H = 3,5 m) both included.
        {"z_g on the keel", [](TrimSheet&, ShipParticulars& p) { p.verticalCentreOfGravity = "0"; }, {}},
        {"z_g on the deck", set(&ShipParticulars::verticalCentreOfGravity, "3,5"), {}},
        {"z_g below the keel",
         set(&ShipParticulars::verticalCentreOfGravity, "-1000"),
         {on("Аппликата ЦТ z_g = -1000 м ниже киля (меньше 0 м)", &ShipParticulars::verticalCentreOfGravity)}},
        {"z_g above the deck",
         set(&ShipParticulars::verticalCentreOfGravity, "3,51"),
         {on("Аппликата ЦТ z_g = 3,51 м выше палубы (H = 3,5 м)", &ShipParticulars::verticalCentreOfGravity)}},
        {"breadth at the range of ships", set(&ShipParticulars::breadth, "100"), {}},
        {"breadth beyond the range of ships",
         set(&ShipParticulars::breadth, "100,5"),
         {on("Ширина B = 100,5 м больше, чем у любого судна (до 100 м)", &ShipParticulars::breadth)}},
        {"a mass of 1E300 t against 1E-7 t",
         [](TrimSheet& s, ShipParticulars& p) {
             s.input.masses.setCell(1, 4, "1E300");
             p.designDisplacement = "1E-7";
         },
         // All the mass in spacing 3-4, centred 6,5·3,75 = 24,375 m forward of
         // midship: 28,095 m from XG -3,72, beyond 0,5 % of L = 0,375 m.
         {onMasses("1E300", "1E-7", "∞"),
          on("Абсцисса ЦТ XG = -3,72 м не совпадает с центром масс шпаций Σm·x/Σm = 24,375 м: расхождение 28,095 м "
             "больше 0,5 % L = 0,375 м",
             &ShipParticulars::centreOfGravity)}},
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
    const auto balanced = [](const char* shear, const char* moment) {
        return [=](TrimSheet& s, ShipParticulars&) {
            for (int row = 1; row < s.results.table.rowCount(); ++row) {
                s.results.table.setCell(trimTableColumn::correctedShear, row, "1");
                s.results.table.setCell(trimTableColumn::correctedMoment, row, "1");
            }
            s.results[SummaryLine::shearForceClosure] = shear;
            s.results[SummaryLine::bendingMomentClosure] = moment;
        };
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
        // A nearly balanced ship: the largest values 1 kN and 1 kN·m, so any
        // closure is many per cent; only above the floors 0,001·D·g =
        // 0,001·886,74·9,81 = 8,6989 kN and 0,0001·D·g·L = 65,2419 kN·m
        // (a trapezoid sum of 34,7957) is it warned about.
        {"shear closure below 0,1 % of D·g", balanced("8,69", "0"), {}},
        {"shear closure above 0,1 % of D·g",
         balanced("8,70", "0"),
         {{"Невязка по перерезывающей силе 8,70 кН — 870,00 % наибольшей перерезывающей силы 1,00 кН, больше 3 %"}}},
        {"moment closure below 0,01 % of D·g·L", balanced("0", "34,79"), {}},
        {"moment closure above 0,01 % of D·g·L",
         balanced("0", "34,80"),
         {{"Невязка по изгибающему моменту 65,25 кН·м — 6525,00 % наибольшего изгибающего момента 1,00 кН·м, больше "
           "5 %"}}},
        {"an incomplete sheet is not checked", [](TrimSheet& s, ShipParticulars&) { s.complete = false; }, {}},
    };
    runTrimCalculation(sheet, particulars);
    expectWarnings(sheet, particulars, cases, true);
}

// Every cell that is not a number is listed before a run, in table order, not
// only the first the calculation would stop at; a table left empty is one line.
TEST_F(ExampleShip, EveryCellThatIsNotANumber)
{
    EXPECT_EQ(checkNumberTexts(sheet.input), std::vector<Warning>{});
    sheet.input.offsets.setCell(5, 10, "1.5");
    sheet.input.offsets.setCell(2, 1, " ");
    sheet.input.masses.setCell(1, 4, "abc");
    EXPECT_EQ(checkNumberTexts(sheet.input),
              (std::vector<Warning>{
                  {"Ячейка «0 шп» / ватерлиния «2»: пустая ячейка", Place::Offset, 2, 1},
                  {"Ячейка «9 шп» / ватерлиния «5»: «1.5» — не число (десятичный разделитель — запятая)", Place::Offset,
                   5, 10},
                  {"Масса шпации «3-4»: «abc» — не число (десятичный разделитель — запятая)", Place::Mass, 1, 4},
              }));
    clearInputTables(sheet.input);
    EXPECT_EQ(checkNumberTexts(sheet.input),
              (std::vector<Warning>{{"Таблица ординат не заполнена", Place::Offset, 1, 1},
                                    {"Таблица масс не заполнена", Place::Mass, 1, 0}}));
}

}  // namespace
}  // namespace hullcalc
