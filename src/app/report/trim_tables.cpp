#include "report/trim_tables.h"

#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/trim_display_precision.h"

#include <algorithm>
#include <array>
#include <string>

namespace hullcalc {

namespace {

namespace log = approximationsLog;
namespace column = trimTableColumn;
using P = DisplayPrecision;

// Every column right of the labels of one precision.
void showValuesAs(ReportTable& table, P precision)
{
    table.precision.assign(table.header.size(), precision);
    std::fill_n(table.precision.begin(), table.labelColumns, P::asStored);
}

// A table laid out by frames (rows 1..21) and waterlines (columns 1..10).
ReportTable frameByWaterline(const TextGrid& grid, std::string title)
{
    ReportTable table;
    table.title = std::move(title);
    table.header.push_back("Шп \\ ВЛ");
    for (int waterline = 1; waterline <= waterlineCount; ++waterline)
        table.header.push_back(std::to_string(waterline));
    for (int row = 1; row <= frameCount; ++row) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        cells.push_back(frameLabel(row - 1));
        for (int waterline = 1; waterline <= waterlineCount; ++waterline)
            cells.push_back(grid.cell(waterline, row));
    }
    return table;
}

// A table of one value per frame or spacing from column 1 of `grid`, whose
// rows from `firstRow` on are the frames or spacings in order.
ReportTable alongTheHull(const TextGrid& grid, int firstRow, bool spacings, std::string title, std::string caption)
{
    ReportTable table;
    table.title = std::move(title);
    table.header = {spacings ? "Шпация" : "Шп", std::move(caption)};
    table.fixedDecimals = true;
    const int count = spacings ? spacingCount : frameCount;
    for (int i = 0; i < count; ++i)
        table.rows.push_back({spacings ? spacingLabel(i) : frameLabel(i), grid.cell(1, firstRow + i)});
    return table;
}

const std::string& logCell(const WaterlineIteration& iteration, log::Cell cell)
{
    return iteration.log.cell(cell.column, cell.row);
}

}  // namespace

std::string shipTypeName(std::optional<ShipType> type)
{
    if (!type)
        return "не выбран";
    return *type == ShipType::sea ? "Морское" : "Речное";
}

std::vector<CaptionedValue> particularLines(const ShipParticulars& particulars)
{
    std::vector<CaptionedValue> lines;
    for (const ParticularField& field : particularFields)
        lines.push_back({captionOf(field), particulars.*field.text, true});
    lines.push_back({"Тип судна", shipTypeName(particulars.shipType)});
    lines.push_back({"Плотность воды, т/куб. м",
                     particulars.shipType ? readableFixed(waterDensity(*particulars.shipType), 3) : std::string(),
                     true});
    return lines;
}

ReportTable offsetsTable(const InputTables& input)
{
    ReportTable table = frameByWaterline(input.offsets, "Ординаты теоретического чертежа (полуширины), м");
    table.fixedDecimals = true;
    showValuesAs(table, P::typed);
    return table;
}

ReportTable massesTable(const InputTables& input)
{
    ReportTable table = alongTheHull(input.masses, 1, true, "Массы по шпациям", "Масса, т");
    showValuesAs(table, P::typed);
    return table;
}

ReportTable sectionAreasTable(const BonjeanScale& bonjean)
{
    ReportTable table = frameByWaterline(bonjean.sectionAreas, "Погруженные площади шпангоутов, кв. м");
    table.note = "Площадь обоих бортов шпангоута ниже ватерлинии.";
    showValuesAs(table, P::magnitude);
    return table;
}

ReportTable sectionMomentsTable(const BonjeanScale& bonjean)
{
    ReportTable table = frameByWaterline(bonjean.sectionMoments, "Статические моменты площадей шпангоутов, куб. м");
    table.note = "Момент погруженной площади обоих бортов относительно основной плоскости.";
    showValuesAs(table, P::magnitude);
    return table;
}

ReportTable hydrostaticsTable(const BonjeanScale& bonjean, const HydrostaticCurves& curves)
{
    const std::array<const HydrostaticCurve*, 8> columns = {&curves.volume,
                                                            &curves.centreOfBuoyancy,
                                                            &curves.waterplaneArea,
                                                            &curves.centreOfFlotation,
                                                            &curves.longitudinalInertia,
                                                            &curves.transverseInertia,
                                                            &curves.transverseRadius,
                                                            &curves.longitudinalRadius};
    ReportTable table;
    table.title = "Кривые элементов теоретического чертежа";
    table.note =
        "z — высота ватерлинии над основной плоскостью; V — объемное водоизмещение; XC — абсцисса центра величины; "
        "S — площадь ватерлинии; XF — абсцисса ее центра тяжести; Iy, Iz — моменты инерции площади ватерлинии "
        "(одного борта) относительно 0 шп и относительно диаметральной плоскости; r, R — поперечный и продольный "
        "метацентрические радиусы. Абсциссы отсчитываются от миделя, в нос положительные.";
    table.header = {"ВЛ", "z, м", "V, куб. м", "XC, м", "S, кв. м", "XF, м", "Iy, м⁴", "Iz, м⁴", "r, м", "R, м"};
    table.precision = {P::asStored, P::length,    P::magnitude, P::length, P::magnitude,
                       P::length,   P::magnitude, P::magnitude, P::length, P::length};
    for (int waterline = 1; waterline <= waterlineCount; ++waterline) {
        std::vector<std::string> cells = {std::to_string(waterline), ""};
        bool computed = false;
        for (const HydrostaticCurve* curve : columns) {
            // Undefined (no volume or no waterplane) is empty, not 0.
            const bool defined = isDefinedOn(curves, *curve, waterline);
            cells.push_back(defined ? curve->values.cell(waterline, 0) : std::string());
            computed = computed || !curve->values.cell(waterline, 0).empty();
        }
        // The height stands beside the curves it belongs to, not alone.
        if (computed)
            cells[1] = readableGeneral(bonjean.waterlineHeights[static_cast<std::size_t>(waterline)]);
        table.rows.push_back(std::move(cells));
    }
    return table;
}

ReportTable curvesOfFormTable(const CurvesOfForm& form)
{
    ReportTable table;
    table.title = "Водоизмещение, метацентры и коэффициенты полноты по ватерлиниям";
    table.header.push_back("ВЛ");
    table.precision.push_back(P::asStored);
    for (const FormQuantityInfo& info : formQuantities) {
        table.header.emplace_back(info.caption);
        table.precision.push_back(displayPrecisionOf(info.quantity));
        table.note +=
            std::string(info.caption.substr(0, info.caption.find(','))) + " — " + std::string(info.description) + "; ";
    }
    table.note += "пусто — величина не определена. " + std::string(curvesOfFormNote);
    for (int waterline = 1; waterline < form.table.rowCount(); ++waterline) {
        std::vector<std::string>& cells = table.rows.emplace_back();
        cells.push_back(std::to_string(waterline));
        for (const FormQuantityInfo& info : formQuantities)
            cells.push_back(form.table.cell(formColumn(info.quantity), waterline));
    }
    return table;
}

std::vector<CaptionedValue> initialStabilityLines(const InitialStability& stability)
{
    std::vector<CaptionedValue> lines;
    if (stability.verticalCentreOfGravity.empty())
        return lines;
    for (const StabilityLine& line : stabilityLines)
        lines.push_back({std::string(line.caption), stability.*line.text, true});
    return lines;
}

std::vector<CaptionedValue> iterationLines(const WaterlineIteration& iteration)
{
    const auto line = [&](std::string caption, log::Cell cell, P precision = P::length) {
        return CaptionedValue{std::move(caption), logCell(iteration, cell), false, precision};
    };
    return {
        line("Осадка на ровный киль, м   T =", log::evenKeelDraft),
        line("Абсцисса центра тяжести ватерлинии на ровный киль, м   XF =", log::evenKeelCentreOfFlotation),
        line("Абсцисса центра величины на ровный киль, м   XC0 =", log::evenKeelCentreOfBuoyancy),
        line("Продольный метацентрический радиус на ровный киль, м   R =", log::evenKeelRadius),
        line("Осадка носом в первом приближении, м   Тн =", log::firstForwardDraft),
        line("Осадка кормой в первом приближении, м   Тк =", log::firstAftDraft),
        line("Номер последнего приближения", log::approximationNumber, P::asStored),
        line("Водоизмещение в последнем приближении, куб. м   V =", log::currentVolume, P::magnitude),
        line("Абсцисса центра величины в последнем приближении, м   XC =", log::currentCentreOfBuoyancy),
        line("Площадь ватерлинии последней поправки, кв. м   S =", log::correctionArea, P::magnitude),
        line("Приближение принято", log::accepted, P::asStored),
    };
}

ReportTable approximationsTable(const WaterlineIteration& iteration)
{
    ReportTable table;
    table.title = "Последовательные приближения";
    table.header = {"Приближение", "V, куб. м", "XC, м", "Сумма площадей шпангоутов, кв. м"};
    table.precision = {P::asStored, P::magnitude, P::length, P::magnitude};
    const TextGrid& grid = iteration.log;
    for (int row = 1; row < grid.rowCount(); ++row) {
        std::vector<std::string> cells = {std::to_string(row), grid.cell(log::volumeColumn, row),
                                          grid.cell(log::centreOfBuoyancyColumn, row),
                                          grid.cell(log::areaSumColumn, row)};
        if (!cells[1].empty() || !cells[2].empty() || !cells[3].empty())
            table.rows.push_back(std::move(cells));
    }
    return table;
}

ReportTable designWaterlineTable(const WaterlineIteration& iteration)
{
    ReportTable table;
    table.title = "Расчетная ватерлиния";
    table.header = {"Шп", "Осадка, м", "Погруженная площадь, кв. м"};
    table.precision = {P::asStored, P::length, P::magnitude};
    for (int row = 1; row <= frameCount; ++row)
        table.rows.push_back(
            {frameLabel(row - 1), iteration.frameDrafts.cell(row, 1), iteration.designSectionAreas.cell(row, 1)});
    return table;
}

ReportTable trimCalculationTable(const TrimTable& results)
{
    ReportTable table;
    table.title = "Таблица удифферентовки";
    table.note =
        "Значения шпации стоят в строке ее носового шпангоута; в строке «Итого» — объемное водоизмещение V и суммы "
        "сил поддержания и веса. Интегральные суммы перерезывающей силы — без множителя ΔL/2.";
    table.labelColumns = 2;
    table.header = {"Шп", "Шпация"};
    table.header.insert(table.header.end(), trimTableCaptions.begin(), trimTableCaptions.end());
    showValuesAs(table, P::forceOrMass);
    table.precision[2] = table.precision[3] = P::magnitude;  // ω and ωi + ωi+1
    const TextGrid& grid = results.table;
    for (int row = 1; row <= frameCount; ++row) {
        std::vector<std::string> cells = {frameLabel(row - 1), row < frameCount ? spacingLabel(row - 1) : "Итого"};
        for (int c = column::sectionArea; c <= column::correctedMoment; ++c)
            cells.push_back(grid.cell(c, row));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

ReportTable loadsTable(const TrimTable& results)
{
    return alongTheHull(results.loads, 0, true, "Нагрузка на шпацию", "Нагрузка, кН");
}

ReportTable shearForceTable(const TrimTable& results)
{
    return alongTheHull(results.shearForce, 0, false, "Перерезывающая сила", "Перерезывающая сила, кН");
}

ReportTable bendingMomentTable(const TrimTable& results)
{
    return alongTheHull(results.bendingMoment, 0, false, "Изгибающий момент", "Изгибающий момент, кН·м");
}

ReportTable internalForcesTable(const TrimTable& results)
{
    ReportTable table = shearForceTable(results);
    table.title = "Перерезывающая сила и изгибающий момент";
    table.header.push_back("Изгибающий момент, кН·м");
    for (int frame = 0; frame < frameCount; ++frame)
        table.rows[static_cast<std::size_t>(frame)].push_back(results.bendingMoment.cell(1, frame));
    return table;
}

std::vector<CaptionedValue> summaryLines(const TrimSheet& sheet)
{
    std::vector<CaptionedValue> lines;
    for (std::size_t i = 0; i < summaryCaptions.size(); ++i)
        lines.push_back({std::string(summaryCaptions[i]), sheet.results.summary[i], true});
    // The moment's closure above is a sum without unit; as a moment:
    const std::optional<double> moment = bendingMomentClosure(sheet);
    lines.push_back({"Невязка по изгибающему моменту (× ΔL/2), кН·м", moment ? readableFixed(*moment, 2) : "", true});
    return lines;
}

}  // namespace hullcalc
