// SPDX-License-Identifier: Apache-2.0
#include "plugin/page_factory.h"

#include "pages/advanced/advanced_onyx_page.h"
#include "pages/advanced/advanced_orca_page.h"
#include "pages/barcode/barcode_list_page.h"
#include "pages/commands/command_font_page.h"
#include "pages/commands/custom_command_page.h"
#include "pages/dithering/dithering_page.h"
#include "pages/language/language_page.h"
#include "pages/option/option_page.h"
#include "pages/settings_file/import_page.h"
#include "pages/stocks/stocks_page.h"
#include "pages/tools/tools_page.h"
#include "pages/version/version_page.h"
#include "plugin/oem_ui.h"
#include "settings/field_ids.h"

namespace orca::plugin {

namespace {

template <typename Page>
std::unique_ptr<pages::CPluginPage> Create(COemUI& ui) {
    return std::make_unique<Page>(ui);
}

// A page that also takes the plug-in object's services for it.
template <typename Page>
std::unique_ptr<pages::CPluginPage> CreateServed(COemUI& ui) {
    return std::make_unique<Page>(ui, ui);
}

// A page that sends raw jobs on the sheet's printer handle.
template <typename Page>
std::unique_ptr<pages::CPluginPage> CreateSending(COemUI& ui) {
    return std::make_unique<Page>(ui, ui.SheetPrinter());
}

// A page that takes the services and works on the sheet's printer handle: the
// Import/Export page (forms and stored settings) and the Stocks page (forms).
template <typename Page>
std::unique_ptr<pages::CPluginPage> CreateServedSending(COemUI& ui) {
    return std::make_unique<Page>(ui, ui, ui.SheetPrinter());
}

// One row per page switch whose pages exist.
constexpr PageCreatorRow kPageCreators[] = {
    {settings::field::kOptionPage, CreateServed<pages::CDocPage_Option>, nullptr},
    {settings::field::kAdvancedPage, CreateSending<pages::CDocPage_Advanced_ORCA>,
     CreateSending<pages::CDocPage_Advanced_ONYX>},
    {settings::field::kDitheringPage, CreateServed<pages::CDocPage_Dithering>, nullptr},
    {settings::field::kBarcodeFontPage, CreateServed<pages::CDocPage_BarCode>, nullptr},
    {settings::field::kCommandFontPage, CreateServed<pages::CDocPage_CMD>, nullptr},
    {settings::field::kCustomCommandPage, Create<pages::CDocPage_Custom_ORCA>, nullptr},
    {settings::field::kToolsPage, CreateSending<pages::CDocPage_Tools>, nullptr},
    {settings::field::kImportPage, CreateServedSending<pages::CDocPage_Import>, nullptr},
    {settings::field::kLanguagePage, Create<pages::CDocPage_Language>, nullptr},
    {settings::field::kVersionPage, Create<pages::CProperty_Version>,
     Create<pages::CProperty_VersionOEM>},
    {settings::field::kStocksPage, CreateServedSending<pages::CPrinterProperty_Stocks_ORCA>,
     nullptr},
};

}  // namespace

const PageCreatorRow* FindPageCreators(settings::FieldId pageSwitch) {
    for (const PageCreatorRow& row : kPageCreators) {
        if (row.pageSwitch == pageSwitch)
            return &row;
    }
    return nullptr;
}

std::unique_ptr<pages::CPluginPage> CreateSwitchedPage(const PageCreatorRow& row,
                                                       uint8_t switchValue, COemUI& ui) {
    const PageCreator creator = switchValue == 1 ? row.forOne : row.forOther;
    return creator != nullptr ? creator(ui) : nullptr;
}

}  // namespace orca::plugin
