// SPDX-License-Identifier: Apache-2.0
// The plug-in's pages that the sheets of this process hold, each with the key
// of its tab title in the Language page's section, so that a language change
// re-labels exactly the tabs of the plug-in's own pages, however many of them a
// sheet holds and whatever the host puts around them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/window_types.h"

namespace orca::pages {

struct SheetTab {
    platform::PageHandle page = nullptr;
    std::u16string_view titleKey;
    // The full name of the page's printer.
    std::u16string printerName;
    bool documentSheet = true;
    // The context the page works for: one plug-in object's sheet, whose
    // pages the sheet holds side by side in the order they were listed.
    const void* owner = nullptr;
};

// The tab-title key of a page whose texts come from that section; empty for a
// section of no sheet page.
std::u16string_view TabTitleKey(std::u16string_view section);

// Lists the page, or updates it when listed already.
void RegisterSheetTab(SheetTab tab);
void UnregisterSheetTab(platform::PageHandle page);
// The listed pages, in the order they were first listed.
std::vector<SheetTab> SheetTabs();

}  // namespace orca::pages
