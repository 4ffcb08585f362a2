// SPDX-License-Identifier: Apache-2.0
// The "Other" dialogs of the Advanced pages, one per printer language.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kOrcaControls[] = {
    Group(control::kOtherGroup, u"Other Setting", 7, 4, 186, 118),
    Label(control::kOtherPauseLabel, u"Pause Mode:", 14, 18, 80),
    DropList(control::kOtherPauseList, 100, 16, 86),
    Label(control::kOtherIntervalLabel, u"Interval:", 14, 34, 80),
    Disabled(Edit(control::kOtherIntervalEdit, 100, 32, 50, ES_NUMBER)),
    Label(control::kOtherBackFeedLabel, u"Backfeed:", 14, 50, 80),
    DropList(control::kOtherBackFeedList, 100, 48, 86),
    Label(control::kOtherCompressionLabel, u"Graphics Compression:", 14, 66, 80),
    DropList(control::kOtherCompressionList, 100, 64, 86),
    Label(control::kOtherCancelBeforePrintLabel, u"Cancel before print:", 14, 82, 80),
    DropList(control::kOtherCancelBeforePrintList, 100, 80, 86),
    Label(control::kOtherLineSubstitutionLabel, u"Line Substitution:", 14, 98, 80),
    DropList(control::kOtherLineSubstitutionList, 100, 96, 86),
    DefaultButton(control::kOtherOkButton, u"OK", 143, 128),
};

constexpr ControlTemplate kOnyxControls[] = {
    Group(control::kOtherGroup, u"Other Setting", 7, 4, 186, 34),
    Label(control::kOtherErrorReplayLabel, u"Error Replay:", 14, 18, 80),
    DropList(control::kOtherErrorReplayList, 100, 16, 86),
    DefaultButton(control::kOtherOkButton, u"OK", 143, 44),
};

}  // namespace

constexpr DialogTemplate kOtherOrca{141, u"Other", 200, 148, kOrcaControls};
constexpr DialogTemplate kOtherOnyx{150, u"Other", 200, 64, kOnyxControls};

}  // namespace orca::resources::templates
