// What one calculation of a ship found: its run, read as its result document
// (schema hullcalc-result/1, as hullcalc-cli --json writes it), so a script
// sees exactly the numbers the windows and the command line show. The
// document is built a key at a time as a script reads it: a script that reads
// the summary of a thousand variants does not pay for every table of each.
#pragma once

#include "common/step_sheet.h"
#include "run/ship_run.h"

#include <nlohmann/json.hpp>

#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace hullcalc::python {

class CalculationResult {
public:
    explicit CalculationResult(ShipRun run);

    // One key of the document, built on first use and kept.
    const nlohmann::json& part(const std::string& key) const;
    // The input's main particulars ("/input/particulars"), without its tables.
    const nlohmann::json& particulars() const;
    // The whole document, built on first use and shared with the views into
    // it (one tone of the vibration).
    const nlohmann::json& document() const { return *shared(); }
    const std::shared_ptr<const nlohmann::json>& shared() const;

    // The sheet of the step `key` (a key of sheetSteps), made from the run.
    StepSheet sheet(std::string_view key) const;

    // The document as hullcalc-cli writes it: UTF-8, indented, ending in a
    // newline; a text that is not valid UTF-8 gets U+FFFD, so it never fails.
    std::string text() const;

private:
    // Shared by the copies Python makes of the object.
    struct State {
        ShipRun run;
        std::map<std::string, nlohmann::json, std::less<>> parts;
        std::shared_ptr<const nlohmann::json> document;
    };
    std::shared_ptr<State> state_;
};

}  // namespace hullcalc::python
