// SPDX-License-Identifier: Apache-2.0
#include "pages/advanced/advanced_orca_page.h"

#include "pages/setting_value.h"
#include "pages/typed_number.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "text/utf.h"

namespace orca::pages {

using namespace advanced;

CDocPage_Advanced_ORCA::CDocPage_Advanced_ORCA(PageContext& context,
                                               platform::PrinterHandle printer)
    : CDocPage_Advanced(context, printer, kOrcaLayout),
      groupQuantity_(*this, control::kAdvancedGroupQuantityEdit),
      other_(context, *this) {
    using platform::Notification;
    On(control::kAdvancedGroupQuantityEdit, Notification::kTextChanged,
       [this] { OnGroupQuantityTyped(); });
    On(control::kAdvancedGroupQuantityEdit, Notification::kKillFocus,
       [this] { OnGroupQuantityLeft(); });
}

void CDocPage_Advanced_ORCA::OnInitDialog() {
    groupQuantity_.LimitText(kGroupQuantityChars);
}

void CDocPage_Advanced_ORCA::RefreshOwnControls() {
    FollowOperation(SelectedOperation());
    groupQuantity_.SetText(
        text::DecimalText(ReadSetting<uint32_t>(Context(), settings::field::kCutterGroup, 1)));
}

void CDocPage_Advanced_ORCA::FollowOperation(int operation) {
    groupQuantity_.Enable(operation == kCutterOperation);
}

void CDocPage_Advanced_ORCA::OnGroupQuantityTyped() {
    if (!Filling() && StoreIfChanged(Context(), settings::field::kCutterGroup,
                                     ReadCount(groupQuantity_.Text()))) {
        MarkChanged();
    }
}

void CDocPage_Advanced_ORCA::OnGroupQuantityLeft() {
    // A cutter cuts after at least one label.
    if (ReadCount(groupQuantity_.Text()) == 0) {
        groupQuantity_.SetText(u"1");
    }
}

}  // namespace orca::pages
