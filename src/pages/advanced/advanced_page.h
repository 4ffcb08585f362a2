// SPDX-License-Identifier: Apache-2.0
// What the two Advanced pages share: the operation mode and media lists,
// the position adjustments shown and typed in the Option page's unit, the
// Other button that opens the page's Other dialog and the Calibrate button.
// Every control writes its field the moment it changes; the pages have no
// apply step of their own.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls.h"
#include "pages/advanced/advanced_tables.h"
#include "pages/decimal_edit.h"
#include "pages/plugin_page.h"
#include "platform/spooler.h"

namespace orca::pages {

class CDocPage_Advanced : public CPluginPage {
protected:
    // printer: the sheet's printer handle, which the calibration goes to.
    CDocPage_Advanced(PageContext& context, platform::PrinterHandle printer,
                      const advanced::Layout& layout);

    // Fills the lists, then shows the adjustments.
    void Refresh() override;

    // The language's own controls, refreshed after the lists.
    virtual void RefreshOwnControls() {}
    // The language's own controls follow a newly chosen operation mode.
    virtual void FollowOperation(int /*operation*/) {}
    virtual framework::Dialog& OtherDialog() = 0;

    // The selected operation mode's value, or -1.
    int SelectedOperation() const;
    // The lists are being filled: edits set meanwhile store nothing.
    bool Filling() const { return filling_; }
    // The sheet's changed notice.
    void MarkChanged() const { SetModified(true); }

private:
    void ShowAdjustments();
    bool Locked(const advanced::Adjustment& adjustment) const;
    void OnOperationChanged();
    void OnAdjustmentTyped(size_t index);
    void OnAdjustmentLeft(size_t index);
    void OnDefaultBoxClicked(size_t index);
    // Puts text into an adjustment's edit without taking it as typed.
    void Rewrite(const framework::Edit& edit, std::u16string_view text);
    void OnCalibrate() const;

    const advanced::Layout& layout_;
    platform::PrinterHandle printer_;
    std::vector<std::unique_ptr<CDecimalEdit>> edits_;
    advanced::AdjustmentUnit unit_ = advanced::kAdjustmentUnits[advanced::kUnitMm];
    bool filling_ = false;
    bool showingAdjustments_ = false;
    bool rewriting_ = false;
};

}  // namespace orca::pages
