// One tone of the vibration in a calculation's result document.
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <memory>

namespace hullcalc::python {

// One tone of the vibration in a result: entry `index` of its "vibration" array.
class ToneResult {
public:
    ToneResult(std::shared_ptr<const nlohmann::json> document, std::size_t index)
        : document_(std::move(document)), index_(index)
    {}

    const nlohmann::json& data() const { return document_->at("vibration").at(index_); }

private:
    std::shared_ptr<const nlohmann::json> document_;
    std::size_t index_;
};

}  // namespace hullcalc::python
