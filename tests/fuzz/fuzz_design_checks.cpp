// Fuzz target for the engineering checks: the example ship with particulars,
// offsets and masses replaced by any doubles (the largest, the smallest, their
// sums' overflow), checked before and after the trim calculation. A check
// never throws; the calculation refuses with Error or completes.
#include "common/number_text.h"
#include "fuzz_calculations.h"
#include "fuzz_require.h"
#include "trim/design_checks.h"
#include "trim/input_tables.h"
#include "trim/ship_particulars.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

// Every double as a text the user could type: 17 digits, decimal comma.
std::string typed(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17G", value);
    std::string typedText = text;
    for (char& c : typedText)
        if (c == '.')
            c = ',';
    return typedText;
}

}  // namespace

// The input is a list of 9-byte edits: one byte choosing a particular, an
// offsets cell or a mass, then the double (8 bytes, the machine's order) typed there.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hullcalc;
    TrimSheet sheet;
    writeHeaders(sheet);
    fillExampleShip(sheet.input);
    ShipParticulars particulars;
    particulars.shipType = ShipType::river;

    constexpr std::size_t editBytes = 1 + sizeof(double);
    constexpr int particularCount = static_cast<int>(particularFields.size());
    constexpr int targets = particularCount + waterlineCount * frameCount + spacingCount;
    for (std::size_t at = 0; at + editBytes <= size; at += editBytes) {
        const int target = data[at] % targets;
        double value = 0.0;
        std::memcpy(&value, data + at + 1, sizeof value);
        const std::string text = typed(value);
        if (target < particularCount)
            particulars.*particularFields[static_cast<std::size_t>(target)].text = text;
        else if (const int cell = target - particularCount; cell < waterlineCount * frameCount)
            sheet.input.offsets.setCell(cell % waterlineCount + 1, cell / waterlineCount + 1, text);
        else
            sheet.input.masses.setCell(1, cell - waterlineCount * frameCount + 1, text);
    }

    try {
        static_cast<void>(checkInput(particulars, sheet.input));
        VibrationSheet vibration;
        runCalculations(sheet, particulars, vibration, lowestTone);
        static_cast<void>(checkResults(particulars, sheet));
    } catch (...) {
        require(false);
    }
    return 0;
}
