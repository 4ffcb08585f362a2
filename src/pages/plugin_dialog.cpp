// SPDX-License-Identifier: Apache-2.0
#include "pages/plugin_dialog.h"

#include <utility>

#include "framework/desktop_windows.h"
#include "resources/dialog_template.h"
#include "resources/window_styles.h"

namespace orca::pages {

CPluginDialog::CPluginDialog(PageContext& context, const resources::PageResource& resource,
                             const TranslationRule& rule)
    : framework::Dialog(resources::FindDialogTemplate(resource.templateId)),
      context_(context),
      texts_(resource.section, context.PrinterName(), context.CurrentLanguage()),
      rule_(rule) {}

void CPluginDialog::TranslateInSheetLanguage() {
    texts_.SelectLanguage(context_.CurrentLanguage());
    TranslateControls(*this, texts_, rule_);
}

void CPluginDialog::OnOkAndCancel(int okButton, int cancelButton, Handler onOk) {
    using platform::Notification;
    On(okButton, Notification::kClicked, onOk);
    On(resources::IDOK, Notification::kClicked, std::move(onOk));
    On(cancelButton, Notification::kClicked, [this] { EndDialog(0); });
    On(resources::IDCANCEL, Notification::kClicked, [this] { EndDialog(0); });
}

void CPluginDialog::Refuse(framework::Control& control, std::u16string_view messageKey,
                           std::u16string_view titleKey) {
    control.SetFocus();
    framework::ShowMessage(window(), texts_.Text(messageKey), texts_.Text(titleKey),
                           resources::MB_OK | resources::MB_ICONERROR);
}

}  // namespace orca::pages
