// SPDX-License-Identifier: Apache-2.0
// The Advanced page of ONYX printers: operation mode, mirror, reverse, media
// and paper type, the out-paper unit, the top and out-paper adjustments, and
// the Other dialog with error replay.
#pragma once

#include "framework/controls.h"
#include "pages/advanced/advanced_page.h"
#include "pages/advanced/other_dialogs.h"

namespace orca::pages {

class CDocPage_Advanced_ONYX final : public CDocPage_Advanced {
public:
    CDocPage_Advanced_ONYX(PageContext& context, platform::PrinterHandle printer);

protected:
    void OnInitDialog() override;
    // The out-paper unit shows dwPaperUnit.
    void RefreshOwnControls() override;
    framework::Dialog& OtherDialog() override { return other_; }

private:
    void OnPaperUnitTyped();
    void OnPaperUnitLeft();

    framework::Edit paperUnit_;
    framework::UpDown spinner_;
    CDocDialog_Other_ONYX other_;
};

}  // namespace orca::pages
