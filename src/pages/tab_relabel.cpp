// SPDX-License-Identifier: Apache-2.0
#include "pages/tab_relabel.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/desktop_windows.h"
#include "framework/property_page.h"
#include "pages/printer_sheet_pages.h"
#include "pages/sheet_tabs.h"
#include "resources/window_styles.h"

namespace orca::pages {
namespace {

constexpr size_t kCaptionUnits = 1024;
// A document sheet with the host's two tabs and all of the plug-in's pages.
constexpr int kFullDocumentSheetTabs = 12;

// The tab of each page of one object in the sheet, in order, -1 for a page
// the sheet does not hold. A page that cannot be found by itself stands
// beside a found page of the object, or, with none found, among the last tabs.
std::vector<int> ObjectTabs(platform::Window sheet, const std::vector<SheetTab>& pages,
                            int tabCount) {
    std::vector<int> tabs;
    std::optional<int> first;
    for (const SheetTab& page : pages) {
        const int tab = framework::PageIndex(sheet, page.page);
        if (tab >= 0 && !first) {
            first = tab - static_cast<int>(tabs.size());
        }
        tabs.push_back(tab);
    }
    const int start = first.value_or(tabCount - static_cast<int>(pages.size()));
    for (size_t i = 0; i < tabs.size(); ++i) {
        if (tabs[i] == platform::kPageIndexUnknown) {
            tabs[i] = start + static_cast<int>(i);
        }
    }
    return tabs;
}

// Gives each of the pages that the sheet holds its tab title; the pages are
// grouped by their object.
void RelabelPages(platform::Window sheet, const std::vector<SheetTab>& pages,
                  const CLanguageFile& languageTexts) {
    const platform::Window tabs = framework::FirstChildOfClass(sheet, resources::kClassTabControl);
    if (tabs == nullptr) {
        return;
    }
    const framework::TabControl tabControl(tabs);
    const int tabCount = tabControl.Count();
    std::vector<const void*> owners;
    for (const SheetTab& page : pages) {
        if (std::ranges::find(owners, page.owner) == owners.end()) {
            owners.push_back(page.owner);
        }
    }
    for (const void* owner : owners) {
        std::vector<SheetTab> own = pages;
        std::erase_if(own, [owner](const SheetTab& page) { return page.owner != owner; });
        const std::vector<int> found = ObjectTabs(sheet, own, tabCount);
        for (size_t i = 0; i < own.size(); ++i) {
            if (found[i] >= 0 && found[i] < tabCount) {
                tabControl.SetTabText(found[i], languageTexts.Text(own[i].titleKey));
            }
        }
    }
}

// The listed pages that keep selects.
template <typename Keep>
std::vector<SheetTab> ListedPages(Keep keep) {
    std::vector<SheetTab> pages = SheetTabs();
    std::erase_if(pages, [&](const SheetTab& page) { return !keep(page); });
    return pages;
}

// A document sheet, whose caption may name the printer too ("Label1
// Printing Preferences"): it holds one of the plug-in's document pages, or,
// when none of the printer sheet's pages can be found in it by itself (a
// window system that tells a page's tab only once the page's window is made),
// its tab control holds the host's two tabs and all ten document pages.
bool IsDocumentSheet(platform::Window window, const std::vector<SheetTab>& printerPages) {
    const auto holds = [window](const SheetTab& page) {
        return framework::PageIndex(window, page.page) >= 0;
    };
    if (std::ranges::any_of(ListedPages([](const SheetTab& page) { return page.documentSheet; }),
                            holds)) {
        return true;
    }
    const platform::Window tabs = framework::FirstChildOfClass(window, resources::kClassTabControl);
    return tabs != nullptr && !std::ranges::any_of(printerPages, holds) &&
           framework::TabControl(tabs).Count() == kFullDocumentSheetTabs;
}

bool IsPrinterSheet(platform::Window window, std::u16string_view printerName,
                    platform::Window ownSheet) {
    if (window == ownSheet || !framework::InCurrentProcess(window)) {
        return false;
    }
    const framework::Control frame(window);
    if (frame.ClassName() != resources::kClassDialog) {
        return false;
    }
    const std::u16string caption = frame.Text().substr(0, kCaptionUnits);
    return CaptionNamesPrinter(caption, printerName);
}

}  // namespace

void RelabelDocumentSheet(platform::Window sheet, const void* owner,
                          const CLanguageFile& languageTexts) {
    RelabelPages(sheet, ListedPages([owner](const SheetTab& page) {
                     return page.documentSheet && page.owner == owner;
                 }),
                 languageTexts);
}

bool CaptionNamesPrinter(std::u16string_view caption, std::u16string_view printerName) {
    // Without a name every caption would match.
    if (printerName.empty()) {
        return false;
    }
    const size_t at = caption.find(printerName);
    if (at == caption.npos) {
        return false;
    }
    std::u16string_view named = caption.substr(at);
    if (at == 0 && named.size() > printerName.size() && named[printerName.size()] == u' ') {
        named = named.substr(0, printerName.size());
    }
    return named == printerName;
}

void RelabelPrinterSheets(std::u16string_view printerName, platform::Window ownSheet,
                          const CLanguageFile& languageTexts) {
    const std::vector<SheetTab> pages = ListedPages([&](const SheetTab& page) {
        return !page.documentSheet && page.printerName == printerName;
    });
    for (platform::Window window : framework::TopLevelWindows()) {
        if (IsPrinterSheet(window, printerName, ownSheet) && !IsDocumentSheet(window, pages)) {
            RelabelPages(window, pages, languageTexts);
        }
    }
    for (platform::Window page : PrinterSheetPages()) {
        framework::SendShownNotice(page);
    }
}

}  // namespace orca::pages
