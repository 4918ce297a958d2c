// The documented, versioned result of a run (schema "hullcalc-result/1",
// described key by key in docs/json-schema.md): the input and what the
// calculations found, as numbers named for the engineering.
#pragma once

#include "run/ship_run.h"

#include <nlohmann/json_fwd.hpp>

#include <ostream>
#include <string>
#include <string_view>

namespace hullcalc {

inline constexpr std::string_view resultSchema = "hullcalc-result/1";

// The document of one run as JSON values, with the schema key, for a front end
// that reads them (the Python module's results).
nlohmann::json resultJson(const ShipRun& run);

// One key of that document built alone (what resultJson(run)[key] holds), for
// a reader that needs only some; null for a key the document does not have.
nlohmann::json resultPart(const ShipRun& run, std::string_view key);

// The main particulars of the input as the document holds them
// (resultJson(run)["input"]["particulars"]), without the input's tables.
nlohmann::json particularsJson(const ShipRun& run);

// The document of one run: its result with the schema key beside its own
// keys. Every number is the value of the text the windows show (null where
// that text is empty or not a number). UTF-8, indented, ending in a newline;
// keys in alphabetical order.
std::string resultDocument(const ShipRun& run);

// The document of a batch, {"results": [result, …], "schema": …}, written to
// `out` one result at a time (an input that could not be read as its name,
// the error and its place only), so that nothing of a ship is kept after it is
// written: begin, add each run in the order of the input files, finish.
class ResultStream {
public:
    explicit ResultStream(std::ostream& out);
    void add(const ShipRun& run);
    void finish();

private:
    std::ostream& out_;
    bool empty_ = true;
};

}  // namespace hullcalc
