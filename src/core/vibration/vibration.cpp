// The vibration table of the energy method: masses per metre along the hull,
// the assumed mode shape corrected for rigid-body motion, and the generalized
// stiffness and mass whose ratio gives the natural frequency.
#include "vibration/vibration.h"

#include "vibration/beam_model.h"

#include "common/checked_math.h"
#include "common/error.h"
#include "common/grid_values.h"
#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/waterline_interpolation.h"

#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <stdexcept>
#include <string>

namespace hullcalc {

namespace {

namespace column = vibrationTableColumn;

// Abscissae of the spacings' middles from midship, in ship lengths.
constexpr std::array<const char*, spacingCount> leverTexts = {
    "-0,475", "-0,425", "-0,375", "-0,325", "-0,275", "-0,225", "-0,175", "-0,125", "-0,075", "-0,025",
    "0,025",  "0,075",  "0,125",  "0,175",  "0,225",  "0,275",  "0,325",  "0,375",  "0,425",  "0,475"};

int sumRow(const TextGrid& table) { return table.rowCount() - 1; }
int lastSpacingRow(const TextGrid& table) { return table.rowCount() - 2; }

// Writes value(r) into rows 1..20 of the column, row by row, so that a value
// may read the rows written before it.
void fillColumn(TextGrid& table, int target, const std::function<double(int)>& value)
{
    for (int r = 1; r <= lastSpacingRow(table); ++r)
        setFixed84(table, target, r, value(r));
}

void writeColumnSum(TextGrid& table, int target)
{
    double sum = 0.0;
    for (int r = 1; r <= lastSpacingRow(table); ++r)
        sum += cellValue(table, target, r);
    setFixed84(table, target, sumRow(table), sum);
}

void writeFixedList(TextGrid& table, int target, const std::array<const char*, spacingCount>& texts)
{
    for (int r = 1; r <= lastSpacingRow(table); ++r)
        table.setCell(target, r, texts.at(static_cast<std::size_t>(r - 1)));
}

// Draft of each frame row along the trimmed waterline, accumulated from the
// bow as the trim calculation did. Every draft must lie within the waterlines
// of the offsets table, where the half-breadth can be interpolated.
std::array<double, frameCount + 1> localDrafts(const TrimmedHull& hull, int topWaterline)
{
    std::array<double, frameCount + 1> drafts{};
    drafts[1] = hull.waterline.forwardDraft;
    for (std::size_t k = 2; k <= frameCount; ++k)
        drafts[k] = drafts[k - 1] + hull.waterline.trimSlope * hull.frameSpacing;
    for (int k = 1; k <= frameCount; ++k)
        requireDraftWithinWaterlines(drafts[static_cast<std::size_t>(k)], hull.waterlineHeights, topWaterline, "Осадка",
                                     k);
    return drafts;
}

// Half-breadth of frame row k at the draft, interpolated linearly between the
// last waterline below the draft and the first at or above it; waterlines
// above that one are not read. A draft on a waterline takes its offset, the
// lowest waterline included (where no waterline lies below). The draft lies
// within the waterlines (localDrafts).
double halfBreadthAt(const TextGrid& offsets, const WaterlineHeights& z, int k, double draft)
{
    double lowerLevel = 0.0;
    double lowerOffset = 0.0;
    for (int j = 1; j < offsets.columnCount(); ++j) {
        const double level = z.at(static_cast<std::size_t>(j));
        const double offset = cellValue(offsets, j, k);
        if (level < draft) {
            lowerLevel = level;
            lowerOffset = offset;
            continue;
        }
        if (level == draft)
            return offset;
        return interpolate(draft, lowerLevel, lowerOffset, level, offset);
    }
    throw std::logic_error("draft above the waterlines passed the range check");
}

// The half-breadth at the local waterline of every frame.
void writeLocalHalfBreadths(const TrimmedHull& hull, const std::array<double, frameCount + 1>& drafts, TextGrid& table)
{
    for (int frameRow = 1; frameRow <= frameCount; ++frameRow)
        setFixed84(table, column::halfBreadth, frameRow,
                   halfBreadthAt(hull.input.offsets, hull.waterlineHeights, frameRow,
                                 drafts[static_cast<std::size_t>(frameRow)]));
}

// Hull and added water masses per metre, spacing by spacing, and their
// running sums and moments about midship. L and B in m, ρ in t/m³.
void writeMassesPerMetre(const TrimmedHull& hull, double length, double breadth, double waterDensity,
                         double addedMassCoefficient, TextGrid& table)
{
    const auto value = [&table](int c, int r) { return cellValue(table, c, r); };
    const TextGrid& frameDrafts = hull.waterline.frameDrafts;
    const TextGrid& designAreas = hull.waterline.designSectionAreas;
    const double k = addedMassCoefficient;

    // Spacing r lies between frame rows r and r + 1.
    fillColumn(table, column::meanHalfBreadth,
               [&](int r) { return (value(column::halfBreadth, r) + value(column::halfBreadth, r + 1)) * 0.5; });
    fillColumn(table, column::meanDraft,
               [&](int r) { return (cellValue(frameDrafts, r, 1) + cellValue(frameDrafts, r + 1, 1)) * 0.5; });
    fillColumn(table, column::meanArea,
               [&](int r) { return (cellValue(designAreas, r, 1) + cellValue(designAreas, r + 1, 1)) * 0.5; });
    writeColumnSum(table, column::meanArea);

    // Water moving with the vibrating hull, per metre of length: an empirical
    // estimate from the immersed area, the breadth and the draft, with the
    // factor 1 + k·L/B of the tone (k falls from tone I to IV).
    fillColumn(table, column::addedMass, [&](int r) {
        const double area = value(column::meanArea, r);
        const double halfBreadth = value(column::meanHalfBreadth, r);
        const double draft = value(column::meanDraft, r);
        return divide(area * (0.4 * waterDensity) * halfBreadth * (1 + divide(length * k, breadth)), draft);
    });
    writeColumnSum(table, column::addedMass);
    fillColumn(table, column::hullMass,
               [&](int r) { return divide(cellValue(hull.input.masses, 1, r), hull.frameSpacing); });
    writeColumnSum(table, column::hullMass);
    fillColumn(table, column::totalMass,
               [&](int r) { return value(column::addedMass, r) + value(column::hullMass, r); });
    writeColumnSum(table, column::totalMass);
    fillColumn(table, column::reducedMass, [&](int r) { return divide(value(column::totalMass, r), 10); });
    writeColumnSum(table, column::reducedMass);
    writeRunningSum(table, column::reducedMass, column::massIntegral);

    writeFixedList(table, column::lever, leverTexts);
    fillColumn(table, column::massMoment,
               [&](int r) { return value(column::reducedMass, r) * value(column::lever, r); });
    writeColumnSum(table, column::massMoment);
    writeRunningSum(table, column::massMoment, column::massMomentIntegral);
}

// n half-waves of a sine over the length, taken at the middle of each
// spacing: X = (2r − 1)/40 from the bow end, in lengths.
void writeAssumedShape(double halfWaves, TextGrid& table)
{
    const auto value = [&table](int c, int r) { return cellValue(table, c, r); };
    fillColumn(table, column::assumedShape, [&](int r) {
        const double X = divide(2 * r - 1, 40);
        return std::sin(std::numbers::pi * halfWaves * X);
    });
    fillColumn(table, column::shapeLoad,
               [&](int r) { return value(column::reducedMass, r) * value(column::assumedShape, r); });
    writeColumnSum(table, column::shapeLoad);
    writeRunningSum(table, column::shapeLoad, column::shapeLoadIntegral);
}

// The hull floats free, without supports: the shift δ and the turn β make the
// inertia forces of the shape s + δ + β·ξ add up to zero force (first
// equation) and zero moment (second, from the doubly integrated loads).
void correctForRigidBodyMotion(TextGrid& table, ChartModel& modeShape, VibrationResults& results)
{
    const auto value = [&table](int c, int r) { return cellValue(table, c, r); };
    const int sums = sumRow(table);
    const double A1 = value(column::reducedMass, sums);
    const double B1 = value(column::massMoment, sums);
    const double F1 = -value(column::shapeLoad, sums);
    const double A2 = value(column::massIntegral, sums);
    const double B2 = value(column::massMomentIntegral, sums);
    const double F2 = -value(column::shapeLoadIntegral, sums);
    const double D = A1 * B2 - B1 * A2;
    results.shift = divide(F1 * B2 - F2 * B1, D);
    results.turn = divide(A1 * F2 - A2 * F1, D);

    fillColumn(table, column::turn, [&](int r) { return value(column::lever, r) * results.turn; });
    ChartSeries& shape = modeShape.series.at(0);
    shape.clear();
    for (int r = 1; r <= lastSpacingRow(table); ++r) {
        setFixed84(table, column::correctedShape, r,
                   (value(column::turn, r) + results.shift) + value(column::assumedShape, r));
        shape.append(r, value(column::correctedShape, r));
    }

    // The balance achieved: zero but for the rounding of the table's texts.
    fillColumn(table, column::checkLoad,
               [&](int r) { return value(column::reducedMass, r) * value(column::correctedShape, r); });
    writeColumnSum(table, column::checkLoad);
    writeRunningSum(table, column::checkLoad, column::checkLoadIntegral);
}

// Strain energy goes with E·i·(s″)², and s″ = −(nπ/L)²·s for the sine;
// kinetic energy with m·w². Their ratio is the square of the frequency.
void computeGeneralizedStiffnessAndMass(double halfWaves, double L, double dL, const TextGrid& sectionInertia,
                                        TextGrid& table, VibrationResults& results)
{
    const auto value = [&table](int c, int r) { return cellValue(table, c, r); };
    const int sums = sumRow(table);
    // The inertias as typed; a text that is not a number is named in the input,
    // and so is one that is not positive: a section without bending stiffness
    // (or a negative one) gives no natural frequency but a wrong one, or none.
    for (int r = 1; r <= lastSpacingRow(table); ++r) {
        if (!(cellValue(sectionInertia, 1, r) > 0.0))
            throw CellError("Момент инерции сечения должен быть больше нуля, а он равен "
                                + messageExcerpt(sectionInertia.cell(1, r)) + " м⁴",
                            sectionInertia, 1, r);
        table.setCell(column::inertia, r, sectionInertia.cell(1, r));
    }
    fillColumn(table, column::stiffnessTerm, [&](int r) {
        const double s = value(column::assumedShape, r);
        return value(column::inertia, r) * (s * s);
    });
    writeColumnSum(table, column::stiffnessTerm);
    fillColumn(table, column::massTerm, [&](int r) {
        const double w = value(column::correctedShape, r);
        return value(column::reducedMass, r) * (w * w);
    });
    writeColumnSum(table, column::massTerm);

    // E, the modulus of elasticity of the hull material: with i in m⁴ the
    // stiffness comes out in kN/m.
    constexpr double pi = std::numbers::pi;
    const double n = halfWaves;
    const double stiffnessFactor = divide(n * n * n * n * pi * pi * pi * pi * hullModulus * dL, L * L * L * L);
    results.stiffness = value(column::stiffnessTerm, sums) * stiffnessFactor;
    // Column 8 holds a tenth of the mass per metre.
    results.mass = value(column::massTerm, sums) * (10 * dL);
    results.frequency = squareRoot(divide(results.stiffness, results.mass));
}

}  // namespace

TrimmedHull trimmedHull(const TrimSheet& trim)
{
    if (!trim.complete)
        throw Error("Сначала выполните расчет удифферентовки");
    return TrimmedHull{trim.input, trim.bonjean.waterlineHeights, trim.hydrostatics.length,
                       trim.hydrostatics.frameSpacing, trim.iteration};
}

void writeRunningSum(TextGrid& table, int source, int target)
{
    const int last = lastSpacingRow(table);
    table.setCell(target, 1, table.cell(source, 1));
    for (int r = 2; r <= last; ++r)
        setFixed84(table, target, r, cellValue(table, target, r - 1) + cellValue(table, source, r));
    double sum = 0.0;
    for (int r = 1; r <= last; ++r)
        sum += cellValue(table, target, r);
    const double ends = cellValue(table, target, 1) + cellValue(table, target, last);
    setFixed84(table, target, sumRow(table), sum - divide(ends, 2));
}

VibrationResults computeVibration(const TrimmedHull& hull, const ParticularValues& particulars, VibrationSheet& sheet)
{
    requireTypedMagnitudes(sheet.sectionInertia);
    const auto drafts = localDrafts(hull, hull.input.offsets.columnCount() - 1);
    TextGrid& table = sheet.table;
    VibrationResults results;
    writeLocalHalfBreadths(hull, drafts, table);
    writeMassesPerMetre(hull, particulars.length, particulars.breadth, particulars.waterDensity,
                        sheet.addedMassCoefficient, table);
    writeAssumedShape(sheet.halfWaves, table);
    correctForRigidBodyMotion(table, sheet.modeShape, results);
    computeGeneralizedStiffnessAndMass(sheet.halfWaves, hull.length, hull.frameSpacing, sheet.sectionInertia, table,
                                       results);

    sheet.stiffness = format84(results.stiffness);
    sheet.mass = format84(results.mass);
    sheet.frequency = format84(results.frequency);
    sheet.shift = "delta   " + format84(results.shift);
    sheet.turn = "betta   " + format84(results.turn);
    return results;
}

VibrationTableCaptions vibrationTableCaptions()
{
    VibrationTableCaptions captions;
    for (std::size_t i = 0; i < vibrationColumnCaptions.size(); ++i)
        captions.columns.push_back(std::to_string(i + 1) + ". " + std::string(vibrationColumnCaptions[i]));
    for (int spacing = 0; spacing < spacingCount; ++spacing)
        captions.rows.push_back(spacingLabel(spacing));
    // Column 1 is by frames: its last row is the stern frame.
    captions.rows.emplace_back("Сумма (y — 20 шп)");
    return captions;
}

DisplayPrecision vibrationColumnPrecision(int column)
{
    switch (column) {
    case column::halfBreadth:
    case column::meanHalfBreadth:
    case column::meanDraft:
        return DisplayPrecision::length;
    case column::meanArea:
        return DisplayPrecision::magnitude;
    case column::addedMass:
    case column::hullMass:
    case column::totalMass:
        return DisplayPrecision::forceOrMass;
    default:
        return DisplayPrecision::asStored;
    }
}

}  // namespace hullcalc
