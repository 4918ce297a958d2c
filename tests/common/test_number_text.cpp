// Number texts: parsing with the decimal comma and the general and fixed forms
// at their edges. Reference texts are what printf("%.15g") and a correctly
// rounded "%f" / "%8.4f" give, with a comma and ties away from zero.
#include "common/error.h"
#include "common/number_text.h"
#include "common/utf8_text.h"
#include "error_of.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {
namespace {

// A test row's name made of its text, so that the test list says what each row
// holds: letters and digits as they are, a comma as "c", a point as "p", a minus
// as "m", a blank as "_", any other character as "x"; the row's number keeps
// the names apart.
std::string rowName(std::string_view text, std::size_t index)
{
    std::string name = "r" + std::to_string(index) + "_";
    for (const char c : text) {
        const std::size_t mark = std::string_view(",.- ").find(c);
        if (std::isalnum(static_cast<unsigned char>(c)))  // ASCII only in the "C" locale
            name += c;
        else if (mark != std::string_view::npos)
            name += "cpm_"[mark];
        else if (startsCharacter(c))
            name += 'x';
    }
    return name;
}

struct ParseCase {
    const char* text;
    double value;
};

class ParsesNumber : public testing::TestWithParam<ParseCase> {};

TEST_P(ParsesNumber, ToItsValue) { EXPECT_EQ(parseNumber(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(Texts, ParsesNumber,
                         testing::Values(ParseCase{"3,75", 3.75}, ParseCase{"  2,25 ", 2.25},
                                         ParseCase{"\t-3,72", -3.72}, ParseCase{"+5", 5.0}, ParseCase{"-0", 0.0},
                                         ParseCase{"1,", 1.0}, ParseCase{",5", 0.5}, ParseCase{"-,5", -0.5},
                                         ParseCase{"1E3", 1000.0}, ParseCase{"1,5e-2", 0.015}, ParseCase{"5E-5", 5e-5},
                                         ParseCase{"2,5E+2", 250.0}, ParseCase{"  8,0000", 8.0}, ParseCase{"007", 7.0},
                                         ParseCase{"1E-400", 0.0},
                                         ParseCase{"0,000000000000000000000000000001E-300", 0.0},
                                         ParseCase{"1,7976931348623157E308", std::numeric_limits<double>::max()}),
                         [](const testing::TestParamInfo<ParseCase>& row) {
                             return rowName(row.param.text, row.index);
                         });

// Texts of any length read as their correctly rounded value: exact decimal
// arithmetic on the digits gives each reference value.
struct LongText {
    const char* name;
    std::string text;
    std::optional<double> value;  // none: refused as not a number
};

void PrintTo(const LongText& c, std::ostream* out) { *out << c.name; }

class LongNumberText : public testing::TestWithParam<LongText> {};

TEST_P(LongNumberText, ReadsExactlyWhateverItsDigitCount)
{
    const LongText& c = GetParam();
    if (c.value) {
        EXPECT_EQ(parseNumber(c.text), *c.value);
    } else {
        EXPECT_THROW(parseNumber(c.text), Error);
    }
}

const std::string zeros(99998, '0');

INSTANTIATE_TEST_SUITE_P(
    Texts, LongNumberText,
    testing::Values(
        // 7,5 x 10^900001, far beyond the double range.
        LongText{"ExponentBeyondALongFraction", "0," + zeros + "75E1000000", std::nullopt},
        LongText{"LongFractionBroughtBackByItsExponent", "0," + zeros + "75E99999", 7.5},
        LongText{"TrailingZerosCancelledByTheExponent", "1" + zeros + "E-99998", 1.0},
        LongText{"ExponentBeyondEveryIntegerType", "1E-99999999999999999999", 0.0},
        // 2^53 + 1 lies halfway between two doubles and rounds to even; any
        // further non-zero digit, however far on, rounds it up.
        LongText{"HalfwayTieRoundsToEven", "9007199254740993," + zeros, 9007199254740992.0},
        LongText{"DigitFarBeyondTheTieRoundsUp", "9007199254740993," + zeros + "1", 9007199254740994.0},
        LongText{"SmallestSubnormal", "4,9406564584124654E-324", std::numeric_limits<double>::denorm_min()},
        // Half the smallest subnormal is 2,4703282292062327...E-324.
        LongText{"JustAboveHalfTheSmallestSubnormal", "2,4703282292062328E-324",
                 std::numeric_limits<double>::denorm_min()},
        LongText{"BelowHalfTheSmallestSubnormalIsZero", "0,00" + zeros + "247E-224", 0.0}),
    [](const testing::TestParamInfo<LongText>& info) { return std::string(info.param.name); });

// Short texts of every shape a cell holds read as the correctly rounded value
// of their decimal, which std::from_chars gives for the same digits in C form.
TEST(ParseNumber, ShortTextsReadAsTheirCorrectlyRoundedValue)
{
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i) {
        const std::uint64_t digits = random() >> (random() % 64);
        const int decimals = static_cast<int>(random() % 20);
        const int exponent = static_cast<int>(random() % 61) - 30;
        const std::string whole = std::to_string(digits);
        const std::size_t point = whole.size() > static_cast<std::size_t>(decimals) ? whole.size() - decimals : 0;
        std::string c = whole.substr(0, point) + "." + whole.substr(point);
        if (i % 2)
            c = "-" + c;
        if (i % 3)
            c += "e" + std::to_string(exponent);
        double expected = 0.0;
        std::from_chars(c.data(), c.data() + c.size(), expected);
        std::string text = c;
        text[text.find('.')] = ',';
        ASSERT_EQ(parseNumber(text), expected) << text;
    }
}

// A refused text is quoted in the message, but a huge one only by its start.
TEST(ParseNumber, QuotesAtMost100CharactersOfARefusedText)
{
    const auto messageOf = [](const std::string& text) { return errorOf([&] { parseNumber(text); }); };
    const std::string suffix = "' is not a valid floating point value";
    const std::string hundred = "1.5" + std::string(97, '0');
    EXPECT_EQ(messageOf(hundred), "'" + hundred + suffix);
    EXPECT_EQ(messageOf(hundred + "9"), "'" + hundred + "…" + suffix);
    EXPECT_EQ(messageOf(std::string(131072, '9')), "'" + std::string(100, '9') + "…" + suffix);
    // Characters, not bytes: the cut never splits a Cyrillic letter.
    std::string cyrillic;
    for (int i = 0; i < 150; ++i)
        cyrillic += "ж";
    EXPECT_EQ(messageOf(cyrillic), "'" + cyrillic.substr(0, 200) + "…" + suffix);
    // Malformed text: each byte that is no UTF-8 is shown as an escape, one character.
    std::string escapes;
    for (int i = 0; i < 100; ++i)
        escapes += "\\x80";
    EXPECT_EQ(messageOf(std::string(131072, '\x80')), "'" + escapes + "…" + suffix);
    // Control characters of a pasted cell neither ring, clear nor break the line.
    EXPECT_EQ(messageOf("1\a\x1B[2J\n\t\r\x7F\xC2\x85"), "'1\\x07\\x1B[2J\\n\\t\\r\\x7F\\x85" + suffix);
}

class RejectsText : public testing::TestWithParam<const char*> {};

TEST_P(RejectsText, WithTheOriginalTextInTheMessage)
{
    const std::string text = GetParam();
    EXPECT_EQ(errorOf([&] { parseNumber(text); }), "'" + text + "' is not a valid floating point value");
}

INSTANTIATE_TEST_SUITE_P(NotNumbers, RejectsText,
                         testing::Values("", "   ", "1.5", " 1.5 ", "1 000", "1.000,5", "inf", "-inf", "nan", "INF",
                                         "1E999", "-2E400", "1E99999999999999999999", ",", "-", "+", "E5", "1E", "1e+",
                                         "1,2,3", "0x10", "1,5 м", "--1", "٣"),
                         [](const testing::TestParamInfo<const char*>& row) { return rowName(row.param, row.index); });

struct FixedCase {
    double value;
    int decimals, width;
    const char* text;
};

class FixedText : public testing::TestWithParam<FixedCase> {};

TEST_P(FixedText, RoundsTiesAwayFromZero)
{
    EXPECT_EQ(formatFixed(GetParam().value, GetParam().decimals, GetParam().width), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FixedText,
    testing::Values(FixedCase{1234.5, 2, 0, "1234,50"}, FixedCase{-0.001, 2, 0, "0,00"},
                    FixedCase{-0.005, 2, 0, "-0,01"}, FixedCase{0.125, 2, 0, "0,13"}, FixedCase{2.675, 2, 0, "2,68"},
                    FixedCase{9.995, 2, 0, "10,00"}, FixedCase{-9.995, 2, 0, "-10,00"},
                    FixedCase{999.999, 2, 0, "1000,00"}, FixedCase{1e20, 2, 0, "100000000000000000000,00"},
                    FixedCase{0.0, 2, 0, "0,00"}, FixedCase{-0.0, 2, 0, "0,00"}, FixedCase{1.23455, 4, 8, "  1,2346"},
                    FixedCase{12.3, 4, 8, " 12,3000"}, FixedCase{-0.7005, 4, 8, " -0,7005"},
                    FixedCase{123456.789, 4, 8, "123456,7890"}, FixedCase{0.00004, 4, 8, "  0,0000"},
                    FixedCase{-0.00004, 4, 8, "  0,0000"}, FixedCase{0.00005, 4, 8, "  0,0001"},
                    FixedCase{-0.00005, 4, 8, " -0,0001"}, FixedCase{0.0005, 2, 0, "0,00"},
                    FixedCase{5e-300, 4, 8, "  0,0000"},
                    // Rounded to 15 digits first: 807,445000000000 is a tie, 807,44499999999 is not.
                    FixedCase{807.4449999999999, 2, 0, "807,45"}, FixedCase{807.44499999999, 2, 0, "807,44"}),
    [](const testing::TestParamInfo<FixedCase>& row) { return rowName(row.param.text, row.index); });

// Neither infinity nor NaN has a text. The largest double,
// 1,7976931348623157E308, rounds at 15 digits to 1,79769313486232E308, beyond
// the range: writing it would leave a text that reads back as no number, so it
// is an overflow. The first double to round so is the one above
// 1,797693134862315E308 (which itself lies at ...3149E308).
TEST(Formats, NoTextBeyondTheDoubleRangeIsWritten)
{
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_THROW(formatGeneral(inf), Error);
    EXPECT_THROW(formatF(-inf), Error);
    EXPECT_THROW(format84(std::nan("")), Error);
    const double largest = std::numeric_limits<double>::max();
    const double highestInRange = 1.797693134862315e308;
    EXPECT_EQ(formatGeneral(highestInRange), "1,79769313486231E308");
    for (const double value : {largest, -largest, std::nextafter(highestInRange, largest)}) {
        EXPECT_EQ(errorOf([&] { formatGeneral(value); }), "Floating point overflow") << value;
        EXPECT_EQ(errorOf([&] { formatF(value); }), "Floating point overflow") << value;
    }
    EXPECT_EQ(formatGeneral(-highestInRange), "-1,79769313486231E308");
    EXPECT_EQ(parseNumber(formatF(highestInRange)), 1.79769313486231e308);
}

// A text for the reader never throws: what has no finite text shows as a sign.
TEST(Formats, ReadableTextsShowWhatHasNoFiniteText)
{
    const double inf = std::numeric_limits<double>::infinity();
    const double largest = std::numeric_limits<double>::max();
    const struct {
        double value;
        const char* fixed;
        const char* general;
    } rows[] = {
        {inf, "∞", "∞"},        {-inf, "−∞", "−∞"},          {std::nan(""), "—", "—"},
        {largest, "∞", "∞"},  // rounds beyond the double range
        {-largest, "−∞", "−∞"}, {-2.005, "-2,01", "-2,005"}, {4.9e-324, "0,00", "4,94065645841247E-324"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(readableFixed(row.value, 2), row.fixed) << row.value;
        EXPECT_EQ(readableGeneral(row.value), row.general) << row.value;
    }
}

// What a later step reads back from a cell is the value rounded to 15
// significant digits: within half a unit of the 15th digit, over many scales.
TEST(GeneralText, ReadsBackWithin15SignificantDigits)
{
    std::mt19937_64 random(20261206);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        const double value = mantissa(random) * std::pow(10.0, exponent(random));
        const double back = parseNumber(formatGeneral(value));
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5.1e-15) << formatGeneral(value);
        ASSERT_EQ(formatGeneral(back), formatGeneral(value));
    }
}

// printf's %.15g rounds the exact binary value: formatGeneral (and with it
// every fixed text, from the same 15 digits) must give the same digits for any double - random bit patterns from the
// subnormals to 10^308, the doubles nearest to 16-digit ties (…5) and to the edges between positional and exponent
// form, and short decimals.
TEST(GeneralText, RoundsEveryDoubleAsPrintf)
{
    const auto printfText = [](double value) {
        std::array<char, 48> c{};
        std::snprintf(c.data(), c.size(), "%.15g", value);
        std::string text(c.data());
        std::replace(text.begin(), text.end(), '.', ',');
        const std::size_t e = text.find('e');
        if (e != std::string::npos) {
            const int exponent = std::stoi(text.substr(e + 1));
            text = text.substr(0, e) + "E" + std::to_string(exponent);
        }
        return text;
    };
    std::mt19937_64 random(20261208);
    std::vector<double> values;
    for (int i = 0; i < 20000; ++i) {
        const double bits = std::bit_cast<double>(random() & ~(std::uint64_t{1} << 63));
        if (std::isfinite(bits) && bits > 0.0 && bits < 1e308)
            values.push_back(bits);
        const std::string tie = std::to_string(random() % 9 + 1) + "." + std::to_string(random() % 100000000000000)
                                + "5e" + std::to_string(static_cast<int>(random() % 41) - 20);
        values.push_back(std::stod(tie));
        values.push_back(std::nextafter(values.back(), 0.0));
        values.push_back(std::stod(std::to_string(random() % 99999 + 1) + "e" + std::to_string(int(random() % 9) - 6)));
        values.push_back(std::pow(10.0, std::uniform_real_distribution<double>(-10.0, 17.0)(random)));
    }
    for (const double edge : {1e15, 1e-4, 1e-5, 1e-8, 999999999999999.5, 0.000099999999999999995, 0.5, 2.5e-8,
                              123456789012345.5, 123456789012344.5})
        for (double value = edge, n = 0; n < 4; ++n, value = std::nextafter(value, 0.0))
            values.insert(values.end(), {value, std::nextafter(edge, 2 * edge)});
    // Zero has no sign in a cell, where printf would write "-0".
    EXPECT_EQ(formatGeneral(0.0), "0");
    EXPECT_EQ(formatGeneral(-0.0), "0");
    values.insert(values.end(), {0.1 + 0.2, 1.0 / 3.0, 2595.8278125, 1e-100});
    for (const double value : values) {
        ASSERT_EQ(formatGeneral(value), printfText(value)) << std::hexfloat << value;
        ASSERT_EQ(formatGeneral(-value), "-" + printfText(value)) << std::hexfloat << value;
    }
}

// The checks and the exports read a text that is not a number as nothing, and
// every other text as parseNumber does; the blanks the conversion skips are
// every byte up to the space, on both ends only.
TEST(NumberOrNothing, IsTheNumberOrNothingForARefusedText)
{
    const std::pair<std::string_view, std::optional<double>> cases[] = {
        {"2,25", 2.25},         {"  -3,72\t", -3.72},  {"5E-5", 5e-5},          {"", std::nullopt},
        {"2.25", std::nullopt}, {"inf", std::nullopt}, {"1E400", std::nullopt}, {"1 000", std::nullopt},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(numberOrNothing(text), number) << text;
}

TEST(Trimmed, DropsBlanksAndControlBytesAtBothEndsOnly)
{
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"  -0,7005", "-0,7005"}, {"delta    -0,7005 ", "delta    -0,7005"}, {"\t\r\n", ""}, {"", ""},
        {"Тон I", "Тон I"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(trimmed(text), expected) << text;
}

}  // namespace
}  // namespace hullcalc
