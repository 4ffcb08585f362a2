// SPDX-License-Identifier: Apache-2.0
// The two font list pages: barcode fonts and command fonts, each a list with
// New, Change and Delete and a description below.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kBarcodeControls[] = {
    Label(control::kBarcodeFontsLabel, u"Defined Barcode Fonts", 7, 7, 170),
    List(control::kBarcodeFontsList, 7, 18, 170, 120),
    Button(control::kBarcodeFontsNewButton, u"New", 185, 18, 60),
    Button(control::kBarcodeFontsChangeButton, u"Change", 185, 36, 60),
    Button(control::kBarcodeFontsDeleteButton, u"Delete", 185, 54, 60),
    Separator(control::kFontsListSeparator, 7, 146, 238),
    Hidden(Label(control::kBarcodeFontsHiddenTitleLabel, u"Description", 7, 152, 238)),
    Hidden(Label(control::kBarcodeFontsHiddenTextLabel, u"", 7, 162, 238)),
    Label(control::kBarcodeFontsDescriptionLabel, u"Description", 7, 152, 238),
    Separator(control::kFontsDescriptionSeparator, 7, 162, 238),
    Label(control::kBarcodeFontsDescriptionText, u"", 7, 168, 238, 32),
    Separator(control::kFontsBottomSeparator, 7, 206, 238),
};

constexpr ControlTemplate kCommandControls[] = {
    Label(control::kCommandFontsLabel, u"Defined Command Fonts", 7, 7, 170),
    List(control::kCommandFontsList, 7, 18, 170, 120),
    Button(control::kCommandFontsNewButton, u"New", 185, 18, 60),
    Button(control::kCommandFontsChangeButton, u"Change", 185, 36, 60),
    Button(control::kCommandFontsDeleteButton, u"Delete", 185, 54, 60),
    Separator(control::kFontsListSeparator, 7, 146, 238),
    Hidden(Label(control::kCommandFontsHiddenTitleLabel, u"Description", 7, 152, 238)),
    Hidden(Label(control::kCommandFontsHiddenTextLabel, u"", 7, 162, 238)),
    Label(control::kCommandFontsDescriptionLabel, u"Description", 7, 152, 238),
    Separator(control::kFontsDescriptionSeparator, 7, 162, 238),
    Label(control::kCommandFontsDescriptionText, u"", 7, 168, 238, 32),
    Separator(control::kFontsBottomSeparator, 7, 206, 238),
};

}  // namespace

constexpr DialogTemplate kBarcodeFonts{126, u"Barcode Fonts", kPageWidth, kPageHeight,
                                       kBarcodeControls};
constexpr DialogTemplate kCommandFonts{135, u"Command Fonts", kPageWidth, kPageHeight,
                                       kCommandControls};

}  // namespace orca::resources::templates
