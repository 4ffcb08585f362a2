// SPDX-License-Identifier: Apache-2.0
// Results of the value and data accesses, the width rule and the handler chain.
#include <gtest/gtest.h>

#include "settings/settings_fixture.h"

namespace orca::settings::testing {
namespace {

TEST(FieldWidthRule, ThousandFixesTheWidth) {
    const std::pair<FieldId, std::uint32_t> cases[] = {
        {0, 8},    {999, 8},   {1000, 4},  {2000, 1},  {2999, 1},  {3013, 2},  {4000, 4},
        {5003, 8}, {32000, 1}, {33010, 2}, {34009, 4}, {36000, 4}, {37999, 4}, {46000, 8},
        {6000, 0}, {31000, 0}, {35000, 0}, {38000, 0}, {44002, 0}, {45000, 0}, {47000, 0},
    };
    for (const auto& [id, width] : cases)
        EXPECT_EQ(FieldWidth(id), width) << id;

    std::uint8_t field[8] = {};
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(CopyValue(field, 44002, buffer, true), kNoWidth);
    EXPECT_EQ(CopyValue(field, 2000, nullptr, true), kBadArgument);
}

class AccessTest : public LanguageTest {
protected:
    void SetUp() override { handler_->AttachBlock(block_.data()); }

    std::unique_ptr<CDevModeLanguage> handler_ = MakeHandler(Language());
    std::vector<std::uint8_t> block_ = DefaultBlock(*handler_);
};

struct DataCase {
    const char* name;
    FieldId id;
    std::int32_t index;
    std::size_t at;  // in the ORCA block; record fields move with the option area
    bool inRecord;
    std::int32_t size;
};

// A short read answers the size and copies nothing; a long write answers its
// length and changes nothing; a short write changes only its own bytes.
TEST_P(AccessTest, DataSizesAndPartialWrites) {
    const std::int32_t shift = static_cast<std::int32_t>(Language().barcodeArea) - 8512;
    const DataCase cases[] = {
        {"custom command", 45000, 0, 40, false, 1024},
        {"barcode name", 44002, 3, 8512 + 3 * 144 + 16, true, 80},
        {"command-font name", 44003, 2, 13120 + 2 * 1168, true, 80},
        {"command-font prefix", 45008, 31, 13120 + 31 * 1168 + 84, true, 524},
        {"command-font postfix", 45009, 0, 13120 + 608, true, 524},
    };
    for (const DataCase& test : cases) {
        SCOPED_TRACE(test.name);
        const std::size_t at = test.at + (test.inRecord ? shift : 0);
        std::vector<std::uint8_t> buffer = Pattern(2048);
        const std::vector<std::uint8_t> untouched = buffer;
        const std::vector<std::uint8_t> before = block_;

        EXPECT_EQ(handler_->AccessData(test.id, buffer.data(), test.size - 1, test.index, true),
                  test.size);
        EXPECT_EQ(handler_->AccessData(test.id, nullptr, 0, test.index, true), test.size);
        EXPECT_EQ(buffer, untouched);
        EXPECT_EQ(handler_->AccessData(test.id, buffer.data(), test.size + 1, test.index, false),
                  test.size + 1);
        EXPECT_EQ(block_, before);

        ASSERT_EQ(handler_->AccessData(test.id, buffer.data(), 10, test.index, false), kDone);
        EXPECT_EQ(Changed(before, block_), Bytes(at, 10));
        std::vector<std::uint8_t> read(static_cast<std::size_t>(test.size) + 5, 0);
        ASSERT_EQ(handler_->AccessData(test.id, read.data(), test.size + 5, test.index, true),
                  kDone);
        EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 10, read.begin()));
        EXPECT_EQ(read[static_cast<std::size_t>(test.size)], 0) << "copied past the field";
        EXPECT_EQ(handler_->AccessData(test.id, buffer.data(), -1, test.index, false),
                  kBadArgument);
    }
}

TEST_P(AccessTest, RecordIndexOutsideTheAreaIsNotHandled) {
    std::uint8_t value = 7;
    for (FieldId id : {FieldId{2023}, FieldId{2044}}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(handler_->AccessField(id, &value, 31, false), kDone);
        EXPECT_EQ(handler_->AccessField(id, &value, 32, false), kNotHandled);
        EXPECT_EQ(handler_->AccessField(id, &value, -1, false), kNotHandled);
    }
    std::uint8_t name[80] = {};
    EXPECT_EQ(handler_->AccessData(44002, name, 80, 32, true), kNotHandled);
    EXPECT_EQ(handler_->AccessData(44003, name, 80, 32, true), kNotHandled);
}

TEST_P(AccessTest, MissingBufferIsRefused) {
    EXPECT_EQ(handler_->AccessField(2000, nullptr, 0, true), kBadArgument);
    EXPECT_EQ(handler_->AccessField(2023, nullptr, 0, false), kBadArgument);
    EXPECT_EQ(handler_->AccessData(45000, nullptr, 1024, 0, true), kBadArgument);
}

TEST_P(AccessTest, UnknownIdentifiersPassThroughEveryOwner) {
    std::uint8_t value[8] = {};
    for (FieldId id :
         {FieldId{2055}, FieldId{3005}, FieldId{34007}, FieldId{44000}, FieldId{7000}}) {
        EXPECT_EQ(handler_->AccessField(id, value, 0, true), kNotHandled) << id;
        EXPECT_EQ(handler_->AccessData(id, value, 8, 0, true), kNotHandled) << id;
    }
}

TEST_P(AccessTest, WritesNeedAnAttachedBlock) {
    handler_->AttachBlock(nullptr);
    const std::vector<std::uint8_t> before = block_;
    std::uint8_t value[1024] = {9};
    EXPECT_EQ(handler_->AccessField(2000, value, 0, false), kNotAttached);
    EXPECT_EQ(handler_->AccessField(2023, value, 0, false), kNotAttached);
    EXPECT_EQ(handler_->AccessData(45000, value, 10, 0, false), kNotAttached);
    EXPECT_EQ(handler_->AccessData(44003, value, 10, 0, false), kNotAttached);
    EXPECT_EQ(block_, before);
    // Reads would use the printer's stored block; this handler has no printer.
    EXPECT_EQ(handler_->AccessField(2000, value, 0, true), kNotAttached);
    EXPECT_EQ(handler_->AccessData(45000, value, 1024, 0, true), kNotAttached);
    EXPECT_EQ(handler_->SetDefaults(nullptr), kNotAttached);
}

TEST_P(AccessTest, DefaultsWithoutABlockRewriteTheAttachedOne) {
    std::fill(block_.begin(), block_.end(), std::uint8_t{0x5A});
    ASSERT_EQ(handler_->SetDefaults(nullptr), kDone);
    std::vector<std::uint8_t> expected = DefaultBlock(*handler_);
    std::fill_n(expected.begin() + 12, 4, std::uint8_t{0x5A});  // reserved, not written
    EXPECT_EQ(block_, expected);
}

// Filling another block with defaults loads its default fonts; the catalogue
// must still serve the attached block afterwards.
TEST_P(AccessTest, DefaultsIntoAnotherBlockLeaveTheAttachedOneServed) {
    std::vector<std::uint8_t> other(handler_->GetPrivateSize());
    ASSERT_EQ(handler_->SetDefaults(other.data()), kDone);
    const std::vector<std::uint8_t> otherBefore = other;
    std::uint8_t type = 42;
    ASSERT_EQ(handler_->AccessField(2023, &type, 0, false), kDone);
    EXPECT_EQ(block_[Language().barcodeArea], 42);
    EXPECT_EQ(other, otherBefore);
}

TEST_P(AccessTest, PlainCatalogueOwnsNoBarcodeField) {
    auto handler = MakeHandler(Language(), Catalogue::Plain);
    std::vector<std::uint8_t> block = DefaultBlock(*handler);
    EXPECT_EQ(block[16], 0) << "no default barcode fonts";
    handler->AttachBlock(block.data());
    std::uint8_t value[80] = {};
    EXPECT_EQ(handler->AccessField(2023, value, 0, true), kNotHandled);
    EXPECT_EQ(handler->AccessData(44002, value, 80, 0, true), kNotHandled);
    EXPECT_EQ(handler->AccessField(2044, value, 0, true), kDone);
    EXPECT_EQ(handler->AddBarcodeFont(), kNoWidth);
    EXPECT_EQ(block[16], 0);
}

ORCA_FOR_BOTH_LANGUAGES(AccessTest);

TEST(NullHandlers, AnswerWithoutTouchingAnything) {
    CDevMode_Null& null = CDevMode_Null::Instance();
    std::vector<std::uint8_t> block(64, 0x11);
    std::uint8_t value[8] = {};
    EXPECT_EQ(null.GetPrivateSize(), 0u);
    EXPECT_EQ(null.SetDefaults(block.data()), kNoWidth);
    EXPECT_EQ(null.AttachBlock(block.data()), kNoWidth);
    EXPECT_EQ(null.Block(), nullptr);
    EXPECT_EQ(null.AccessField(2000, value, 0, true), kNotHandled);
    EXPECT_EQ(null.AccessData(45000, value, 8, 0, true), kNotHandled);
    EXPECT_EQ(null.AddBarcodeFont(), kNotAttached);
    EXPECT_EQ(null.DeleteCMDFont(0), kNotAttached);
    EXPECT_EQ(null.AccessPublicField(3005, value, true), kNotAttached);
    EXPECT_EQ(null.AccessPublicField(2000, value, true), kNotHandled);
    EXPECT_EQ(block, std::vector<std::uint8_t>(64, 0x11));

    CDevModeBase base;
    EXPECT_EQ(base.GetPrivateSize(), 0u);
    EXPECT_EQ(base.SetDefaults(block.data()), kDone);
    EXPECT_EQ(base.AttachBlock(block.data()), kDone);
    EXPECT_EQ(base.AccessField(2000, value, 0, true), kNotHandled);
    EXPECT_EQ(base.AddBarcodeFont(), kNotAttached);
    EXPECT_EQ(block, std::vector<std::uint8_t>(64, 0x11));
}

TEST(PublicRecordAccess, AttachedRecordAndItsRefusals) {
    CDevMode_ORCA handler;
    std::uint16_t copies = 0;
    // Identifiers of other owners pass on even with nothing attached.
    EXPECT_EQ(handler.AccessPublicField(2000, &copies, false), kNotHandled);
    EXPECT_EQ(handler.AccessPublicName(45000, &copies, 2, false), kNotHandled);
    EXPECT_EQ(handler.AccessPublicField(3005, &copies, false), kNotAttached);
    EXPECT_EQ(handler.AccessPublicField(3005, &copies, true), kNotAttached);

    std::vector<std::uint8_t> record(220, 0);
    StoreU16(&record[86], 3);
    handler.AttachPublicRecord(record.data());
    ASSERT_EQ(handler.AccessPublicField(3005, &copies, true), kDone);
    EXPECT_EQ(copies, 3);
    char16_t form[32] = u"Letter";
    EXPECT_EQ(handler.AccessPublicName(44001, form, 66, false), 66);
    EXPECT_EQ(handler.AccessPublicName(44001, form, 63, true), 64);
    ASSERT_EQ(handler.AccessPublicName(44001, form, 14, false), kDone);
    EXPECT_EQ(NameAt(&record[102]), u"Letter");
}

}  // namespace
}  // namespace orca::settings::testing
