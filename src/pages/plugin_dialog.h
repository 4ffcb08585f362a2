// SPDX-License-Identifier: Apache-2.0
// The base of the plug-in's modal dialogs and of the pages shown inside them:
// their language file and their translation rule.
#pragma once

#include <string_view>

#include "framework/controls.h"
#include "framework/dialog.h"
#include "pages/language_file.h"
#include "pages/page_context.h"
#include "pages/page_text.h"
#include "resources/page_resources.h"

namespace orca::pages {

class CPluginDialog : public framework::Dialog {
protected:
    // Writes the language files.
    CPluginDialog(PageContext& context, const resources::PageResource& resource,
                  const TranslationRule& rule);

    PageContext& Context() const { return context_; }
    CLanguageFile& Texts() { return texts_; }

    // Takes the sheet's current language, writing its file when missing,
    // and gives the controls their texts by the dialog's rule.
    void TranslateInSheetLanguage();

    // OK (okButton or Enter) runs onOk; Cancel (cancelButton or Escape) ends
    // the dialog with 0, nothing stored.
    void OnOkAndCancel(int okButton, int cancelButton, Handler onOk);
    // Sends the focus to the control at fault and tells the user why in an
    // error box; the dialog stays open.
    void Refuse(framework::Control& control, std::u16string_view messageKey,
                std::u16string_view titleKey);

private:
    PageContext& context_;
    CLanguageFile texts_;
    TranslationRule rule_;
};

}  // namespace orca::pages
