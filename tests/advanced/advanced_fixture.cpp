// SPDX-License-Identifier: Apache-2.0
#include "advanced/advanced_fixture.h"

#include "platform/sim/environment.h"
#include "platform/sim/public_record.h"
#include "resources/control_ids.h"

namespace orca::advanced::testing {
namespace {

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
    library_ = std::make_unique<driverhost::PluginLibrary>(ORCAUI_PATH);
    ASSERT_TRUE(library_->Loaded()) << library_->Error();
    desktop_ = platform::sim::AttachDesktop(Env());
    driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
}

void AdvancedPageTest::TearDown() {
    object_.Reset();
    sheet_.reset();
}

void AdvancedPageTest::Open(std::u16string_view printerName,
                            const std::function<void(const Settings&)>& setup) {
    object_.Reset();
    sheet_.reset();
    object_.Reset(library_->CreateObject());
    ASSERT_TRUE(object_);
    // The plug-in object is the context its pages read the settings through.
    auto* context = dynamic_cast<pages::PageContext*>(object_.get());
    ASSERT_NE(context, nullptr);
    settings_ = std::make_unique<Settings>(context);
    testsupport::SheetOpening opening;
    if (setup) {
        opening.beforePages = [&] { setup(*settings_); };
    }
    opening.tab = testsupport::TabTitled({std::begin(kAdvancedTabs), std::end(kAdvancedTabs)});
    sheet_ =
        std::make_unique<testsupport::PluginSheet>(object_.get(), printerName, *desktop_, opening);
    ASSERT_TRUE(sheet_->Opened()) << "no Advanced tab";
}

void AdvancedPageTest::Reshow() {
    ASSERT_TRUE(Driver().SelectTab(sheet_->Window(), 0));
    ASSERT_TRUE(Driver().SelectTab(sheet_->Window(), sheet_->OpenedTab()));
}

void AdvancedPageTest::ShowTab(std::u16string_view title) {
    ASSERT_TRUE(Driver().SelectTab(sheet_->Window(), title));
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

bool AdvancedPageTest::InOtherDialog(const std::function<void(Window dialog)>& act) {
    bool opened = false;
    Driver().OnNextDialog([&](Window dialog) {
        opened = true;
        act(dialog);
    });
    EXPECT_TRUE(Click(control::kAdvancedOtherButton));
    return opened;
}

}  // namespace orca::advanced::testing
