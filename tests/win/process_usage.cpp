#include "process_usage.h"

#include <windows.h>

#include <vector>

namespace orca::wintest {

ProcessUsage CurrentUsage() {
    ProcessUsage usage;
    DWORD handles = 0;
    GetProcessHandleCount(GetCurrentProcess(), &handles);
    usage.handles = static_cast<long>(handles);
    usage.gdiObjects = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    heaps.resize(GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data()));
    for (HANDLE heap : heaps) {
        HeapLock(heap);
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heap, &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                ++usage.heapBlocks;
                usage.heapBytes += entry.cbData;
            }
        }
        HeapUnlock(heap);
    }
    return usage;
}

}  // namespace orca::wintest
