// SPDX-License-Identifier: Apache-2.0
#include "pages/advanced/advanced_onyx_page.h"

#include "pages/setting_value.h"
#include "pages/typed_number.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "text/utf.h"

namespace orca::pages {

using namespace advanced;

CDocPage_Advanced_ONYX::CDocPage_Advanced_ONYX(PageContext& context,
                                               platform::PrinterHandle printer)
    : CDocPage_Advanced(context, printer, kOnyxLayout),
      paperUnit_(*this, control::kAdvancedPaperUnitEdit),
      spinner_(*this, control::kAdvancedPaperUnitSpinner),
      other_(context, *this) {
    using platform::Notification;
    On(control::kAdvancedPaperUnitEdit, Notification::kTextChanged, [this] { OnPaperUnitTyped(); });
    On(control::kAdvancedPaperUnitEdit, Notification::kKillFocus, [this] { OnPaperUnitLeft(); });
}

void CDocPage_Advanced_ONYX::OnInitDialog() {
    spinner_.SetRange(kPaperUnitLow, kPaperUnitHigh);
    paperUnit_.LimitText(kPaperUnitChars);
    RefreshOwnControls();
}

void CDocPage_Advanced_ONYX::RefreshOwnControls() {
    paperUnit_.SetText(
        text::DecimalText(ReadSetting<uint32_t>(Context(), settings::field::kPaperUnit, 1)));
}

// The spinner reads the unit, so only a number in its range is stored.
void CDocPage_Advanced_ONYX::OnPaperUnitTyped() {
    const platform::SpinPosition unit = spinner_.Position();
    if (unit.valid && StoreIfChanged(Context(), settings::field::kPaperUnit,
                                     static_cast<uint32_t>(unit.value & 0xFFFF))) {
        MarkChanged();
    }
}

// A unit left empty or 0 becomes 1, the least the spinner takes.
void CDocPage_Advanced_ONYX::OnPaperUnitLeft() {
    const platform::SpinPosition unit = spinner_.Position();
    if (!unit.valid || unit.value == kPaperUnitLow) {
        paperUnit_.SetText(u"1");
    }
}

}  // namespace orca::pages
