#include "pages/tab_relabel.h"

#include <array>
#include <string>

#include "framework/controls.h"
#include "framework/windows.h"
#include "pages/printer_sheet_pages.h"
#include "resources/dialog_template.h"
#include "resources/window_styles.h"

namespace orca::pages {
namespace {

// The document sheet's plug-in tabs in the order the plug-in adds them; the
// Language tab is the page's own title.
constexpr std::array<std::u16string_view, 10> kDocumentTabKeys{
    u"IDD_DOC_OPTION_ORCA",  u"IDD_DOC_ADVANCED_SETUP_ORCA", u"IDD_DOC_DITHERING",
    u"IDD_DOC_BARCODE_ORCA", u"IDD_DOC_CMDLIST_ORCA",        u"IDD_DOC_CUSTOM_COMMAND_ORCA",
    u"IDD_DOC_TOOLS_ORCA",   u"IDD_DOC_IMPORT_ORCA",         u"WINDOW_TITLE",
    u"IDD_VERSION",
};

// The printer sheet's plug-in tabs, last of the sheet.
constexpr std::array<std::u16string_view, 2> kPrinterTabKeys{u"IDD_PRN_STOCKS_ORCA",
                                                             u"IDD_VERSION"};

// A document sheet with the host's two tabs and all of the plug-in's pages.
constexpr int kFullDocumentSheetTabs = 12;

constexpr size_t kCaptionUnits = 1024;

template <size_t N>
void RelabelLastTabs(const framework::TabControl& tabs,
                     const std::array<std::u16string_view, N>& keys,
                     const CLanguageFile& languageTexts) {
    const int first = tabs.Count() - static_cast<int>(N);
    for (size_t k = 0; k < N; ++k) {
        // A sheet with fewer tabs than keys keeps the tabs it lacks.
        const int tab = first + static_cast<int>(k);
        if (tab >= 0) {
            tabs.SetTabText(tab, languageTexts.Text(keys[k]));
        }
    }
}

platform::Window TabControlOf(platform::Window sheet) {
    return framework::FirstChildOfClass(sheet, resources::kClassTabControl);
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
    if (platform::Window tabs = TabControlOf(sheet)) {
        RelabelLastTabs(framework::TabControl(tabs), kDocumentTabKeys, languageTexts);
    }
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
    for (platform::Window window : framework::TopLevelWindows()) {
        if (!IsPrinterSheet(window, printerName, ownSheet)) {
            continue;
        }
        platform::Window tabs = TabControlOf(window);
        if (tabs == nullptr) {
            continue;
        }
        const framework::TabControl tabControl(tabs);
        if (tabControl.Count() != kFullDocumentSheetTabs) {
            RelabelLastTabs(tabControl, kPrinterTabKeys, languageTexts);
        }
    }
    for (platform::Window page : PrinterSheetPages()) {
        framework::SendShownNotice(page);
    }
}

}  // namespace orca::pages
