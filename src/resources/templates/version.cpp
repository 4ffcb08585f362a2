// SPDX-License-Identifier: Apache-2.0
// The Version page of both sheets.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Label(control::kVersionTitleLine, u"Label Printer Driver", 7, 7, 238),
    Label(control::kVersionFirstMakerLine, u"", 7, 19, 238),
    Label(control::kVersionSecondMakerLine, u"", 7, 31, 238),
    Label(control::kVersionProductHeading, u"Product information:", 7, 51, 238),
    Label(control::kVersionProductLine, u"Product: Windows driver for BarCode printer", 7, 63, 238),
    Label(control::kVersionAdditionalHeading, u"Additional information:", 7, 83, 238),
    // No SS_NOTIFY: the page itself follows the pointer over the web address.
    Label(control::kVersionAddressLine, u"", 7, 95, 238),
    Separator(control::kVersionSeparator, 7, 113, 238),
    Label(control::kVersionNoticeLine, u"", 7, 119, 238, 40),
};

}  // namespace

constexpr DialogTemplate kVersion{103, u"Version", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
