// The navigation classes of river basins («разряды бассейнов») a river ship is
// built for, and the design wave height each gives the static balancing.
#pragma once

#include <optional>
#include <string_view>

namespace hullcalc {

enum class NavigationClass {
    none,   // not chosen
    lake,   // «Л»
    river,  // «Р»
    open,   // «О»
    sea,    // «М»
};

// "Л", "Р", "О", "М"; empty for none.
std::string_view navigationClassLetter(NavigationClass navigationClass);
// "L", "R", "O", "M" as the project file and the command line name them; empty for none.
std::string_view navigationClassKey(NavigationClass navigationClass);
// The class of a key or a letter, Latin or Cyrillic; nothing for any other text.
std::optional<NavigationClass> navigationClassFromText(std::string_view text);

// The design wave height of the class, m, or nothing where no source at hand
// confirms one (the user types the height).
std::optional<double> navigationClassWaveHeight(NavigationClass navigationClass);

// Where the height comes from, for the report and the page.
std::string_view navigationClassWaveSource();

}  // namespace hullcalc
