// The trim table: buoyancy and weight of each frame spacing on the design
// waterline, the load per spacing, and along the hull the shear force and the
// bending moment in still water, with the result summary.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "trim/input_tables.h"
#include "trim/particular_values.h"
#include "trim/waterline_iteration.h"

#include <array>
#include <string>
#include <string_view>

namespace hullcalc {

// The weight of one tonne, kN: masses in t become loads in kN.
inline constexpr double gravityAcceleration = 9.81;

// The lines of the result summary, in the order they are shown and saved.
enum class SummaryLine {
    volume,                // V of the accepted approximation, m³
    centreOfGravity,       // XG, m
    centreOfBuoyancy,      // XC, m
    centreOfFlotation,     // XF at the mean draft, m
    longitudinalRadius,    // R at the mean draft, m
    waterplaneArea,        // S at the mean draft, m²
    forwardDraft,          // Tн, m
    aftDraft,              // Tк, m
    meanDraft,             // Tср, m
    shearForceClosure,     // shear force left at the stern before correction, kN
    bendingMomentClosure,  // integral sum of the shear force left at the stern, without ΔL/2
};
inline constexpr int summaryLineCount = 11;

// The caption of each summary line, as the windows, the report and the tool show it.
inline constexpr std::array<std::string_view, summaryLineCount> summaryCaptions = {
    "Водоизмещение по ГВЛ, куб. м   V =",
    "Абсцисса ЦТ, м   XG =",
    "Абсцисса ЦВ, м   XC =",
    "Абсцисса ЦТ ГВЛ, м   XF =",
    "Большой метацентрический радиус, м   R =",
    "Площадь ГВЛ, кв. м   S =",
    "Осадка носом, м   Тн =",
    "Осадка кормой, м   Тк =",
    "Осадка средняя, м   Тср =",
    "Невязка по перерезывающей силе, кН",
    "Невязка по изгибающему моменту без ΔL/2, кН",
};

// The same captions as the results file has always written them: programs
// that read those files find their lines by these bytes.
inline constexpr std::array<std::string_view, summaryLineCount> resultsFileSummaryCaptions = {
    "Водоизмещение по ГВЛ, куб. м.   V =",
    "Абцисса ЦТ, м   XG =",
    "Абцисса ЦВ, м   XC =",
    "Абцисса ЦТ ГВЛ, м   XF =",
    "Большойметацентрический радиус, м  R =",
    "Площадь ГВЛ, кв. м   S=",
    "Осадка носом, м Тн =",
    "Осадка кормой, м Тк =",
    "Осадка средняя, м Тср =",
    "Невязка по перерезывающей силе",
    "Невязка по изгибающему моменту",
};

// The columns of the trim table. Rows 1..21 are the frame rows; a spacing's
// values stand in the row of its forward frame, and row 21 holds the totals.
namespace trimTableColumn {
inline constexpr int sectionArea = 1;      // ω at the frame, m²
inline constexpr int areaSum = 2;          // ω_i + ω_(i+1) per spacing, m²; V in the totals row
inline constexpr int buoyancy = 3;         // kN
inline constexpr int weight = 4;           // kN
inline constexpr int load = 5;             // weight minus buoyancy, kN
inline constexpr int shearForce = 6;       // running sum of the loads from the bow, kN
inline constexpr int shearIntegral = 7;    // trapezoid sums of the shear force without the factor ΔL/2, kN
inline constexpr int correctedShear = 8;   // kN
inline constexpr int correctedMoment = 9;  // kN·m
}  // namespace trimTableColumn

// The captions of the trim table's columns 1..9 with their units, as the
// window and the report head them.
inline constexpr std::array<std::string_view, trimTableColumn::correctedMoment> trimTableCaptions = {
    "ω, кв. м",
    "ωi + ωi+1, кв. м",
    "Сила поддержания, кН",
    "Вес, кН",
    "Нагрузка, кН",
    "Перерезывающая сила, кН",
    "Интегральная сумма, кН",
    "Исправленная перерезывающая сила, кН",
    "Изгибающий момент, кН·м"};

struct TrimTable {
    TrimTable();

    TextGrid table{13, frameCount + 1};
    // Column 1 holds the values ("%f"), column 0 the spacing or frame label.
    TextGrid loads{2, spacingCount, 1, 0};        // per spacing, kN
    TextGrid shearForce{2, frameCount, 1, 0};     // per frame, kN
    TextGrid bendingMoment{2, frameCount, 1, 0};  // per frame, kN·m
    ChartModel loadChart;
    ChartModel shearForceChart;
    ChartModel bendingMomentChart;

    std::array<std::string, summaryLineCount> summary;
    std::string& operator[](SummaryLine line) { return summary[static_cast<std::size_t>(line)]; }
    const std::string& operator[](SummaryLine line) const { return summary[static_cast<std::size_t>(line)]; }

    bool operator==(const TrimTable&) const = default;
};

// The trim table's columns 1 to 9 from the sectional areas on a waterline (row
// 1, frame rows 1..21 across, m²), the masses per spacing (column 1, t) and
// the volume V (m³): buoyancy and weight per spacing, the load, and the shear
// force and bending moment integrated from the bow with their closure errors
// spread linearly over the 20 spacings. Still water and the ship on a wave
// share it, so both are summed in the same way.
void fillLoadTable(const TextGrid& areas, const TextGrid& masses, double volume, double frameSpacing,
                   double waterDensity, TextGrid& table);

// Spacing labels down the loads, frame labels down the shear force and moment.
void writeTrimTableHeaders(TrimTable& results);

// Fills the trim table, the load, shear-force and bending-moment tables ("%f"),
// the summary and the three results charts. Shear force and moment are
// integrated from the bow and their closure errors at the stern spread
// linearly over the 20 spacings.
void buildTrimTable(const InputTables& input, const WaterlineIteration& iteration, double frameSpacing,
                    const ParticularValues& particulars, const DesignWaterline& waterline, TrimTable& results);

}  // namespace hullcalc
