// What the test process holds of the system: kernel handles, GDI objects and
// the blocks in use on every heap of the process. Measured before and after
// repeated work to show that the work leaves nothing behind.
#pragma once

#include <cstddef>

namespace orca::wintest {

struct ProcessUsage {
    long handles = 0;
    long gdiObjects = 0;
    size_t heapBlocks = 0;
    size_t heapBytes = 0;
};

ProcessUsage CurrentUsage();

}  // namespace orca::wintest
