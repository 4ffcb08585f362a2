// SPDX-License-Identifier: Apache-2.0
#include "process_usage.h"

#include <windows.h>
#include <winternl.h>

#include <gtest/gtest.h>

#include <iostream>
#include <vector>

namespace orca::wintest {
namespace {

// The system's list of every process's open handles
// (SystemExtendedHandleInformation), which Windows and Wine both answer.
constexpr auto kExtendedHandleInformation = static_cast<SYSTEM_INFORMATION_CLASS>(64);
constexpr NTSTATUS kInfoLengthMismatch = static_cast<NTSTATUS>(0xC0000004L);

struct HandleEntry {
    void* object;
    ULONG_PTR processId;
    ULONG_PTR value;
    ULONG grantedAccess;
    USHORT creatorBackTraceIndex;
    USHORT objectTypeIndex;
    ULONG attributes;
    ULONG reserved;
};

struct HandleList {
    ULONG_PTR count;
    ULONG_PTR reserved;
    HandleEntry handles[1];
};

// GetProcessHandleCount answers 0 under Wine, so the handles are counted in
// the system's list instead.
long OpenHandles() {
    std::vector<char> buffer(1 << 16);
    NTSTATUS status;
    ULONG needed = 0;
    while ((status = NtQuerySystemInformation(kExtendedHandleInformation, buffer.data(),
                                              static_cast<ULONG>(buffer.size()), &needed)) ==
           kInfoLengthMismatch)
        buffer.resize(buffer.size() * 2);
    if (status != 0)
        return -1;
    const auto* list = reinterpret_cast<const HandleList*>(buffer.data());
    long handles = 0;
    for (ULONG_PTR i = 0; i < list->count; ++i)
        handles += list->handles[i].processId == GetCurrentProcessId() ? 1 : 0;
    return handles;
}

// An entry of the process's GDI handle table, which the PEB points to.
struct GdiHandleEntry {
    UINT64 object;
    ULONG owner;
    USHORT unique;
    UCHAR type;
    UCHAR flags;
    UINT64 userPointer;
};
constexpr size_t kGdiTableOffset = 0xf8;  // PEB::GdiSharedHandleTable on x64
constexpr int kGdiTableEntries = 0x10000;

// The first cycles load the system's libraries and fill its caches.
constexpr int kWarmUpCycles = 5;
// A page of noise of the system's own bookkeeping between two readings.
constexpr size_t kNoiseBytes = 4096;
constexpr size_t kNoiseBlocks = 16;
// Wine's own threads may open a handle of theirs between the two readings
// (seen once: one more after a hundred host threads); a handle the work kept
// would show once per cycle.
constexpr long kNoiseHandles = 2;

// GetGuiResources answers 0 under Wine, whose GDI handle table lists only
// this process's objects: there they are counted in the table.
long GdiObjects() {
    const DWORD objects = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (objects != 0)
        return static_cast<long>(objects);
    PROCESS_BASIC_INFORMATION process{};
    if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                                  sizeof(process), nullptr) != 0)
        return -1;
    const auto* peb = reinterpret_cast<const char*>(process.PebBaseAddress);
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kGdiTableOffset);
    if (table == nullptr)
        return 0;
    long count = 0;
    for (int i = 0; i < kGdiTableEntries; ++i)
        count += table[i].type != 0 ? 1 : 0;
    return count;
}

}  // namespace

ProcessUsage CurrentUsage() {
    ProcessUsage usage;
    usage.handles = OpenHandles();
    usage.gdiObjects = GdiObjects();
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

void ExpectCyclesLeaveNothing(int cycles, const std::function<void()>& cycle) {
    for (int warmUp = 0; warmUp < kWarmUpCycles && !testing::Test::HasFatalFailure(); ++warmUp)
        cycle();
    const ProcessUsage before = CurrentUsage();
    for (int run = 0; run < cycles && !testing::Test::HasFatalFailure(); ++run)
        cycle();
    const ProcessUsage after = CurrentUsage();
    std::cout << cycles << " cycles: handles " << before.handles << " -> " << after.handles
              << ", GDI objects " << before.gdiObjects << " -> " << after.gdiObjects << ", heap "
              << before.heapBytes << " -> " << after.heapBytes << " bytes, " << before.heapBlocks
              << " -> " << after.heapBlocks << " blocks\n";
    EXPECT_LE(after.handles, before.handles + kNoiseHandles);
    EXPECT_LE(after.gdiObjects, before.gdiObjects);
    EXPECT_LE(after.heapBytes, before.heapBytes + kNoiseBytes);
    EXPECT_LE(after.heapBlocks, before.heapBlocks + kNoiseBlocks);
}

}  // namespace orca::wintest
