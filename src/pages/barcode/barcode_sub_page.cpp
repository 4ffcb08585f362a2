// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_sub_page.h"

#include "pages/barcode/barcode_dialog.h"
#include "pages/font_record.h"
#include "pages/setting_value.h"
#include "text/format.h"
#include "text/utf.h"

namespace orca::pages {

CBarcodeSubPage::CBarcodeSubPage(CDocDialog_BarCode& dialog,
                                 const resources::PageResource& resource,
                                 const TranslationRule& rule)
    : CPluginDialog(dialog.Settings(), resource, rule), dialog_(dialog) {}

uint8_t CBarcodeSubPage::Initial(uint32_t fieldId, uint8_t fallback) const {
    if (dialog_.GetMode() != barcode::Mode::kChange) {
        return fallback;
    }
    return ReadSetting(Context(), fieldId, fallback, dialog_.Index());
}

bool CBarcodeSubPage::StoreValue(uint32_t fieldId, int value, uint8_t initial) const {
    return StoreRecordByte(Context(), fieldId, dialog_.Index(), value, initial);
}

bool CBarcodeSubPage::StoreSelection(const framework::ItemList& list, uint32_t fieldId,
                                     uint8_t initial) const {
    const int selected = list.Selected();
    return selected >= 0 &&
           StoreValue(fieldId, static_cast<int>(list.ItemValue(selected)), initial);
}

void CBarcodeSubPage::FillPlainList(const framework::ItemList& list,
                                    std::span<const std::u16string> texts, int stored) {
    list.Clear();
    for (size_t i = 0; i < texts.size(); ++i) {
        list.Add(texts[i], static_cast<intptr_t>(i));
    }
    list.Select(stored >= 0 && stored < static_cast<int>(texts.size()) ? stored : 0);
}

std::vector<std::u16string> CBarcodeSubPage::Numbered(int first, int count, const char* format) {
    std::vector<std::u16string> texts;
    for (int n = first; n < first + count; ++n) {
        texts.push_back(text::Utf8ToUtf16(text::Format(format, n)));
    }
    return texts;
}

}  // namespace orca::pages
