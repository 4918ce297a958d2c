// Characters of UTF-8 texts: Cyrillic letters are two bytes, the em dash and
// the superscript four of "м⁴" three, and a cut never falls inside one.
#include "common/error.h"
#include "common/utf8_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace hullcalc {
namespace {

// The character counts by hand: "ω, кв. м" is ω, comma, blank, к, в, point,
// blank, м.
TEST(Utf8Text, CountsCharactersNotBytes)
{
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"", 0}, {"Шп", 2}, {"ω, кв. м", 8}, {"Iy, м⁴", 6}, {"1–10", 4}, {"abc", 3},
    };
    for (const auto& [text, characters] : cases)
        EXPECT_EQ(characterCount(text), characters) << text;
}

// A cut after n characters keeps whole characters and marks the cut with "…".
TEST(Utf8Text, CutsAfterWholeCharacters)
{
    const struct {
        std::string_view text;
        std::size_t characters;
        std::string_view cut;
    } cases[] = {
        {"Шпангоут", 3, "Шпа…"},
        {"Шпа", 3, "Шпа"},
        {"м⁴м⁴", 2, "м⁴…"},
        {"abc", 0, "…"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(messageExcerpt(c.text, c.characters), c.cut) << c.text;
}

}  // namespace
}  // namespace hullcalc
