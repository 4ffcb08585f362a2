// ORCAUI.dll loaded, used and unloaded again and again, as a host may unload
// it whenever DllCanUnloadNow answers S_OK: after the first cycles, further
// cycles leave the process's handles, GDI objects and heap as they were, but
// for what the statically linked threads library keeps of the host's thread.
#include <iostream>

#include "host_fixture.h"
#include "process_usage.h"
#include "support/host_settings.h"

namespace orca::wintest {
namespace {

using namespace orca::plugin;

constexpr int kCycles = 100;
// The first function-local static a load initialises takes the C++ runtime's
// one-time guard, and the threads library linked into the DLL records the
// calling thread for it: a 480-byte record with two kernel handles, its
// 256-byte thread list and a 24-byte lock, none given back when the DLL is
// unloaded. That much a cycle may leave, and nothing more.
constexpr size_t kKeptBytesPerLoad = 1024;
constexpr size_t kKeptBlocksPerLoad = 4;
constexpr long kKeptHandlesPerLoad = 2;
// Beside that, a page of the process's own noise.
constexpr size_t kNoiseBytes = 4096;
constexpr size_t kNoiseBlocks = 16;

// One cycle: load, make an object, ask its block size and defaults for a
// printer, release it, ask whether the DLL may go, unload.
void LoadUseUnload() {
    PluginModule module(ORCAUI_PATH);
    ASSERT_TRUE(module.Loaded());
    const auto getClassObject =
        reinterpret_cast<DllGetClassObjectFunction>(module.Export(kDllGetClassObjectName));
    const auto canUnloadNow =
        reinterpret_cast<DllCanUnloadNowFunction>(module.Export(kDllCanUnloadNowName));
    {
        OpenedPrinter printer(kOrcaPrinter);
        PluginObject object = CreateObjectThrough(getClassObject);
        ASSERT_NE(object, nullptr);
        std::unique_ptr<testsupport::HostDevMode> records;
        ASSERT_TRUE(
            testsupport::DefaultRecords(object.get(), printer.Handle(), kOrcaPrinter, &records));
    }
    EXPECT_EQ(canUnloadNow(), S_OK);
}

TEST(UnloadTest, LoadUseUnloadCyclesKeepOnlyTheThreadRecords) {
    ASSERT_TRUE(InstallTestPrinters());
    for (int warmUp = 0; warmUp < 5; ++warmUp)
        LoadUseUnload();
    const ProcessUsage before = CurrentUsage();
    for (int cycle = 0; cycle < kCycles; ++cycle)
        LoadUseUnload();
    const ProcessUsage after = CurrentUsage();
    std::cout << kCycles << " cycles: handles " << before.handles << " -> " << after.handles
              << ", GDI objects " << before.gdiObjects << " -> " << after.gdiObjects << ", heap "
              << before.heapBytes << " -> " << after.heapBytes << " bytes, " << before.heapBlocks
              << " -> " << after.heapBlocks << " blocks\n";
    EXPECT_LE(after.heapBytes, before.heapBytes + kCycles * kKeptBytesPerLoad + kNoiseBytes);
    EXPECT_LE(after.heapBlocks, before.heapBlocks + kCycles * kKeptBlocksPerLoad + kNoiseBlocks);
    EXPECT_LE(after.handles, before.handles + kCycles * kKeptHandlesPerLoad);
    EXPECT_LE(after.gdiObjects, before.gdiObjects);
}

}  // namespace
}  // namespace orca::wintest
