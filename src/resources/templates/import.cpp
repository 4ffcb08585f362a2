// SPDX-License-Identifier: Apache-2.0
// The Import/Export page: two buttons, each under its explanation.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Label(1216, u"Export Settings", 7, 7, 238),
    Separator(1217, 7, 17, 238),
    Label(1164, u"", 7, 22, 180, 24),
    Button(1218, u"Export", 195, 24),
    Label(1166, u"Import Settings", 7, 56, 238),
    Separator(1186, 7, 66, 238),
    Label(1168, u"", 7, 71, 180, 32),
    Button(1219, u"Import", 195, 73),
    Label(1170, u"Import/Export Description", 7, 112, 238),
    Separator(1189, 7, 122, 238),
    Label(1172, u"", 7, 127, 238, 40),
};

}  // namespace

constexpr DialogTemplate kImport{128, u"Import/Export", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
