// SPDX-License-Identifier: Apache-2.0
// Whole numbers that variables of the environment set: checked before a run
// touches anything, so a mistyped value is refused, never taken for the
// default and never clamped.
#pragma once

#include <cstdint>

#include "host/cli/failure.h"

namespace orca::host {

struct EnvironmentNumber {
    const char* variable;
    uint64_t lowest;
    uint64_t highest;
    const char* unit;   // as the refusal names it, e.g. "seconds"
    uint64_t fallback;  // when the variable is unset or empty
};

// The variable's number into *value, or a usage failure that names the
// variable, its range and what it holds.
MaybeFailure ReadEnvironmentNumber(const EnvironmentNumber& rule, uint64_t* value);

}  // namespace orca::host
