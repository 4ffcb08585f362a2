#include "barcode_fixture.h"

#include <cstring>

#include "commands/barcode_font_tables.h"
#include "platform/sim/environment.h"
#include "plugin/host_abi.h"
#include "resources/window_styles.h"
#include "settings/field_map.h"
#include "support/host_sheets.h"

namespace orca::barcodetest {
namespace {

constexpr char16_t kPrinter[] = u"Label Printer";
constexpr char16_t kBarcodeTab[] = u"Barcode Fonts";
constexpr uint32_t kCmdNameOffset = 0;

const settings::BlockLayout& Layout(bool orca) {
    return orca ? settings::kLayoutOrca : settings::kLayoutOnyx;
}

void PutName(uint8_t* at, std::u16string_view name) {
    for (size_t i = 0; i < 40; ++i) {
        const char16_t unit = i < name.size() ? name[i] : u'\0';
        at[2 * i] = static_cast<uint8_t>(unit & 0xFF);
        at[2 * i + 1] = static_cast<uint8_t>(unit >> 8);
    }
}

uint32_t FieldOffset(bool orca, uint32_t fieldId) {
    const auto* row = settings::FindRow<settings::FieldRow>(
        orca ? std::span<const settings::FieldRow>(commands::kBarcodeMapOrca)
             : std::span<const settings::FieldRow>(commands::kBarcodeMapOnyx),
        fieldId);
    EXPECT_NE(row, nullptr) << "field " << fieldId;
    return row != nullptr ? row->offset : 0;
}

}  // namespace

void BarcodeSheetTest::TearDown() {
    object_.Reset();
    printer_.reset();
    PluginLibraryTest::TearDown();
}

void BarcodeSheetTest::OpenSheet(std::u16string_view model, bool shell) {
    object_.Reset();
    orca_ = model == kOrcaModel;
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
    ASSERT_EQ(object_->PublishDriverInterface(&driverUI_), plugin::S_OK);
    ui_ =
        testsupport::CommonUIParams(printer_->Handle(), *records_, items_.Items(), items_.Count());
    ASSERT_EQ(object_->CommonUIProp(plugin::OEMCUIP_DOCPROP, &ui_), plugin::S_OK);

    sheet_ = testsupport::CreateDocumentSheet(*desktop_, kPrinter);
    testsupport::HostPropertySheet host(desktop_.get(), sheet_);
    plugin::PROPSHEETUI_INFO info = host.Info(plugin::PROPSHEETUI_REASON_INIT);
    ASSERT_EQ(object_->DocumentPropertySheets(&info, 0), plugin::S_OK);
    ASSERT_TRUE(desktop_->OpenSheet(sheet_, 0));
    ASSERT_TRUE(driver_->SelectTab(sheet_, kBarcodeTab));
}

void BarcodeSheetTest::Reshow() {
    ASSERT_TRUE(driver_->SelectTab(sheet_, 0));
    ASSERT_TRUE(driver_->SelectTab(sheet_, kBarcodeTab));
}

Window BarcodeSheetTest::Page() {
    return desktop_->CurrentPage(sheet_);
}

bool BarcodeSheetTest::ApplyEnabled() {
    return desktop_->IsEnabled(desktop_->Child(sheet_, resources::kSheetApplyId));
}

bool BarcodeSheetTest::InDialog(int button, const std::function<void(Window dialog)>& act) {
    bool opened = false;
    driver_->OnNextDialog([&](Window dialog) {
        opened = true;
        act(dialog);
    });
    const bool clicked = driver_->Click(Page(), button);
    return clicked && opened;
}

bool BarcodeSheetTest::AddFont(std::u16string_view name) {
    return InDialog(kNew, [&](Window dialog) {
        EXPECT_TRUE(Driver().Type(dialog, kName, name));
        EXPECT_TRUE(Driver().Click(dialog, kOk));
    });
}

Names BarcodeSheetTest::Lines() {
    return Items(Page(), kFontList);
}

std::u16string BarcodeSheetTest::SelectedLine() {
    return SelectedItem(Page(), kFontList);
}

bool BarcodeSheetTest::Enabled(Window dialog, int controlId) {
    return desktop_->IsEnabled(desktop_->Child(dialog, controlId));
}

std::u16string BarcodeSheetTest::Text(Window dialog, int controlId) {
    return desktop_->Text(desktop_->Child(dialog, controlId));
}

Names BarcodeSheetTest::Items(Window dialog, int controlId) {
    const Window list = desktop_->Child(dialog, controlId);
    Names items;
    for (int i = 0; i < desktop_->ItemCount(list); ++i) {
        items.push_back(desktop_->ItemText(list, i));
    }
    return items;
}

std::u16string BarcodeSheetTest::SelectedItem(Window dialog, int controlId) {
    const Window list = desktop_->Child(dialog, controlId);
    const int selected = desktop_->Selection(list);
    return selected < 0 ? u"" : desktop_->ItemText(list, selected);
}

Names BarcodeSheetTest::Messages() {
    Names texts;
    for (const platform::sim::MessageRecord& message : desktop_->Messages()) {
        texts.push_back(message.text);
    }
    return texts;
}

uint8_t* BarcodeSheetTest::Record(int index) {
    return Block() + Layout(orca_).BarcodeArea() + index * kRecordSize;
}

std::u16string BarcodeSheetTest::RecordName(int index) {
    const uint8_t* at = Record(index) + kNameOffset;
    std::u16string name;
    for (size_t i = 0; i < 40 && (at[2 * i] | at[2 * i + 1]) != 0; ++i) {
        name.push_back(static_cast<char16_t>(at[2 * i] | at[2 * i + 1] << 8));
    }
    return name;
}

Names BarcodeSheetTest::RecordNames() {
    Names names;
    for (int i = 0; i < Count(); ++i) {
        names.push_back(RecordName(i));
    }
    return names;
}

void BarcodeSheetTest::StoreNames(const Names& names) {
    for (size_t i = 0; i < names.size(); ++i) {
        PutName(Record(static_cast<int>(i)) + kNameOffset, names[i]);
    }
    Block()[settings::kOffsetBarcodeCount] = static_cast<uint8_t>(names.size());
}

void BarcodeSheetTest::StoreCommandFont(std::u16string_view name) {
    PutName(Block() + Layout(orca_).CmdFontArea() + kCmdNameOffset, name);
    Block()[settings::kOffsetCmdFontCount] = 1;
}

uint8_t BarcodeSheetTest::RecordByte(int index, uint32_t fieldId) {
    return Record(index)[FieldOffset(orca_, fieldId)];
}

void BarcodeSheetTest::SetRecordByte(int index, uint32_t fieldId, uint8_t value) {
    Record(index)[FieldOffset(orca_, fieldId)] = value;
}

double BarcodeSheetTest::RecordHeight(int index) {
    double height = 0;
    std::memcpy(&height, Record(index) + FieldOffset(orca_, 5003), sizeof height);
    return height;
}

void BarcodeSheetTest::SetUnit(uint8_t unit) {
    Block()[plugin::OptionOffset(Layout(orca_), 2001)] = unit;
}

}  // namespace orca::barcodetest
