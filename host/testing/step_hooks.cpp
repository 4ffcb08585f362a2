// SPDX-License-Identifier: Apache-2.0
// Linked only into orcaui_steps, the host the tests of interrupted saves run:
// ORCAUI_KILL_AT_STEP=N ends the process, as a kill would, just before the
// Nth file-system step of its saves, its job log's writes and the plug-in's
// own file writes (an export, the language files);
// ORCAUI_FAIL_AT_STEP=N makes that step fail with an input/output error. The
// shipped orcaui has neither.
#include <atomic>
#include <cstdlib>

#include "platform/sim/native_io.h"
#include "text/step_hook.h"

namespace {

namespace sim = orca::platform::sim;

long StepFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    return value != nullptr ? std::strtol(value, nullptr, 10) : 0L;
}

bool CountStep() {
    static const long killAt = StepFromEnvironment("ORCAUI_KILL_AT_STEP");
    static const long failAt = StepFromEnvironment("ORCAUI_FAIL_AT_STEP");
    static std::atomic<long> steps{0};
    const long step = ++steps;
    if (step == killAt)
        sim::EndProcessNow();
    return step != failAt;
}

// Set before main runs: the object file is part of the program itself.
const bool installed = (orca::text::SetStepHook(&CountStep), true);

}  // namespace
