// Fuzz target for the project file: any bytes are read as a project, and a
// project that loads is written back and run through the whole trim
// calculation and the vibration calculation of tone I. Error is how they
// refuse bad data; anything else thrown, a crash, a hang or undefined
// behaviour is a finding.
#include "common/error.h"
#include "fuzz_calculations.h"
#include "fuzz_require.h"
#include "project/project.h"
#include "project/project_file.h"
#include "trim/ship_particulars.h"
#include "trim/trim_calculation.h"
#include "trim/trim_sheet.h"
#include "vibration/vibration.h"
#include "vibration/vibration_sheet.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace hullcalc;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Project project;
    try {
        project = readProject(bytes);
    } catch (const Error&) {
        return 0;
    }

    // What was read is saved as it was read: the written bytes read back to a
    // project that writes the very same bytes.
    const std::string written = projectFileBytes(project);
    require(projectFileBytes(readProject(written)) == written);

    // The project opened as the program opens it: river water when it names
    // no ship type.
    ShipParticulars particulars = project.particulars;
    if (!particulars.shipType)
        particulars.shipType = ShipType::river;
    TrimSheet sheet;
    writeHeaders(sheet);
    sheet.input = project.input;
    VibrationSheet vibration;
    if (project.sectionInertia)
        vibration.sectionInertia = *project.sectionInertia;
    runCalculations(sheet, particulars, vibration, lowestTone);
    return 0;
}
