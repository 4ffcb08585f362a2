// SPDX-License-Identifier: Apache-2.0
#include "pages/plugin_page.h"

#include <cstdint>

#include "pages/setting_value.h"
#include "pages/sheet_tabs.h"
#include "resources/dialog_template.h"
#include "settings/field_ids.h"

namespace orca::pages {
namespace {}  // namespace

CPluginPage::CPluginPage(PageContext& context, const resources::PageResource& resource,
                         const TranslationRule& rule)
    : CPluginPage(context, resources::FindDialogTemplate(resource.templateId), resource.section,
                  rule) {}

CPluginPage::CPluginPage(PageContext& context, const resources::DialogTemplate* dialog,
                         std::u16string_view section, const TranslationRule& rule)
    : framework::PropertyPage(dialog),
      context_(context),
      texts_(section, context.PrinterName(), context.CurrentLanguage()),
      rule_(rule),
      titleKey_(TabTitleKey(section)) {
    SetTitle(texts_.Text(u"WINDOW_TITLE"));
}

CPluginPage::~CPluginPage() {
    // Before the page handle is released and may be made again for another page.
    UnregisterSheetTab(sheetHandle_);
}

platform::PageHandle CPluginPage::SheetHandle() {
    sheetHandle_ = Handle();
    if (sheetHandle_ != nullptr && !titleKey_.empty()) {
        RegisterSheetTab({sheetHandle_, titleKey_, std::u16string(context_.FullPrinterName()),
                          inDocumentSheet_, &context_});
    }
    return sheetHandle_;
}

void CPluginPage::OnShown(bool shown) {
    if (!shown) {
        return;
    }
    if (inDocumentSheet_) {
        context_.SetLastShownDocumentPage(window());
    }
    texts_.SelectLanguage(ShownLanguage());
    Refresh();
    Translate();
}

void CPluginPage::Translate() {
    TranslateControls(*this, texts_, rule_);
}

int CPluginPage::ShownLanguage() const {
    if (inDocumentSheet_) {
        return context_.CurrentLanguage();
    }
    return ReadSetting<uint8_t>(context_, settings::field::kLanguage, 0);
}

}  // namespace orca::pages
