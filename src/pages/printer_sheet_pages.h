// SPDX-License-Identifier: Apache-2.0
// The printer-sheet pages of this process that are on screen: each registers
// its window when shown and leaves when destroyed, so that a language applied
// in a document sheet reaches them at once.
#pragma once

#include <vector>

#include "platform/window_types.h"

namespace orca::pages {

// Adds the page's window unless it is listed already.
void RegisterPrinterSheetPage(platform::Window page);
void UnregisterPrinterSheetPage(platform::Window page);
// The listed windows, in the order they registered.
std::vector<platform::Window> PrinterSheetPages();

}  // namespace orca::pages
