// SPDX-License-Identifier: Apache-2.0
// The pages of the two property sheets: which slot of the plug-in object holds
// each page, the order in which a sheet adds them, and the creators that the
// page switches select. A page joins the factory with one creator row.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "pages/plugin_page.h"
#include "settings/field_id.h"
#include "settings/field_ids.h"

namespace orca::plugin {

class COemUI;

// The page objects a plug-in object holds.
enum class PageSlot : uint8_t {
    kOption,
    kAdvanced,
    kDithering,
    kBarcodeFonts,
    kCustomCommand,
    kCommandFonts,
    kImport,
    kTools,
    kLanguage,
    kDocumentVersion,
    kPrinterVersion,
    kStocks,
};
inline constexpr size_t kPageSlotCount = 12;

// One page of a sheet: the page switch that selects it and its slot.
struct SheetPage {
    settings::FieldId pageSwitch;
    PageSlot slot;
};

// The document sheet's pages, in the order they are added.
inline constexpr std::array<SheetPage, 10> kDocumentSheetPages{{
    {settings::field::kOptionPage, PageSlot::kOption},
    {settings::field::kAdvancedPage, PageSlot::kAdvanced},
    {settings::field::kDitheringPage, PageSlot::kDithering},
    {settings::field::kBarcodeFontPage, PageSlot::kBarcodeFonts},
    {settings::field::kCommandFontPage, PageSlot::kCommandFonts},
    {settings::field::kCustomCommandPage, PageSlot::kCustomCommand},
    {settings::field::kToolsPage, PageSlot::kTools},
    {settings::field::kImportPage, PageSlot::kImport},
    {settings::field::kLanguagePage, PageSlot::kLanguage},
    {settings::field::kVersionPage, PageSlot::kDocumentVersion},
}};

// The printer sheet's pages, in the order they are added.
inline constexpr std::array<SheetPage, 2> kPrinterSheetPages{{
    {settings::field::kStocksPage, PageSlot::kStocks},
    {settings::field::kVersionPage, PageSlot::kPrinterVersion},
}};

// Makes a page whose context and services are the plug-in object.
using PageCreator = std::unique_ptr<pages::CPluginPage> (*)(COemUI& ui);

// The pages a switch selects: switch value 1 selects forOne, any other value
// forOther; a null creator selects no page.
struct PageCreatorRow {
    settings::FieldId pageSwitch;
    PageCreator forOne;
    PageCreator forOther;
};

// The creators of a page switch, or null when no page of that switch exists.
const PageCreatorRow* FindPageCreators(settings::FieldId pageSwitch);

// The page of a switch value: null when the switch selects none.
std::unique_ptr<pages::CPluginPage> CreateSwitchedPage(const PageCreatorRow& row,
                                                       uint8_t switchValue, COemUI& ui);

}  // namespace orca::plugin
