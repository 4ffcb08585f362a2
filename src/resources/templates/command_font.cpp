// SPDX-License-Identifier: Apache-2.0
// The "Command Font" dialog: a font name, its position and its start and end
// commands.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Label(1274, u"Font Name:", 7, 9, 50), Edit(1275, 60, 7, 120),
    Label(1285, u"Position:", 7, 27, 50), DropList(1289, 60, 25, 120),
    Label(1276, u"Start:", 7, 45, 50),    DropList(1277, 60, 43, 60),
    Button(1279, u"...", 124, 42, 56),    TextBox(1278, 7, 60, 246, 40),
    Label(1280, u"End:", 7, 109, 50),     DropList(1281, 60, 107, 60),
    Button(1283, u"...", 124, 106, 56),   TextBox(1282, 7, 124, 246, 40),
    DefaultButton(1314, u"OK", 147, 172), Button(1313, u"Cancel", 203, 172),
};

}  // namespace

constexpr DialogTemplate kCommandFont{139, u"Command Font", 260, 192, kControls};

}  // namespace orca::resources::templates
