// The steps of a run in the order each rests on the one before, and what a run
// keeps of each: computed, failed with its message and place, or not computed
// with the reason. A later step is one more entry of RunStep.
#pragma once

#include "run/failure_place.h"
#include "trim/design_checks.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace hullcalc {

enum class RunStep {
    trim,       // the trim calculation with the curves of form and the initial stability
    stability,  // stability at large angles, when z_g is given
    strength,   // the ship on a wave, the girder, the stresses and the rule loads
    tones,      // the tones asked for by the energy method, each with its beam model
    kumai,      // Kumai's estimate of tone I beside the energy method's
};
inline constexpr std::array runSteps{RunStep::trim, RunStep::stability, RunStep::strength, RunStep::tones,
                                     RunStep::kumai};
inline constexpr int runStepCount = static_cast<int>(runSteps.size());
// What the user reads each step as, in the order of runSteps.
inline constexpr std::array<std::string_view, runStepCount> runStepCaptions = {
    "удифферентовка", "остойчивость на больших углах", "расчет на волне", "вибрация", "оценка по Кумаи"};
// The end of the whole chain, which F9 and every output run up to.
inline constexpr RunStep lastRunStep = runSteps.back();

// What the user reads a step as: «расчет на волне».
std::string_view stepCaption(RunStep step);

// A calculation or the loading stopped: the message the windows show and
// where its cause stands.
struct RunFailure {
    std::string message;
    FailurePlace place;
    FailureCell cell = {};
};

struct StepRecord {
    enum class Status { notComputed, computed, failed };
    Status status = Status::notComputed;
    std::optional<RunFailure> failure;  // when failed
    // When not computed: «не рассчитано: …», or empty for a step nobody asked for.
    std::string why;
    // The findings the step reports without stopping, Russian.
    std::vector<Warning> warnings;

    bool computed() const { return status == Status::computed; }
    bool failed() const { return status == Status::failed; }
};

// «не рассчитано: …» for a step after `failed` or one not asked for.
std::string notComputedAfter(RunStep failed);

}  // namespace hullcalc
