// SPDX-License-Identifier: Apache-2.0
#include "barcode_fixture.h"

#include <cstring>

#include "platform/sim/environment.h"
#include "resources/control_ids.h"
#include "settings/barcode_font_tables.h"
#include "settings/field_map.h"

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
        orca ? std::span<const settings::FieldRow>(settings::kBarcodeMapOrca)
             : std::span<const settings::FieldRow>(settings::kBarcodeMapOnyx),
        fieldId);
    EXPECT_NE(row, nullptr) << "field " << fieldId;
    return row != nullptr ? row->offset : 0;
}

}  // namespace

void BarcodeSheetTest::TearDown() {
    session_.reset();
    PluginLibraryTest::TearDown();
}

void BarcodeSheetTest::OpenSheet(std::u16string_view model, bool shell) {
    session_.reset();
    orca_ = model == kOrcaModel;
    AddPrinter(kPrinter, std::u16string(model));
    SetHostProcess(shell);
    session_ = std::make_unique<testsupport::SheetSession>(Env(), Library(), kPrinter);
    ASSERT_TRUE(session_->Opened());
    ASSERT_TRUE(Driver().SelectTab(session_->Sheet().Window(), kBarcodeTab));
}

void BarcodeSheetTest::Reshow() {
    ASSERT_TRUE(Driver().SelectTab(session_->Sheet().Window(), 0));
    ASSERT_TRUE(Driver().SelectTab(session_->Sheet().Window(), kBarcodeTab));
}

bool BarcodeSheetTest::InDialog(int button, const std::function<void(Window dialog)>& act) {
    bool opened = false;
    Driver().OnNextDialog([&](Window dialog) {
        opened = true;
        act(dialog);
    });
    const bool clicked = Driver().Click(Page(), button);
    return clicked && opened;
}

bool BarcodeSheetTest::AddFont(std::u16string_view name) {
    return InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
        EXPECT_TRUE(Driver().Type(dialog, control::kBarcodeFontNameEdit, name));
        EXPECT_TRUE(Driver().Click(dialog, control::kBarcodeFontOkButton));
    });
}

Names BarcodeSheetTest::Lines() {
    return Items(Page(), control::kBarcodeFontsList);
}

std::u16string BarcodeSheetTest::SelectedLine() {
    return SelectedItem(Page(), control::kBarcodeFontsList);
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
