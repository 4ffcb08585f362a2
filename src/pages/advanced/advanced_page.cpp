// SPDX-License-Identifier: Apache-2.0
#include "pages/advanced/advanced_page.h"

#include <algorithm>

#include "commands/raw_output.h"
#include "pages/setting_value.h"
#include "pages/typed_number.h"
#include "platform/platform.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "text/format.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace advanced;

constexpr std::size_t kUnitCount = std::size(kAdjustmentUnits);

// A value in millimetres as the unit shows it, with two decimals.
std::u16string InUnit(double mm, const AdjustmentUnit& unit, bool rounded) {
    double shown = mm / unit.mmPerUnit;
    if (rounded) {
        shown = RoundHalfAwayFromZero(shown * 100.0) / 100.0;
    }
    return text::Utf8ToUtf16(text::Format("%0.2f", shown));
}

}  // namespace

CDocPage_Advanced::CDocPage_Advanced(PageContext& context, platform::PrinterHandle printer,
                                     const Layout& layout)
    : CPluginPage(context, layout.resource, layout.rule), layout_(layout), printer_(printer) {
    using platform::Notification;
    On(control::kAdvancedOperationList, Notification::kSelectionChanged,
       [this] { OnOperationChanged(); });
    for (const SettingChoice& choice : kMediaChoices) {
        On(choice.controlId, Notification::kSelectionChanged, [this, &choice] {
            if (StoreSettingChoice(*this, Context(), choice)) {
                MarkChanged();
            }
        });
    }
    for (size_t i = 0; i < layout.adjustments.size(); ++i) {
        const Adjustment& adjustment = layout.adjustments[i];
        edits_.push_back(std::make_unique<CDecimalEdit>(*this, adjustment.editId));
        On(adjustment.editId, Notification::kTextChanged, [this, i] { OnAdjustmentTyped(i); });
        On(adjustment.editId, Notification::kKillFocus, [this, i] { OnAdjustmentLeft(i); });
        On(adjustment.defaultBoxId, Notification::kClicked, [this, i] { OnDefaultBoxClicked(i); });
    }
    On(control::kAdvancedOtherButton, Notification::kClicked,
       [this] { OtherDialog().DoModal(window()); });
    On(control::kAdvancedCalibrateButton, Notification::kClicked, [this] { OnCalibrate(); });
}

void CDocPage_Advanced::Refresh() {
    filling_ = true;
    FillSettingChoice(*this, Context(), layout_.operation);
    for (const SettingChoice& choice : kMediaChoices) {
        FillSettingChoice(*this, Context(), choice);
    }
    RefreshOwnControls();
    filling_ = false;
    ShowAdjustments();
}

int CDocPage_Advanced::SelectedOperation() const {
    return SelectedChoice(*this, control::kAdvancedOperationList);
}

void CDocPage_Advanced::ShowAdjustments() {
    showingAdjustments_ = true;
    // A stored unit of no known code shows as millimetres, as on the Option page.
    uint8_t code = ReadSetting<uint8_t>(Context(), settings::field::kSpeedUnit, kUnitMm);
    if (code >= kUnitCount) {
        code = kUnitMm;
    }
    unit_ = kAdjustmentUnits[code];
    const std::u16string unitText = Texts().Text(text::NumberedName(kUnitLabelKey, code));
    for (size_t i = 0; i < layout_.adjustments.size(); ++i) {
        const Adjustment& adjustment = layout_.adjustments[i];
        const double value = ReadSetting<double>(Context(), adjustment.fieldId, kPrinterDefault);
        const bool printerDefault = value == kPrinterDefault;
        const bool locked = Locked(adjustment);
        const framework::Button box(*this, adjustment.defaultBoxId);
        framework::Static(*this, adjustment.unitLabelId).SetText(unitText);
        box.SetChecked(printerDefault);
        box.Enable(!locked);
        edits_[i]->SetText(printerDefault ? kNotApplicable : InUnit(value, unit_, unit_.rounded));
        edits_[i]->Enable(!locked && !printerDefault);
    }
    showingAdjustments_ = false;
}

bool CDocPage_Advanced::Locked(const Adjustment& adjustment) const {
    return adjustment.followsOperation &&
           std::ranges::find(layout_.lockingOperations, SelectedOperation()) !=
               layout_.lockingOperations.end();
}

void CDocPage_Advanced::OnOperationChanged() {
    FollowOperation(SelectedOperation());
    for (size_t i = 0; i < layout_.adjustments.size(); ++i) {
        const Adjustment& adjustment = layout_.adjustments[i];
        if (!adjustment.followsOperation) {
            continue;
        }
        const framework::Button box(*this, adjustment.defaultBoxId);
        const bool locked = Locked(adjustment);
        box.Enable(!locked);
        edits_[i]->Enable(!locked && !box.IsChecked());
    }
    if (StoreSettingChoice(*this, Context(), layout_.operation)) {
        MarkChanged();
    }
}

void CDocPage_Advanced::OnAdjustmentTyped(size_t index) {
    const Adjustment& adjustment = layout_.adjustments[index];
    if (filling_ || showingAdjustments_ || rewriting_ ||
        framework::Button(*this, adjustment.defaultBoxId).IsChecked()) {
        return;
    }
    const CDecimalEdit& edit = *edits_[index];
    double value = ReadDecimal(edit.Text()) * unit_.mmPerUnit;
    if (value > adjustment.limit || value < -adjustment.limit) {
        value = value > 0 ? adjustment.limit : -adjustment.limit;
        Rewrite(edit, InUnit(value, unit_, true));
    }
    if (StoreIfChanged(Context(), adjustment.fieldId, value)) {
        MarkChanged();
    }
}

void CDocPage_Advanced::OnAdjustmentLeft(size_t index) {
    const CDecimalEdit& edit = *edits_[index];
    const std::u16string typed = edit.Text();
    // A bare or negative zero is tidied to 0.00, taken as typed.
    if (typed.empty() || (typed.front() == u'-' && ReadDecimal(typed) == 0.0)) {
        edit.SetText(kZero);
    }
}

void CDocPage_Advanced::OnDefaultBoxClicked(size_t index) {
    const Adjustment& adjustment = layout_.adjustments[index];
    const bool printerDefault = framework::Button(*this, adjustment.defaultBoxId).IsChecked();
    const CDecimalEdit& edit = *edits_[index];
    Rewrite(edit, printerDefault ? kNotApplicable : kZero);
    edit.Enable(!printerDefault);
    if (StoreIfChanged(Context(), adjustment.fieldId, printerDefault ? kPrinterDefault : 0.0)) {
        MarkChanged();
    }
}

void CDocPage_Advanced::Rewrite(const framework::Edit& edit, std::u16string_view text) {
    rewriting_ = true;
    edit.SetText(text);
    rewriting_ = false;
}

void CDocPage_Advanced::OnCalibrate() const {
    // Nothing is shown: a job the spooler refuses fails silently.
    commands::SendRawBytes(*platform::Current().spooler, printer_, layout_.calibrate);
}

}  // namespace orca::pages
