#include "full_precision_summary.h"

#include "common/hull_frames.h"
#include "common/number_text.h"
#include "trim/waterline_interpolation.h"

#include <algorithm>
#include <optional>
#include <string>

namespace hullcalc::python {

namespace {

using Json = nlohmann::json;

std::optional<double> numberAt(const Json& document, const Json::json_pointer& pointer)
{
    if (!document.contains(pointer))
        return std::nullopt;
    const Json& value = document.at(pointer);
    return value.is_number() ? std::optional<double>(value.get<double>()) : std::nullopt;
}

Json orNull(const std::optional<double>& value) { return value ? Json(*value) : Json(nullptr); }

// A hydrostatic curve at a draft, linear between the waterlines as the trim
// iteration reads it; nothing where the draft or a value it needs is missing.
std::optional<double> curveAtDraft(const Json& curves, const char* curve, double draft)
{
    const Json& heights = curves.value("waterline_height", Json::array());
    const Json& values = curves.value(curve, Json::array());
    const int top = static_cast<int>(std::min(heights.size(), values.size()));
    if (top < 1 || top > waterlineCount)
        return std::nullopt;
    WaterlineHeights z{};
    for (int k = 1; k <= top; ++k) {
        const Json& height = heights[static_cast<std::size_t>(k - 1)];
        if (!height.is_number())
            return std::nullopt;
        z[static_cast<std::size_t>(k)] = height.get<double>();
    }
    if (!(draft >= z[1] && draft <= z[static_cast<std::size_t>(top)]))
        return std::nullopt;
    const WaterlineBracket bracket = bracketDraft(draft, z, top);
    const Json& lower = values[static_cast<std::size_t>(bracket.lower - 1)];
    const Json& upper = values[static_cast<std::size_t>(bracket.upper - 1)];
    if (!lower.is_number() || !upper.is_number())
        return std::nullopt;
    if (bracket.lower == bracket.upper)
        return lower.get<double>();
    return interpolate(draft, z[static_cast<std::size_t>(bracket.lower)], lower.get<double>(),
                       z[static_cast<std::size_t>(bracket.upper)], upper.get<double>());
}

}  // namespace

Json fullPrecisionSummary(const SummarySources& sources)
{
    const std::optional<double> forward = numberAt(sources.designWaterline, "/forward_draft"_json_pointer);
    const std::optional<double> aft = numberAt(sources.designWaterline, "/aft_draft"_json_pointer);
    std::optional<double> mean;
    std::optional<double> trim;
    if (forward && aft) {
        mean = (*forward + *aft) / 2;
        trim = *aft - *forward;
    }
    // The accepted approximation is the last the log holds; the summary takes
    // its volume and centre of buoyancy.
    std::optional<double> volume;
    std::optional<double> centreOfBuoyancy;
    static const Json none = Json::array();
    const Json& approximations =
        sources.designWaterline.contains("approximations") ? sources.designWaterline.at("approximations") : none;
    if (approximations.is_array() && !approximations.empty() && mean) {
        volume = numberAt(approximations.back(), "/volume"_json_pointer);
        centreOfBuoyancy = numberAt(approximations.back(), "/centre_of_buoyancy"_json_pointer);
    }
    const auto atMeanDraft = [&](const char* curve) {
        return mean ? curveAtDraft(sources.hydrostaticCurves, curve, *mean) : std::nullopt;
    };

    // What is left at the stern before the correction: the running sum of the
    // loads, and the trapezoid sum of the shear force times ΔL/2.
    const std::string stern = std::to_string(frameCount - 1);
    std::optional<double> shearClosure;
    std::optional<double> momentClosure;
    if (mean) {
        shearClosure = numberAt(sources.trimTable, Json::json_pointer("/uncorrected_shear_force/" + stern));
        const std::optional<double> sum = numberAt(sources.trimTable, Json::json_pointer("/shear_force_sum/" + stern));
        const std::optional<double> spacing = numberAt(sources.particulars, "/frame_spacing/value"_json_pointer);
        if (sum && spacing)
            momentClosure = *sum * *spacing / 2;
    }
    return {
        {"displacement_volume", orNull(volume)},
        {"centre_of_gravity", orNull(numberAt(sources.particulars, "/centre_of_gravity/value"_json_pointer))},
        {"centre_of_buoyancy", orNull(centreOfBuoyancy)},
        {"centre_of_flotation", orNull(atMeanDraft("centre_of_flotation"))},
        {"longitudinal_metacentric_radius", orNull(atMeanDraft("longitudinal_radius"))},
        {"waterplane_area", orNull(atMeanDraft("waterplane_area"))},
        {"forward_draft", orNull(forward)},
        {"aft_draft", orNull(aft)},
        {"mean_draft", orNull(mean)},
        {"trim", orNull(trim)},
        {"shear_force_closure", orNull(shearClosure)},
        {"bending_moment_closure", orNull(momentClosure)},
    };
}

Json summaryTexts(const Json& summary)
{
    Json texts = Json::object();
    for (const auto& [key, value] : summary.items())
        texts[key] = value.is_number() ? Json(formatF(value.get<double>())) : Json(nullptr);
    return texts;
}

}  // namespace hullcalc::python
