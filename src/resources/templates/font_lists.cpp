// SPDX-License-Identifier: Apache-2.0
// The two font list pages: barcode fonts and command fonts, each a list with
// New, Change and Delete and a description below.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kBarcodeControls[] = {
    Label(1190, u"Defined Barcode Fonts", 7, 7, 170),
    List(1192, 7, 18, 170, 120),
    Button(1194, u"New", 185, 18, 60),
    Button(1196, u"Change", 185, 36, 60),
    Button(1197, u"Delete", 185, 54, 60),
    Separator(1154, 7, 146, 238),
    Hidden(Label(1184, u"Description", 7, 152, 238)),
    Hidden(Label(1180, u"", 7, 162, 238)),
    Label(1185, u"Description", 7, 152, 238),
    Separator(1155, 7, 162, 238),
    Label(1187, u"", 7, 168, 238, 32),
    Separator(1157, 7, 206, 238),
};

constexpr ControlTemplate kCommandControls[] = {
    Label(1264, u"Defined Command Fonts", 7, 7, 170),
    List(1265, 7, 18, 170, 120),
    Button(1270, u"New", 185, 18, 60),
    Button(1271, u"Change", 185, 36, 60),
    Button(1272, u"Delete", 185, 54, 60),
    Separator(1154, 7, 146, 238),
    Hidden(Label(1267, u"Description", 7, 152, 238)),
    Hidden(Label(1266, u"", 7, 162, 238)),
    Label(1268, u"Description", 7, 152, 238),
    Separator(1155, 7, 162, 238),
    Label(1269, u"", 7, 168, 238, 32),
    Separator(1157, 7, 206, 238),
};

}  // namespace

constexpr DialogTemplate kBarcodeFonts{126, u"Barcode Fonts", kPageWidth, kPageHeight,
                                       kBarcodeControls};
constexpr DialogTemplate kCommandFonts{135, u"Command Fonts", kPageWidth, kPageHeight,
                                       kCommandControls};

}  // namespace orca::resources::templates
