// SPDX-License-Identifier: Apache-2.0
// The one-dimensional symbology page: X dimension with its width in mils,
// the bar height (Y dimension) in the Option page's unit or the font's own
// height, the human readable line and the narrow-to-wide ratio. Which human
// readable and ratio choices exist depends on the symbology.
#pragma once

#include <cstdint>
#include <string>

#include "framework/controls.h"
#include "pages/barcode/barcode_sub_page.h"
#include "pages/barcode/symbology_tables.h"
#include "pages/decimal_edit.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_BarCode_1D : public CBarcodeSubPage {
public:
    explicit CDocPage_BarCode_1D(CDocDialog_BarCode& dialog);

    bool Store() override;
    // The bar height must lie in its range for the unit and the language.
    bool Check() override;
    void Refill(uint8_t code) override;

protected:
    void OnInitDialog() override;

private:
    void ShowMils();
    void ShowRatioWidths();
    void OnYChanged();
    void OnFontHeightClicked();
    // The number the Y edit starts with (0 when none).
    double TypedY() const;

    const symbology::OneDimensionalLanguage& language_;
    const symbology::YUnit& unit_;

    uint8_t initialX_;
    uint8_t initialFontHeight_;
    uint8_t initialHumanReadable_;
    uint8_t initialRatio_;
    double initialY_ = symbology::kDefaultYDimensions;
    // The initial height as first shown, in the display unit.
    double shownInitialY_ = 0;

    framework::ComboBox x_{*this, control::kSymbologyXList};
    framework::Static mils_{*this, control::kSymbologyMilsLabel};
    CDecimalEdit y_{*this, control::kSymbologyYEdit};
    framework::Button fontHeight_{*this, control::kSymbologyFontHeightCheck};
    framework::ComboBox humanReadable_{*this, control::kSymbologyHumanReadableList};
    framework::ComboBox ratio_{*this, control::kSymbologyRatioList};
};

}  // namespace orca::pages
