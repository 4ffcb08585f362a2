// SPDX-License-Identifier: Apache-2.0
// Reading through the printer's stored default settings when the host has
// attached no records.
#include <gtest/gtest.h>

#include "platform/sim/public_record.h"
#include "settings/settings_fixture.h"

namespace orca::settings::testing {
namespace {

class StoredTest : public LanguageTest {
protected:
    // A printer whose stored settings are a public record followed by `privateData`.
    void AddPrinter(const std::vector<std::uint8_t>& privateData, std::uint32_t perUserSize) {
        std::vector<std::uint8_t> settings = platform::sim::MakePublicRecord(u"Label", 9, u"A4");
        StoreU16(&settings[86], 4);  // dmCopies
        StoreU16(&settings[70], static_cast<std::uint16_t>(privateData.size()));
        settings.insert(settings.end(), privateData.begin(), privateData.end());
        platform::sim::Printer printer;
        printer.name = u"Label";
        printer.driverName = u"Label driver";
        printer.settings = settings;
        printer.perUserSettingsSize = perUserSize;
        Env().AddPrinter(printer);
        platform::PrinterHandle handle = nullptr;
        ASSERT_TRUE(Ports().spooler->Open(u"Label", &handle));
        handler_->SetPrinterHandle(handle);
    }

    // The language's defaults with btSpeed 7 and a renamed first barcode font.
    std::vector<std::uint8_t> StoredBlock() {
        std::vector<std::uint8_t> block = DefaultBlock(*handler_);
        block[8338] = 7;
        StoreU16(&block[Language().barcodeArea + 16], u'X');
        return block;
    }

    std::int32_t ReadSpeed(std::uint8_t* speed) {
        return handler_->AccessField(2000, speed, 0, true);
    }

    std::unique_ptr<CDevModeLanguage> handler_ = MakeHandler(Language());
};

TEST_P(StoredTest, ReadsComeFromTheStoredBlock) {
    AddPrinter(StoredBlock(), 60000);
    std::uint8_t speed = 0;
    ASSERT_EQ(ReadSpeed(&speed), kDone);
    EXPECT_EQ(speed, 7);
    std::vector<std::uint8_t> name(80);
    ASSERT_EQ(handler_->AccessData(44002, name.data(), 80, 0, true), kDone);
    EXPECT_EQ(NameAt(name.data()), u"XAN13");
    // The temporary copy is gone again: nothing stays attached.
    EXPECT_EQ(handler_->Block(), nullptr);
    EXPECT_EQ(handler_->BarcodeFonts().Records(), nullptr);
    EXPECT_EQ(handler_->CommandFonts().Records(), nullptr);
    EXPECT_EQ(handler_->AccessField(2000, &speed, 0, false), kNotAttached);
}

TEST_P(StoredTest, StoredBlockFollowsOtherPrivateData) {
    std::vector<std::uint8_t> data(300, 0x42);
    const std::vector<std::uint8_t> block = StoredBlock();
    data.insert(data.end(), block.begin(), block.end());
    AddPrinter(data, 60000);
    std::vector<std::uint8_t> read;
    ASSERT_EQ(handler_->ReadStoredBlock(read), kDone);
    EXPECT_EQ(read, block);
}

// What the stored settings cannot supply reads as the language default.
TEST_P(StoredTest, DefaultsWhenTheStoredSettingsHoldNoBlock) {
    const auto speedField = std::find_if(Language().fields.begin(), Language().fields.end(),
                                         [](const Expected& field) { return field.id == 2000; });
    const auto defaultSpeed = static_cast<std::uint8_t>(speedField->value);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> data;
        std::uint32_t perUserSize;
    };
    std::vector<std::uint8_t> foreign = StoredBlock();
    std::memcpy(&foreign[4], "ABCD", 4);
    std::vector<std::uint8_t> cut = StoredBlock();
    cut.resize(cut.size() - 1);
    const Case cases[] = {
        {"per-user settings smaller than the block", StoredBlock(), Language().size - 1},
        {"no private data", {}, 60000},
        {"private data shorter than the block", cut, 60000},
        {"foreign signature", foreign, 60000},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        AddPrinter(test.data, test.perUserSize);
        std::uint8_t speed = 0;
        ASSERT_EQ(ReadSpeed(&speed), kDone);
        EXPECT_EQ(speed, defaultSpeed);
    }
}

TEST_P(StoredTest, SpoolerFailures) {
    std::uint8_t speed = 0;
    EXPECT_EQ(ReadSpeed(&speed), kNotAttached) << "no printer handle";
    AddPrinter(StoredBlock(), 60000);
    ASSERT_TRUE(Ports().spooler->Close(handler_->Printer()));
    EXPECT_EQ(ReadSpeed(&speed), kNotAttached) << "closed handle";
    std::uint16_t copies = 0;
    EXPECT_EQ(handler_->AccessPublicField(3005, &copies, true), kNotAttached);
}

TEST_P(StoredTest, PublicReadsComeFromTheStoredRecord) {
    AddPrinter(StoredBlock(), 60000);
    std::uint16_t copies = 0;
    ASSERT_EQ(handler_->AccessPublicField(3005, &copies, true), kDone);
    EXPECT_EQ(copies, 4);
    EXPECT_EQ(handler_->AccessPublicField(3005, &copies, false), kNotAttached);
    std::vector<std::uint8_t> name(64);
    ASSERT_EQ(handler_->AccessPublicName(44001, name.data(), 64, true), kDone);
    EXPECT_EQ(NameAt(name.data()), u"A4");
}

ORCA_FOR_BOTH_LANGUAGES(StoredTest);

}  // namespace
}  // namespace orca::settings::testing
