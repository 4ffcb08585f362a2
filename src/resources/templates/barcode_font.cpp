// SPDX-License-Identifier: Apache-2.0
// The "Define Barcode Font" dialog: the common fields of a barcode font and
// the placeholder that the symbology pages are laid over.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1138, u"Barcode Font", 7, 4, 246, 80),
    Label(1139, u"Symbology:", 14, 18, 70),
    DropList(1141, 90, 16, 120, 150),
    Label(1140, u"Font Name:", 14, 34, 70),
    Edit(1182, 90, 32, 120),
    Label(1142, u"Add Check Digit:", 14, 50, 70),
    DropList(1143, 90, 48, 60),
    Label(1144, u"Rotation:", 14, 66, 70),
    DropList(1147, 90, 64, 60),
    Label(1146, u"Deg", 154, 66, 20),
    Hidden(Label(1232, u"", 7, 88, 246, 130)),
    DefaultButton(1244, u"OK", 147, 224),
    Button(1316, u"Cancel", 203, 224),
};

}  // namespace

constexpr DialogTemplate kBarcodeFont{124, u"Define Barcode Font", 260, 244, kControls};

}  // namespace orca::resources::templates
