// SPDX-License-Identifier: Apache-2.0
// The Advanced page of ONYX printers: operation mode, media, the out-paper
// unit and the two position adjustments.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1247, u"Printer Settings", 7, 4, 238, 114),
    Label(1255, u"Operation Mode:", 14, 18, 80),
    DropList(1220, 100, 16, 100),
    Label(1254, u"Mirror:", 14, 34, 80),
    DropList(1222, 100, 32, 100),
    Label(1253, u"Reverse:", 14, 50, 80),
    DropList(1225, 100, 48, 100),
    Label(1249, u"Media Type:", 14, 66, 80),
    DropList(1228, 100, 64, 100),
    Label(1252, u"Paper Type:", 14, 82, 80),
    DropList(1230, 100, 80, 100),
    Label(1327, u"OutPaper unit:", 14, 98, 80),
    Edit(1328, 100, 96, 40, ES_NUMBER),
    Hidden(Spinner(1319, 140, 96)),
    Group(1051, u"Position Adjustment", 7, 122, 238, 52),
    Label(1052, u"Top:", 14, 138, 60),
    Edit(1055, 80, 136, 50),
    Label(1058, u"mm", 134, 138, 24),
    Check(1241, u"Default", 170, 137, 60),
    Label(1322, u"OutPaper:", 14, 154, 60),
    Edit(1324, 80, 152, 50),
    Label(1325, u"mm", 134, 154, 24),
    Check(1326, u"Default", 170, 153, 60),
    Button(1307, u"Other", 7, 198, 60),
    Button(1063, u"Calibrate", 185, 198, 60),
};

}  // namespace

constexpr DialogTemplate kAdvancedOnyx{149, u"Advance Setup", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
