// SPDX-License-Identifier: Apache-2.0
// What the test process holds of the system: kernel handles, GDI objects and
// the blocks in use on every heap of the process. Measured before and after
// repeated work to show that the work leaves nothing behind.
#pragma once

#include <cstddef>
#include <functional>

namespace orca::wintest {

struct ProcessUsage {
    long handles = 0;
    long gdiObjects = 0;
    size_t heapBlocks = 0;
    size_t heapBytes = 0;
};

ProcessUsage CurrentUsage();

// Runs the cycle a few times for the process to settle, then cycles times
// between two readings, and expects the second reading to hold no more GDI
// objects than the first, and no more handles or heap than the system's own
// bookkeeping may add. Prints both readings.
void ExpectCyclesLeaveNothing(int cycles, const std::function<void()>& cycle);

}  // namespace orca::wintest
