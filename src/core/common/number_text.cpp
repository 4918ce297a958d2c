// Number texts with the decimal comma: read exactly at any length, written
// rounded to 15 significant digits.
#include "common/number_text.h"

#include "common/checked_math.h"
#include "common/error.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace hullcalc {

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The digits of |value| rounded to 15 significant digits, and the decimal
// exponent of the first one: value = d.dddddddddddddd x 10^exponent.
struct Digits15 {
    std::array<char, 15> digits{};
    int exponent = 0;
};

// The largest doubles round at 15 significant digits to 1,79769313486232E308,
// beyond the double range: a text no cell could be read back from. Throws
// Error("Floating point overflow") when `rounded`, the C text of `value`'s
// rounding, lies beyond the range.
void requireReadableRounding(double value, const char* rounded, const char* end)
{
    double back = 0.0;
    if (std::fabs(value) > 1e308 && std::from_chars(rounded, end, back).ec == std::errc::result_out_of_range)
        throw Error(std::string(messages::overflow));
}

// The digits by printf's own rounding of the exact binary value: the slow way,
// for the ties the shortest text cannot decide and the largest doubles.
Digits15 exactDigits15(double value)
{
    std::array<char, 40> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, 14);
    requireReadableRounding(value, buffer.data(), result.ptr);
    // "d.ddddddddddddddde+XX"
    Digits15 out;
    const char* p = buffer.data();
    out.digits[0] = *p;
    p += 2;
    for (std::size_t i = 1; i < out.digits.size(); ++i)
        out.digits[i] = *p++;
    ++p;  // 'e'
    std::from_chars(*p == '+' ? p + 1 : p, result.ptr, out.exponent);
    return out;
}

// 128-bit integers, which GCC and Clang have on every 64-bit target we build for.
__extension__ typedef unsigned __int128 Wide;

constexpr std::array<Wide, 23> powersOfTen = [] {
    std::array<Wide, 23> powers{};
    Wide power = 1;
    for (Wide& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// |value| rounded to 15 significant digits by integer arithmetic, exactly:
// |value| = m·2^-s with integers m < 2^53 and s > 0, so |value|·10^(14-X),
// with X the decimal exponent of the leading digit, is m·10^(14-X) / 2^s, whose
// quotient is the 15 digits and whose remainder against 2^(s-1) rounds them.
// None outside 10^-8..10^15 (where 10^(14-X) or the product leaves 128 bits)
// and for an exact tie, which printf rounds by its own rule.
std::optional<Digits15> integerDigits15(double magnitude)
{
    if (!(magnitude >= 1e-8 && magnitude < 1e15))
        return std::nullopt;
    const auto bits = std::bit_cast<std::uint64_t>(magnitude);
    const int binaryExponent = static_cast<int>(bits >> 52) - 1023;  // magnitude in [2^e, 2^(e+1))
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 52 - binaryExponent;                // magnitude = mantissa / 2^shift, shift >= 3 below 10^15
    constexpr std::uint64_t least = 100'000'000'000'000;  // 10^14
    // log10(2) rounded down: the estimate is X or one above or below it.
    int exponent = static_cast<int>(std::floor(binaryExponent * 0.30102999566398119));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 14 - exponent;
        if (scale < 0 || scale > 22)
            return std::nullopt;
        const Wide scaled = mantissa * powersOfTen[static_cast<std::size_t>(scale)];
        const auto whole = static_cast<std::uint64_t>(scaled >> shift);
        if (whole >= 10 * least) {
            ++exponent;
            continue;
        }
        if (whole < least) {
            --exponent;
            continue;
        }
        const Wide remainder = scaled & ((Wide{1} << shift) - 1);
        const Wide half = Wide{1} << (shift - 1);
        if (remainder == half)
            return std::nullopt;
        std::uint64_t rounded = whole + (remainder > half ? 1 : 0);
        Digits15 out;
        out.exponent = exponent;
        if (rounded == 10 * least) {
            rounded = least;
            ++out.exponent;
        }
        for (auto digit = out.digits.rbegin(); digit != out.digits.rend(); ++digit, rounded /= 10)
            *digit = static_cast<char>('0' + rounded % 10);
        return out;
    }
    return std::nullopt;
}

// The shortest text that reads back as a normal double has at most 17
// significant digits and lies within half an ulp of it, nearer than any
// 15-digit tie can (ties are 10^-15 apart relative, the ulp at most
// 2,2·10^-16). So rounding the shortest text to 15 digits rounds the exact
// value, unless the shortest text is that tie itself (16 digits ending in 5):
// then the exact value decides, as it does for the subnormals, whose ulp is
// wider. Twice as cheap as rounding the exact binary value, for the doubles
// the integer way leaves.
Digits15 digits15(double value)
{
    const double magnitude = std::fabs(value);
    if (const std::optional<Digits15> digits = integerDigits15(magnitude))
        return *digits;
    if (magnitude > 1e308 || magnitude < std::numeric_limits<double>::min())
        return exactDigits15(value);
    std::array<char, 32> buffer{};
    const auto shortest =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value), std::chars_format::scientific);
    // "d.ddde+XX" or "de-XX"
    const char* e = std::find(buffer.data(), shortest.ptr, 'e');
    std::array<char, 17> digits{};
    std::size_t count = 0;
    for (const char* p = buffer.data(); p != e; ++p)
        if (*p != '.')
            digits[count++] = *p;
    if (count == 16 && digits[15] == '5')
        return exactDigits15(value);

    Digits15 out;
    std::from_chars(e[1] == '+' ? e + 2 : e + 1, shortest.ptr, out.exponent);
    out.digits.fill('0');
    std::copy_n(digits.begin(), std::min(count, out.digits.size()), out.digits.begin());
    if (count > out.digits.size() && digits[15] >= '5') {
        auto last = out.digits.rbegin();
        for (; last != out.digits.rend() && *last == '9'; ++last)
            *last = '0';
        if (last != out.digits.rend()) {
            ++*last;
        } else {
            out.digits[0] = '1';
            ++out.exponent;
        }
    }
    return out;
}

}  // namespace

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<double> numberOrNothing(std::string_view text)
{
    try {
        return parseNumber(text);
    } catch (const Error&) {
        return std::nullopt;
    }
}

namespace {

// A number's text taken apart: its sign, the digits before and after the
// decimal comma, and the decimal exponent written after "E".
struct NumberParts {
    bool negative = false;
    std::string_view integerDigits;
    std::string_view fractionDigits;
    std::int64_t exponent = 0;
};

// The parts of `text` (its blanks trimmed), or none when it is no number's text.
std::optional<NumberParts> splitNumber(std::string_view text)
{
    NumberParts parts;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    const std::size_t integerStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    parts.integerDigits = text.substr(integerStart, i - integerStart);
    if (i < text.size() && text[i] == ',') {
        const std::size_t fractionStart = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        parts.fractionDigits = text.substr(fractionStart, i - fractionStart);
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty())
        return std::nullopt;

    // An exponent beyond the text's length plus the double range decides the
    // result whatever the digits are, so it stops growing there and cannot overflow.
    const auto exponentLimit = static_cast<std::int64_t>(text.size()) + 1000;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t exponentStart = i;
        for (; i < text.size() && isDigit(text[i]); ++i)
            parts.exponent = std::min(parts.exponent * 10 + (text[i] - '0'), exponentLimit);
        if (i == exponentStart)
            return std::nullopt;
        if (negativeExponent)
            parts.exponent = -parts.exponent;
    }
    if (i != text.size())
        return std::nullopt;
    return parts;
}

// The double nearest to the number, correctly rounded; none beyond the
// largest double, zero below the smallest.
// The number in the C form std::from_chars reads ("-12.5e3"), written into a
// buffer on the stack: the common case of a short text with a modest
// exponent, read without building strings. Nothing where the text is long or
// the value lies beyond the double range, which the general way decides.
std::optional<double> nearestDoubleOfShortText(const NumberParts& parts)
{
    // Most texts are a few digits with a comma: their digits as an integer
    // below 2^53 and a power of ten up to 10^22 are both exact doubles, so one
    // multiplication or division rounds the exact quotient once, correctly
    // (Clinger's fast path).
    constexpr std::uint64_t exactLimit = std::uint64_t{1} << 53;
    std::uint64_t mantissa = 0;
    bool exact = true;
    for (const std::string_view part : {parts.integerDigits, parts.fractionDigits})
        for (const char digit : part) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(digit - '0');
            if (mantissa >= exactLimit) {
                exact = false;
                break;
            }
        }
    const std::int64_t powerOfTen = parts.exponent - static_cast<std::int64_t>(parts.fractionDigits.size());
    if (exact && powerOfTen >= -22 && powerOfTen <= 22) {
        static constexpr std::array<double, 23> powers = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
        const auto digits = static_cast<double>(mantissa);
        const double value = powerOfTen >= 0 ? digits * powers[static_cast<std::size_t>(powerOfTen)]
                                             : digits / powers[static_cast<std::size_t>(-powerOfTen)];
        return parts.negative ? -value : value;
    }

    std::array<char, 64> buffer{};
    const std::size_t digits = parts.integerDigits.size() + parts.fractionDigits.size();
    if (digits + 16 > buffer.size() || parts.exponent > 300 || parts.exponent < -300)
        return std::nullopt;
    char* out = buffer.data();
    if (parts.negative)
        *out++ = '-';
    if (parts.integerDigits.empty())
        *out++ = '0';
    out = std::copy(parts.integerDigits.begin(), parts.integerDigits.end(), out);
    if (!parts.fractionDigits.empty()) {
        *out++ = '.';
        out = std::copy(parts.fractionDigits.begin(), parts.fractionDigits.end(), out);
    }
    if (parts.exponent != 0) {
        *out++ = 'e';
        out = std::to_chars(out, buffer.data() + buffer.size(), parts.exponent).ptr;
    }
    double value = 0.0;
    const auto result = std::from_chars(buffer.data(), out, value);
    if (result.ec != std::errc() || result.ptr != out)
        return std::nullopt;
    return value;
}

std::optional<double> nearestDouble(const NumberParts& parts)
{
    if (const std::optional<double> value = nearestDoubleOfShortText(parts))
        return value;
    const double zero = parts.negative ? -0.0 : 0.0;
    // Normalised to d.ddd...e<n>: the significant digits without the zeros
    // around them, and the decimal exponent of the first one.
    std::string significant;
    significant.reserve(parts.integerDigits.size() + parts.fractionDigits.size() + 1);
    significant.append(parts.integerDigits).append(parts.fractionDigits);
    const std::size_t first = significant.find_first_not_of('0');
    if (first == std::string::npos)
        return zero;
    significant.erase(significant.find_last_not_of('0') + 1);
    const std::int64_t leadingExponent =
        parts.exponent + static_cast<std::int64_t>(parts.integerDigits.size()) - static_cast<std::int64_t>(first) - 1;
    // 10^309 is beyond the largest double; below 10^-324 lies under half the
    // smallest subnormal (4,9E-324), which rounds to zero.
    if (leadingExponent > 308)
        return std::nullopt;
    if (leadingExponent < -325)
        return zero;

    // std::from_chars reads the C form whatever the locale, correctly rounded
    // for any number of digits.
    std::string plain;
    plain.reserve(significant.size() - first + 8);
    plain += significant[first];
    plain += '.';
    plain.append(significant, first + 1);
    plain += 'e';
    plain += std::to_string(leadingExponent);
    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large is not a number; too small to represent is zero.
        if (leadingExponent > 0)
            return std::nullopt;
        value = 0.0;
    } else if (result.ec != std::errc() || result.ptr != plain.data() + plain.size()) {
        return std::nullopt;
    }
    return parts.negative ? -value : value;
}

// The common text of a cell, read in one pass: a sign, at most 15 digits
// around a comma, no exponent and no blanks; its digits as an integer below
// 10^15 and a power of ten up to 10^15 are exact doubles, so one division
// rounds the exact quotient once, correctly. None for any other text, which
// the general way reads.
std::optional<double> shortPlainNumber(std::string_view text)
{
    const char* p = text.data();
    const char* const end = p + text.size();
    const bool negative = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int decimals = 0;
    bool comma = false;
    for (; p != end; ++p) {
        if (isDigit(*p)) {
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(*p - '0');
            ++digits;
            decimals += comma ? 1 : 0;
        } else if (*p == ',' && !comma) {
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > 15)
        return std::nullopt;
    static constexpr std::array<double, 16> powers = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                      1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    const double value = static_cast<double>(mantissa) / powers[static_cast<std::size_t>(decimals)];
    return negative ? -value : value;
}

}  // namespace

double parseNumber(std::string_view original)
{
    if (const std::optional<double> value = shortPlainNumber(original))
        return *value;
    const std::optional<NumberParts> parts = splitNumber(trimmed(original));
    const std::optional<double> value = parts ? nearestDouble(*parts) : std::nullopt;
    if (!value)
        throw Error(messages::notANumber(original));
    return *value;
}

double requireTypedMagnitude(double value, std::string_view text)
{
    if (std::fabs(value) > largestTypedMagnitude)
        throw Error("Слишком большое число: «" + messageExcerpt(trimmed(text), 30) + "» (по модулю не больше "
                    + formatGeneral(largestTypedMagnitude) + ")");
    return value;
}

std::string formatGeneral(double value)
{
    requireFinite(value);
    if (value == 0.0)
        return "0";
    // As printf("%.15g") lays the rounded digits out, whatever the locale:
    // without trailing zeros, in positional form for a leading digit at
    // 10^-4..10^14 and with an exponent otherwise.
    const Digits15 d = digits15(value);
    const auto first = d.digits.begin();
    const auto end = std::find_if(d.digits.rbegin(), d.digits.rend(), [](char c) { return c != '0'; }).base();
    std::array<char, 40> text{};
    char* out = text.data();
    if (value < 0)
        *out++ = '-';
    if (d.exponent < -4 || d.exponent >= static_cast<int>(d.digits.size())) {
        *out++ = *first;
        if (end - first > 1) {
            *out++ = ',';
            out = std::copy(first + 1, end, out);
        }
        *out++ = 'E';
        out = std::to_chars(out, text.data() + text.size(), d.exponent).ptr;
    } else if (d.exponent < 0) {
        *out++ = '0';
        *out++ = ',';
        out = std::fill_n(out, -d.exponent - 1, '0');
        out = std::copy(first, end, out);
    } else {
        const auto point = first + d.exponent + 1;
        out = std::copy(first, point, out);
        if (end > point) {
            *out++ = ',';
            out = std::copy(point, end, out);
        }
    }
    return std::string(text.data(), out);
}

std::string formatFixed(double value, int decimals, int width)
{
    requireFinite(value);
    std::string whole;  // digits of round(|value| * 10^decimals)
    if (value != 0.0) {
        const Digits15 d = digits15(value);
        // Number of leading digits that lie at or above the last decimal place.
        const int kept = d.exponent + 1 + decimals;
        if (kept >= static_cast<int>(d.digits.size())) {
            whole.assign(d.digits.begin(), d.digits.end());
            whole.append(static_cast<std::size_t>(kept) - d.digits.size(), '0');
        } else if (kept >= 0) {
            whole.assign(d.digits.begin(), d.digits.begin() + kept);
            // Ties away from zero: rounding the magnitude's digits half up.
            if (d.digits[static_cast<std::size_t>(kept)] >= '5') {
                int k = kept - 1;
                while (k >= 0 && whole[static_cast<std::size_t>(k)] == '9')
                    whole[static_cast<std::size_t>(k--)] = '0';
                if (k >= 0)
                    ++whole[static_cast<std::size_t>(k)];
                else
                    whole.insert(whole.begin(), '1');
            }
        }
    }
    const std::size_t firstNonZero = whole.find_first_not_of('0');
    const bool zero = firstNonZero == std::string::npos;
    whole = zero ? std::string() : whole.substr(firstNonZero);
    if (whole.size() < static_cast<std::size_t>(decimals) + 1)
        whole.insert(0, static_cast<std::size_t>(decimals) + 1 - whole.size(), '0');

    std::string text;
    if (value < 0.0 && !zero)
        text += '-';
    text.append(whole, 0, whole.size() - static_cast<std::size_t>(decimals));
    if (decimals > 0) {
        text += ',';
        text.append(whole, whole.size() - static_cast<std::size_t>(decimals));
    }
    if (static_cast<int>(text.size()) < width)
        text.insert(0, static_cast<std::size_t>(width) - text.size(), ' ');
    return text;
}

namespace {

// «∞», «−∞» (with the minus sign, not the hyphen) or «—»; empty for a finite value.
std::string nonFiniteText(double value)
{
    if (std::isnan(value))
        return "—";
    if (std::isinf(value))
        return value < 0 ? "−∞" : "∞";
    return {};
}

template<typename Format>
std::string readable(double value, Format&& format)
{
    if (std::string text = nonFiniteText(value); !text.empty())
        return text;
    try {
        return format();
    } catch (const Error&) {
        return value < 0 ? "−∞" : "∞";
    }
}

}  // namespace

std::string readableFixed(double value, int decimals)
{
    return readable(value, [&] { return formatFixed(value, decimals); });
}

std::string readableGeneral(double value)
{
    return readable(value, [&] { return formatGeneral(value); });
}

}  // namespace hullcalc
