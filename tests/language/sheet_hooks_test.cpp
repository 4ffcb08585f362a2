// SPDX-License-Identifier: Apache-2.0
// The Language, Dithering and Version pages as the host gets them through the
// sheet hooks, on sheets shaped as a real host's.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "hook_sheets.h"
#include "host/driver_host/host_sheets.h"
#include "resources/control_ids.h"
#include "resources/window_styles.h"
#include "settings/field_ids.h"

namespace orca::pages::testing {
namespace {

using platform::Window;
using Titles = std::vector<std::u16string>;
using driverhost::Joined;

constexpr uint32_t kDitheringField = 2009;  // btDithering

constexpr int kDitheringChanged = 8;  // the host item's changed flag

Titles LastTabs(platform::sim::Desktop& screen, Window sheet, size_t count) {
    const Titles all = driverhost::TabTitles(screen, sheet);
    return Titles(all.end() - static_cast<std::ptrdiff_t>(std::min(count, all.size())), all.end());
}

class SheetHooksTest : public HookSheetsTest {
protected:
    std::u16string Text(Window page, int controlId) {
        return Screen().Text(Screen().Child(page, controlId));
    }
    bool Visible(Window page, int controlId) {
        return Screen().IsVisible(Screen().Child(page, controlId));
    }
    bool Checked(Window page, int controlId) {
        return Screen().IsChecked(Screen().Child(page, controlId));
    }
    bool ApplyEnabled(const HostSheet& sheet) {
        return Screen().IsEnabled(Screen().Child(sheet.Window(), resources::kSheetApplyId));
    }
};

TEST_F(SheetHooksTest, EnglishAppliedRelabelsThisSheetAndThePrintersOpenPrinterSheetOnly) {
    auto printerSheet = OpenSheet(kOrcaPrinter, {.document = false});
    auto otherPrinter = OpenSheet(kOtherPrinter, {.document = false});
    const Window lookalike = Screen().CreateSheet(u"Label1x Properties", {u"General", u"版本"});
    const Window fullSet = Screen().CreateSheet(u"Label1 Properties", Titles(12, u"版本"));
    const Titles otherBefore = driverhost::TabTitles(Screen(), otherPrinter->Window());
    auto document = OpenSheet(kOrcaPrinter);
    EXPECT_EQ(LastTabs(Screen(), document->Window(), 2), (Titles{u"语言", u"版本"}));

    const Window language = ShowTab(*document, u"语言");
    EXPECT_EQ(Text(language, control::kLanguageLabel), u"对话框语言");
    ASSERT_TRUE(Driver().Select(language, control::kLanguageList, u"English"));
    EXPECT_EQ(document->PrivateByte(settings::field::kLanguage), 1);
    ASSERT_TRUE(Driver().Apply(document->Window()));

    EXPECT_EQ(Text(language, control::kLanguageLabel), u"Dialog box language");
    EXPECT_EQ(LastTabs(Screen(), document->Window(), 2), (Titles{u"Language", u"Version"}));
    EXPECT_EQ(LastTabs(Screen(), printerSheet->Window(), 1), Titles{u"Version"});
    EXPECT_EQ(driverhost::TabTitles(Screen(), otherPrinter->Window()), otherBefore);
    EXPECT_EQ(driverhost::TabTitles(Screen(), lookalike), (Titles{u"General", u"版本"}));
    EXPECT_EQ(driverhost::TabTitles(Screen(), fullSet), Titles(12, u"版本"));

    // The printer sheet's page follows its own printer's stored language.
    const Window printerVersion = Screen().CurrentPage(printerSheet->Window());
    EXPECT_EQ(Text(printerVersion, control::kVersionTitleLine), u"标签打印机驱动程序");
    printerSheet->SetPrivateByte(settings::field::kLanguage, 1);
    ASSERT_TRUE(Driver().Select(language, control::kLanguageList, u"Chinese"));
    ASSERT_TRUE(Driver().Select(language, control::kLanguageList, u"English"));
    ASSERT_TRUE(Driver().Apply(document->Window()));
    EXPECT_EQ(Text(printerVersion, control::kVersionTitleLine), u"Label Printer Driver");
}

// A plug-in tab's Chinese title and its English one.
const std::map<std::u16string, std::u16string> kEnglishTitles{
    {u"选项", u"Options"},
    {u"高级设置", u"Advance Setup"},
    {u"抖动", u"Dithering"},
    {u"条码字体", u"Barcode Fonts"},
    {u"命令字体", u"Command Fonts"},
    {u"自定义命令", u"Custom Command"},
    {u"工具", u"Tools"},
    {u"导入/导出", u"Import/Export"},
    {u"语言", u"Language"},
    {u"纸张", u"Stocks"},
    {u"版本", u"Version"},
};

// A sheet's titles once English is applied: the plug-in's tabs in English,
// the host's own as they were.
Titles InEnglish(Titles titles) {
    for (std::u16string& title : titles) {
        if (const auto found = kEnglishTitles.find(title); found != kEnglishTitles.end()) {
            title = found->second;
        }
    }
    return titles;
}

TEST_F(SheetHooksTest, PagesTheModelTurnsOffLeaveTheHostsTabsTheirTitles) {
    // Every page a switch can turn off is off but Language and Version.
    const std::vector<std::pair<uint32_t, uint8_t>> fewPages{
        {2055, 0}, {2057, 0}, {2058, 0}, {2059, 0}, {2060, 0}, {2061, 0}, {2062, 0}, {2065, 0}};
    auto printerSheet = OpenSheet(kOrcaPrinter, {.document = false, .pageSwitches = fewPages});
    auto document = OpenSheet(kOrcaPrinter, {.pageSwitches = fewPages});
    const Titles before = driverhost::TabTitles(Screen(), document->Window());
    for (std::u16string_view off : {u"选项", u"抖动", u"工具"}) {
        ASSERT_EQ(std::count(before.begin(), before.end(), off), 0);
    }
    ASSERT_EQ(driverhost::TabTitles(Screen(), printerSheet->Window()),
              Joined(driverhost::HostPrinterTabs(), {u"版本"}));

    const Window language = ShowTab(*document, u"语言");
    ASSERT_TRUE(Driver().Select(language, control::kLanguageList, u"English"));
    ASSERT_TRUE(Driver().Apply(document->Window()));

    EXPECT_EQ(driverhost::TabTitles(Screen(), document->Window()), InEnglish(before));
    EXPECT_EQ(driverhost::TabTitles(Screen(), printerSheet->Window()),
              Joined(driverhost::HostPrinterTabs(), {u"Version"}));
}

TEST_F(SheetHooksTest, PrintersSharingTheirFirst32CharactersKeepTheirOwnSheets) {
    auto ownPrinterSheet = OpenSheet(kLongPrinter, {.document = false});
    auto namesakeSheet = OpenSheet(kLongNamesake, {.document = false});
    auto document = OpenSheet(kLongPrinter);

    const Window language = ShowTab(*document, u"语言");
    ASSERT_TRUE(Driver().Select(language, control::kLanguageList, u"English"));
    ASSERT_TRUE(Driver().Apply(document->Window()));

    EXPECT_EQ(LastTabs(Screen(), document->Window(), 2), (Titles{u"Language", u"Version"}));
    EXPECT_EQ(LastTabs(Screen(), ownPrinterSheet->Window(), 1), Titles{u"Version"});
    EXPECT_EQ(LastTabs(Screen(), namesakeSheet->Window(), 1), Titles{u"版本"});
}

TEST_F(SheetHooksTest, DitheringStoresEveryClickAndMirrorsItIntoTheHostsItem) {
    auto sheet = OpenSheet(kOrcaPrinter);
    sheet->SetPrivateByte(kDitheringField, 255);
    const Window page = ShowTab(*sheet, u"抖动");
    EXPECT_TRUE(Checked(page, control::kDitheringNoneRadio));
    EXPECT_FALSE(Checked(page, control::kDitheringHalftoneRadio));
    EXPECT_TRUE(Visible(page, control::kDitheringNonePicture));
    EXPECT_FALSE(Visible(page, control::kDitheringHalftonePicture));

    plugin::OPTITEM& item = sheet->Items().Dithering();
    item.Sel = 1;
    for (int click = 1; click <= 2; ++click) {
        SCOPED_TRACE(click);
        ASSERT_TRUE(Driver().Click(page, control::kDitheringHalftoneRadio));
        EXPECT_EQ(sheet->PrivateByte(kDitheringField), 1);
        EXPECT_TRUE(ApplyEnabled(*sheet));
        ASSERT_TRUE(Driver().Apply(sheet->Window()));
        ASSERT_EQ(sheet->DriverUI().Calls().size(), static_cast<size_t>(click));
        const driverhost::UISettingCall& call = sheet->DriverUI().Calls().back();
        EXPECT_EQ(call.optionItem, &item);
        EXPECT_EQ(call.uiObject, driverhost::HostUIObject());
        EXPECT_EQ(call.previousSelection, 0u);
        EXPECT_EQ(call.mode, 1u);
    }
    EXPECT_EQ(item.Sel, 0);
    EXPECT_NE(item.Flags & kDitheringChanged, 0u);
    EXPECT_EQ(item.pOptType->Flags, 1);
    EXPECT_TRUE(Visible(page, control::kDitheringHalftonePicture));
    EXPECT_FALSE(Visible(page, control::kDitheringNonePicture));

    ASSERT_TRUE(Driver().Click(page, control::kDitheringNoneRadio));
    EXPECT_EQ(sheet->PrivateByte(kDitheringField), 0);
    EXPECT_EQ(item.Sel, 1);
}

TEST_F(SheetHooksTest, WithoutTheHostsItemTheDitheringChoiceIsStillStored) {
    auto sheet = OpenSheet(kOrcaPrinter, {.hostItems = false});
    const Window page = ShowTab(*sheet, u"抖动");
    ASSERT_TRUE(Driver().Click(page, control::kDitheringHalftoneRadio));
    EXPECT_EQ(sheet->PrivateByte(kDitheringField), 1);
    EXPECT_TRUE(Visible(page, control::kDitheringHalftonePicture));
    EXPECT_FALSE(Visible(page, control::kDitheringNonePicture));
    EXPECT_TRUE(sheet->DriverUI().Calls().empty());
}

// Which Version page a printer's sheets end with.
struct VersionCase {
    const char16_t* printer;
    bool document;
    bool neutral;
};

TEST_F(SheetHooksTest, SheetsEndWithTheVersionPageTheModelSelects) {
    const VersionCase cases[] = {
        {kOrcaPrinter, true, false},   {kOrcaPrinter, false, false},
        {kNeutralPrinter, true, true}, {kNeutralPrinter, false, true},
        {kUnknownPrinter, true, true}, {kUnknownPrinter, false, true},
    };
    // A Chinese system: the unknown model, whose settings hold no language,
    // speaks it too.
    UseSystemLanguage(0x0804);
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.printer)) +
                     (c.document ? " document sheet" : " printer sheet"));
        auto sheet = OpenSheet(c.printer, {.document = c.document, .language = 0});
        EXPECT_EQ(LastTabs(Screen(), sheet->Window(), 1), Titles{u"版本"});
        const Window page = Screen().CurrentPage(sheet->Window());
        EXPECT_EQ(Text(page, control::kVersionTitleLine), u"标签打印机驱动程序");
        EXPECT_EQ(Visible(page, control::kVersionAddressLine), !c.neutral);

        const platform::Rect line =
            Screen().WindowRect(Screen().Child(page, control::kVersionAddressLine));
        const platform::Point origin = Screen().ClientOrigin(page);
        const platform::Point onAddress{line.left - origin.x + 2, line.top - origin.y + 2};
        const size_t openedBefore = Screen().ShellOpened().size();
        ASSERT_TRUE(Driver().ReleaseLeftButton(page, onAddress));
        const std::vector<std::u16string> opened(
            Screen().ShellOpened().begin() + static_cast<std::ptrdiff_t>(openedBefore),
            Screen().ShellOpened().end());
        EXPECT_EQ(opened, c.neutral ? Titles{} : Titles{u"http://www.example.com"});
    }
}

TEST_F(SheetHooksTest,
       AnUnsupportedPrintersDocumentSheetHoldsOnlyItsNeutralPagesInTheSystemsLanguage) {
    struct Case {
        uint16_t systemLanguage;
        const char16_t* version;
        const char16_t* title;
    };
    for (const Case& c : {Case{0x0409, u"Version", u"Label Printer Driver"},
                          Case{0x0804, u"版本", u"标签打印机驱动程序"}}) {
        SCOPED_TRACE(c.systemLanguage);
        UseSystemLanguage(c.systemLanguage);
        auto sheet = OpenSheet(kUnknownPrinter, {.language = std::nullopt});
        const Titles tabs = driverhost::TabTitles(Screen(), sheet->Window());
        const Titles& host = driverhost::HostDocumentTabs();
        ASSERT_GE(tabs.size(), host.size());
        EXPECT_EQ(Titles(tabs.begin(), tabs.begin() + static_cast<std::ptrdiff_t>(host.size())),
                  host);
        EXPECT_EQ(tabs.back(), c.version);
        for (std::u16string_view absent : {u"语言", u"抖动", u"Language", u"Dithering"}) {
            EXPECT_EQ(std::count(tabs.begin(), tabs.end(), absent), 0);
        }
        const Window page = Screen().CurrentPage(sheet->Window());
        EXPECT_FALSE(Visible(page, control::kVersionAddressLine));
        EXPECT_EQ(Text(page, control::kVersionTitleLine), c.title);
    }
}

}  // namespace
}  // namespace orca::pages::testing
