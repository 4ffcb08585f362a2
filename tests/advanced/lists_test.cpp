// SPDX-License-Identifier: Apache-2.0
// The Advanced page's lists: what each language and model offers, the texts
// of both UI languages, and the value each choice stores.
#include "advanced/advanced_fixture.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::advanced::testing {
namespace {

struct ListCase {
    const char16_t* printer;
    uint8_t language;
    int control;
    Texts items;
};

TEST_F(AdvancedPageTest, ListsOfferWhatTheModelAllowsInTheSheetsLanguage) {
    const ListCase cases[] = {
        // The model's operation mask: ORCA 23 (no applicator, delayed cutter,
        // RFID or kiosk), ONYX all six; only ORCA has "Default".
        {kOrca,
         kEnglish,
         control::kAdvancedOperationList,
         {u"Default", u"Tear Off", u"Peel Off", u"Rewind", u"Cutter"}},
        {kOnyx,
         kEnglish,
         control::kAdvancedOperationList,
         {u"Cutter", u"Tear Off", u"Peel Off", u"Rewind", u"Tear Off(unconfirmed)",
          u"Peel Off(unconfirmed)"}},
        {kOrca,
         kChinese,
         control::kAdvancedOperationList,
         {u"默认", u"撕纸", u"剥离", u"回卷", u"切刀"}},
        {kOnyx,
         kChinese,
         control::kAdvancedOperationList,
         {u"切刀", u"撕纸", u"剥离", u"回卷", u"撕纸(不确认)", u"剥离(不确认)"}},
        {kOrca, kEnglish, control::kAdvancedMirrorList, {u"Default", u"Disable", u"Enable"}},
        {kOnyx, kChinese, control::kAdvancedMirrorList, {u"默认", u"禁用", u"启用"}},
        {kOnyx, kEnglish, control::kAdvancedReverseList, {u"Default", u"Disable", u"Enable"}},
        {kOrca,
         kEnglish,
         control::kAdvancedMediaTypeList,
         {u"Default", u"Thermal Transfer", u"Thermal Direct"}},
        {kOnyx,
         kEnglish,
         control::kAdvancedPaperTypeList,
         {u"Default", u"Continuous", u"Mark Sensing", u"Web Sensing"}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "control " << c.control << ", language " << int(c.language) << ", "
                     << ::testing::PrintToString(std::u16string(c.printer)));
        Open(c.printer,
             [&](const Settings& s) { s.Set<uint8_t>(settings::field::kLanguage, c.language); });
        EXPECT_EQ(Items(c.control), c.items);
    }
}

TEST_F(AdvancedPageTest, LabelsAndButtonsTakeTheLanguageFilesTexts) {
    Open(kOrca, [](const Settings& s) { s.Set<uint8_t>(settings::field::kLanguage, kChinese); });
    EXPECT_EQ(Text(control::kAdvancedOperationLabel), u"出纸方式:");
    EXPECT_EQ(Text(control::kAdvancedGroupQuantityLabel), u"切纸张数:");
    EXPECT_EQ(Text(control::kAdvancedTopUnitLabel), u"毫米");
    // The edits keep what the page put there.
    EXPECT_EQ(Text(control::kAdvancedTopEdit), u"0.00");

    Open(kOnyx);
    EXPECT_EQ(Text(control::kAdvancedPaperUnitLabel), u"OutPaper unit:");
    EXPECT_EQ(Text(control::kAdvancedOutPaperLabel), u"OutPaper:");
    EXPECT_EQ(Text(control::kAdvancedOtherButton), u"Other");
    EXPECT_EQ(Text(control::kAdvancedCalibrateButton), u"Calibrate");
    EXPECT_EQ(Text(control::kAdvancedOutPaperUnitLabel), u"mm");
}

TEST_F(AdvancedPageTest, AChoiceStoresItsValueAtOnceAndEnablesApplyOnlyWhenItDiffers) {
    const ChoiceCase cases[] = {
        {kOrca, control::kAdvancedOperationList, u"Default", kOperationMode, 255},
        {kOrca, control::kAdvancedOperationList, u"Cutter", kOperationMode, 4},
        {kOnyx, control::kAdvancedOperationList, u"Cutter", kOperationMode, 0},
        {kOnyx, control::kAdvancedOperationList, u"Peel Off(unconfirmed)", kOperationMode, 5},
        {kOrca, control::kAdvancedMirrorList, u"Enable", 2005, 1},
        {kOnyx, control::kAdvancedReverseList, u"Default", 2006, 255},
        {kOrca, control::kAdvancedMediaTypeList, u"Thermal Direct", 2007, 1},
        {kOnyx, control::kAdvancedPaperTypeList, u"Mark Sensing", 2008, 1},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.item)));
        Open(c.printer);
        const std::u16string shown = Selected(c.control);
        ASSERT_TRUE(Select(c.control, shown));
        EXPECT_FALSE(ApplyEnabled()) << "the shown value chosen again is no change";

        ASSERT_TRUE(Select(c.control, c.item));
        EXPECT_EQ(Fields().Get<uint8_t>(c.field), c.stored);
        EXPECT_TRUE(ApplyEnabled());
        Reshow();
        EXPECT_EQ(Selected(c.control), c.item);
    }
}

TEST_F(AdvancedPageTest, AStoredValueTheModelDoesNotOfferShowsTheFirstItemAndStaysStored) {
    // Applicator (3) is outside the ORCA model's operation mask.
    Open(kOrca, [](const Settings& s) { s.Set<uint8_t>(kOperationMode, 3); });
    EXPECT_EQ(Selected(control::kAdvancedOperationList), u"Default");
    EXPECT_EQ(Fields().Get<uint8_t>(kOperationMode), 3);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(AdvancedPageTest, AnUnsupportedPrinterGetsTheOnyxPageThatStoresNothing) {
    Open(kUnsupported);
    EXPECT_EQ(Items(control::kAdvancedOperationList), Texts{}) << "no model, no operation modes";
    EXPECT_EQ(Items(control::kAdvancedMirrorList).size(), 3u);
    EXPECT_TRUE(Visible(control::kAdvancedPaperUnitEdit));
    EXPECT_EQ(Text(control::kAdvancedTopEdit), u"N/A");

    ASSERT_TRUE(Driver().Select(Page(), control::kAdvancedMirrorList, 2));
    ASSERT_TRUE(Click(control::kAdvancedTopDefaultCheck));
    ASSERT_TRUE(Type(control::kAdvancedTopEdit, u"5"));
    ASSERT_TRUE(Type(control::kAdvancedPaperUnitEdit, u"12"));
    EXPECT_FALSE(ApplyEnabled()) << "the printer keeps no settings to change";
}

}  // namespace
}  // namespace orca::advanced::testing
