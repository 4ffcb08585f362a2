// SPDX-License-Identifier: Apache-2.0
// The Option page's stock: which paper is selected, its size in each unit,
// the list read again when the page comes to the front, and the stock made
// the printer's paper on apply.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option/option_fixture.h"
#include "resources/control_ids.h"

namespace orca::pages::testing {
namespace {

constexpr char16_t kModel[] = u"Kestrel(ORCA)";

class OptionStockTest : public OptionPageTest {
protected:
    // Three papers; the printer's stored paper is A4 (9).
    OptionSheet& SheetWithPapers() {
        OptionSheet& sheet = MakeSheet(kModel);
        sheet.papers = {Paper(u"Letter", 1, 2159, 2794), Paper(u"A4", 9, 2100, 2970),
                        Paper(u"Custom Paper-Box", 260, 1016, 1524)};
        sheet.papers[2].left = 20;
        sheet.papers[2].top = 35;
        sheet.papers[2].right = 16;
        sheet.papers[2].bottom = 254;
        sheet.storedPaperSize = 9;
        return sheet;
    }

    bool Apply() { return Driver().Apply(Screen().Parent(Page())); }
};

TEST_F(OptionStockTest, TheSelectionFollowsTheStoredPaperThenTheHostsFormName) {
    struct Case {
        int storedPaper;
        const char16_t* formName;
        const char16_t* selected;
    };
    const Case cases[] = {
        {9, u"Letter", u"A4"},       {-1, u"Custom Paper-Box", u"Custom Paper-Box"},
        {300, u"Letter", u"Letter"}, {300, u"Tabloid", u"(none)"},
        {300, u"", u"(none)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.selected)));
        OptionSheet& sheet = SheetWithPapers();
        sheet.storedPaperSize = c.storedPaper;
        sheet.hostFormName = c.formName;
        Open();
        EXPECT_EQ(ItemTexts(control::kOptionStockList),
                  (Texts{u"Letter", u"A4", u"Custom Paper-Box"}));
        EXPECT_EQ(SelectedText(control::kOptionStockList), c.selected);
    }
    EXPECT_EQ(Sizes(), Texts(6, u"0.00")) << "no stock selected";
}

TEST_F(OptionStockTest, SizesShowInTheChosenUnitWithInchesRoundedToHundredthsFirst) {
    struct Case {
        const char16_t* unit;
        Texts sizes;  // width, height, left, right, top, bottom
    };
    const Case cases[] = {
        {u"cm", {u"10.16", u"15.24", u"0.20", u"0.16", u"0.35", u"2.54"}},
        {u"mm", {u"101.60", u"152.40", u"2.00", u"1.60", u"3.50", u"25.40"}},
        {u"inch", {u"4.00", u"6.00", u"0.08", u"0.06", u"0.14", u"1.00"}},
    };
    SheetWithPapers().storedPaperSize = 260;
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.unit)));
        ASSERT_TRUE(Select(control::kOptionUnitsList, c.unit));
        EXPECT_EQ(Sizes(), c.sizes);
    }

    // 100.0 mm is 3.937 inch.
    OptionSheet& sheet = MakeSheet(kModel);
    sheet.papers = {Paper(u"100 mm", 261, 1000, 1000)};
    sheet.storedPaperSize = 261;
    sheet.Set<uint8_t>(kSpeedUnitField, 2);
    Open();
    EXPECT_EQ(Sizes()[0], u"3.94");
}

TEST_F(OptionStockTest, PickingAStockShowsItsSizeAndApplyMakesItThePrintersPaper) {
    SheetWithPapers().Set<uint8_t>(kSpeedUnitField, 1);
    Open();
    ASSERT_EQ(Sizes()[0], u"210.00");
    ASSERT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Select(control::kOptionStockList, u"Custom Paper-Box"));
    EXPECT_EQ(Sizes()[0], u"101.60");
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_TRUE(Sheet().applied.empty()) << "the stock waits for Apply";

    ASSERT_TRUE(Apply());
    ASSERT_EQ(Sheet().applied.size(), 1u);
    EXPECT_EQ(Sheet().applied[0], Sheet().papers[2]);
    EXPECT_FALSE(ApplyEnabled());

    // Applied once: the next Apply leaves the printer alone.
    ASSERT_TRUE(Select(control::kOptionUnitsList, u"cm"));
    ASSERT_TRUE(Apply());
    EXPECT_EQ(Sheet().applied.size(), 1u);
}

TEST_F(OptionStockTest, AStockThatChangedNothingIsOfferedAgainOnTheNextApply) {
    SheetWithPapers().applyAnswer = 0;
    Open();
    ASSERT_TRUE(Select(control::kOptionStockList, u"Letter"));
    ASSERT_TRUE(Apply());
    ASSERT_TRUE(Select(control::kOptionUnitsList, u"inch"));
    ASSERT_TRUE(Apply());
    ASSERT_EQ(Sheet().applied.size(), 2u);
    EXPECT_EQ(Sheet().applied[1].name, u"Letter");
}

TEST_F(OptionStockTest, TheListIsReadAgainWhenThePageComesBackAndKeepsAStockNotYetApplied) {
    SheetWithPapers();
    Open();
    ASSERT_TRUE(Select(control::kOptionStockList, u"Letter"));

    Sheet().papers.push_back(Paper(u"Custom Paper-Tag", 262, 500, 300));
    Reshow();
    EXPECT_EQ(ItemTexts(control::kOptionStockList),
              (Texts{u"Letter", u"A4", u"Custom Paper-Box", u"Custom Paper-Tag"}));
    EXPECT_EQ(SelectedText(control::kOptionStockList), u"Letter");
    ASSERT_TRUE(Apply());
    ASSERT_EQ(Sheet().applied.size(), 1u);
    EXPECT_EQ(Sheet().applied[0].name, u"Letter");

    // Once applied, the printer's paper decides again.
    Sheet().storedPaperSize = 9;
    Reshow();
    EXPECT_EQ(SelectedText(control::kOptionStockList), u"A4");
}

TEST_F(OptionStockTest, ApplyWithoutAStockWritesNothing) {
    OptionSheet& sheet = SheetWithPapers();
    sheet.storedPaperSize = 300;
    Open();
    ASSERT_TRUE(Select(control::kOptionStockList, u"A4"));
    Sheet().papers.clear();
    Reshow();
    EXPECT_TRUE(ItemTexts(control::kOptionStockList).empty());
    EXPECT_EQ(Sizes(), Texts(6, u"0.00"));
    ASSERT_TRUE(Apply());
    EXPECT_TRUE(Sheet().applied.empty());
}

}  // namespace
}  // namespace orca::pages::testing
