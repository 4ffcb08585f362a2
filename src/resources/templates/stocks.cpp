// SPDX-License-Identifier: Apache-2.0
// The Stocks page of the printer sheet: the printer's custom paper forms.
#include "resources/templates/all_templates.h"
#include "resources/templates/controls.h"

namespace orca::resources::templates {
namespace {

constexpr ControlTemplate kControls[] = {
    Group(control::kStocksGroup, u"User Define Paper Size", 7, 4, 238, 206),
    List(control::kStocksFormList, 14, 16, 110, 164),
    Button(control::kStocksDeleteButton, u"Delete Paper Size", 14, 186, 110),
    Label(control::kStocksNameLabel, u"Form Name:", 132, 16, 106),
    Edit(control::kStocksNameEdit, 132, 26, 106),
    Button(control::kStocksSaveButton, u"Save Paper Size", 132, 186, 106),
    Label(control::kStocksWidthLabel, u"Width:", 132, 46, 34),
    Edit(control::kStocksWidthEdit, 168, 44, 60, ES_NUMBER),
    Spinner(control::kStocksWidthSpinner, 228, 44),
    Label(control::kStocksHeightLabel, u"Height:", 132, 72, 34),
    Edit(control::kStocksHeightEdit, 168, 70, 60, ES_NUMBER),
    Spinner(control::kStocksHeightSpinner, 228, 70),
    Label(control::kStocksWidthLimitsLabel, u"[ 410 - 760 (0.1mm) ]", 132, 58, 106),
    Label(control::kStocksHeightLimitsLabel, u"[ 254 - 32760 (0.1mm) ]", 132, 84, 106),
    Label(control::kStocksUnprintableLabel, u"Unprintable(unit: 0.1mm)", 132, 100, 106),
    Label(control::kStocksLeftLabel, u"Left:", 132, 114, 34),
    Edit(control::kStocksLeftEdit, 168, 112, 60, ES_NUMBER),
    Label(control::kStocksTopLabel, u"Top:", 132, 130, 34),
    Edit(control::kStocksTopEdit, 168, 128, 60, ES_NUMBER),
    Label(control::kStocksRightLabel, u"Right:", 132, 146, 34),
    Edit(control::kStocksRightEdit, 168, 144, 60, ES_NUMBER),
    Label(control::kStocksBottomLabel, u"Bottom:", 132, 162, 34),
    Edit(control::kStocksBottomEdit, 168, 160, 60, ES_NUMBER),
    Separator(control::kStocksSeparator, 132, 178, 106),
};

}  // namespace

constexpr DialogTemplate kStocks{118, u"Stocks", kPageWidth, kPageHeight, kControls};

}  // namespace orca::resources::templates
