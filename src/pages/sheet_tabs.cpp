// SPDX-License-Identifier: Apache-2.0
#include "pages/sheet_tabs.h"

#include <algorithm>
#include <array>
#include <mutex>
#include <utility>

namespace orca::pages {
namespace {

struct TitleKey {
    std::u16string_view section;
    std::u16string_view key;
};

// Both Advanced pages go by the ORCA page's title, the barcode-font list by
// the definition dialog's, and the Language page by its own title.
constexpr std::array<TitleKey, 12> kTitleKeys{{
    {u"IDD_DOC_OPTION_ORCA", u"IDD_DOC_OPTION_ORCA"},
    {u"IDD_DOC_ADVANCED_SETUP_ORCA", u"IDD_DOC_ADVANCED_SETUP_ORCA"},
    {u"IDD_DOC_ADVANCED_SETUP_ONYX", u"IDD_DOC_ADVANCED_SETUP_ORCA"},
    {u"IDD_DOC_DITHERING", u"IDD_DOC_DITHERING"},
    {u"IDD_DOC_BARCODELIST_ORCA", u"IDD_DOC_BARCODE_ORCA"},
    {u"IDD_DOC_CMDLIST_ORCA", u"IDD_DOC_CMDLIST_ORCA"},
    {u"IDD_DOC_CUSTOM_COMMAND_ORCA", u"IDD_DOC_CUSTOM_COMMAND_ORCA"},
    {u"IDD_DOC_TOOLS_ORCA", u"IDD_DOC_TOOLS_ORCA"},
    {u"IDD_DOC_IMPORT_ORCA", u"IDD_DOC_IMPORT_ORCA"},
    {u"IDD_DOC_LANGUAGE", u"WINDOW_TITLE"},
    {u"IDD_VERSION", u"IDD_VERSION"},
    {u"IDD_PRN_STOCKS_ORCA", u"IDD_PRN_STOCKS_ORCA"},
}};

// Sheets of different threads of one host process may list pages at once.
struct Registry {
    std::mutex lock;
    std::vector<SheetTab> tabs;
};

Registry& Tabs() {
    static Registry registry;
    return registry;
}

}  // namespace

std::u16string_view TabTitleKey(std::u16string_view section) {
    const auto found = std::ranges::find(kTitleKeys, section, &TitleKey::section);
    return found != kTitleKeys.end() ? found->key : std::u16string_view{};
}

void RegisterSheetTab(SheetTab tab) {
    if (tab.page == nullptr) {
        return;
    }
    Registry& registry = Tabs();
    const std::scoped_lock hold(registry.lock);
    const auto listed = std::ranges::find(registry.tabs, tab.page, &SheetTab::page);
    if (listed != registry.tabs.end()) {
        *listed = std::move(tab);
    } else {
        registry.tabs.push_back(std::move(tab));
    }
}

void UnregisterSheetTab(platform::PageHandle page) {
    Registry& registry = Tabs();
    const std::scoped_lock hold(registry.lock);
    std::erase_if(registry.tabs, [page](const SheetTab& tab) { return tab.page == page; });
}

std::vector<SheetTab> SheetTabs() {
    Registry& registry = Tabs();
    const std::scoped_lock hold(registry.lock);
    return registry.tabs;
}

}  // namespace orca::pages
