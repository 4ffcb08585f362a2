// SPDX-License-Identifier: Apache-2.0
// The standard label stock the simulated driver offers as built-in papers
// (sizes in tenths of a millimetre, numbers below the user-defined paper).
// A printer gets those that fit its model.
#pragma once

#include <span>

#include "platform/sim/model.h"

namespace orca::platform::sim {

std::span<const Paper> StandardPapers();

}  // namespace orca::platform::sim
