#include "trim/curves_of_form.h"

#include "common/checked_math.h"
#include "common/grid_values.h"
#include "common/number_text.h"

#include <optional>
#include <stdexcept>
#include <utility>

namespace hullcalc {

namespace {

using Q = FormQuantity;

// Frame 10, the midship section, is frame row 11 of the Bonjean tables.
constexpr int midshipFrameRow = (frameCount + 1) / 2;

// q and M₁ are per centimetre of draft and of trim, the other lengths in metres.
constexpr double centimetresPerMetre = 100.0;

ChartModel chartOf(const FormChartInfo& info)
{
    static constexpr Colour palette[] = {colours::red, colours::blue, colours::green, colours::fuchsia, colours::teal};
    ChartModel chart;
    chart.title = std::string(info.title);
    for (std::size_t i = 0; i < info.quantities.size(); ++i)
        chart.series.emplace_back(std::string(infoOf(info.quantities[i]).caption), palette[i % std::size(palette)]);
    return chart;
}

// The value of a quantity on waterline j as its text reads back; none where the
// text is empty.
std::optional<double> formValue(const TextGrid& table, Q quantity, int waterline)
{
    if (table.cell(formColumn(quantity), waterline).empty())
        return std::nullopt;
    return cellValue(table, formColumn(quantity), waterline);
}

// One waterline's row of the table, written and read back as texts.
class FormRow {
public:
    FormRow(TextGrid& table, int waterline) : table_(table), row_(waterline) {}

    void set(Q quantity, double value) { setGeneral(table_, formColumn(quantity), row_, value); }
    void copy(Q quantity, const HydrostaticCurve& curve)
    {
        table_.setCell(formColumn(quantity), row_, curve.values.cell(row_, 0));
    }
    void clear(Q quantity) { table_.setCell(formColumn(quantity), row_, {}); }

    std::optional<double> value(Q quantity) const { return formValue(table_, quantity, row_); }

    // numerator / denominator, or an empty cell where either is undefined or
    // the denominator is zero.
    void setRatio(Q quantity, std::optional<double> numerator, std::optional<double> denominator)
    {
        if (numerator && denominator && *denominator != 0.0)
            set(quantity, divide(*numerator, *denominator));
        else
            clear(quantity);
    }
    void setSum(Q quantity, std::optional<double> a, std::optional<double> b)
    {
        if (a && b)
            set(quantity, *a + *b);
        else
            clear(quantity);
    }

private:
    TextGrid& table_;
    int row_;
};

// M_z: the static moment of the volume below waterline j about the base line,
// m⁴, by the trapezoidal rule over the frame spacings as the volume is
// integrated from the section areas.
double volumeMomentAboutBase(const TextGrid& sectionMoments, int waterline, double frameSpacing)
{
    double moment = 0.0;
    for (int r = 1; r + 1 < sectionMoments.rowCount(); ++r)
        moment += (cellValue(sectionMoments, waterline, r) + cellValue(sectionMoments, waterline, r + 1)) * 0.5
                  * frameSpacing;
    return moment;
}

void drawCharts(CurvesOfForm& form)
{
    const std::vector<FormChartInfo>& infos = formCharts();
    for (std::size_t c = 0; c < infos.size(); ++c) {
        ChartModel& chart = form.charts[c];
        chart.clear();
        for (std::size_t s = 0; s < infos[c].quantities.size(); ++s)
            for (int j = 1; j < form.table.rowCount(); ++j)
                if (const std::optional<double> value = formValue(form.table, infos[c].quantities[s], j))
                    chart.series[s].append(*value, *formValue(form.table, Q::draft, j));
    }
}

}  // namespace

const FormQuantityInfo& infoOf(FormQuantity quantity)
{
    for (const FormQuantityInfo& info : formQuantities)
        if (info.quantity == quantity)
            return info;
    throw std::logic_error("a quantity of the curves of form without its description");
}

const std::vector<FormChartInfo>& formCharts()
{
    static const std::vector<FormChartInfo> charts = {
        {"Водоизмещение D, т", {Q::displacement}},
        // Heights and abscissae apart: one kind of length on a chart's axis.
        {"Аппликаты центра величины Zc и метацентра KM, м", {Q::centreOfBuoyancyHeight, Q::transverseMetacentre}},
        {"Абсциссы центров величины XC и ватерлинии XF, м", {Q::centreOfBuoyancy, Q::centreOfFlotation}},
        {"Коэффициенты полноты",
         {Q::waterplaneCoefficient, Q::blockCoefficient, Q::midshipCoefficient, Q::prismaticCoefficient,
          Q::verticalPrismaticCoefficient}},
        {"Площади ватерлинии и мидель-шпангоута, м²", {Q::waterplaneArea, Q::midshipSectionArea}},
        {"Число тонн на 1 см осадки q, т/см", {Q::tonnesPerCentimetre}},
        {"Продольный метацентрический радиус и метацентр, м", {Q::longitudinalRadius, Q::longitudinalMetacentre}},
        {"Момент, дифферентующий на 1 см M₁, т·м/см", {Q::momentToTrimOneCentimetre}},
    };
    return charts;
}

CurvesOfForm::CurvesOfForm()
{
    for (const FormChartInfo& info : formCharts())
        charts.push_back(chartOf(info));
    writeCurvesOfFormHeaders(*this);
}

void writeCurvesOfFormHeaders(CurvesOfForm& form)
{
    form.table.setCell(0, 0, "ВЛ");
    for (const FormQuantityInfo& info : formQuantities)
        form.table.setCell(formColumn(info.quantity), 0, std::string(info.caption));
    for (int j = 1; j < form.table.rowCount(); ++j)
        form.table.setCell(0, j, std::to_string(j));
}

void computeCurvesOfForm(const BonjeanScale& bonjean, const HydrostaticCurves& curves,
                         const ParticularValues& particulars, CurvesOfForm& form)
{
    const double L = particulars.length;
    const double B = particulars.breadth;
    const double frameSpacing = particulars.frameSpacing;
    const double rho = particulars.waterDensity;  // t/m³

    for (int j = 1; j < form.table.rowCount(); ++j) {
        FormRow row(form.table, j);
        row.set(Q::draft, bonjean.waterlineHeights[static_cast<std::size_t>(j)]);
        row.copy(Q::volume, curves.volume);
        row.copy(Q::waterplaneArea, curves.waterplaneArea);
        row.copy(Q::centreOfFlotation, curves.centreOfFlotation);
        row.copy(Q::transverseRadius, curves.transverseRadius);
        setGeneral(form.table, formColumn(Q::midshipSectionArea), j,
                   cellValue(bonjean.sectionAreas, j, midshipFrameRow));

        const double T = *row.value(Q::draft);
        const double V = *row.value(Q::volume);
        const double S = *row.value(Q::waterplaneArea);
        row.set(Q::displacement, rho * V);
        row.set(Q::tonnesPerCentimetre, rho * S / centimetresPerMetre);
        row.setRatio(Q::waterplaneCoefficient, S, L * B);

        // Without volume nothing has a centre, a metacentre or a fineness.
        const std::optional<double> volume = V != 0.0 ? std::optional(V) : std::nullopt;
        for (const auto& [quantity, curve] : {std::pair{Q::centreOfBuoyancy, &curves.centreOfBuoyancy},
                                              std::pair{Q::longitudinalRadius, &curves.longitudinalRadius}}) {
            if (volume)
                row.copy(quantity, *curve);
            else
                row.clear(quantity);
        }
        row.setRatio(
            Q::centreOfBuoyancyHeight,
            volume ? std::optional(volumeMomentAboutBase(bonjean.sectionMoments, j, frameSpacing)) : std::nullopt,
            volume);
        const std::optional<double> Zc = row.value(Q::centreOfBuoyancyHeight);
        row.setSum(Q::transverseMetacentre, Zc, row.value(Q::transverseRadius));
        row.setSum(Q::longitudinalMetacentre, Zc, row.value(Q::longitudinalRadius));

        row.setRatio(Q::blockCoefficient, volume, L * B * T);
        row.setRatio(Q::midshipCoefficient, volume ? row.value(Q::midshipSectionArea) : std::nullopt, B * T);
        row.setRatio(Q::prismaticCoefficient, row.value(Q::blockCoefficient), row.value(Q::midshipCoefficient));
        row.setRatio(Q::verticalPrismaticCoefficient, row.value(Q::blockCoefficient),
                     row.value(Q::waterplaneCoefficient));

        // M₁ = D·H / (100·L) with the longitudinal metacentric height H taken
        // as R (z_g and Zc are small beside R).
        const std::optional<double> R = row.value(Q::longitudinalRadius);
        row.setRatio(Q::momentToTrimOneCentimetre, R ? std::optional(rho * V * *R) : std::nullopt,
                     centimetresPerMetre * L);
    }
    drawCharts(form);
}

}  // namespace hullcalc
