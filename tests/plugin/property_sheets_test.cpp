// SPDX-License-Identifier: Apache-2.0
// The document and printer property-sheet hooks: the frame of reasons, and
// the pages each model's switches put into the host's sheet.
#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "host/driver_host/host_sheets.h"
#include "platform/sim/desktop_driver.h"
#include "plugin_fixture.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostPrinter;
using driverhost::HostPropertySheet;

using SheetHook = HRESULT (IPrintOemUI2::*)(PROPSHEETUI_INFO*, LPARAM);

// The Version page's first line about its maker.

struct SheetKind {
    const char* name;
    SheetHook hook;
    bool documentSheet;
};
const SheetKind kSheets[] = {
    {"document sheet", &IPrintOemUI2::DocumentPropertySheets, true},
    {"printer sheet", &IPrintOemUI2::DevicePropertySheets, false},
};

class PropertySheetsTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        desktop_ = std::make_shared<platform::sim::Desktop>();
        Env().SetWindowSystem(desktop_);
    }

    // Binds object to printer with the sheet's records, as the host does
    // before it asks for pages.
    void OpenSheetRecords(IPrintOemUI2* object, HANDLE printer, HostDevMode& records) {
        OEMDMPARAM params = driverhost::DevModeParams(printer, nullptr, &records);
        params.pPublicDMIn = records.Public();
        ASSERT_EQ(object->DevMode(OEMDM_DEFAULT, &params), S_OK);
        ui_ = driverhost::CommonUIParams(printer, records, items_.Items(), items_.Count());
        ASSERT_EQ(object->CommonUIProp(OEMCUIP_DOCPROP, &ui_), S_OK);
    }

    struct AddedPages {
        platform::Window sheet;
        std::vector<std::u16string> titles;  // of the plug-in's tabs, after the host's
    };

    // A new desktop sheet of that kind with the pages the plug-in adds.
    AddedPages AddPages(IPrintOemUI2* object, const SheetKind& kind) {
        const platform::Window sheet = kind.documentSheet
                                           ? driverhost::CreateDocumentSheet(*desktop_, u"Model")
                                           : driverhost::CreatePrinterSheet(*desktop_, u"Model");
        HostPropertySheet host(desktop_.get(), sheet);
        PROPSHEETUI_INFO info = host.Info(PROPSHEETUI_REASON_INIT);
        EXPECT_EQ((object->*kind.hook)(&info, 0), S_OK);
        EXPECT_EQ(info.Result, host.Pages().size());
        const size_t hostTabs =
            (kind.documentSheet ? driverhost::HostDocumentTabs() : driverhost::HostPrinterTabs())
                .size();
        const std::vector<std::u16string> titles = driverhost::TabTitles(*desktop_, sheet);
        return {sheet, {titles.begin() + static_cast<ptrdiff_t>(hostTabs), titles.end()}};
    }

    // Whether the sheet's last page, once shown, shows the maker's first line.
    bool MakerShownOnLastPage(platform::Window sheet) {
        const int last = static_cast<int>(driverhost::TabTitles(*desktop_, sheet).size()) - 1;
        EXPECT_TRUE(desktop_->OpenSheet(sheet, last));
        const platform::Window page = desktop_->PageWindow(sheet, last);
        return desktop_->IsVisible(desktop_->Child(page, control::kVersionFirstMakerLine));
    }

    std::shared_ptr<platform::sim::Desktop> desktop_;
    driverhost::HostOptionItems items_;
    OEMCUIPPARAM ui_{};
};

TEST_F(PropertySheetsTest, SheetInfoOfAnotherVersionIsRefused) {
    for (const SheetKind& kind : kSheets) {
        SCOPED_TRACE(kind.name);
        HostPropertySheet host;
        PROPSHEETUI_INFO info = host.Info(PROPSHEETUI_REASON_GET_INFO_HEADER);
        info.Version = 0x0200;
        ClearLastError();
        EXPECT_EQ((Object()->*kind.hook)(&info, 0), E_FAIL);
        EXPECT_EQ(LastError(), 87u);
        EXPECT_EQ((Object()->*kind.hook)(nullptr, 0), E_FAIL);
        info = host.Info(PROPSHEETUI_REASON_INIT);
        info.pfnComPropSheet = nullptr;
        EXPECT_EQ((Object()->*kind.hook)(&info, 0), E_FAIL);
    }
}

TEST_F(PropertySheetsTest, ReasonsAnswerTheirResults) {
    HostPrinter printer(kOrcaPrinter);
    HostDevMode records(kOrcaBlockSize, kOrcaPrinter);
    OpenSheetRecords(Object(), printer.Handle(), records);
    for (const SheetKind& kind : kSheets) {
        SCOPED_TRACE(kind.name);
        HostPropertySheet host;

        PROPSHEETUI_INFO_HEADER header{};
        header.cbSize = sizeof(header);
        PROPSHEETUI_INFO info = host.Info(PROPSHEETUI_REASON_GET_INFO_HEADER);
        ASSERT_EQ((Object()->*kind.hook)(&info, reinterpret_cast<LPARAM>(&header)), S_OK);
        EXPECT_EQ(info.Result, 1u);
        ASSERT_NE(header.pTitle, nullptr);
        EXPECT_EQ(std::u16string_view(header.pTitle), u"OEM UI Page");

        SETRESULT_INFO setResult{};
        setResult.cbSize = sizeof(setResult);
        setResult.Result = 5;
        info = host.Info(PROPSHEETUI_REASON_SET_RESULT);
        ASSERT_EQ((Object()->*kind.hook)(&info, reinterpret_cast<LPARAM>(&setResult)), S_OK);
        EXPECT_EQ(info.Result, 5u);

        info = host.Info(PROPSHEETUI_REASON_DESTROY);
        info.Result = 77;
        ASSERT_EQ((Object()->*kind.hook)(&info, 0), S_OK);
        EXPECT_EQ(info.Result, 1u);

        info = host.Info(9);
        info.Result = 77;
        ASSERT_EQ((Object()->*kind.hook)(&info, 0), S_OK);
        EXPECT_EQ(info.Result, 0u);
        EXPECT_EQ(host.OtherCalls(), 0);
    }
}

// The pages each printer's sheets hold, in order, by their tab titles, and
// which Version page ends both sheets: the full page shows the maker's lines,
// the neutral page hides them.
struct SheetCase {
    const char16_t* driver;
    std::vector<std::u16string> documentPages;
    std::vector<std::u16string> printerPages;
    bool makerShown;
};

TEST_F(PropertySheetsTest, PagesFollowTheModelsSwitchesInTheListedOrder) {
    const std::vector<std::u16string> orcaDocument = {
        u"Options",        u"Advance Setup", u"Dithering",     u"Barcode Fonts", u"Command Fonts",
        u"Custom Command", u"Tools",         u"Import/Export", u"Language",      u"Version",
    };
    const std::vector<std::u16string> printerPages = {u"Stocks", u"Version"};
    const SheetCase cases[] = {
        {u"Kestrel(ORCA)", orcaDocument, printerPages, true},
        {u"Kestrel(ONYX)", orcaDocument, printerPages, true},
        {u"Egret", orcaDocument, printerPages, false},
        {u"Crane", orcaDocument, printerPages, false},
        // No switch is set and no language can be read: the pages that a
        // switch of 0 selects, the ONYX Advanced page and the neutral Version
        // page, in the system's language.
        {u"Generic Laser Driver", {u"Advance Setup", u"Version"}, {u"Version"}, false},
    };
    for (const SheetCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.driver)));
        AddPrinter(u"Model Printer", c.driver);
        HostPrinter printer(u"Model Printer");
        driverhost::PluginObject object(Library().CreateObject());
        HostDevMode records(PrivateSize(object.get(), printer.Handle()), u"Model Printer");
        OpenSheetRecords(object.get(), printer.Handle(), records);
        const AddedPages document = AddPages(object.get(), kSheets[0]);
        EXPECT_EQ(document.titles, c.documentPages);
        EXPECT_EQ(MakerShownOnLastPage(document.sheet), c.makerShown);
        const AddedPages printerSheet = AddPages(object.get(), kSheets[1]);
        EXPECT_EQ(printerSheet.titles, c.printerPages);
        EXPECT_EQ(MakerShownOnLastPage(printerSheet.sheet), c.makerShown);
    }
}

TEST_F(PropertySheetsTest, PagesStartInTheLanguageOfThePrintersSettings) {
    struct Case {
        const char16_t* printer;
        uint8_t storedLanguage;
        uint16_t systemLanguage;
        int language;
    };
    // An unsupported printer's language cannot be read: the system's.
    const Case cases[] = {
        {kOrcaPrinter, 1, 0x0804, 1},
        {kOrcaPrinter, 0, 0x0409, 0},
        {kUnknownPrinter, 0, 0x0409, 1},
        {kUnknownPrinter, 1, 0x0804, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.printer)) + " " +
                     std::to_string(c.systemLanguage));
        platform::sim::SystemFacts facts = Env().Facts();
        facts.defaultLanguage = c.systemLanguage;
        Env().SetFacts(facts);
        HostPrinter printer(c.printer);
        driverhost::PluginObject object(Library().CreateObject());
        HostDevMode records(kOrcaBlockSize, c.printer);
        OEMDMPARAM params = driverhost::DevModeParams(printer.Handle(), nullptr, &records);
        ASSERT_EQ(object->DevMode(OEMDM_DEFAULT, &params), S_OK);
        records.Private()[OptionOffset(settings::kLayoutOrca, settings::field::kLanguage)] =
            c.storedLanguage;
        OEMCUIPPARAM ui =
            driverhost::CommonUIParams(printer.Handle(), records, items_.Items(), items_.Count());
        ASSERT_EQ(object->CommonUIProp(OEMCUIP_DOCPROP, &ui), S_OK);
        HostPropertySheet host;
        PROPSHEETUI_INFO info = host.Info(PROPSHEETUI_REASON_INIT);
        ASSERT_EQ(object->DocumentPropertySheets(&info, 0), S_OK);
        EXPECT_EQ(As<pages::PageContext>(object.get())->CurrentLanguage(), c.language);
    }
}

// The Tools page sends on the sheet's own printer handle.
TEST_F(PropertySheetsTest, ToolsPageSendsToTheSheetsPrinter) {
    HostPrinter printer(kOnyxPrinter);
    driverhost::PluginObject object(Library().CreateObject());
    HostDevMode records(kOnyxBlockSize, kOnyxPrinter);
    OpenSheetRecords(object.get(), printer.Handle(), records);
    const AddedPages document = AddPages(object.get(), kSheets[0]);
    const std::vector<std::u16string> titles = driverhost::TabTitles(*desktop_, document.sheet);
    const int tools = static_cast<int>(std::ranges::find(titles, u"Tools") - titles.begin());
    ASSERT_TRUE(desktop_->OpenSheet(document.sheet, tools));
    platform::sim::DesktopDriver driver(*desktop_);
    ASSERT_TRUE(
        driver.Click(desktop_->PageWindow(document.sheet, tools), control::kToolsSendButton));
    const std::vector<platform::sim::RawJob> jobs = Env().Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].printerName, kOnyxPrinter);
    EXPECT_EQ(jobs[0].writes, (std::vector<std::vector<uint8_t>>{{2, 'J', 'C', 13}}));
}

}  // namespace
}  // namespace orca::plugin
