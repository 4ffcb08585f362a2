// SPDX-License-Identifier: Apache-2.0
// The Custom Command page: start and end commands of the document and of
// each page.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kCustomCommandGroup, u"Command Files/Text", 7, 4, 238, 142),
    Label(control::kCustomCommandPositionLabel, u"Position:", 14, 18, 40),
    DropList(control::kCustomCommandPositionList, 60, 16, 100),
    Label(control::kCustomCommandStartLabel, u"Start:", 14, 36, 40),
    DropList(control::kCustomCommandStartList, 60, 34, 60),
    Button(control::kCustomCommandStartButton, u"...", 124, 33, 56),
    TextBox(control::kCustomCommandStartEdit, 14, 50, 224, 36),
    Label(control::kCustomCommandEndLabel, u"End:", 14, 94, 40),
    DropList(control::kCustomCommandEndList, 60, 92, 60),
    Button(control::kCustomCommandEndButton, u"...", 124, 91, 56),
    TextBox(control::kCustomCommandEndEdit, 14, 108, 224, 32),
    Separator(control::kCustomCommandSeparator, 7, 152, 238),
    Label(control::kCustomCommandCommentsLabel, u"Comments", 7, 156, 238),
    Label(control::kCustomCommandEmptyLabel, u"Empty:", 7, 166, 238, 16),
    Label(control::kCustomCommandFileLabel, u"File:", 7, 182, 238, 16),
    Label(control::kCustomCommandTextLabel, u"Text:", 7, 198, 238, 16),
};

}  // namespace

constexpr DialogTemplate kCustomCommand{120, u"Custom Command", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
