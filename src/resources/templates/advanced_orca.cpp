// SPDX-License-Identifier: Apache-2.0
// The Advanced page of ORCA printers: operation mode, media and the three
// position adjustments.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1247, u"Printer Settings", 7, 4, 238, 114),
    Label(1255, u"Operation Mode:", 14, 18, 80),
    DropList(1220, 100, 16, 100),
    Label(1256, u"Group Quantity:", 14, 34, 80),
    Edit(1226, 100, 32, 40, ES_NUMBER),
    Label(1254, u"Mirror:", 14, 50, 80),
    DropList(1222, 100, 48, 100),
    Label(1253, u"Reverse:", 14, 66, 80),
    DropList(1225, 100, 64, 100),
    Label(1249, u"Media Type:", 14, 82, 80),
    DropList(1228, 100, 80, 100),
    Label(1252, u"Paper Type:", 14, 98, 80),
    DropList(1230, 100, 96, 100),
    Group(1051, u"Position Adjustment", 7, 122, 238, 68),
    Label(1052, u"Top:", 14, 138, 60),
    Edit(1055, 80, 136, 50),
    Label(1058, u"mm", 134, 138, 24),
    Check(1241, u"Default", 170, 137, 60),
    Label(1053, u"Tear Off:", 14, 154, 60),
    Edit(1056, 80, 152, 50),
    Label(1059, u"mm", 134, 154, 24),
    Check(1242, u"Default", 170, 153, 60),
    Label(1054, u"Left:", 14, 170, 60),
    Edit(1057, 80, 168, 50),
    Label(1060, u"mm", 134, 170, 24),
    Check(1243, u"Default", 170, 169, 60),
    Button(1307, u"Other", 7, 198, 60),
    Button(1063, u"Calibrate", 185, 198, 60),
};

}  // namespace

constexpr DialogTemplate kAdvancedOrca{116, u"Advance Setup", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
