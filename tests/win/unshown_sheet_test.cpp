// SPDX-License-Identifier: Apache-2.0
// Sheets whose pages never reach a sheet: the host asks for the pages and
// refuses each one (or ends before it shows them), then sends the destroy
// reason. The pages and everything made for them go then; repeated, such
// sheets leave the process's handles, GDI objects and heap as they were.
#include "process_usage.h"
#include "sheet_hooks.h"

namespace orca::wintest {
namespace {

using UnshownSheetTest = WindowsHostTest;

TEST_F(UnshownSheetTest, PagesNoSheetTookAreFreedOnTheDestroyReason) {
    for (const bool documentSheet : {true, false}) {
        SCOPED_TRACE(documentSheet ? "document sheet" : "printer sheet");
        ExpectCyclesLeaveNothing(30, [&] {
            SheetHooks hooks(CreateObject(), kOrcaPrinter, documentSheet);
            ASSERT_TRUE(hooks.Opened());
            ASSERT_TRUE(hooks.AddPages(true));
        });
    }
}

}  // namespace
}  // namespace orca::wintest
