// Characters of UTF-8 texts: Cyrillic letters are two bytes, the em dash and
// the superscript four of "м⁴" three, and a cut never falls inside one.
#include "common/error.h"
#include "common/utf8_text.h"

#include <gtest/gtest.h>

#include <string_view>
#include <tuple>

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

// A cut after n characters keeps whole characters and marks the cut with "…";
// the end of a long file name in a message is whole characters from the back.
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
    const std::tuple<std::string_view, std::size_t, std::string_view> ends[] = {
        {"Судно 1.txt", 5, "1.txt"}, {"Судно 1.txt", 9, "дно 1.txt"}, {"м⁴", 1, "⁴"}, {"ab", 5, "ab"}, {"ab", 0, ""},
    };
    for (const auto& [text, characters, end] : ends)
        EXPECT_EQ(lastCharacters(text, characters), end) << text;
}

// Byte lengths by the UTF-8 table (Unicode Standard, chapter 3, Table 3-7):
// 0 for bytes that start no well-formed character.
TEST(Utf8Text, SequenceLengthsOfWellFormedCharactersOnly)
{
    const std::pair<std::string_view, std::size_t> cases[] = {
        {"a", 1},
        {"ж", 2},
        {"⁴", 3},
        {"\xF0\x9F\x9A\xA2", 4},  // U+1F6A2, a ship
        {"\x80", 0},              // a continuation byte alone
        {"\xC0\x80", 0},          // an overlong NUL
        {"\xE2\x82", 0},          // cut short
        {"\xED\xA0\x80", 0},      // the surrogate U+D800
        {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
    };
    for (const auto& [text, length] : cases)
        EXPECT_EQ(utf8SequenceLength(text, 0), length) << testing::PrintToString(text);
}

}  // namespace
}  // namespace hullcalc
