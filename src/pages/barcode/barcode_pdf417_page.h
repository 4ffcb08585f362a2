// SPDX-License-Identifier: Apache-2.0
// The PDF417 page: narrow bar width, symbol height and security level from
// lists, data columns and rows typed and held to their ranges, and for ONYX
// printers the choice of standard or truncated symbols.
#pragma once

#include <cstdint>

#include "framework/controls.h"
#include "pages/barcode/barcode_sub_page.h"
#include "pages/barcode/symbology_tables.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_BarCode_PDF417 : public CBarcodeSubPage {
public:
    explicit CDocPage_BarCode_PDF417(CDocDialog_BarCode& dialog);

    bool Store() override;

protected:
    void OnInitDialog() override;

private:
    // Rewrites an edit whose leading number lies outside low .. high with
    // the nearer bound.
    void HoldToRange(const framework::Edit& edit, int low, int high) const;

    bool onyx_;
    uint8_t initialNarrowWidth_;
    uint8_t initialSymbolHeight_;
    uint8_t initialSecurity_;
    uint8_t initialColumns_;
    uint8_t initialRows_;
    uint8_t initialTruncate_;

    framework::ComboBox narrowWidth_{*this, control::kPdf417NarrowWidthList};
    framework::ComboBox symbolHeight_{*this, control::kPdf417SymbolHeightList};
    framework::ComboBox security_{*this, control::kPdf417SecurityList};
    framework::Edit columns_{*this, control::kPdf417ColumnsEdit};
    framework::Edit rows_{*this, control::kPdf417RowsEdit};
    framework::ComboBox truncate_{*this, control::kPdf417TruncateList};
};

}  // namespace orca::pages
