// SPDX-License-Identifier: Apache-2.0
// The Import/Export page: two buttons, each under its explanation.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Label(control::kImportExportLabel, u"Export Settings", 7, 7, 238),
    Separator(control::kImportExportSeparator, 7, 17, 238),
    Label(control::kImportExportText, u"", 7, 22, 180, 24),
    Button(control::kImportExportButton, u"Export", 195, 24),
    Label(control::kImportImportLabel, u"Import Settings", 7, 56, 238),
    Separator(control::kImportImportSeparator, 7, 66, 238),
    Label(control::kImportImportText, u"", 7, 71, 180, 32),
    Button(control::kImportImportButton, u"Import", 195, 73),
    Label(control::kImportDescriptionLabel, u"Import/Export Description", 7, 112, 238),
    Separator(control::kImportDescriptionSeparator, 7, 122, 238),
    Label(control::kImportDescriptionText, u"", 7, 127, 238, 40),
};

}  // namespace

constexpr DialogTemplate kImport{128, u"Import/Export", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
