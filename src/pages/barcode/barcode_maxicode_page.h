// SPDX-License-Identifier: Apache-2.0
// The MaxiCode page: the symbol's mode.
#pragma once

#include <cstdint>

#include "framework/controls.h"
#include "pages/barcode/barcode_sub_page.h"
#include "pages/barcode/symbology_tables.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_BarCode_Maxicode : public CBarcodeSubPage {
public:
    explicit CDocPage_BarCode_Maxicode(CDocDialog_BarCode& dialog);

    bool Store() override;

protected:
    void OnInitDialog() override;

private:
    uint8_t initialMode_;
    framework::ComboBox mode_{*this, control::kMaxicodeModeList};
};

}  // namespace orca::pages
