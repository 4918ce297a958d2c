// Stability at large angles in a calculation's result document.
#pragma once

#include <nlohmann/json.hpp>

#include <memory>

namespace hullcalc::python {

// The "large_angle_stability" part of a result, which is not null.
class LargeAngleStabilityResult {
public:
    explicit LargeAngleStabilityResult(std::shared_ptr<const nlohmann::json> document) : document_(std::move(document))
    {}

    const nlohmann::json& data() const { return document_->at("large_angle_stability"); }

private:
    std::shared_ptr<const nlohmann::json> document_;
};

}  // namespace hullcalc::python
