// SPDX-License-Identifier: Apache-2.0
// The Data Matrix page (ORCA printers): the width of one cell, the number of
// cells ("Auto", a square or one of six rectangles), the error correction
// level the printer uses (shown, never changed) and the format identifier,
// which applies to every level but the last.
#pragma once

#include <cstdint>
#include <vector>

#include "framework/controls.h"
#include "pages/barcode/barcode_sub_page.h"
#include "pages/barcode/symbology_tables.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_BarCode_Datamatrix : public CBarcodeSubPage {
public:
    explicit CDocPage_BarCode_Datamatrix(CDocDialog_BarCode& dialog);

    bool Store() override;

protected:
    void OnInitDialog() override;

private:
    void EnableFormatId();

    uint8_t initialWidth_;
    uint8_t initialCellsA_;
    uint8_t initialCellsB_;
    uint8_t initialEcc_;
    uint8_t initialFormatId_;
    // The cell counts of the size list's items: (0, 0) for "Auto" first.
    std::vector<symbology::CellSize> sizes_;

    framework::ComboBox width_{*this, control::kDatamatrixCellWidthList};
    framework::ComboBox cells_{*this, control::kDatamatrixCellsList};
    framework::ComboBox ecc_{*this, control::kDatamatrixEccList};
    framework::ComboBox formatId_{*this, control::kDatamatrixFormatIdList};
};

}  // namespace orca::pages
