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
#include "sheet_fixture.h"
#include "system_setup.h"

namespace orca::wintest {
namespace {

constexpr int kForms = 1082;
constexpr int kDelete = 1083;
constexpr int kSave = 1084;
constexpr int kName = 1088;
constexpr int kWidth = 1089;
constexpr int kHeight = 1026;
constexpr int kMargins[] = {1130, 1136, 1133, 1137};
constexpr int kAddress = 1011;
constexpr char16_t kNewForm[] = u"Custom Paper-Label 50";

std::vector<std::u16string> FormsListed(NativeWindow page) {
    for (const ControlState& control : Controls(page)) {
        if (control.id == kForms)
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
        ASSERT_TRUE(Sheet().TypeText(kName, u"Label 50"));
        ASSERT_TRUE(Sheet().TypeText(kWidth, u"500"));
        ASSERT_TRUE(Sheet().TypeText(kHeight, u"300"));
        for (int margin : kMargins)
            ASSERT_TRUE(Sheet().TypeText(margin, u"10")) << margin;
        ASSERT_TRUE(Press(Sheet().FrontPage(), kSave));
        EXPECT_TRUE(Sheet().Enabled()) << "no message box holds the sheet";
        if (Listed(Sheet().FrontPage(), kNewForm)) {
            ASSERT_TRUE(Sheet().ChooseItem(kForms, kNewForm));
            ASSERT_TRUE(Press(Sheet().FrontPage(), kDelete));
            EXPECT_FALSE(Listed(Sheet().FrontPage(), kNewForm));
        }

        ASSERT_TRUE(Sheet().SelectPage(1));
        const NativeWindow page = Sheet().FrontPage();
        const std::vector<int> line = PlaceInParent(Control(page, kAddress));
        PointAt(page, line[0] + 2, (line[1] + line[3]) / 2);
        EXPECT_EQ(FontOf(Control(page, kAddress)).at(1), 1);
        PointAt(page, line[2] - 2, (line[1] + line[3]) / 2);
        EXPECT_EQ(FontOf(Control(page, kAddress)).at(1), 0);

        // Apply and the sheet's end go through the pages without records too.
        EXPECT_TRUE(Sheet().Apply());
        ASSERT_TRUE(Sheet().SelectPage(0));
    }
}

}  // namespace
}  // namespace orca::wintest
