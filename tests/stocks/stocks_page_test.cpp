// SPDX-License-Identifier: Apache-2.0
// The Stocks page in its sheet: the entry being edited survives the page
// going to the back, forms changed elsewhere show when it comes back, and
// its texts follow the printer's stored language, also when a language is
// applied in a document sheet of the same printer.
#include <gtest/gtest.h>

#include "host/driver_host/host_sheets.h"
#include "resources/control_ids.h"
#include "stocks/stocks_fixture.h"

namespace orca::stockstest {
namespace {

constexpr char16_t kKestrel[] = u"Kestrel(ORCA)";
constexpr char16_t kHeron[] = u"Heron(ONYX)";

class StocksPageTest : public StocksTest {
protected:
    Texts Entry() {
        Texts texts;
        for (int edit :
             {control::kStocksNameEdit, control::kStocksWidthEdit, control::kStocksHeightEdit,
              control::kStocksLeftEdit, control::kStocksTopEdit, control::kStocksRightEdit,
              control::kStocksBottomEdit}) {
            texts.push_back(Text(edit));
        }
        return texts;
    }
    // The page goes behind the Version tab and comes to the front again.
    void Reshow() {
        ASSERT_TRUE(Driver().SelectTab(Sheet(), u"Version"));
        ASSERT_TRUE(Driver().SelectTab(Sheet(), u"Stocks"));
    }
};

TEST_F(StocksPageTest, TheEntryBeingEditedSurvivesThePageGoingToTheBack) {
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"Custom Paper-Tag", 500, 300);
    Open(kKestrel);

    // Not saved yet: its texts come back as they were, the first entry selected.
    ASSERT_TRUE(Type(control::kStocksNameEdit, u"Draft"));
    ASSERT_TRUE(Type(control::kStocksWidthEdit, u"400"));
    ASSERT_TRUE(Type(control::kStocksRightEdit, u""));
    AddForm(u"Custom Paper-Meanwhile", 700, 700);
    Reshow();
    EXPECT_EQ(Items(),
              (Texts{u"Custom Paper-Kestrel", u"Custom Paper-Tag", u"Custom Paper-Meanwhile"}));
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Kestrel");
    EXPECT_EQ(Entry(), (Texts{u"Draft", u"400", u"1100", u"0", u"0", u"", u"0"}));

    // Named like a form: that form is selected again with the edits as left.
    ASSERT_TRUE(Select(u"Custom Paper-Tag"));
    ASSERT_TRUE(Type(control::kStocksHeightEdit, u"350"));
    Reshow();
    EXPECT_EQ(SelectedItem(), u"Custom Paper-Tag");
    EXPECT_TRUE(Enabled(control::kStocksDeleteButton));
    EXPECT_EQ(Entry(), (Texts{u"Tag", u"500", u"350", u"0", u"0", u"0", u"0"}));
    ASSERT_TRUE(Click(control::kStocksSaveButton));
    EXPECT_EQ(Forms().front(), u"Custom Paper-Tag 50000 x 35000 (0,0,50000,35000)");
}

TEST_F(StocksPageTest, AnEntryShowsItsFormsMeasuresWhateverTheEntryShownBefore) {
    AddPrinter(kKestrel, kKestrel);
    AddForm(u"Custom Paper-Right", 1000, 300, platform::kFormUser, {0, 0, 900, 0});
    AddForm(u"Custom Paper-Left", 1000, 300, platform::kFormUser, {900, 250, 0, 40});
    Open(kKestrel);
    ASSERT_TRUE(Select(u"Custom Paper-Right"));
    EXPECT_EQ(Entry(), (Texts{u"Right", u"1000", u"300", u"0", u"0", u"900", u"0"}));
    ASSERT_TRUE(Select(u"Custom Paper-Left"));
    EXPECT_EQ(Entry(), (Texts{u"Left", u"1000", u"300", u"900", u"250", u"0", u"40"}));
}

TEST_F(StocksPageTest, TextsFollowThePrintersStoredLanguageInBothCommandLanguages) {
    struct Case {
        const char16_t* printer;
        uint8_t language;
        const char16_t* tab;
        const char16_t* group;
        const char16_t* failure;
    };
    const Case cases[] = {
        {kKestrel, kEnglish, u"Stocks", u"User Define Paper Size", u"Error: Add failed!"},
        {kHeron, kChinese, u"纸张", u"用户定义纸张尺寸", u"错误: 添加失败！"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.printer)));
        AddPrinter(c.printer, c.printer);
        Open(c.printer, c.language);
        EXPECT_EQ(driverhost::TabTitles(Screen(), Sheet())[driverhost::HostPrinterTabs().size()],
                  c.tab);
        EXPECT_EQ(Text(control::kStocksGroup), c.group);
        EXPECT_EQ(Text(control::kStocksWidthLimitsLabel).substr(0, 2), u"[ ")
            << "limits keep their numbers";
        ASSERT_TRUE(Type(control::kStocksNameEdit, u""));
        ASSERT_TRUE(Click(control::kStocksSaveButton));
        EXPECT_EQ(Messages().back(), c.failure);
    }
}

TEST_F(StocksPageTest, EnglishAppliedInADocumentSheetRetranslatesTheOpenStocksPage) {
    AddPrinter(kKestrel, kKestrel);
    PrinterSheet& printerSheet = Open(kKestrel, kChinese);
    ASSERT_EQ(Text(control::kStocksGroup), u"用户定义纸张尺寸");
    ASSERT_TRUE(Type(control::kStocksNameEdit, u"Draft"));
    const std::u16string limits = Text(control::kStocksWidthLimitsLabel);

    // The printer's stored language is English by the time it is applied.
    printerSheet.records->Private()[printerSheet.languageOffset] = kEnglish;
    PrinterSheet& document = OpenDocumentSheet(kKestrel, kChinese);
    ASSERT_TRUE(Driver().SelectTab(document.window, u"语言"));
    const platform::Window language = Screen().CurrentPage(document.window);
    ASSERT_TRUE(Driver().Select(language, control::kLanguageList, u"English"));
    ASSERT_TRUE(Driver().Apply(document.window));

    Use(printerSheet);
    EXPECT_EQ(Text(control::kStocksGroup), u"User Define Paper Size");
    EXPECT_EQ(Text(control::kStocksWidthLimitsLabel), limits);
    EXPECT_EQ(Text(control::kStocksNameEdit), u"Draft");
    const Texts tabs = driverhost::TabTitles(Screen(), Sheet());
    EXPECT_EQ(Texts(tabs.end() - 2, tabs.end()), (Texts{u"Stocks", u"Version"}));
}

}  // namespace
}  // namespace orca::stockstest
