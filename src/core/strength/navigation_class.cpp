#include "strength/navigation_class.h"

#include <array>

namespace hullcalc {

namespace {

struct ClassEntry {
    NavigationClass navigationClass;
    std::string_view letter, key;
    std::optional<double> waveHeight;
};

// The heights of waves of 1 % probability that bound the classes «Л», «Р» and
// «О»: 0,6, 1,2 and 2,0 m, as «Классификация российских внутренних водных
// путей» (racechrono.ru/stati/16764, section «Классификация по
// ветро-волновому режиму») states them. The rule text itself («Положение о
// классификации судов внутреннего и смешанного (река — море) плавания», 2002,
// appendix 2 «Характеристики нормативных высот волн…») was found by its title
// only, so the class «М» has no height here.
constexpr std::array<ClassEntry, 5> entries = {{
    {NavigationClass::none, "", "", std::nullopt},
    {NavigationClass::lake, "Л", "L", 0.6},
    {NavigationClass::river, "Р", "R", 1.2},
    {NavigationClass::open, "О", "O", 2.0},
    {NavigationClass::sea, "М", "M", std::nullopt},
}};

const ClassEntry& entryOf(NavigationClass navigationClass)
{
    for (const ClassEntry& entry : entries)
        if (entry.navigationClass == navigationClass)
            return entry;
    return entries[0];
}

}  // namespace

std::string_view navigationClassLetter(NavigationClass navigationClass) { return entryOf(navigationClass).letter; }

std::string_view navigationClassKey(NavigationClass navigationClass) { return entryOf(navigationClass).key; }

std::optional<NavigationClass> navigationClassFromText(std::string_view text)
{
    for (const ClassEntry& entry : entries)
        if (text == entry.letter || text == entry.key)
            return entry.navigationClass;
    return std::nullopt;
}

std::optional<double> navigationClassWaveHeight(NavigationClass navigationClass)
{
    return entryOf(navigationClass).waveHeight;
}

std::string_view navigationClassWaveSource()
{
    return "высота волны 1 %-ной обеспеченности разряда бассейна («Классификация российских внутренних водных "
           "путей», раздел «Классификация по ветро-волновому режиму»)";
}

}  // namespace hullcalc
