// SPDX-License-Identifier: Apache-2.0
// The host's own property sheets on the headless desktop, shaped as a real
// host shapes them: captioned from the printer name, with the host's tabs
// ahead of the pages the plug-in adds.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/desktop.h"
#include "platform/window_types.h"

namespace orca::driverhost {

// The document sheet's host tabs: two, ahead of the plug-in's ten.
const std::vector<std::u16string>& HostDocumentTabs();
// The printer-properties sheet's host tabs, ahead of Stocks and Version.
const std::vector<std::u16string>& HostPrinterTabs();

// "<printer> Printing Preferences" with the host's document tabs.
platform::Window CreateDocumentSheet(platform::sim::Desktop& desktop,
                                     std::u16string_view printerName);
// "<printer> Properties" with the host's printer tabs; a sheet of another
// process when inCurrentProcess is false.
platform::Window CreatePrinterSheet(platform::sim::Desktop& desktop,
                                    std::u16string_view printerName, bool inCurrentProcess = true);

// The titles of a sheet's tabs, in order.
std::vector<std::u16string> TabTitles(platform::sim::Desktop& desktop, platform::Window sheet);
// Tab titles followed by more, as the plug-in's follow the host's.
std::vector<std::u16string> Joined(std::vector<std::u16string> first,
                                   const std::vector<std::u16string>& second);

}  // namespace orca::driverhost
