// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll loaded, its sheet shown in the platform's sheet UI with every
// page brought to the front (so each page's window is made), the sheet ended
// and the DLL unloaded, again and again: after the first cycles, further
// cycles leave the process's handles, GDI objects and heap as they were.
#include "process_usage.h"
#include "sheet_hooks.h"
#include "sheet_window.h"

namespace orca::wintest {
namespace {

// A shown sheet takes about a second under Wine, and the program runs at two
// screen resolutions; a handle, a GDI object or more than 400 bytes that a
// cycle kept would show in ten.
constexpr int kCycles = 10;

struct SheetKind {
    const char16_t* printer;
    bool documentSheet;
};

constexpr SheetKind kSheetKinds[] = {{kOrcaPrinter, true}, {kOnyxPrinter, false}};

TEST(UnloadSheetTest, CyclesThatShowEveryPageLeaveNothing) {
    ASSERT_TRUE(InstallTestPrinters());
    for (const SheetKind& kind : kSheetKinds) {
        SCOPED_TRACE(kind.documentSheet ? "document sheet" : "printer sheet");
        ExpectCyclesLeaveNothing(kCycles, [&] {
            LoadUseUnload([&](PluginObject object) {
                SheetHooks hooks(std::move(object), kind.printer, kind.documentSheet);
                ASSERT_TRUE(hooks.Opened());
                ShownSheet sheet(&SheetHooks::SheetHookCall, &hooks, kind.printer);
                ASSERT_TRUE(sheet.Shown());
                for (int page = 0; page < sheet.PageCount(); ++page)
                    ASSERT_TRUE(sheet.SelectPage(page));
            });
        });
    }
}

}  // namespace
}  // namespace orca::wintest
