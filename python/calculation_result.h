// What one calculation of a ship found, held as its result document (schema
// hullcalc-result/1, as hullcalc-cli --json writes it) and read from there, so
// a script sees exactly the numbers the windows and the command line show.
#pragma once

#include <nlohmann/json.hpp>

#include <memory>
#include <string>

namespace hullcalc::python {

class CalculationResult {
public:
    explicit CalculationResult(nlohmann::json document)
        : document_(std::make_shared<const nlohmann::json>(std::move(document)))
    {}

    const nlohmann::json& document() const { return *document_; }
    // The document shared with the views into it (one tone of the vibration).
    const std::shared_ptr<const nlohmann::json>& shared() const { return document_; }

    // The document as hullcalc-cli writes it: UTF-8, indented, ending in a
    // newline; a text that is not valid UTF-8 gets U+FFFD, so it never fails.
    std::string text() const { return document_->dump(4, ' ', false, nlohmann::json::error_handler_t::replace) + "\n"; }

private:
    std::shared_ptr<const nlohmann::json> document_;
};

}  // namespace hullcalc::python
