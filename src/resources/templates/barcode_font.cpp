// SPDX-License-Identifier: Apache-2.0
// The "Define Barcode Font" dialog: the common fields of a barcode font and
// the placeholder that the symbology pages are laid over.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kBarcodeFontGroup, u"Barcode Font", 7, 4, 246, 80),
    Label(control::kBarcodeFontSymbologyLabel, u"Symbology:", 14, 18, 70),
    DropList(control::kBarcodeFontSymbologyList, 90, 16, 120, 150),
    Label(control::kBarcodeFontNameLabel, u"Font Name:", 14, 34, 70),
    Edit(control::kBarcodeFontNameEdit, 90, 32, 120),
    Label(control::kBarcodeFontCheckDigitLabel, u"Add Check Digit:", 14, 50, 70),
    DropList(control::kBarcodeFontCheckDigitList, 90, 48, 60),
    Label(control::kBarcodeFontRotationLabel, u"Rotation:", 14, 66, 70),
    DropList(control::kBarcodeFontRotationList, 90, 64, 60),
    Label(control::kBarcodeFontRotationUnitLabel, u"Deg", 154, 66, 20),
    Hidden(Label(control::kBarcodeFontPlaceholder, u"", 7, 88, 246, 130)),
    DefaultButton(control::kBarcodeFontOkButton, u"OK", 147, 224),
    Button(control::kBarcodeFontCancelButton, u"Cancel", 203, 224),
};

}  // namespace

constexpr DialogTemplate kBarcodeFont{124, u"Define Barcode Font", 260, 244, kControls};

}  // namespace orca::resources::templates
