// Sheets whose pages never reach a sheet: the host asks for the pages and
// refuses each one (or ends before it shows them), then sends the destroy
// reason. The pages and everything made for them go then; repeated, such
// sheets leave the process's heap as it was.
#include "process_usage.h"
#include "sheet_hooks.h"

namespace orca::wintest {
namespace {

using UnshownSheetTest = WindowsHostTest;

// Noise of the system's own bookkeeping between two readings.
constexpr size_t kHeapNoiseBytes = 4096;

TEST_F(UnshownSheetTest, PagesNoSheetTookAreFreedOnTheDestroyReason) {
    for (const bool documentSheet : {true, false}) {
        SCOPED_TRACE(documentSheet ? "document sheet" : "printer sheet");
        auto unshownSheet = [&] {
            SheetHooks hooks(CreateObject(), kOrcaPrinter, documentSheet);
            ASSERT_TRUE(hooks.Opened());
            ASSERT_TRUE(hooks.AddPages(true));
        };
        for (int warmUp = 0; warmUp < 3; ++warmUp)
            unshownSheet();
        const ProcessUsage before = CurrentUsage();
        for (int sheet = 0; sheet < 30; ++sheet)
            unshownSheet();
        const ProcessUsage after = CurrentUsage();
        EXPECT_LE(after.heapBytes, before.heapBytes + kHeapNoiseBytes)
            << after.heapBlocks - before.heapBlocks << " blocks more";
        EXPECT_LE(after.handles, before.handles);
    }
}

}  // namespace
}  // namespace orca::wintest
