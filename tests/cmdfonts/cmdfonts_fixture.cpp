#include "cmdfonts_fixture.h"

#include "platform/sim/environment.h"
#include "plugin/host_abi.h"
#include "resources/page_resources.h"
#include "resources/window_styles.h"
#include "support/host_sheets.h"

namespace orca::cmdfonttest {
namespace {

constexpr char16_t kPrinter[] = u"Label Printer";
constexpr size_t kNameUnits = 40;
constexpr uint32_t kCommandFontSize = 1168;
constexpr uint32_t kBarcodeFontSize = 144;
constexpr uint32_t kBarcodeNameOffset = 16;
constexpr uint32_t kBarcodeCountOffset = 16;

// The record areas of each language's block.
constexpr uint32_t kOrcaBarcodeArea = 8512;
constexpr uint32_t kOnyxBarcodeArea = 8480;
constexpr uint32_t kOrcaCommandFontArea = 13120;
constexpr uint32_t kOnyxCommandFontArea = 13088;
// btLanguage, which the sheet's pages start in.
constexpr uint32_t kOrcaLanguageOffset = 8388;
constexpr uint32_t kOnyxLanguageOffset = 8368;

void PutName(uint8_t* at, std::u16string_view name) {
    for (size_t i = 0; i < kNameUnits; ++i) {
        const char16_t unit = i < name.size() ? name[i] : u'\0';
        at[2 * i] = static_cast<uint8_t>(unit & 0xFF);
        at[2 * i + 1] = static_cast<uint8_t>(unit >> 8);
    }
}

}  // namespace

void CommandSheetTest::TearDown() {
    object_.Reset();
    printer_.reset();
    PluginLibraryTest::TearDown();
}

void CommandSheetTest::OpenSheet(std::u16string_view model, std::u16string_view tab, bool shell,
                                 uint8_t language) {
    object_.Reset();
    orca_ = model == kOrcaModel;
    tab_ = tab;
    AddPrinter(kPrinter, std::u16string(model));
    platform::sim::SystemFacts facts = Env().Facts();
    facts.processName = shell ? u"explorer.exe" : u"winword.exe";
    Env().SetFacts(facts);
    desktop_ = std::make_shared<platform::sim::Desktop>();
    Env().SetWindowSystem(desktop_);
    driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
    object_.Reset(Library().CreateObject());
    ASSERT_TRUE(object_);
    printer_ = std::make_unique<testsupport::HostPrinter>(kPrinter);

    plugin::OEMDMPARAM size = testsupport::DevModeParams(printer_->Handle(), nullptr, nullptr);
    ASSERT_EQ(object_->DevMode(plugin::OEMDM_SIZE, &size), plugin::S_OK);
    records_ = std::make_unique<testsupport::HostDevMode>(size.cbBufSize, kPrinter);
    plugin::OEMDMPARAM defaults =
        testsupport::DevModeParams(printer_->Handle(), nullptr, records_.get());
    defaults.pPublicDMIn = records_->Public();
    ASSERT_EQ(object_->DevMode(plugin::OEMDM_DEFAULT, &defaults), plugin::S_OK);
    Block()[orca_ ? kOrcaLanguageOffset : kOnyxLanguageOffset] = language;
    ASSERT_EQ(object_->PublishDriverInterface(&driverUI_), plugin::S_OK);
    ui_ =
        testsupport::CommonUIParams(printer_->Handle(), *records_, items_.Items(), items_.Count());
    ASSERT_EQ(object_->CommonUIProp(plugin::OEMCUIP_DOCPROP, &ui_), plugin::S_OK);

    sheet_ = testsupport::CreateDocumentSheet(*desktop_, kPrinter);
    testsupport::HostPropertySheet host(desktop_.get(), sheet_);
    plugin::PROPSHEETUI_INFO info = host.Info(plugin::PROPSHEETUI_REASON_INIT);
    ASSERT_EQ(object_->DocumentPropertySheets(&info, 0), plugin::S_OK);
    ASSERT_TRUE(desktop_->OpenSheet(sheet_, 0));
    ASSERT_TRUE(driver_->SelectTab(sheet_, tab_));
}

void CommandSheetTest::Reshow() {
    ASSERT_TRUE(driver_->SelectTab(sheet_, 0));
    ASSERT_TRUE(driver_->SelectTab(sheet_, tab_));
}

Window CommandSheetTest::Page() {
    return desktop_->CurrentPage(sheet_);
}

bool CommandSheetTest::ApplyEnabled() {
    return desktop_->IsEnabled(desktop_->Child(sheet_, resources::kSheetApplyId));
}

bool CommandSheetTest::InDialog(int button, const std::function<void(Window dialog)>& act) {
    bool opened = false;
    driver_->OnNextDialog([&](Window dialog) {
        opened = true;
        act(dialog);
    });
    return driver_->Click(Page(), button) && opened;
}

std::u16string CommandSheetTest::Text(Window window, int controlId) {
    return desktop_->Text(desktop_->Child(window, controlId));
}

bool CommandSheetTest::Enabled(Window window, int controlId) {
    return desktop_->IsEnabled(desktop_->Child(window, controlId));
}

Texts CommandSheetTest::Items(Window window, int controlId) {
    const Window list = desktop_->Child(window, controlId);
    Texts items;
    for (int i = 0; i < desktop_->ItemCount(list); ++i) {
        items.push_back(desktop_->ItemText(list, i));
    }
    return items;
}

std::u16string CommandSheetTest::SelectedItem(Window window, int controlId) {
    const Window list = desktop_->Child(window, controlId);
    const int selected = desktop_->Selection(list);
    return selected < 0 ? u"" : desktop_->ItemText(list, selected);
}

Texts CommandSheetTest::Messages() {
    Texts texts;
    for (const platform::sim::MessageRecord& message : desktop_->Messages()) {
        texts.push_back(message.text);
    }
    return texts;
}

uint8_t* CommandSheetTest::CommandFont(int index) {
    return Block() + (orca_ ? kOrcaCommandFontArea : kOnyxCommandFontArea) +
           index * kCommandFontSize;
}

std::u16string CommandSheetTest::FontName(int index) {
    const uint8_t* at = CommandFont(index);
    std::u16string name;
    for (size_t i = 0; i < kNameUnits && U16(at + 2 * i) != 0; ++i) {
        name.push_back(static_cast<char16_t>(U16(at + 2 * i)));
    }
    return name;
}

std::string CommandSheetTest::Data(const uint8_t* at, size_t size) {
    return std::string(reinterpret_cast<const char*>(at), size);
}

void CommandSheetTest::StoreCommandFonts(const Texts& names) {
    for (size_t i = 0; i < names.size(); ++i) {
        PutName(CommandFont(static_cast<int>(i)), names[i]);
    }
    Block()[kCommandFontCountOffset] = static_cast<uint8_t>(names.size());
}

void CommandSheetTest::StoreBarcodeFont(int index, std::u16string_view name) {
    PutName(Block() + (orca_ ? kOrcaBarcodeArea : kOnyxBarcodeArea) + index * kBarcodeFontSize +
                kBarcodeNameOffset,
            name);
    Block()[kBarcodeCountOffset] = std::max<uint8_t>(Block()[kBarcodeCountOffset], index + 1);
}

void CommandSheetTest::AnswerFile(std::u16string path) {
    driver_->OnNextFileDialog([path](const platform::FileDialogRequest&) {
        return platform::FileDialogResult{!path.empty(), path, 1};
    });
}

void CommandSheetTest::AnswerMenu(int byte) {
    driver_->OnNextMenu([byte](const resources::MenuTemplate&) {
        return byte < 0 ? 0 : resources::kControlCodeCommandFirst + byte;
    });
}

}  // namespace orca::cmdfonttest
