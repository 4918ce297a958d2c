// Fuzz target for number texts: any text reads as a finite number or is refused
// with Error, and every finite double is written as texts that read back to it.
#include "common/error.h"
#include "common/number_text.h"
#include "fuzz_require.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>

namespace {

using namespace hullcalc;

// Any exception other than the ones caught below is as much a finding as a
// broken property.

// The written texts of a finite value read back within their rounding: 15
// significant digits, or `decimals` places for the fixed form. Writing may
// refuse only with an overflow, for a value at the very top of the range.
void checkWrittenTexts(double value, int decimals)
{
    std::string general;
    try {
        general = formatGeneral(value);
    } catch (const Error& e) {
        require(std::string_view(e.what()) == messages::overflow);
        require(std::fabs(value) > 1.797e308);
        return;
    }
    const double tiny = std::numeric_limits<double>::denorm_min();
    const double back = parseNumber(general);
    require(std::fabs(back - value) <= std::fabs(value) * 5.2e-15 + tiny);
    require(formatGeneral(back) == general);

    const std::string fixed = formatFixed(value, decimals, 8);
    require(std::fabs(parseNumber(fixed) - value) <= 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 5.2e-15);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const double value = parseNumber(text);
        require(std::isfinite(value));
        checkWrittenTexts(value, static_cast<int>(size % 7));
    } catch (const Error& e) {
        // Refused: the message quotes at most 100 characters of the text.
        require(std::string_view(e.what()).size() <= 100 * 4 + 64);
    }

    // The first eight bytes as a double, whatever bits they hold.
    if (size >= sizeof(double)) {
        double value = 0.0;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value))
            checkWrittenTexts(value, static_cast<int>(data[size - 1] % 7));
    }
    return 0;
}
