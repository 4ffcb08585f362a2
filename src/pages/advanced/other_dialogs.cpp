// SPDX-License-Identifier: Apache-2.0
#include "pages/advanced/other_dialogs.h"

#include "pages/advanced/advanced_tables.h"
#include "pages/setting_value.h"
#include "pages/typed_number.h"
#include "resources/control_ids.h"
#include "resources/window_styles.h"
#include "settings/field_ids.h"
#include "text/utf.h"

namespace orca::pages {

using namespace advanced;

CDocDialog_Other::CDocDialog_Other(PageContext& context, const resources::PageResource& resource,
                                   const framework::PropertyPage& page,
                                   std::span<const SettingChoice> choices)
    : CPluginDialog(context, resource, kOtherRule), page_(page), choices_(choices) {
    using platform::Notification;
    for (const SettingChoice& choice : choices) {
        On(choice.controlId, Notification::kSelectionChanged, [this, &choice] {
            if (StoreSettingChoice(*this, Context(), choice)) {
                MarkChanged();
            }
            FollowChoice(choice, SelectedChoice(*this, choice.controlId));
        });
    }
    On(control::kOtherOkButton, Notification::kClicked, [this] { EndDialog(resources::IDOK); });
}

void CDocDialog_Other::OnInitDialog() {
    for (const SettingChoice& choice : choices_) {
        FillSettingChoice(*this, Context(), choice);
    }
}

void CDocDialog_Other::OnShown(bool shown) {
    if (shown) {
        TranslateInSheetLanguage();
    }
}

CDocDialog_Other_ORCA::CDocDialog_Other_ORCA(PageContext& context,
                                             const framework::PropertyPage& page)
    : CDocDialog_Other(context, resources::kDialogOtherOrca, page, kOrcaOtherChoices),
      interval_(*this, control::kOtherIntervalEdit) {
    using platform::Notification;
    On(control::kOtherIntervalEdit, Notification::kTextChanged, [this] { OnIntervalTyped(); });
    On(control::kOtherIntervalEdit, Notification::kKillFocus, [this] { OnIntervalLeft(); });
}

void CDocDialog_Other_ORCA::OnInitDialog() {
    filling_ = true;
    interval_.LimitText(kIntervalChars);
    CDocDialog_Other::OnInitDialog();
    const uint32_t interval = ReadSetting<uint32_t>(Context(), settings::field::kInterval, 0);
    interval_.SetText(text::DecimalText(interval));
    interval_.Enable(SelectedChoice(*this, control::kOtherPauseList) == kPauseAfterInterval);
    for (int hidden : kLineSubstitutionPair) {
        framework::Control(*this, hidden).Show(false);
    }
    filling_ = false;
}

void CDocDialog_Other_ORCA::FollowChoice(const SettingChoice& choice, int value) {
    if (choice.controlId == control::kOtherPauseList) {
        interval_.Enable(value == kPauseAfterInterval);
    }
}

void CDocDialog_Other_ORCA::OnIntervalTyped() {
    if (!filling_ &&
        StoreIfChanged(Context(), settings::field::kInterval, ReadCount(interval_.Text()))) {
        MarkChanged();
    }
}

void CDocDialog_Other_ORCA::OnIntervalLeft() {
    if (ReadCount(interval_.Text()) == 0) {
        interval_.SetText(u"0");
    }
}

CDocDialog_Other_ONYX::CDocDialog_Other_ONYX(PageContext& context,
                                             const framework::PropertyPage& page)
    : CDocDialog_Other(context, resources::kDialogOtherOnyx, page, kOnyxOtherChoices) {}

}  // namespace orca::pages
