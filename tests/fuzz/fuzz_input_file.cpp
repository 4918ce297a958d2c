// Fuzz target for the input data file: any bytes are read as the trim window
// loads a file, then the whole trim calculation and the vibration calculation
// run on what was read. Error is how they refuse bad data; anything else thrown,
// a crash, a hang or undefined behaviour is a finding.
#include "common/error.h"
#include "fuzz_calculations.h"
#include "fuzz_require.h"
#include "trim/data_files.h"
#include "trim/input_tables.h"
#include "trim/ship_particulars.h"
#include "trim/trim_calculation.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration.h"
#include "vibration/vibration_sheet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hullcalc;
    // The program's state after start-up: empty tables of the usual sizes.
    TrimSheet sheet;
    writeHeaders(sheet);
    const InputTables before = sheet.input;

    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        readInputFile(in, sheet.input);
    } catch (const Error&) {
        // A refused file leaves both tables as they were.
        require(sheet.input == before);
        return 0;
    }

    // The ship type and the tone follow from the input's size, so that every
    // combination is reached without taking bytes from the file.
    ShipParticulars particulars;
    particulars.shipType = size % 2 == 0 ? ShipType::river : ShipType::sea;
    VibrationSheet vibration;
    runCalculations(sheet, particulars, vibration,
                    lowestTone + static_cast<int>(size / 2 % (highestTone - lowestTone + 1)));
    return 0;
}
