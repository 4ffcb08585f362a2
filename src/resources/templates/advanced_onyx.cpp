// SPDX-License-Identifier: Apache-2.0
// The Advanced page of ONYX printers: operation mode, media, the out-paper
// unit and the two position adjustments.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kAdvancedPrinterGroup, u"Printer Settings", 7, 4, 238, 114),
    Label(control::kAdvancedOperationLabel, u"Operation Mode:", 14, 18, 80),
    DropList(control::kAdvancedOperationList, 100, 16, 100),
    Label(control::kAdvancedMirrorLabel, u"Mirror:", 14, 34, 80),
    DropList(control::kAdvancedMirrorList, 100, 32, 100),
    Label(control::kAdvancedReverseLabel, u"Reverse:", 14, 50, 80),
    DropList(control::kAdvancedReverseList, 100, 48, 100),
    Label(control::kAdvancedMediaTypeLabel, u"Media Type:", 14, 66, 80),
    DropList(control::kAdvancedMediaTypeList, 100, 64, 100),
    Label(control::kAdvancedPaperTypeLabel, u"Paper Type:", 14, 82, 80),
    DropList(control::kAdvancedPaperTypeList, 100, 80, 100),
    Label(control::kAdvancedPaperUnitLabel, u"OutPaper unit:", 14, 98, 80),
    Edit(control::kAdvancedPaperUnitEdit, 100, 96, 40, ES_NUMBER),
    Hidden(Spinner(control::kAdvancedPaperUnitSpinner, 140, 96)),
    Group(control::kAdvancedAdjustmentGroup, u"Position Adjustment", 7, 122, 238, 52),
    Label(control::kAdvancedTopLabel, u"Top:", 14, 138, 60),
    Edit(control::kAdvancedTopEdit, 80, 136, 50),
    Label(control::kAdvancedTopUnitLabel, u"mm", 134, 138, 24),
    Check(control::kAdvancedTopDefaultCheck, u"Default", 170, 137, 60),
    Label(control::kAdvancedOutPaperLabel, u"OutPaper:", 14, 154, 60),
    Edit(control::kAdvancedOutPaperEdit, 80, 152, 50),
    Label(control::kAdvancedOutPaperUnitLabel, u"mm", 134, 154, 24),
    Check(control::kAdvancedOutPaperDefaultCheck, u"Default", 170, 153, 60),
    Button(control::kAdvancedOtherButton, u"Other", 7, 198, 60),
    Button(control::kAdvancedCalibrateButton, u"Calibrate", 185, 198, 60),
};

}  // namespace

constexpr DialogTemplate kAdvancedOnyx{149, u"Advance Setup", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
