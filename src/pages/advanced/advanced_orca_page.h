// SPDX-License-Identifier: Apache-2.0
// The Advanced page of ORCA printers: operation mode with the cutter's group
// quantity, mirror, reverse, media and paper type, the top, tear-off and
// left adjustments, and the Other dialog with pause, back feed and the rest.
#pragma once

#include "framework/controls.h"
#include "pages/advanced/advanced_page.h"
#include "pages/advanced/other_dialogs.h"

namespace orca::pages {

class CDocPage_Advanced_ORCA final : public CDocPage_Advanced {
public:
    CDocPage_Advanced_ORCA(PageContext& context, platform::PrinterHandle printer);

protected:
    void OnInitDialog() override;
    // The group quantity shows dwCutterGroup and counts only for the cutter.
    void RefreshOwnControls() override;
    void FollowOperation(int operation) override;
    framework::Dialog& OtherDialog() override { return other_; }

private:
    void OnGroupQuantityTyped();
    void OnGroupQuantityLeft();

    framework::Edit groupQuantity_;
    CDocDialog_Other_ORCA other_;
};

}  // namespace orca::pages
