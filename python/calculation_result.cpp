#include "calculation_result.h"

#include "run/result_json.h"
#include "run/step_sheets.h"

#include <utility>

namespace hullcalc::python {

CalculationResult::CalculationResult(ShipRun run) : state_(std::make_shared<State>(State{std::move(run), {}, {}})) {}

const nlohmann::json& CalculationResult::part(const std::string& key) const
{
    if (state_->document)
        return state_->document->at(key);
    auto found = state_->parts.find(key);
    if (found == state_->parts.end())
        found = state_->parts.emplace(key, resultPart(state_->run, key)).first;
    return found->second;
}

const nlohmann::json& CalculationResult::particulars() const
{
    static const std::string key = "/input/particulars";
    if (state_->document)
        return state_->document->at(nlohmann::json::json_pointer(key));
    auto found = state_->parts.find(key);
    if (found == state_->parts.end())
        found = state_->parts.emplace(key, particularsJson(state_->run)).first;
    return found->second;
}

const std::shared_ptr<const nlohmann::json>& CalculationResult::shared() const
{
    if (!state_->document) {
        state_->document = std::make_shared<const nlohmann::json>(resultJson(state_->run));
    }
    return state_->document;
}

StepSheet CalculationResult::sheet(std::string_view key) const { return stepSheetOf(state_->run, key); }

std::string CalculationResult::text() const
{
    return document().dump(4, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace hullcalc::python
