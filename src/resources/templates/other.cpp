// SPDX-License-Identifier: Apache-2.0
// The "Other" dialogs of the Advanced pages, one per printer language.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kOrcaControls[] = {
    Group(1290, u"Other Setting", 7, 4, 186, 118),
    Label(1292, u"Pause Mode:", 14, 18, 80),
    DropList(1301, 100, 16, 86),
    Label(1293, u"Interval:", 14, 34, 80),
    Disabled(Edit(1306, 100, 32, 50, ES_NUMBER)),
    Label(1295, u"Backfeed:", 14, 50, 80),
    DropList(1302, 100, 48, 86),
    Label(1298, u"Graphics Compression:", 14, 66, 80),
    DropList(1303, 100, 64, 86),
    Label(1297, u"Cancel before print:", 14, 82, 80),
    DropList(1305, 100, 80, 86),
    Label(1299, u"Line Substitution:", 14, 98, 80),
    DropList(1304, 100, 96, 86),
    DefaultButton(1300, u"OK", 143, 128),
};

constexpr ControlTemplate kOnyxControls[] = {
    Group(1290, u"Other Setting", 7, 4, 186, 34),
    Label(1330, u"Error Replay:", 14, 18, 80),
    DropList(1329, 100, 16, 86),
    DefaultButton(1300, u"OK", 143, 44),
};

}  // namespace

constexpr DialogTemplate kOtherOrca{141, u"Other", 200, 148, kOrcaControls};
constexpr DialogTemplate kOtherOnyx{150, u"Other", 200, 64, kOnyxControls};

}  // namespace orca::resources::templates
