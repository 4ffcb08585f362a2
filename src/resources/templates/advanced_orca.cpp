// SPDX-License-Identifier: Apache-2.0
// The Advanced page of ORCA printers: operation mode, media and the three
// position adjustments.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kAdvancedPrinterGroup, u"Printer Settings", 7, 4, 238, 114),
    Label(control::kAdvancedOperationLabel, u"Operation Mode:", 14, 18, 80),
    DropList(control::kAdvancedOperationList, 100, 16, 100),
    Label(control::kAdvancedGroupQuantityLabel, u"Group Quantity:", 14, 34, 80),
    Edit(control::kAdvancedGroupQuantityEdit, 100, 32, 40, ES_NUMBER),
    Label(control::kAdvancedMirrorLabel, u"Mirror:", 14, 50, 80),
    DropList(control::kAdvancedMirrorList, 100, 48, 100),
    Label(control::kAdvancedReverseLabel, u"Reverse:", 14, 66, 80),
    DropList(control::kAdvancedReverseList, 100, 64, 100),
    Label(control::kAdvancedMediaTypeLabel, u"Media Type:", 14, 82, 80),
    DropList(control::kAdvancedMediaTypeList, 100, 80, 100),
    Label(control::kAdvancedPaperTypeLabel, u"Paper Type:", 14, 98, 80),
    DropList(control::kAdvancedPaperTypeList, 100, 96, 100),
    Group(control::kAdvancedAdjustmentGroup, u"Position Adjustment", 7, 122, 238, 68),
    Label(control::kAdvancedTopLabel, u"Top:", 14, 138, 60),
    Edit(control::kAdvancedTopEdit, 80, 136, 50),
    Label(control::kAdvancedTopUnitLabel, u"mm", 134, 138, 24),
    Check(control::kAdvancedTopDefaultCheck, u"Default", 170, 137, 60),
    Label(control::kAdvancedTearOffLabel, u"Tear Off:", 14, 154, 60),
    Edit(control::kAdvancedTearOffEdit, 80, 152, 50),
    Label(control::kAdvancedTearOffUnitLabel, u"mm", 134, 154, 24),
    Check(control::kAdvancedTearOffDefaultCheck, u"Default", 170, 153, 60),
    Label(control::kAdvancedLeftLabel, u"Left:", 14, 170, 60),
    Edit(control::kAdvancedLeftEdit, 80, 168, 50),
    Label(control::kAdvancedLeftUnitLabel, u"mm", 134, 170, 24),
    Check(control::kAdvancedLeftDefaultCheck, u"Default", 170, 169, 60),
    Button(control::kAdvancedOtherButton, u"Other", 7, 198, 60),
    Button(control::kAdvancedCalibrateButton, u"Calibrate", 185, 198, 60),
};

}  // namespace

constexpr DialogTemplate kAdvancedOrca{116, u"Advance Setup", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
