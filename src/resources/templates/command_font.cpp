// SPDX-License-Identifier: Apache-2.0
// The "Command Font" dialog: a font name, its position and its start and end
// commands.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Label(control::kCommandFontNameLabel, u"Font Name:", 7, 9, 50),
    Edit(control::kCommandFontNameEdit, 60, 7, 120),
    Label(control::kCommandFontPositionLabel, u"Position:", 7, 27, 50),
    DropList(control::kCommandFontPositionList, 60, 25, 120),
    Label(control::kCommandFontStartLabel, u"Start:", 7, 45, 50),
    DropList(control::kCommandFontStartList, 60, 43, 60),
    Button(control::kCommandFontStartButton, u"...", 124, 42, 56),
    TextBox(control::kCommandFontStartEdit, 7, 60, 246, 40),
    Label(control::kCommandFontEndLabel, u"End:", 7, 109, 50),
    DropList(control::kCommandFontEndList, 60, 107, 60),
    Button(control::kCommandFontEndButton, u"...", 124, 106, 56),
    TextBox(control::kCommandFontEndEdit, 7, 124, 246, 40),
    DefaultButton(control::kCommandFontOkButton, u"OK", 147, 172),
    Button(control::kCommandFontCancelButton, u"Cancel", 203, 172),
};

}  // namespace

constexpr DialogTemplate kCommandFont{139, u"Command Font", 260, 192, kControls};

}  // namespace orca::resources::templates
