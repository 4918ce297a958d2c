// The curves of form (кривые элементов теоретического чертежа) per waterline:
// displacement, the height of the centre of buoyancy, the metacentres, the
// coefficients of fineness, tonnes per centimetre and the moment to trim one
// centimetre; and the texts of the loaded ship's initial stability.
#pragma once

#include "common/chart_model.h"
#include "common/text_grid.h"
#include "trim/bonjean_scale.h"
#include "trim/hydrostatic_curves.h"
#include "trim/particular_values.h"
#include "trim/waterline_interpolation.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

// The columns of the table, in the order shown.
enum class FormQuantity {
    draft,                         // T = z of the waterline, m
    volume,                        // V, m³ (the hydrostatic curve's text)
    displacement,                  // D = ρ·V, t
    centreOfBuoyancy,              // XC from midship, m (the hydrostatic curve's text)
    centreOfBuoyancyHeight,        // Zc = M_z / V above the base line, m
    waterplaneArea,                // S, m² (the hydrostatic curve's text)
    centreOfFlotation,             // XF from midship, m (the hydrostatic curve's text)
    transverseRadius,              // r, m (the hydrostatic curve's text)
    longitudinalRadius,            // R, m (the hydrostatic curve's text)
    transverseMetacentre,          // KM = Zc + r, m
    longitudinalMetacentre,        // KM_L = Zc + R, m
    midshipSectionArea,            // ω of frame 10 below the waterline, m²
    waterplaneCoefficient,         // α = S / (L·B)
    blockCoefficient,              // δ = V / (L·B·T)
    midshipCoefficient,            // β = ω / (B·T)
    prismaticCoefficient,          // φ = δ / β
    verticalPrismaticCoefficient,  // χ = δ / α
    tonnesPerCentimetre,           // q = ρ·S / 100, t/cm
    momentToTrimOneCentimetre,     // M₁ = ρ·V·R / (100·L), t·m/cm
};
inline constexpr int formQuantityCount = 19;

struct FormQuantityInfo {
    FormQuantity quantity;
    std::string_view key;          // snake_case name outside code sees (JSON, Python)
    std::string_view caption;      // the table's column caption, with the unit
    std::string_view description;  // what it is, for legends and reports
};

inline constexpr std::array<FormQuantityInfo, formQuantityCount> formQuantities = {{
    {FormQuantity::draft, "draft", "T, м", "Осадка (высота ватерлинии над основной)"},
    {FormQuantity::volume, "volume", "V, м³", "Объемное водоизмещение"},
    {FormQuantity::displacement, "displacement", "D, т", "Водоизмещение D = ρV"},
    {FormQuantity::centreOfBuoyancy, "centre_of_buoyancy", "XC, м", "Абсцисса центра величины"},
    {FormQuantity::centreOfBuoyancyHeight, "centre_of_buoyancy_height", "Zc, м", "Аппликата центра величины"},
    {FormQuantity::waterplaneArea, "waterplane_area", "S, м²", "Площадь ватерлинии"},
    {FormQuantity::centreOfFlotation, "centre_of_flotation", "XF, м", "Абсцисса центра тяжести ватерлинии"},
    {FormQuantity::transverseRadius, "transverse_radius", "r, м", "Поперечный метацентрический радиус"},
    {FormQuantity::longitudinalRadius, "longitudinal_radius", "R, м", "Продольный метацентрический радиус"},
    {FormQuantity::transverseMetacentre, "transverse_metacentre", "KM, м",
     "Аппликата поперечного метацентра KM = Zc + r"},
    {FormQuantity::longitudinalMetacentre, "longitudinal_metacentre", "KML, м",
     "Аппликата продольного метацентра KML = Zc + R"},
    {FormQuantity::midshipSectionArea, "midship_section_area", "ω⊗, м²", "Площадь мидель-шпангоута (10 шп)"},
    {FormQuantity::waterplaneCoefficient, "waterplane_coefficient", "α", "Коэффициент полноты ватерлинии S/(LB)"},
    {FormQuantity::blockCoefficient, "block_coefficient", "δ", "Коэффициент общей полноты V/(LBT)"},
    {FormQuantity::midshipCoefficient, "midship_coefficient", "β", "Коэффициент полноты мидель-шпангоута ω⊗/(BT)"},
    {FormQuantity::prismaticCoefficient, "prismatic_coefficient", "φ", "Коэффициент продольной полноты δ/β"},
    {FormQuantity::verticalPrismaticCoefficient, "vertical_prismatic_coefficient", "χ",
     "Коэффициент вертикальной полноты δ/α"},
    {FormQuantity::tonnesPerCentimetre, "tonnes_per_centimetre", "q, т/см", "Число тонн на 1 см осадки ρS/100"},
    {FormQuantity::momentToTrimOneCentimetre, "moment_to_trim_one_centimetre", "M₁, т·м/см",
     "Момент, дифферентующий на 1 см, ρVR/(100L)"},
}};

// Under the table: where L and B come from, and the approximation in M₁.
inline constexpr std::string_view curvesOfFormNote =
    "α, δ, β, φ, χ и M₁ — по длине L и ширине B главных размерений; "
    "M₁ — при продольной метацентрической высоте H ≈ R.";

const FormQuantityInfo& infoOf(FormQuantity quantity);

// The table's column of a quantity (column 0 holds the waterline's number).
constexpr int formColumn(FormQuantity quantity) { return static_cast<int>(quantity) + 1; }

struct CurvesOfForm {
    CurvesOfForm();

    // Row j is waterline j (1..10); every value is a general text, and the text
    // is empty where the quantity is undefined (no volume, a zero denominator).
    TextGrid table{formQuantityCount + 1, waterlineCount + 1};
    // Each chart draws curves of one unit against the draft (y), one series per
    // quantity; undefined values leave no point.
    std::vector<ChartModel> charts;

    bool operator==(const CurvesOfForm&) const = default;
};

// The quantities each chart draws, in the order of `CurvesOfForm::charts`.
struct FormChartInfo {
    std::string_view title;
    std::vector<FormQuantity> quantities;
};
const std::vector<FormChartInfo>& formCharts();

// Captions across row 0 and the waterline numbers down column 0.
void writeCurvesOfFormHeaders(CurvesOfForm& form);

// From the Bonjean tables (the static moments of the sections about the base
// line give M_z = ∫ m(x) dx, integrated as the volume is from the areas) and
// the hydrostatic curves' texts; L and B of the particulars, ρ of the ship type.
void computeCurvesOfForm(const BonjeanScale& bonjean, const HydrostaticCurves& curves,
                         const ParticularValues& particulars, CurvesOfForm& form);

// Initial stability of the loaded ship on its design waterline (computed by
// the stability step), empty texts when z_g is not given or nothing is
// immersed there. Texts "%f" as the summary's.
struct InitialStability {
    std::string verticalCentreOfGravity;        // z_g as read, m
    std::string centreOfBuoyancyHeight;         // Zc at the mean draft, m
    std::string transverseMetacentre;           // Zc + r, m
    std::string longitudinalMetacentre;         // Zc + R, m
    std::string metacentricHeight;              // h = Zc + r − z_g, m
    std::string longitudinalMetacentricHeight;  // H = Zc + R − z_g, m
    // z_g was given but the design waterline immerses nothing.
    bool undefinedAtDraft = false;

    bool operator==(const InitialStability&) const = default;
};

// The lines of the initial stability under the result summary, in the order
// shown, with the snake_case name outside code sees.
struct StabilityLine {
    std::string InitialStability::*text;
    std::string_view caption;
    std::string_view key;
};
inline const std::array<StabilityLine, 6> stabilityLines = {{
    {&InitialStability::verticalCentreOfGravity, "Аппликата ЦТ, м   z_g =", "vertical_centre_of_gravity"},
    {&InitialStability::centreOfBuoyancyHeight, "Аппликата ЦВ, м   Zc =", "centre_of_buoyancy_height"},
    {&InitialStability::transverseMetacentre, "Аппликата метацентра, м   KM =", "transverse_metacentre"},
    {&InitialStability::longitudinalMetacentre,
     "Аппликата продольного метацентра, м   KML =", "longitudinal_metacentre"},
    {&InitialStability::metacentricHeight, "Метацентрическая высота, м   h =", "metacentric_height"},
    {&InitialStability::longitudinalMetacentricHeight,
     "Продольная метацентрическая высота, м   H =", "longitudinal_metacentric_height"},
}};

}  // namespace hullcalc
