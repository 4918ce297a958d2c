#include "strength/hull_girder.h"

#include "common/error.h"
#include "common/grid_values.h"
#include "common/number_text.h"
#include "trim/waterline_interpolation.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace hullcalc {

namespace {

bool isBlank(std::string_view text) { return trimmed(text).empty(); }

// A midship section of a 75 m river cargo ship, 11 m broad and 3,5 m deep,
// single bottom and side, longitudinally framed, with wide hatches (the deck
// carries only its stringer plates): plates as breadth × thickness with both
// sides counted in F, own inertias of the vertical plates as F·h²/12. Its deck
// modulus (0,203 m³) carries the example's moments in still water and on the
// wave of its class «Р» below the allowable stress of mild steel.
struct ExampleMember {
    std::string_view name, area, height, ownInertia;
};
constexpr std::array<ExampleMember, 9> exampleMembers = {{
    {"Палубный стрингер 2 × 1,5 м × 12 мм", "360", "3,5", "0"},
    {"Продольные ребра палубы 8 × 8 см²", "64", "3,44", "0"},
    {"Ширстрек 2 × 1,0 м × 12 мм", "240", "3", "20"},
    {"Борт 2 × 2,0 м × 5 мм", "200", "1,5", "67"},
    {"Продольные ребра борта 4 × 5 см²", "20", "1,5", "0"},
    {"Скула 2 × 0,6 м × 6 мм", "72", "0,2", "2"},
    {"Днище 10 м × 6 мм", "600", "0", "0"},
    {"Вертикальный киль 0,6 м × 6 мм", "36", "0,3", "1,1"},
    {"Продольные ребра днища 10 × 8 см²", "80", "0,08", "0"},
}};

}  // namespace

HullGirder::HullGirder() = default;

TextGrid emptyGirderMembers()
{
    TextGrid members(4, girderMemberRows + 1, 0, 1);
    members.setCell(girderColumn::name, 0, "Связь");
    members.setCell(girderColumn::area, 0, "F, см²");
    members.setCell(girderColumn::height, 0, "z, м");
    members.setCell(girderColumn::ownInertia, 0, "i, см²·м²");
    return members;
}

void writeGirderHeaders(HullGirder& girder)
{
    static constexpr std::array<std::string_view, girderSumColumn::count> captions = {
        "Связь",     "F, см²",  "z, м",       "Fz, см²·м",    "Fz², см²·м²",
        "i, см²·м²", "ΣF, см²", "ΣFz, см²·м", "ΣFz², см²·м²", "Σi, см²·м²"};
    for (int column = 0; column < girderSumColumn::count; ++column)
        girder.sums.setCell(column, 0, std::string(captions[static_cast<std::size_t>(column)]));
}

void fillExampleGirder(TextGrid& members)
{
    for (int row = 1; row < members.rowCount(); ++row)
        for (int column = 0; column < members.columnCount(); ++column)
            members.setCell(column, row, "");
    int row = 1;
    for (const ExampleMember& member : exampleMembers) {
        members.setCell(girderColumn::name, row, std::string(member.name));
        members.setCell(girderColumn::area, row, std::string(member.area));
        members.setCell(girderColumn::height, row, std::string(member.height));
        members.setCell(girderColumn::ownInertia, row, std::string(member.ownInertia));
        ++row;
    }
}

void computeHullGirder(const TextGrid& members, double depth, HullGirder& girder)
{
    namespace in = girderColumn;
    namespace out = girderSumColumn;
    girder.sums.setRowCount(1);
    girder.present = false;
    double area = 0.0, first = 0.0, second = 0.0, own = 0.0;
    for (int row = 1; row < members.rowCount(); ++row) {
        // A row is skipped only when wholly blank: a named member without its
        // numbers is an error, never a member left out.
        bool blank = true;
        for (int column = 0; column < members.columnCount(); ++column)
            blank = blank && isBlank(members.cell(column, row));
        if (blank)
            continue;
        const double f = typedCellValue(members, in::area, row);
        const double z = typedCellValue(members, in::height, row);
        const double i =
            isBlank(members.cell(in::ownInertia, row)) ? 0.0 : typedCellValue(members, in::ownInertia, row);
        if (!(f > 0.0))
            throw CellError("Площадь связи должна быть положительной: " + roundedText(f, 2) + " см²", members, in::area,
                            row);
        if (!(z >= 0.0 && z <= depth))
            throw CellError(
                "Отстояние связи z = " + roundedText(z, 3) + " м вне высоты борта 0 – " + roundedText(depth, 3) + " м",
                members, in::height, row);
        if (i < 0.0)
            throw CellError(
                "Собственный момент инерции связи не может быть отрицательным: " + roundedText(i, 2) + " см²·м²",
                members, in::ownInertia, row);
        area += f;
        first += f * z;
        second += f * z * z;
        own += i;
        const int line = girder.sums.rowCount();
        girder.sums.setRowCount(line + 1);
        girder.sums.setCell(0, line, members.cell(in::name, row));
        const std::array<double, 9> values = {f, z, f * z, f * z * z, i, area, first, second, own};
        for (int column = out::area; column < out::count; ++column)
            girder.sums.setCell(column, line, formatFixed(values[static_cast<std::size_t>(column - 1)], 2));
        girder.present = true;
    }
    if (!girder.present)
        return;
    const int totals = girder.sums.rowCount();
    girder.sums.setRowCount(totals + 1);
    girder.sums.setCell(0, totals, "Σ");
    girder.sums.setCell(out::area, totals, formatFixed(area, 2));
    girder.sums.setCell(out::firstMoment, totals, formatFixed(first, 2));
    girder.sums.setCell(out::secondMoment, totals, formatFixed(second, 2));
    girder.sums.setCell(out::ownInertia, totals, formatFixed(own, 2));

    girder.area = area;
    girder.neutralAxis = first / area;
    if (!(girder.neutralAxis > 0.0 && girder.neutralAxis < depth))
        throw Error("Нейтральная ось эквивалентного бруса z₀ = " + roundedText(girder.neutralAxis, 3)
                    + " м не лежит между основной плоскостью и палубой (H = " + roundedText(depth, 3) + " м)");
    // The parallel-axis theorem: the members' second moment about the base line
    // moved to the neutral axis.
    girder.inertia = second + own - girder.neutralAxis * girder.neutralAxis * area;
    if (!(girder.inertia > 0.0))
        throw Error("Момент инерции эквивалентного бруса должен быть положительным");
    girder.deckModulus = girder.inertiaM4() / (depth - girder.neutralAxis);
    girder.bottomModulus = girder.inertiaM4() / girder.neutralAxis;
}

}  // namespace hullcalc
