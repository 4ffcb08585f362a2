// SPDX-License-Identifier: Apache-2.0
// The Stocks page of the printer sheet: the printer's custom paper forms.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(1095, u"User Define Paper Size", 7, 4, 238, 206),
    List(1082, 14, 16, 110, 164),
    Button(1083, u"Delete Paper Size", 14, 186, 110),
    Label(1085, u"Form Name:", 132, 16, 106),
    Edit(1088, 132, 26, 106),
    Button(1084, u"Save Paper Size", 132, 186, 106),
    Label(1086, u"Width:", 132, 46, 34),
    Edit(1089, 168, 44, 60, ES_NUMBER),
    Spinner(1090, 228, 44),
    Label(1087, u"Height:", 132, 72, 34),
    Edit(1026, 168, 70, 60, ES_NUMBER),
    Spinner(1091, 228, 70),
    Label(1092, u"[ 410 - 760 (0.1mm) ]", 132, 58, 106),
    Label(1093, u"[ 254 - 32760 (0.1mm) ]", 132, 84, 106),
    Label(1115, u"Unprintable(unit: 0.1mm)", 132, 100, 106),
    Label(1131, u"Left:", 132, 114, 34),
    Edit(1130, 168, 112, 60, ES_NUMBER),
    Label(1134, u"Top:", 132, 130, 34),
    Edit(1136, 168, 128, 60, ES_NUMBER),
    Label(1132, u"Right:", 132, 146, 34),
    Edit(1133, 168, 144, 60, ES_NUMBER),
    Label(1135, u"Bottom:", 132, 162, 34),
    Edit(1137, 168, 160, 60, ES_NUMBER),
    Separator(1118, 132, 178, 106),
};

}  // namespace

constexpr DialogTemplate kStocks{118, u"Stocks", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
