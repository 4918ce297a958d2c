// The general intact stability criteria for cargo and passenger ships checked
// against the righting-lever curve: each with its value, limit, margin and verdict.
#pragma once

#include "stability/righting_lever.h"

#include <string_view>
#include <vector>

namespace hullcalc {

struct StabilityCriterion {
    std::string_view key;      // snake_case name outside code sees
    std::string_view caption;  // what it requires, as the page and the report say it
    std::string_view unit;
    double value = 0.0;
    double limit = 0.0;  // the least value allowed
    bool passed = false;

    double margin() const { return value - limit; }
};

// Under the table: what the check covers and what it leaves out.
inline constexpr std::string_view stabilityCriteriaNote =
    "Общие критерии ИМО для грузовых и пассажирских судов (Кодекс остойчивости неповрежденных судов): "
    "угол заливания не задан, площади берутся до 30° и 40°. Критерий погоды и правила речного регистра "
    "не проверяются.";

// The six criteria in the order of the code: areas to 30°, to 40° and between,
// GZ at 30° or more, the heel of the largest GZ, GM0.
std::vector<StabilityCriterion> checkGeneralCriteria(const RightingLeverCurve& curve);

}  // namespace hullcalc
