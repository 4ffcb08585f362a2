// SPDX-License-Identifier: Apache-2.0
// The barcode-font catalogues and the command-font handler on their own.
#include <gtest/gtest.h>

#include "settings/settings_fixture.h"

namespace orca::settings::testing {
namespace {

using settings::CBarCodeFontBase;
using settings::CCMDFontBase;

class CatalogueTest : public LanguageTest {
protected:
    std::unique_ptr<CDevModeLanguage> handler_ = MakeHandler(Language());
    CBarCodeFontBase& fonts_ = handler_->BarcodeFonts();
    std::vector<std::uint8_t> records_ = std::vector<std::uint8_t>(32 * 144, 0xCC);
};

TEST_P(CatalogueTest, DefaultRecord) {
    std::vector<std::uint8_t> record(144, 0xCC);
    ASSERT_EQ(fonts_.GetDefaultFont(record.data()), kDone);
    EXPECT_EQ(fonts_.GetRecordSize(), 144u);
    std::vector<bool> carried(144, false);
    for (const Expected& field : Language().barcode) {
        EXPECT_EQ(ValueAt(&record[field.offset], field.width), field.value) << field.id;
        std::fill_n(carried.begin() + field.offset, field.width, true);
    }
    for (std::size_t i = 0; i < 144; ++i) {
        if (!carried[i]) {
            EXPECT_EQ(record[i], 0) << "byte " << i;
        }
    }
}

TEST_P(CatalogueTest, EightDefaultFonts) {
    std::uint8_t count = 0;
    ASSERT_EQ(fonts_.LoadDefaultFonts(records_.data(), &count), kDone);
    EXPECT_EQ(count, 8);
    EXPECT_EQ(fonts_.Records(), records_.data());
    const std::u16string names[] = {u"EAN13",   u"EAN8",    u"UPC E",  u"CODE39",
                                    u"CODABAR", u"CODE128", u"CODE93", u"PDF417"};
    const std::uint8_t ratios[] = {0, 0, 0, 0, 0, 1, 1, 0};
    std::vector<std::uint8_t> defaults(144);
    fonts_.GetDefaultFont(defaults.data());
    for (std::size_t i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        const std::uint8_t* record = &records_[i * 144];
        EXPECT_EQ(NameAt(record + 16), names[i]);
        EXPECT_EQ(record[0], Language().defaultCodes[i]);
        EXPECT_EQ(record[96], ratios[i]);
        std::vector<std::uint8_t> rest(record, record + 144);
        std::fill_n(rest.begin() + 16, 80, 0);
        rest[0] = 0;
        rest[96] = 0;
        EXPECT_EQ(rest, defaults);
    }
    EXPECT_EQ(records_[8 * 144], 0xCC) << "records after the defaults are not the catalogue's";
}

TEST_P(CatalogueTest, FieldAndNameAccess) {
    std::uint8_t count = 0;
    fonts_.LoadDefaultFonts(records_.data(), &count);
    double height = 0;
    ASSERT_EQ(fonts_.AccessFontField(5003, &height, 31, true), kDone);
    EXPECT_EQ(height, LoadF64(&records_[31 * 144 + 8]));
    ASSERT_EQ(fonts_.AccessFontField(5003, &height, 0, true), kDone);
    EXPECT_EQ(height, 20.0);
    EXPECT_EQ(fonts_.AccessFontField(5003, &height, 32, true), kNotHandled);
    EXPECT_EQ(fonts_.AccessFontField(5004, &height, 0, true), kNotHandled);
    EXPECT_EQ(fonts_.AccessFontField(2044, &height, 0, true), kNotHandled);

    std::vector<std::uint8_t> name(40, 0xAB);
    EXPECT_EQ(fonts_.AccessFontName(44002, name.data(), 40, 0, true), 80);
    EXPECT_EQ(name, std::vector<std::uint8_t>(40, 0xAB));
    EXPECT_EQ(fonts_.AccessFontName(44003, name.data(), 80, 0, true), kNotHandled);

    fonts_.Attach(nullptr);
    EXPECT_EQ(fonts_.AccessFontField(2023, &height, 0, true), kNotHandled);
    EXPECT_EQ(fonts_.AccessFontName(44002, name.data(), 80, 0, true), kNotHandled);
}

ORCA_FOR_BOTH_LANGUAGES(CatalogueTest);

TEST(PlainCatalogue, OffersNoFonts) {
    CBarCodeFontBase plain;
    std::vector<std::uint8_t> records(32 * 144, 0xCC);
    std::uint8_t count = 9;
    ASSERT_EQ(plain.LoadDefaultFonts(records.data(), &count), kDone);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(plain.Records(), records.data());
    EXPECT_EQ(records, std::vector<std::uint8_t>(32 * 144, 0xCC));
    EXPECT_EQ(plain.LoadDefaultFonts(nullptr, &count), kNotAttached);
    EXPECT_EQ(plain.GetDefaultFont(records.data()), kNoWidth);
    EXPECT_EQ(plain.GetRecordSize(), 0u);
    std::uint8_t value = 0;
    EXPECT_EQ(plain.AccessFontField(2023, &value, 0, true), kNotHandled);
    EXPECT_EQ(plain.AccessFontName(44002, &value, 80, 0, true), kNotHandled);
}

// Command fonts need an owner: without one (the shared stand-in) nothing is handled.
TEST(CommandFontHandler, NeedsAnOwnerAndRecords) {
    std::vector<std::uint8_t> records(32 * 1168, 0);
    CDevMode_ORCA owner;
    CCMDFontBase fonts(&owner);
    std::uint16_t length = 300;
    EXPECT_EQ(fonts.AccessCommandFontField(33010, &length, 0, false), kNotHandled);
    fonts.Attach(records.data());
    ASSERT_EQ(fonts.AccessCommandFontField(33010, &length, 4, false), kDone);
    EXPECT_EQ(LoadU16(&records[4 * 1168 + 1132]), 300);
    EXPECT_EQ(fonts.AccessCommandFontField(2043, &length, 0, false), kNotHandled);
    EXPECT_EQ(fonts.AccessCommandFontBuffer(45009, &length, 100, 0, true), 524);

    CCMDFontBase ownerless;
    ownerless.Attach(records.data());
    EXPECT_EQ(ownerless.AccessCommandFontField(33010, &length, 0, true), kNotHandled);
    EXPECT_EQ(ownerless.AccessCommandFontBuffer(44003, &length, 80, 0, true), kNotHandled);
    EXPECT_EQ(CCMDFontBase::Null().Owner(), nullptr);
}

}  // namespace
}  // namespace orca::settings::testing
