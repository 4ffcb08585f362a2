// SPDX-License-Identifier: Apache-2.0
// The Language page: a choice is stored at once; Apply makes it the sheet's
// language, re-translates the page in front and re-labels the tabs of the
// plug-in's pages in this sheet and in the printer sheets of the same printer.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "host/driver_host/host_sheets.h"
#include "pages/language/language_page.h"
#include "pages/printer_sheet_pages.h"
#include "pages/version/version_page.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "support/language_fixture.h"

namespace orca::pages::testing {
namespace {

using platform::Window;
using Titles = std::vector<std::u16string>;
using driverhost::Joined;

// The plug-in's document pages ahead of Dithering and between it and Language.
constexpr std::array kFirstPages{resources::kPageOption, resources::kPageAdvancedOrca};
constexpr std::array kMiddlePages{resources::kPageBarcodeFonts, resources::kPageCommandFonts,
                                  resources::kPageCustomCommand, resources::kPageTools,
                                  resources::kPageImport};

const Titles kEnglishPluginTabs{u"Options",       u"Advance Setup",  u"Dithering", u"Barcode Fonts",
                                u"Command Fonts", u"Custom Command", u"Tools",     u"Import/Export",
                                u"Language",      u"Version"};

class LanguagePageTest : public LanguageTest {
protected:
    // The document sheet of the printer: the host's tabs, then the plug-in's
    // ten pages in the order the plug-in adds them, opened on the Language
    // page in the stored language, which the plug-in object reads as the
    // sheet's language.
    void OpenDocumentSheet(const Titles& hostTabs = driverhost::HostDocumentTabs(),
                           uint8_t stored = kLanguageChinese) {
        document_.byteFields[settings::field::kLanguage] = stored;
        document_.language = stored;
        document_.byteFields[kDitheringField] = 0;
        std::vector<CPluginPage*> pages;
        auto standIn = [&](const resources::PageResource& resource) {
            standIns_.push_back(std::make_unique<StandInPage>(document_, resource));
            pages.push_back(standIns_.back().get());
        };
        for (const auto& resource : kFirstPages) {
            standIn(resource);
        }
        dithering_ = std::make_unique<CDocPage_Dithering>(document_, host_);
        pages.push_back(dithering_.get());
        for (const auto& resource : kMiddlePages) {
            standIn(resource);
        }
        language_ = std::make_unique<CDocPage_Language>(document_);
        version_ = std::make_unique<CProperty_Version>(document_);
        pages.push_back(language_.get());
        pages.push_back(version_.get());

        hostTabs_ = static_cast<int>(hostTabs.size());
        sheet_ =
            Screen().CreateSheet(std::u16string(kPrinter) + u" Printing Preferences", hostTabs);
        AddPages(sheet_, pages);
        ASSERT_TRUE(Screen().OpenSheet(sheet_, LanguageTab()));
    }

    int LanguageTab() const { return hostTabs_ + 8; }
    int DitheringTab() const { return hostTabs_ + 2; }
    Window LanguagePage() { return Screen().PageWindow(sheet_, LanguageTab()); }

    void ChooseEnglishAndApply() {
        ASSERT_TRUE(Driver().SelectTab(sheet_, LanguageTab()));
        ASSERT_TRUE(Driver().Select(LanguagePage(), control::kLanguageList, u"English"));
        ASSERT_TRUE(Driver().Apply(sheet_));
    }

    SheetContext document_;
    RecordingDitheringOption host_;
    std::vector<std::unique_ptr<StandInPage>> standIns_;
    std::unique_ptr<CDocPage_Dithering> dithering_;
    std::unique_ptr<CDocPage_Language> language_;
    std::unique_ptr<CProperty_Version> version_;
    int hostTabs_ = 0;
    Window sheet_ = nullptr;
};

TEST_F(LanguagePageTest, TheChoiceIsStoredAtOnceAndNothingIsRelabelledBeforeApply) {
    OpenDocumentSheet();
    const Window page = LanguagePage();
    EXPECT_EQ(Text(page, control::kLanguageLabel), u"对话框语言");
    EXPECT_EQ(Screen().ItemText(Screen().Child(page, control::kLanguageList), 0), u"中文");
    const Titles before = driverhost::TabTitles(Screen(), sheet_);

    // The stored language again: nothing to store, nothing to apply.
    ASSERT_TRUE(Driver().Select(page, control::kLanguageList, 0));
    EXPECT_TRUE(document_.writes.empty());
    EXPECT_FALSE(ApplyEnabled(sheet_));

    ASSERT_TRUE(Driver().Select(page, control::kLanguageList, 1));
    EXPECT_EQ(document_.writes,
              (std::vector<std::pair<uint32_t, uint8_t>>{{settings::field::kLanguage, 1}}));
    EXPECT_TRUE(ApplyEnabled(sheet_));
    EXPECT_EQ(driverhost::TabTitles(Screen(), sheet_), before);
    EXPECT_EQ(Text(page, control::kLanguageLabel), u"对话框语言");
    EXPECT_EQ(document_.language, kLanguageChinese);

    // The choice is still shown when the person comes back to the page.
    ASSERT_TRUE(Driver().SelectTab(sheet_, DitheringTab()));
    ASSERT_TRUE(Driver().SelectTab(sheet_, LanguageTab()));
    EXPECT_EQ(Screen().Selection(Screen().Child(page, control::kLanguageList)), 1);
}

TEST_F(LanguagePageTest, ThePageShowsTheLanguageInUseAndOkWithoutAChoiceKeepsIt) {
    // A code other than Chinese's shows the pages in English.
    struct Case {
        uint8_t stored;
        std::u16string label;
        std::u16string selected;
        std::u16string versionTab;
    };
    const Case cases[] = {
        {0, u"对话框语言", u"中文", u"版本"},
        {1, u"Dialog box language", u"English", u"Version"},
        {7, u"Dialog box language", u"English", u"Version"},
        {255, u"Dialog box language", u"English", u"Version"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.stored));
        document_.writes.clear();
        OpenDocumentSheet(driverhost::HostDocumentTabs(), c.stored);
        const Window page = LanguagePage();
        EXPECT_EQ(Text(page, control::kLanguageLabel), c.label);
        EXPECT_EQ(Text(page, control::kLanguageList), c.selected);

        EXPECT_EQ(driverhost::TabTitles(Screen(), sheet_).back(), c.versionTab);

        // OK applies every page, this one with no choice made.
        ASSERT_TRUE(Driver().PressOk(sheet_));
        EXPECT_TRUE(document_.writes.empty());
        EXPECT_EQ(document_.byteFields[settings::field::kLanguage], c.stored);
        EXPECT_EQ(document_.language, c.stored) << "the sheet's language is not switched";
        standIns_.clear();
    }
}

TEST_F(LanguagePageTest, ApplyRelabelsThePageInFrontAndThePluginsTenTabs) {
    OpenDocumentSheet();
    ASSERT_TRUE(Driver().Select(LanguagePage(), control::kLanguageList, u"English"));
    // The person looks at another page before pressing Apply.
    ASSERT_TRUE(Driver().SelectTab(sheet_, DitheringTab()));
    const Window dithering = Screen().CurrentPage(sheet_);
    EXPECT_EQ(Text(dithering, control::kDitheringHalftoneRadio), u"半色调");

    ASSERT_TRUE(Driver().Apply(sheet_));
    EXPECT_EQ(Text(dithering, control::kDitheringHalftoneRadio), u"Halftone");
    EXPECT_EQ(driverhost::TabTitles(Screen(), sheet_),
              Joined(driverhost::HostDocumentTabs(), kEnglishPluginTabs));
    EXPECT_EQ(document_.language, kLanguageEnglish);

    // Every page of the sheet follows from its next showing on.
    ASSERT_TRUE(Driver().SelectTab(sheet_, LanguageTab() + 1));
    EXPECT_EQ(Text(Screen().CurrentPage(sheet_), control::kVersionTitleLine),
              u"Label Printer Driver");
    ASSERT_TRUE(Driver().SelectTab(sheet_, LanguageTab()));
    EXPECT_EQ(Text(LanguagePage(), control::kLanguageLabel), u"Dialog box language");
}

TEST_F(LanguagePageTest, TheHostsTabsKeepTheirTitlesWhateverTheHostPutsBefore) {
    // A host with a third tab of its own; the sheet, whose caption names the
    // printer, is not taken for a printer sheet either.
    const Titles hostTabs{u"Layout", u"Paper/Quality", u"Finishing"};
    OpenDocumentSheet(hostTabs);
    ChooseEnglishAndApply();
    EXPECT_EQ(driverhost::TabTitles(Screen(), sheet_), Joined(hostTabs, kEnglishPluginTabs));
}

// A top-level window holding a printer's Version page, and whether its tab
// is re-labelled.
struct WindowCase {
    const char* what;
    std::u16string caption;
    std::u16string pagePrinter;
    int hostTabs;
    bool inCurrentProcess;
    bool relabelled;
};

TEST_F(LanguagePageTest, PrinterSheetsOfThePrinterInThisProcessGetTheirPagesTabs) {
    const WindowCase cases[] = {
        {"printer sheet", u"Label1 Properties", kPrinter, 7, true, true},
        {"caption of the name alone", u"Label1", kPrinter, 7, true, true},
        {"name at the end", u"Properties of Label1", kPrinter, 7, true, true},
        {"twelve tabs", u"Label1 Properties", kPrinter, 11, true, true},
        {"name followed directly by another character", u"Label1x Properties", kPrinter, 7, true,
         false},
        {"name followed by more text", u"Properties of Label1 copy", kPrinter, 7, true, false},
        {"another printer", u"Label2 Properties", u"Label2", 7, true, false},
        {"another printer's page", u"Label1 Properties", u"Label2", 7, true, false},
        {"another process", u"Label1 Properties", kPrinter, 7, false, false},
    };
    std::vector<std::unique_ptr<SheetContext>> contexts;
    std::vector<std::unique_ptr<CProperty_Version>> pages;
    std::vector<Window> windows;
    for (const WindowCase& c : cases) {
        contexts.push_back(std::make_unique<SheetContext>());
        contexts.back()->printerName = c.pagePrinter;
        pages.push_back(std::make_unique<CProperty_Version>(*contexts.back()));
        pages.back()->SetInDocumentSheet(false);
        windows.push_back(
            Screen().CreateSheet(c.caption, Titles(c.hostTabs, u"Host"), c.inCurrentProcess));
        AddPages(windows.back(), {pages.back().get()});
        Screen().OpenSheet(windows.back());
    }
    OpenDocumentSheet();
    ChooseEnglishAndApply();
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].what);
        const Titles expected = Joined(Titles(cases[i].hostTabs, u"Host"),
                                       {cases[i].relabelled ? u"Version" : u"版本"});
        EXPECT_EQ(driverhost::TabTitles(Screen(), windows[i]), expected);
    }
}

TEST_F(LanguagePageTest, AnOpenPrinterSheetVersionPageRetranslatesAtOnce) {
    SheetContext printer;
    printer.byteFields[settings::field::kLanguage] = kLanguageChinese;
    auto printerVersion = std::make_unique<CProperty_Version>(printer);
    printerVersion->SetInDocumentSheet(false);
    const Window printerSheet = driverhost::CreatePrinterSheet(Screen(), kPrinter);
    StandInPage stocks(printer, resources::kPageStocks);
    stocks.SetInDocumentSheet(false);
    AddPages(printerSheet, {&stocks, printerVersion.get()});
    ASSERT_TRUE(Screen().OpenSheet(printerSheet, 8));
    const Window versionPage = Screen().CurrentPage(printerSheet);
    EXPECT_EQ(Text(versionPage, control::kVersionTitleLine), u"标签打印机驱动程序");

    // The printer's stored language has become English meanwhile.
    printer.byteFields[settings::field::kLanguage] = kLanguageEnglish;
    OpenDocumentSheet();
    ChooseEnglishAndApply();
    EXPECT_EQ(Text(versionPage, control::kVersionTitleLine), u"Label Printer Driver");
    EXPECT_EQ(driverhost::TabTitles(Screen(), printerSheet),
              Joined(driverhost::HostPrinterTabs(), {u"Stocks", u"Version"}));
    EXPECT_EQ(printer.lastShown, nullptr) << "a printer-sheet page is no document page";

    // A page object gone before its window leaves the list as well.
    printerVersion.reset();
    EXPECT_TRUE(PrinterSheetPages().empty());
    ASSERT_TRUE(Driver().Select(LanguagePage(), control::kLanguageList, 0));
    EXPECT_TRUE(Driver().Apply(sheet_));
}

}  // namespace
}  // namespace orca::pages::testing
