// The equivalent girder («эквивалентный брус») of the midship section: the
// longitudinal members that carry the hull's bending, their neutral axis, the
// moment of inertia of the section and its moduli at the deck and the bottom.
#pragma once

#include "common/text_grid.h"

#include <string>

namespace hullcalc {

inline constexpr int girderMemberRows = 20;

// The members as the user types them, one a row (rows 1..20; row 0 holds the
// captions). A row with no area and no height is skipped.
namespace girderColumn {
inline constexpr int name = 0;
inline constexpr int area = 1;        // F, cm²
inline constexpr int height = 2;      // z of the member's centroid above the base line, m
inline constexpr int ownInertia = 3;  // i about the member's own centroid, cm²·m² (empty: 0)
}  // namespace girderColumn

// The textbook table of the section (columns 1..9, a row per member, then the
// totals): F, z, F·z, F·z², i and the running sums ΣF, ΣFz, ΣFz², Σi.
namespace girderSumColumn {
inline constexpr int area = 1, height = 2, firstMoment = 3, secondMoment = 4, ownInertia = 5;
inline constexpr int areaSum = 6, firstMomentSum = 7, secondMomentSum = 8, ownInertiaSum = 9;
inline constexpr int count = 10;
}  // namespace girderSumColumn

struct HullGirder {
    HullGirder();

    TextGrid sums{girderSumColumn::count, 2};

    bool present = false;        // at least one member was given
    double area = 0.0;           // ΣF, cm²
    double neutralAxis = 0.0;    // z₀ = ΣFz / ΣF above the base line, m
    double inertia = 0.0;        // I = ΣFz² + Σi − z₀²·ΣF, cm²·m²
    double deckModulus = 0.0;    // W = I / (H − z₀), m³
    double bottomModulus = 0.0;  // W = I / z₀, m³

    // I in m⁴ (1 cm²·m² = 10⁻⁴ m⁴).
    double inertiaM4() const { return inertia * 1e-4; }

    bool operator==(const HullGirder&) const = default;
};

// The members table, empty, with its captions.
TextGrid emptyGirderMembers();

// Captions of the table of sums.
void writeGirderHeaders(HullGirder& girder);

// "Пример": a plausible midship section of the example river ship (75 × 11 ×
// 3,5 m, single bottom and side, longitudinal framing).
void fillExampleGirder(TextGrid& members);

// Sums the members and derives the neutral axis, I and the moduli for the
// depth H (m). A member cell that is not a number throws CellError; a section
// of no area, or whose neutral axis is not between the base line and the
// deck, throws Error. With no member the girder is left absent.
void computeHullGirder(const TextGrid& members, double depth, HullGirder& girder);

}  // namespace hullcalc
