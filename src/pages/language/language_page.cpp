// SPDX-License-Identifier: Apache-2.0
#include "pages/language/language_page.h"

#include <array>
#include <cstdint>

#include "framework/desktop_windows.h"
#include "pages/flag_list.h"
#include "pages/setting_value.h"
#include "pages/tab_relabel.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"

namespace orca::pages {
namespace {

// Placeholders: the items take their texts from the language file by value.
constexpr std::array<FlagListEntry, 2> kLanguages{{{1, u"Chinese"}, {2, u"English"}}};
constexpr uint32_t kLanguageMask = 3;

constexpr int kUntranslated[] = {control::kLanguageSeparator};
constexpr TranslationRule kLanguageRule{kSkipEdits, kUntranslated};

}  // namespace

CDocPage_Language::CDocPage_Language(PageContext& context)
    : CPluginPage(context, resources::kPageLanguage, kLanguageRule),
      choice_(*this, control::kLanguageList) {}

void CDocPage_Language::OnInitDialog() {
    On(control::kLanguageList, framework::Notification::kSelectionChanged, [this] { OnChoice(); });
}

void CDocPage_Language::Refresh() {
    // A stored code other than Chinese's shows the pages in English, so the
    // language in use is read from the page's texts, not from btLanguage.
    FillFlagList(choice_, kLanguages, kLanguageMask, chosen_.value_or(Texts().Language()));
}

uint8_t CDocPage_Language::Chosen() const {
    return static_cast<uint8_t>(choice_.ItemValue(choice_.Selected()) & 0xFF);
}

void CDocPage_Language::OnChoice() {
    const uint8_t chosen = Chosen();
    chosen_ = chosen;
    if (StoreIfChanged(Context(), settings::field::kLanguage, chosen))
        SetModified();
}

bool CDocPage_Language::OnApply() {
    // Without a choice the sheet keeps the language it is shown in.
    if (!chosen_) {
        return true;
    }
    const uint8_t chosen = *chosen_;
    Context().SetCurrentLanguage(chosen);
    Texts().SelectLanguage(chosen);
    if (platform::Window front = Context().LastShownDocumentPage()) {
        framework::SendShownNotice(front);
    }
    const platform::Window sheet = Sheet();
    RelabelDocumentSheet(sheet, &Context(), Texts());
    RelabelPrinterSheets(Context().FullPrinterName(), sheet, Texts());
    return true;
}

}  // namespace orca::pages
