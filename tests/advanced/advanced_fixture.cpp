#include "advanced/advanced_fixture.h"

#include <algorithm>

#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "resources/window_styles.h"
#include "support/host_sheets.h"

namespace orca::advanced::testing {
namespace {

using namespace orca::plugin;

// The Advanced tab's title in English and in Chinese.
constexpr std::u16string_view kAdvancedTabs[] = {u"Advance Setup", u"高级设置"};

struct PrinterSetup {
    const char16_t* name;
    const char16_t* driver;
    const char16_t* port;
};
constexpr PrinterSetup kPrinters[] = {
    {kOrca, u"Kestrel(ORCA)", u"null:"},
    {kOnyx, u"Kestrel(ONYX)", u"null:"},
    {kUnsupported, u"Generic Laser Driver", u"null:"},
    {kRefusingOrca, u"Kestrel(ORCA)", u"file:missing-directory/out.prn"},
};

}  // namespace

void AdvancedPageTest::SetUp() {
    for (const PrinterSetup& setup : kPrinters) {
        platform::sim::Printer printer;
        printer.name = setup.name;
        printer.driverName = setup.driver;
        printer.portName = setup.port;
        printer.settings = platform::sim::MakePublicRecord(setup.name, 9, u"A4");
        Env().AddPrinter(std::move(printer));
    }
    library_ = std::make_unique<testsupport::PluginLibrary>(ORCAUI_PATH);
    ASSERT_TRUE(library_->Loaded()) << library_->Error();
    desktop_ = platform::sim::AttachDesktop(Env());
    driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
}

void AdvancedPageTest::TearDown() {
    object_.Reset();
    printer_.reset();
}

void AdvancedPageTest::Open(std::u16string_view printerName,
                            const std::function<void(const Settings&)>& setup) {
    object_.Reset();
    printer_ = std::make_unique<testsupport::HostPrinter>(printerName);
    object_.Reset(library_->CreateObject());
    ASSERT_TRUE(object_);
    const HANDLE printer = printer_->Handle();

    OEMDMPARAM size = testsupport::DevModeParams(printer, nullptr, nullptr);
    ASSERT_EQ(object_->DevMode(OEMDM_SIZE, &size), S_OK);
    records_ = std::make_unique<testsupport::HostDevMode>(size.cbBufSize, printerName);
    OEMDMPARAM defaults = testsupport::DevModeParams(printer, nullptr, records_.get());
    defaults.pPublicDMIn = records_->Public();
    ASSERT_EQ(object_->DevMode(OEMDM_DEFAULT, &defaults), S_OK);
    ASSERT_EQ(object_->PublishDriverInterface(&driverUI_), S_OK);
    ui_ = testsupport::CommonUIParams(printer, *records_, items_.Items(), items_.Count());
    ASSERT_EQ(object_->CommonUIProp(OEMCUIP_DOCPROP, &ui_), S_OK);

    // The plug-in object is the context its pages read the settings through.
    auto* context = dynamic_cast<pages::PageContext*>(object_.get());
    ASSERT_NE(context, nullptr);
    settings_ = std::make_unique<Settings>(context);
    if (setup) {
        setup(*settings_);
    }

    sheet_ = testsupport::CreateDocumentSheet(*desktop_, printerName);
    host_ = std::make_unique<testsupport::HostPropertySheet>(desktop_.get(), sheet_);
    PROPSHEETUI_INFO info = host_->Info(PROPSHEETUI_REASON_INIT);
    ASSERT_EQ(object_->DocumentPropertySheets(&info, 0), S_OK);
    const Texts titles = testsupport::TabTitles(*desktop_, sheet_);
    const auto tab = std::ranges::find_first_of(titles, kAdvancedTabs);
    ASSERT_NE(tab, titles.end()) << "no Advanced tab";
    advancedTab_ = static_cast<int>(tab - titles.begin());
    ASSERT_TRUE(desktop_->OpenSheet(sheet_, advancedTab_));
}

void AdvancedPageTest::Reshow() {
    ASSERT_TRUE(Driver().SelectTab(sheet_, 0));
    ASSERT_TRUE(Driver().SelectTab(sheet_, advancedTab_));
}

void AdvancedPageTest::ShowTab(std::u16string_view title) {
    ASSERT_TRUE(Driver().SelectTab(sheet_, title));
}

std::u16string AdvancedPageTest::Text(int controlId, Window dialog) {
    return Screen().Text(Screen().Child(DialogOrPage(dialog), controlId));
}

Texts AdvancedPageTest::Items(int controlId, Window dialog) {
    const Window list = Screen().Child(DialogOrPage(dialog), controlId);
    Texts texts;
    for (int i = 0; i < Screen().ItemCount(list); ++i) {
        texts.push_back(Screen().ItemText(list, i));
    }
    return texts;
}

std::u16string AdvancedPageTest::Selected(int controlId, Window dialog) {
    const Window list = Screen().Child(DialogOrPage(dialog), controlId);
    const int selected = Screen().Selection(list);
    return selected < 0 ? u"(none)" : Screen().ItemText(list, selected);
}

bool AdvancedPageTest::Enabled(int controlId, Window dialog) {
    return Screen().IsEnabled(Screen().Child(DialogOrPage(dialog), controlId));
}

bool AdvancedPageTest::Visible(int controlId, Window dialog) {
    return Screen().IsVisible(Screen().Child(DialogOrPage(dialog), controlId));
}

bool AdvancedPageTest::Checked(int controlId) {
    return Screen().IsChecked(Screen().Child(Page(), controlId));
}

bool AdvancedPageTest::ApplyEnabled() {
    return Screen().IsEnabled(Screen().Child(sheet_, resources::kSheetApplyId));
}

bool AdvancedPageTest::InOtherDialog(const std::function<void(Window dialog)>& act) {
    bool opened = false;
    Driver().OnNextDialog([&](Window dialog) {
        opened = true;
        act(dialog);
    });
    EXPECT_TRUE(Click(kOther));
    return opened;
}

}  // namespace orca::advanced::testing
