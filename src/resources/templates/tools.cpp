// SPDX-License-Identifier: Apache-2.0
// The Tools page: maintenance commands sent straight to the printer.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1117, u"Printer Commands", 7, 4, 238, 130),
    Label(1119, u"Command Type:", 14, 18, 80),
    List(1122, 14, 28, 80, 70),
    Label(1121, u"Command Name:", 100, 18, 80),
    List(1123, 100, 28, 138, 70),
    Disabled(Edit(1128, 14, 101, 196)),
    Disabled(Button(1129, u"..", 214, 100, 24)),
    Button(1127, u"Send", 188, 116),
    Separator(1125, 7, 142, 238),
    Label(1124, u"Choose a command type and a command, then press Send.", 7, 150, 238, 24),
    Label(1126, u"Commands are sent to the printer as they are.", 7, 180, 238, 24),
};

}  // namespace

constexpr DialogTemplate kTools{122, u"Tools", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
