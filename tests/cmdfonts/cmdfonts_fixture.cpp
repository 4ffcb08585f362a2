// SPDX-License-Identifier: Apache-2.0
#include "cmdfonts_fixture.h"

#include "platform/sim/environment.h"
#include "resources/page_resources.h"

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
    session_.reset();
    PluginLibraryTest::TearDown();
}

void CommandSheetTest::OpenSheet(std::u16string_view model, std::u16string_view tab, bool shell,
                                 uint8_t language) {
    session_.reset();
    orca_ = model == kOrcaModel;
    tab_ = tab;
    AddPrinter(kPrinter, std::u16string(model));
    SetHostProcess(shell);
    testsupport::SheetOpening opening;
    opening.prepare = [&](testsupport::PluginSheet& sheet) {
        sheet.Records().Private()[orca_ ? kOrcaLanguageOffset : kOnyxLanguageOffset] = language;
    };
    session_ =
        std::make_unique<testsupport::SheetSession>(Env(), Library(), kPrinter, opening);
    ASSERT_TRUE(session_->Opened());
    ASSERT_TRUE(Driver().SelectTab(session_->Sheet().Window(), tab_));
}

void CommandSheetTest::Reshow() {
    ASSERT_TRUE(Driver().SelectTab(session_->Sheet().Window(), 0));
    ASSERT_TRUE(Driver().SelectTab(session_->Sheet().Window(), tab_));
}

bool CommandSheetTest::InDialog(int button, const std::function<void(Window dialog)>& act) {
    bool opened = false;
    Driver().OnNextDialog([&](Window dialog) {
        opened = true;
        act(dialog);
    });
    return Driver().Click(Page(), button) && opened;
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
    Driver().OnNextFileDialog([path](const platform::FileDialogRequest&) {
        return platform::FileDialogResult{!path.empty(), path, 1};
    });
}

void CommandSheetTest::AnswerMenu(int byte) {
    Driver().OnNextMenu([byte](const resources::MenuTemplate&) {
        return byte < 0 ? 0 : resources::kControlCodeCommandFirst + byte;
    });
}

}  // namespace orca::cmdfonttest
