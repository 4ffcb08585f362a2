// SPDX-License-Identifier: Apache-2.0
#include "text/step_hook.h"

#include <atomic>

namespace orca::text {
namespace {

std::atomic<StepHook> stepHook{nullptr};

}  // namespace

void SetStepHook(StepHook hook) {
    stepHook.store(hook);
}

bool BeforeStep() {
    const StepHook hook = stepHook.load();
    return hook == nullptr || hook();
}

}  // namespace orca::text
