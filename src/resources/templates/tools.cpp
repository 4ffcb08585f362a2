// SPDX-License-Identifier: Apache-2.0
// The Tools page: maintenance commands sent straight to the printer.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kToolsGroup, u"Printer Commands", 7, 4, 238, 130),
    Label(control::kToolsTypeLabel, u"Command Type:", 14, 18, 80),
    List(control::kToolsTypeList, 14, 28, 80, 70),
    Label(control::kToolsActionLabel, u"Command Name:", 100, 18, 80),
    List(control::kToolsActionList, 100, 28, 138, 70),
    Disabled(Edit(control::kToolsInputEdit, 14, 101, 196)),
    Disabled(Button(control::kToolsBrowseButton, u"..", 214, 100, 24)),
    Button(control::kToolsSendButton, u"Send", 188, 116),
    Separator(control::kToolsSeparator, 7, 142, 238),
    Label(control::kToolsDescriptionLabel, u"Choose a command type and a command, then press Send.",
          7, 150, 238, 24),
    Label(control::kToolsNoticeLabel, u"Commands are sent to the printer as they are.", 7, 180, 238,
          24),
};

}  // namespace

constexpr DialogTemplate kTools{122, u"Tools", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
