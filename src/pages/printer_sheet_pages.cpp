// SPDX-License-Identifier: Apache-2.0
#include "pages/printer_sheet_pages.h"

#include <algorithm>
#include <mutex>

namespace orca::pages {
namespace {

// Sheets of different threads of one host process may register at once.
struct Registry {
    std::mutex lock;
    std::vector<platform::Window> pages;
};

// Destroyed with the module, after the pages, whose code lives there too.
Registry& Pages() {
    static Registry registry;
    return registry;
}

}  // namespace

void RegisterPrinterSheetPage(platform::Window page) {
    Registry& registry = Pages();
    const std::scoped_lock hold(registry.lock);
    if (page != nullptr && std::ranges::find(registry.pages, page) == registry.pages.end()) {
        registry.pages.push_back(page);
    }
}

void UnregisterPrinterSheetPage(platform::Window page) {
    Registry& registry = Pages();
    const std::scoped_lock hold(registry.lock);
    std::erase(registry.pages, page);
}

std::vector<platform::Window> PrinterSheetPages() {
    Registry& registry = Pages();
    const std::scoped_lock hold(registry.lock);
    return registry.pages;
}

}  // namespace orca::pages
