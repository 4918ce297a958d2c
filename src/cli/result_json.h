// The documented, versioned result of hullcalc-cli (schema "hullcalc-result/1",
// described key by key in docs/json-schema.md): the input and what the
// calculations found, as numbers named for the engineering.
#pragma once

#include "cli/ship_run.h"

#include <QJsonObject>

#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

inline constexpr std::string_view resultSchema = "hullcalc-result/1";

// One ship's result, without the schema key. Every number is the value of the
// text the windows show (null where that text is empty or not a number), so
// nothing differs from what the user reads.
QJsonObject resultJson(const ShipRun& run);

// The document: one result with the schema key beside its own keys, or, for a
// batch of several input files, {"schema": …, "results": [result, …]} in the
// order of the files. UTF-8, indented, ending in a newline.
std::string resultDocument(const std::vector<QJsonObject>& results, bool batch);

}  // namespace hullcalc
