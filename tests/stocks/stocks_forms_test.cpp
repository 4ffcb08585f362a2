// SPDX-License-Identifier: Apache-2.0
// The Stocks page's forms: the default custom form, adding and changing a
// form by its name, deleting, and what the page does when the spooler
// refuses.
#include <gtest/gtest.h>

#include "resources/control_ids.h"
#include "resources/window_styles.h"
#include "stocks/stocks_fixture.h"

namespace orca::stockstest {
namespace {

constexpr char16_t kKestrel[] = u"Kestrel(ORCA)";

TEST_F(StocksTest, APrinterGetsItsDefaultFormFirstAndUndeletable) {
    struct Case {
        const char16_t* printer;
        const char16_t* model;
        const char16_t* form;
        const char16_t* widthLimits;
        const char16_t* spooled;
    };
    const Case cases[] = {
        {kKestrel, kKestrel, u"Custom Paper-Kestrel", u"[ 190 - 1038 (0.1mm) ]",
         u"Custom Paper-Kestrel 103800 x 110000 (0,0,103800,110000)"},
        {u"P-40(ONYX)", u"Kestrel(ONYX)", u"Custom Paper-40", u"[ 250 - 1040 (0.1mm) ]",
         u"Custom Paper-40 104000 x 110000 (0,0,104000,110000)"},
        // The name part is cut to what the name edit takes.
        {u"A-Dock Label Printer 3(ORCA)", u"Heron(ORCA)", u"Custom Paper-Dock Label Printer",
         u"[ 190 - 1038 (0.1mm) ]",
         u"Custom Paper-Dock Label Printer 103800 x 110000 (0,0,103800,110000)"},
    };
    // The form database is the system's: each printer adds its own form to it.
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.printer)));
        AddPrinter(c.printer, c.model);
        Open(c.printer);
        ASSERT_EQ(Forms().size(), i + 1);
        EXPECT_EQ(Forms().back(), c.spooled);
        ASSERT_EQ(Items().size(), i + 1);
        EXPECT_EQ(Items().front(), c.form);
        EXPECT_EQ(SelectedItem(), c.form);
        EXPECT_FALSE(Enabled(control::kStocksDeleteButton));
        EXPECT_EQ(Text(control::kStocksWidthLimitsLabel), c.widthLimits);
        EXPECT_EQ(Text(control::kStocksNameEdit), std::u16string(c.form).substr(13));
        EXPECT_EQ(Text(control::kStocksHeightEdit), u"1100");
    }
}

TEST_F(StocksTest, AnExistingDefaultFormOfAnyCaseMovesFirstAndIsNotAddedAgain) {
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"Custom Paper-Tag", 500, 300);
    AddForm(u"Pallet", 1000, 1200);
    AddForm(u"Custom Paper-KESTREL", 800, 600);
    Open(kKestrel);
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-KESTREL", u"Custom Paper-Tag"}));
    EXPECT_EQ(Forms().size(), 3u);
    EXPECT_EQ(Text(control::kStocksWidthEdit), u"800");
    EXPECT_FALSE(Enabled(control::kStocksDeleteButton));
    ASSERT_TRUE(Select(u"Custom Paper-Tag"));
    EXPECT_TRUE(Enabled(control::kStocksDeleteButton));
    EXPECT_EQ(Text(control::kStocksNameEdit), u"Tag");
    ASSERT_TRUE(Select(u"Custom Paper-KESTREL"));
    EXPECT_FALSE(Enabled(control::kStocksDeleteButton));
}

TEST_F(StocksTest, FormsOfThePrefixInAnyCaseAreListedAndChangedNotAddedAgain) {
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"custom paper-Tag", 500, 300);
    AddForm(u"Pallet", 1000, 1200);
    AddForm(u"CUSTOM PAPER-Bin", 700, 400);
    Open(kKestrel);
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-Kestrel", u"custom paper-Tag", u"CUSTOM PAPER-Bin"}));
    ASSERT_TRUE(Select(u"custom paper-Tag"));
    EXPECT_EQ(Text(control::kStocksNameEdit), u"Tag");
    EXPECT_EQ(Text(control::kStocksWidthEdit), u"500");

    // Saving the name changes the spooler's form of that name.
    ASSERT_TRUE(Save(u"Tag", {u"600", u"300", u"0", u"0", u"0", u"0"}));
    EXPECT_EQ(Forms().size(), 4u);
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-Kestrel", u"custom paper-Tag", u"CUSTOM PAPER-Bin"}));
    EXPECT_EQ(Text(control::kStocksWidthEdit), u"600");
    EXPECT_TRUE(Messages().empty());
}

TEST_F(StocksTest, SavingANewNameAddsAFormAndSavingItAgainChangesIt) {
    AddPrinter(kKestrel, kKestrel);
    Open(kKestrel);
    ASSERT_TRUE(Save(u"Label 50", {u"500", u"300", u"0", u"0", u"0", u"0"}));
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-Kestrel", u"Custom Paper-Label 50"}));
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Label 50");
    EXPECT_TRUE(Enabled(control::kStocksDeleteButton));
    EXPECT_EQ(Forms().back(), u"Custom Paper-Label 50 50000 x 30000 (0,0,50000,30000)");

    // Another spelling of the name changes the form, which keeps its own.
    ASSERT_TRUE(Save(u"LABEL 50", {u"600", u"400", u"10", u"20", u"30", u"40"}));
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-Kestrel", u"Custom Paper-Label 50"}));
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Label 50");
    EXPECT_EQ(Forms().size(), 2u);
    EXPECT_EQ(Forms().back(), u"Custom Paper-Label 50 60000 x 40000 (1000,2000,57000,36000)");
    EXPECT_EQ(Text(control::kStocksNameEdit), u"Label 50");
    // Every letter has its case, not only A-Z.
    ASSERT_TRUE(Save(u"GRÖSSE", {u"500", u"300", u"0", u"0", u"0", u"0"}));
    ASSERT_TRUE(Save(u"gröSSE", {u"600", u"300", u"0", u"0", u"0", u"0"}));
    EXPECT_EQ(Items(),
              (Texts{u"Custom Paper-Kestrel", u"Custom Paper-Label 50", u"Custom Paper-GRÖSSE"}));
    EXPECT_EQ(Forms().back(), u"Custom Paper-GRÖSSE 60000 x 30000 (0,0,60000,30000)");

    // The default form changes like any other and stays first.
    ASSERT_TRUE(Select(u"Custom Paper-Kestrel"));
    ASSERT_TRUE(Type(control::kStocksHeightEdit, u"2000"));
    ASSERT_TRUE(Click(control::kStocksSaveButton));
    EXPECT_EQ(Forms().front(), u"Custom Paper-Kestrel 103800 x 200000 (0,0,103800,200000)");
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Kestrel");
    EXPECT_FALSE(Enabled(control::kStocksDeleteButton));
    EXPECT_TRUE(Messages().empty());
}

TEST_F(StocksTest, ThePasteOfALineBreakIntoTheNameIsRefused) {
    AddPrinter(kKestrel, kKestrel);
    Open(kKestrel);
    ASSERT_TRUE(Save(u"Bin", {u"500", u"300", u"0", u"0", u"0", u"0"}));
    ASSERT_TRUE(Type(control::kStocksNameEdit, u"Bin"));
    ASSERT_TRUE(Driver().Paste(Page(), control::kStocksNameEdit, u"\r\n50\n"));
    EXPECT_EQ(Text(control::kStocksNameEdit), u"Bin50");
    ASSERT_TRUE(Click(control::kStocksSaveButton));
    EXPECT_EQ(Items(),
              (Texts{u"Custom Paper-Kestrel", u"Custom Paper-Bin", u"Custom Paper-Bin50"}));
}

TEST_F(StocksTest, ASizeBeyondTheModelsLimitsIsHeldToThemWhenTheFieldIsLeft) {
    struct Case {
        int edit;
        const char16_t* typed;
        const char16_t* held;
    };
    const Case cases[] = {
        {control::kStocksWidthEdit, u"2000", u"1038"},
        {control::kStocksWidthEdit, u"12", u"190"},
        {control::kStocksWidthEdit, u"700", u"700"},
        {control::kStocksHeightEdit, u"0", u"63"},
        {control::kStocksHeightEdit, u"99999", u"10100"},
        // No number at all: the last size it held.
        {control::kStocksHeightEdit, u"", u"10100"},
    };
    AddPrinter(kKestrel, kKestrel);
    Open(kKestrel);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.typed)));
        ASSERT_TRUE(Type(c.edit, c.typed));
        ASSERT_TRUE(Leave(c.edit));
        EXPECT_EQ(Text(c.edit), c.held);
    }
    // What the page shows is what it saves.
    ASSERT_TRUE(Save(u"Wide", {u"5000", u"20"}));
    EXPECT_EQ(Forms().back(), u"Custom Paper-Wide 103800 x 6300 (0,0,103800,6300)");
}

TEST_F(StocksTest, MarginsAlwaysLeaveOneTenthOfTheirDimensionPrintable) {
    struct Case {
        const char* what;
        int dimension;
        const char16_t* size;
        int other;
        const char16_t* otherMargin;
        int typedInto;
        const char16_t* typed;
        const char16_t* held;
    };
    const Case cases[] = {
        {"left against width", control::kStocksWidthEdit, u"500", control::kStocksRightEdit, u"250",
         control::kStocksLeftEdit, u"300", u"249"},
        {"right against width", control::kStocksWidthEdit, u"500", control::kStocksLeftEdit, u"100",
         control::kStocksRightEdit, u"450", u"399"},
        {"bottom against height", control::kStocksHeightEdit, u"300", control::kStocksTopEdit, u"0",
         control::kStocksBottomEdit, u"300", u"299"},
        {"fits", control::kStocksHeightEdit, u"300", control::kStocksTopEdit, u"100",
         control::kStocksBottomEdit, u"199", u"199"},
        {"never below zero", control::kStocksWidthEdit, u"500", control::kStocksRightEdit, u"600",
         control::kStocksLeftEdit, u"5", u"0"},
    };
    AddPrinter(kKestrel, kKestrel);
    Open(kKestrel);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (int margin : {control::kStocksLeftEdit, control::kStocksTopEdit,
                           control::kStocksRightEdit, control::kStocksBottomEdit}) {
            ASSERT_TRUE(Type(margin, u"0"));
        }
        // The other margin is typed while the paper is wider, as it may be
        // before its size is changed.
        ASSERT_TRUE(Type(c.dimension, u"1000"));
        ASSERT_TRUE(Type(c.other, c.otherMargin));
        ASSERT_TRUE(Type(c.dimension, c.size));
        ASSERT_TRUE(Type(c.typedInto, c.typed));
        EXPECT_EQ(Text(c.typedInto), c.held);
    }
}

TEST_F(StocksTest, DeleteRemovesTheSelectedFormAndSelectsTheOneBefore) {
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"Custom Paper-A", 500, 300);
    AddForm(u"Custom Paper-B", 600, 300);
    Open(kKestrel);
    ASSERT_TRUE(Select(u"Custom Paper-B"));
    ASSERT_TRUE(Click(control::kStocksDeleteButton));
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-Kestrel", u"Custom Paper-A"}));
    EXPECT_EQ(SelectedItem(), u"Custom Paper-A");
    EXPECT_EQ(Text(control::kStocksWidthEdit), u"500");
    ASSERT_TRUE(Click(control::kStocksDeleteButton));
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Kestrel");
    EXPECT_FALSE(Click(control::kStocksDeleteButton)) << "the default form cannot be deleted";
    EXPECT_EQ(Forms().size(), 1u);
    EXPECT_TRUE(Messages().empty());
}

TEST_F(StocksTest, RefusedChangesAreReportedAndLeaveTheListAndTheSpoolerAsTheyWere) {
    struct Typing {
        int edit;
        const char16_t* text;
    };
    struct Case {
        const char* what;
        std::vector<Typing> typed;
        const char16_t* message;
    };
    const Case cases[] = {
        // The width shrank under margins typed for a wider paper.
        {"margins wider than the paper",
         {{control::kStocksNameEdit, u"Narrow"},
          {control::kStocksWidthEdit, u"1000"},
          {control::kStocksLeftEdit, u"900"},
          {control::kStocksWidthEdit, u"500"}},
         u"Error: Add failed!"},
        {"no name after the prefix",
         {{control::kStocksNameEdit, u""}, {control::kStocksLeftEdit, u"0"}},
         u"Error: Add failed!"},
        {"a built-in form",
         {{control::kStocksNameEdit, u"builtin"}},
         u"Error: Failed to modify parameters!"},
    };
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"Custom Paper-Builtin", 400, 200, platform::kFormBuiltin);
    Open(kKestrel);
    const Texts items = Items();
    const Texts forms = Forms();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const size_t shown = Screen().Messages().size();
        for (const Typing& typing : c.typed) {
            ASSERT_TRUE(Type(typing.edit, typing.text));
        }
        ASSERT_TRUE(Click(control::kStocksSaveButton));
        ASSERT_EQ(Messages().size(), shown + 1);
        EXPECT_EQ(Messages().back(), c.message);
        EXPECT_EQ(Screen().Messages().back().type & resources::MB_ICONERROR,
                  resources::MB_ICONERROR);
        EXPECT_EQ(Items(), items);
        EXPECT_EQ(Forms(), forms);
    }
}

TEST_F(StocksTest, ARefusedDeletionIsReportedWhileTheFormStaysAndNotWhenItIsGone) {
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"Custom Paper-Builtin", 400, 200, platform::kFormBuiltin);
    AddForm(u"Custom Paper-Gone", 400, 200);
    const PrinterSheet& first = Open(kKestrel);

    ASSERT_TRUE(Select(u"Custom Paper-Builtin"));
    ASSERT_TRUE(Click(control::kStocksDeleteButton));
    EXPECT_EQ(Messages(), Texts{u"Error: Failed to modify parameters!"});
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Builtin");

    // Deleted meanwhile in another sheet: the list catches up silently.
    ASSERT_TRUE(Select(u"Custom Paper-Gone"));
    Open(kKestrel);
    ASSERT_TRUE(Select(u"Custom Paper-Gone"));
    ASSERT_TRUE(Click(control::kStocksDeleteButton));
    Use(first);
    ASSERT_TRUE(Click(control::kStocksDeleteButton));
    EXPECT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Items(), (Texts{u"Custom Paper-Kestrel", u"Custom Paper-Builtin"}));
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Builtin");
}

}  // namespace
}  // namespace orca::stockstest
