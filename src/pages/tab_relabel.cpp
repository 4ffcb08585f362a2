#include "pages/tab_relabel.h"

#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "framework/windows.h"
#include "pages/printer_sheet_pages.h"
#include "pages/sheet_tabs.h"
#include "resources/window_styles.h"

namespace orca::pages {
namespace {

constexpr size_t kCaptionUnits = 1024;

// Gives each of the pages that the sheet holds its tab title.
void RelabelPages(platform::Window sheet, const std::vector<SheetTab>& pages,
                  const CLanguageFile& languageTexts) {
    const platform::Window tabs = framework::FirstChildOfClass(sheet, resources::kClassTabControl);
    if (tabs == nullptr) {
        return;
    }
    const framework::TabControl tabControl(tabs);
    for (const SheetTab& page : pages) {
        const int tab = framework::PageIndex(sheet, page.page);
        if (tab >= 0) {
            tabControl.SetTabText(tab, languageTexts.Text(page.titleKey));
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

void RelabelDocumentSheet(platform::Window sheet, const CLanguageFile& languageTexts) {
    RelabelPages(sheet, ListedPages([](const SheetTab& page) { return page.documentSheet; }),
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
        if (IsPrinterSheet(window, printerName, ownSheet)) {
            RelabelPages(window, pages, languageTexts);
        }
    }
    for (platform::Window page : PrinterSheetPages()) {
        framework::SendShownNotice(page);
    }
}

}  // namespace orca::pages
