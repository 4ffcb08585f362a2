// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll loaded, used and unloaded again and again, as a host may unload
// it whenever DllCanUnloadNow answers S_OK: after the first cycles, further
// cycles leave the process's handles, GDI objects and heap as they were,
// nothing kept of the host's thread either. Host threads that use the DLL
// and end leave nothing either, the DLL staying loaded.
#include <thread>

#include "host/driver_host/host_settings.h"
#include "host_fixture.h"
#include "process_usage.h"

namespace orca::wintest {
namespace {

using namespace orca::plugin;

constexpr int kCycles = 100;

// A use: the object's block size and defaults for a printer.
void AskDefaults(PluginObject object) {
    OpenedPrinter printer(kOrcaPrinter);
    std::unique_ptr<driverhost::HostDevMode> records;
    ASSERT_TRUE(driverhost::DefaultRecords(object.get(), printer.Handle(), kOrcaPrinter, &records));
}

TEST(UnloadTest, LoadUseUnloadCyclesLeaveNothing) {
    ASSERT_TRUE(InstallTestPrinters());
    ExpectCyclesLeaveNothing(kCycles, [] { LoadUseUnload(AskDefaults); });
}

using HostThreadsTest = WindowsHostTest;

TEST_F(HostThreadsTest, ThreadsThatUseTheDllAndEndLeaveNothing) {
    ExpectCyclesLeaveNothing(kCycles,
                             [&] { std::thread([&] { AskDefaults(CreateObject()); }).join(); });
}

}  // namespace
}  // namespace orca::wintest
