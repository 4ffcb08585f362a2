// SPDX-License-Identifier: Apache-2.0
// The Other dialogs, opened modally from the Advanced pages: their lists,
// texts and hidden pair, every choice stored at once and told to the sheet.
#include "advanced/advanced_fixture.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::advanced::testing {
namespace {

constexpr uint32_t kPauseField = 2010;
constexpr uint32_t kIntervalField = 34006;

TEST_F(AdvancedPageTest, TheOrcaOtherDialogShowsItsListsAndHidesLineSubstitution) {
    Open(kOrca, [](const Settings& s) { s.Set<uint8_t>(kPauseField, 1); });
    EXPECT_TRUE(InOtherDialog([&](Window dialog) {
        EXPECT_EQ(Screen().Text(dialog), u"Other");
        EXPECT_EQ(Items(control::kOtherPauseList, dialog),
                  (Texts{u"Default", u"None", u"After Job", u"After Label", u"After Interval"}));
        EXPECT_EQ(Selected(control::kOtherPauseList, dialog), u"After Job");
        EXPECT_EQ(
            Items(control::kOtherBackFeedList, dialog),
            (Texts{u"Default", u"None", u"Before Printing", u"Default Back", u"After Printing"}));
        EXPECT_EQ(Items(control::kOtherCancelBeforePrintList, dialog),
                  (Texts{u"Disable", u"Enable"}));
        EXPECT_EQ(Text(control::kOtherCancelBeforePrintLabel, dialog), u"Cancel before print:");
        EXPECT_FALSE(Visible(control::kOtherLineSubstitutionList, dialog));
        EXPECT_FALSE(Visible(control::kOtherLineSubstitutionLabel, dialog));
        EXPECT_FALSE(Enabled(control::kOtherIntervalEdit, dialog)) << "no pause after an interval";
        EXPECT_TRUE(Driver().Click(dialog, control::kOtherOkButton));
    }));
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(AdvancedPageTest, OtherDialogChoicesAreStoredAtOnceAndEnableApply) {
    const ChoiceCase cases[] = {
        {kOrca, control::kOtherPauseList, u"Default", kPauseField, 255},
        {kOrca, control::kOtherBackFeedList, u"After Printing", 2011, 3},
        {kOrca, control::kOtherCompressionList, u"Enable", 2012, 1},
        {kOrca, control::kOtherCancelBeforePrintList, u"Enable", 2074, 1},
        {kOnyx, control::kOtherErrorReplayList, u"Disable", 2078, 0},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.item)));
        Open(c.printer);
        // Closed without OK: the choice is stored all the same.
        EXPECT_TRUE(InOtherDialog(
            [&](Window dialog) { EXPECT_TRUE(Driver().Select(dialog, c.control, c.item)); }));
        EXPECT_EQ(Fields().Get<uint8_t>(c.field), c.stored);
        EXPECT_TRUE(ApplyEnabled());
        EXPECT_TRUE(
            InOtherDialog([&](Window dialog) { EXPECT_EQ(Selected(c.control, dialog), c.item); }));
    }
}

TEST_F(AdvancedPageTest, TheIntervalCountsWhileThePrinterPausesAfterAnInterval) {
    Open(kOrca, [](const Settings& s) { s.Set<uint32_t>(kIntervalField, 17); });
    EXPECT_TRUE(InOtherDialog([&](Window dialog) {
        EXPECT_EQ(Text(control::kOtherIntervalEdit, dialog), u"17");
        ASSERT_TRUE(Driver().Select(dialog, control::kOtherPauseList, u"After Interval"));
        EXPECT_TRUE(Enabled(control::kOtherIntervalEdit, dialog));
        ASSERT_TRUE(Driver().Retype(dialog, control::kOtherIntervalEdit, u"1234567"));
        EXPECT_EQ(Text(control::kOtherIntervalEdit, dialog), u"123456");
        EXPECT_EQ(Fields().Get<uint32_t>(kIntervalField), 123456u);
        ASSERT_TRUE(Driver().Retype(dialog, control::kOtherIntervalEdit, u"\b"));
        ASSERT_TRUE(Driver().Leave(dialog, control::kOtherIntervalEdit));
        EXPECT_EQ(Text(control::kOtherIntervalEdit, dialog), u"0");
        EXPECT_EQ(Fields().Get<uint32_t>(kIntervalField), 0u);
        ASSERT_TRUE(Driver().Select(dialog, control::kOtherPauseList, u"After Label"));
        EXPECT_FALSE(Enabled(control::kOtherIntervalEdit, dialog));
        EXPECT_TRUE(Driver().Click(dialog, control::kOtherOkButton));
    }));
    EXPECT_EQ(Fields().Get<uint8_t>(kPauseField), 2);
}

TEST_F(AdvancedPageTest, OtherDialogsTakeTheSheetsLanguage) {
    struct Case {
        const char16_t* printer;
        int control;
        Texts items;
    };
    const Case cases[] = {
        {kOrca,
         control::kOtherPauseList,
         {u"默认", u"无", u"每个作业后", u"每张标签后", u"按间隔"}},
        {kOnyx, control::kOtherErrorReplayList, {u"禁用", u"启用"}},
    };
    for (const Case& c : cases) {
        Open(c.printer,
             [](const Settings& s) { s.Set<uint8_t>(settings::field::kLanguage, kChinese); });
        EXPECT_TRUE(InOtherDialog([&](Window dialog) {
            EXPECT_EQ(Screen().Text(dialog), u"其他");
            EXPECT_EQ(Text(control::kOtherGroup, dialog), u"其他设置");
            EXPECT_EQ(Text(control::kOtherOkButton, dialog), u"确定");
            EXPECT_EQ(Items(c.control, dialog), c.items);
        }));
    }
}

}  // namespace
}  // namespace orca::advanced::testing
