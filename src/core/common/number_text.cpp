// Number texts with the decimal comma: read exactly at any length, written
// rounded to 15 significant digits.
#include "common/number_text.h"

#include "common/checked_math.h"
#include "common/error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
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

Digits15 digits15(double value)
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

}  // namespace

double parseNumber(std::string_view original)
{
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
    // std::to_chars with a precision behaves as printf("%.15g") but ignores the locale.
    std::array<char, 40> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15);
    requireReadableRounding(value, buffer.data(), result.ptr);
    std::string text;
    for (const char* p = buffer.data(); p != result.ptr; ++p) {
        if (*p == '.') {
            text += ',';
        } else if (*p == 'e') {
            // "e+20" -> "E20", "e-05" -> "E-5"
            text += 'E';
            ++p;
            if (*p == '-')
                text += '-';
            ++p;
            while (p + 1 != result.ptr && *p == '0')
                ++p;
            text.append(p, static_cast<std::size_t>(result.ptr - p));
            break;
        } else {
            text += *p;
        }
    }
    return text;
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
