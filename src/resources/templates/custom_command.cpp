// SPDX-License-Identifier: Apache-2.0
// The Custom Command page: start and end commands of the document and of
// each page.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1081, u"Command Files/Text", 7, 4, 238, 142),
    Label(1096, u"Position:", 14, 18, 40),
    DropList(1097, 60, 16, 100),
    Label(1098, u"Start:", 14, 36, 40),
    DropList(1100, 60, 34, 60),
    Button(1104, u"...", 124, 33, 56),
    TextBox(1102, 14, 50, 224, 36),
    Label(1099, u"End:", 14, 94, 40),
    DropList(1101, 60, 92, 60),
    Button(1105, u"...", 124, 91, 56),
    TextBox(1103, 14, 108, 224, 32),
    Separator(1114, 7, 152, 238),
    Label(1106, u"Comments", 7, 156, 238),
    Label(1107, u"Empty:", 7, 166, 238, 16),
    Label(1108, u"File:", 7, 182, 238, 16),
    Label(1109, u"Text:", 7, 198, 238, 16),
};

}  // namespace

constexpr DialogTemplate kCustomCommand{120, u"Custom Command", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
