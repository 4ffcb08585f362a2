// SPDX-License-Identifier: Apache-2.0
// The QR page: X dimension, model, error correction level and mask number
// (chosen by ONYX printers only; ORCA printers show it fixed).
#pragma once

#include <cstdint>

#include "framework/controls.h"
#include "pages/barcode/barcode_sub_page.h"
#include "pages/barcode/symbology_tables.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_BarCode_QR : public CBarcodeSubPage {
public:
    explicit CDocPage_BarCode_QR(CDocDialog_BarCode& dialog);

    bool Store() override;

protected:
    void OnInitDialog() override;

private:
    uint8_t initialX_;
    uint8_t initialModel_;
    uint8_t initialError_;
    uint8_t initialMask_;

    framework::ComboBox x_{*this, control::kQrXList};
    framework::ComboBox model_{*this, control::kQrModelList};
    framework::ComboBox error_{*this, control::kQrErrorList};
    framework::ComboBox mask_{*this, control::kQrMaskList};
};

}  // namespace orca::pages
