// SPDX-License-Identifier: Apache-2.0
// The printer sheet as a host shows it: the hooks get no document settings
// (no public record, no private block), and every control of its Stocks and
// Version pages still works, reading and writing only the printer's own
// settings and the spooler's forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "native_window.h"
#include "resources/control_ids.h"
#include "sheet_fixture.h"
#include "system_setup.h"

namespace orca::wintest {
namespace {

constexpr int kMargins[] = {control::kStocksLeftEdit, control::kStocksTopEdit,
                            control::kStocksRightEdit, control::kStocksBottomEdit};
constexpr char16_t kNewForm[] = u"Custom Paper-Label 50";

std::vector<std::u16string> FormsListed(NativeWindow page) {
    for (const ControlState& control : Controls(page)) {
        if (control.id == control::kStocksFormList)
            return control.items;
    }
    return {};
}

bool Listed(NativeWindow page, std::u16string_view form) {
    const std::vector<std::u16string> forms = FormsListed(page);
    return std::ranges::find(forms, form) != forms.end();
}

TEST_F(PropertySheetTest, APrinterSheetWithoutSettingsRecordsWorksEveryControl) {
    for (const char16_t* printer : {kOrcaPrinter, kOnyxPrinter}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(printer)));
        OpenSheet(printer, false, false);
        ASSERT_EQ(Sheet().PageCount(), 2);

        // Wine's spooler keeps no forms (its form calls succeed and store
        // nothing), so the list holds what the spooler lists: the page reads
        // it without a record and saves and deletes through the spooler.
        ASSERT_TRUE(Sheet().SelectPage(0));
        ASSERT_TRUE(Sheet().TypeText(control::kStocksNameEdit, u"Label 50"));
        ASSERT_TRUE(Sheet().TypeText(control::kStocksWidthEdit, u"500"));
        ASSERT_TRUE(Sheet().TypeText(control::kStocksHeightEdit, u"300"));
        for (int margin : kMargins)
            ASSERT_TRUE(Sheet().TypeText(margin, u"10")) << margin;
        ASSERT_TRUE(Press(Sheet().FrontPage(), control::kStocksSaveButton));
        EXPECT_TRUE(Sheet().Enabled()) << "no message box holds the sheet";
        if (Listed(Sheet().FrontPage(), kNewForm)) {
            ASSERT_TRUE(Sheet().ChooseItem(control::kStocksFormList, kNewForm));
            ASSERT_TRUE(Press(Sheet().FrontPage(), control::kStocksDeleteButton));
            EXPECT_FALSE(Listed(Sheet().FrontPage(), kNewForm));
        }

        ASSERT_TRUE(Sheet().SelectPage(1));
        const NativeWindow page = Sheet().FrontPage();
        const std::vector<int> line = PlaceInParent(Control(page, control::kVersionAddressLine));
        PointAt(page, line[0] + 2, (line[1] + line[3]) / 2);
        EXPECT_EQ(FontOf(Control(page, control::kVersionAddressLine)).at(1), 1);
        PointAt(page, line[2] - 2, (line[1] + line[3]) / 2);
        EXPECT_EQ(FontOf(Control(page, control::kVersionAddressLine)).at(1), 0);

        // Apply and the sheet's end go through the pages without records too.
        EXPECT_TRUE(Sheet().Apply());
        ASSERT_TRUE(Sheet().SelectPage(0));
    }
}

}  // namespace
}  // namespace orca::wintest
