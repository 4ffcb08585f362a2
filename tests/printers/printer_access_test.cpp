// SPDX-License-Identifier: Apache-2.0
// The value and data access chain of a printer object: capability, public
// record, private block; the null printer; and the catalogue's lookup rules.
#include <gtest/gtest.h>

#include <vector>

#include "printers/model_catalogue.h"
#include "printers/model_env.h"
#include "printers/printer_models.h"
#include "settings/byte_access.h"
#include "support/sim_env.h"

namespace orca::settings {
namespace {

using testing::ReadU32;

constexpr std::uint32_t kDmCopiesOffset = 86;
constexpr std::uint32_t kBtSpeedOffset = 8338;

class PrinterAccessTest : public testsupport::SimEnvTest {
protected:
    PrinterAccessTest() {
        printer_.AttachPublicRecord(public_.data());
        printer_.AttachBlock(block_.data());
        printer_.SetModelDefaults();
    }

    printers::CPrinter_Kestrel_ORCA printer_;
    std::vector<std::uint8_t> public_ = std::vector<std::uint8_t>(220, 0);
    std::vector<std::uint8_t> block_ = std::vector<std::uint8_t>(50496, 0);
};

TEST_F(PrinterAccessTest, EachIdentifierStopsAtTheStageThatOwnsIt) {
    // A setting passes the capability and public-record stages to the block.
    std::uint8_t speed = 3;
    ASSERT_EQ(printer_.AccessValue(2000, &speed, 0, false), kDone);
    EXPECT_EQ(block_[kBtSpeedOffset], 3);

    // dmCopies is the public record's.
    StoreI16(&public_[kDmCopiesOffset], 7);
    EXPECT_EQ(ReadU32(printer_, 3005), 7u);

    // The longest paper is a capability: no record is consulted.
    printer_.AttachPublicRecord(nullptr);
    printer_.AttachBlock(nullptr);
    EXPECT_EQ(ReadU32(printer_, 3015), 10100u);
    // Without a public record and a printer handle, dmCopies fails at its own stage.
    std::int16_t copies = 0;
    EXPECT_EQ(printer_.AccessValue(3005, &copies, 0, true), kNotAttached);
}

TEST_F(PrinterAccessTest, DataAccessReachesPublicNamesAndBlockData) {
    const std::u16string name = u"Label";
    std::vector<std::uint8_t> bytes(64, 0);
    for (std::size_t i = 0; i < name.size(); ++i)
        StoreU16(&bytes[2 * i], name[i]);
    ASSERT_EQ(printer_.AccessBytes(44001, bytes.data(), 64, 0, false), kDone);
    EXPECT_EQ(LoadU16(&public_[102]), u'L');

    std::vector<std::uint8_t> command(1024, 0);
    EXPECT_EQ(printer_.AccessBytes(45000, command.data(), 100, 0, true), 1024);
    EXPECT_EQ(printer_.AccessBytes(99999, command.data(), 1024, 0, true), kNotHandled);
}

TEST_F(PrinterAccessTest, CapabilitiesAreWritableButTheLanguageIsNot) {
    std::uint32_t speeds = 3;
    ASSERT_EQ(printer_.AccessValue(34007, &speeds, 0, false), kDone);
    EXPECT_EQ(ReadU32(printer_, 34007), 3u);

    // The language is the generator's answer; no stage stores it.
    std::uint8_t language = 2;
    EXPECT_EQ(printer_.AccessValue(2076, &language, 0, false), kNotHandled);
    EXPECT_EQ(ReadU32(printer_, 2076), 1u);

    EXPECT_EQ(printer_.AccessValue(34007, nullptr, 0, true), kBadArgument);
}

TEST_F(PrinterAccessTest, NullPrinterRefusesEverything) {
    printers::CPrinterImpl_Null printer;
    std::uint32_t value = 0;
    for (FieldId id : {2076u, 34007u, 2000u, 3005u})
        EXPECT_EQ(printer.AccessValue(id, &value, 0, true), kNoWidth) << id;
    std::vector<std::uint8_t> bytes(1024, 0);
    EXPECT_EQ(printer.AccessBytes(44000, bytes.data(), 64, 0, true), kNotAttached);
    EXPECT_EQ(printer.AccessBytes(45000, bytes.data(), 1024, 0, true), kNotHandled);
    EXPECT_EQ(printer.Settings().GetPrivateSize(), 0u);
    EXPECT_EQ(printer.SetModelDefaults(), kNoWidth);
    EXPECT_EQ(printer.Commands().GetCommandLanguage(), 0);

    // Records given to a printer without a handler of its own are not kept by
    // the shared null handler, where every other such printer would see them.
    printer.AttachPublicRecord(public_.data());
    EXPECT_EQ(printer.AttachBlock(block_.data()), kNoWidth);
    EXPECT_EQ(printer.Settings().PublicRecord(), nullptr);
    EXPECT_EQ(printer.Settings().Block(), nullptr);
}

TEST(ModelCatalogueTest, LooksNamesUpExactly) {
    const printers::CModelCatalogue& catalogue = printers::ModelCatalogue();
    EXPECT_EQ(catalogue.Size(), 15u);
    EXPECT_NE(catalogue.Find(u"Kestrel(ORCA)"), nullptr);
    for (std::u16string_view near : {u"kestrel(orca)", u"KESTREL(ORCA)", u"Kestrel(ORCA) ",
                                     u"Kestrel", u"Kestrel(ORCA)(ORCA)", u""})
        EXPECT_EQ(catalogue.Find(near), nullptr);
}

TEST(ModelCatalogueTest, FirstRegistrationWins) {
    printers::CModelCatalogue catalogue;
    EXPECT_TRUE(
        catalogue.Register(u"Egret", printers::CreatePrinter<printers::ModelId::Egret_ORCA>));
    EXPECT_FALSE(
        catalogue.Register(u"Egret", printers::CreatePrinter<printers::ModelId::Ibis_ORCA>));
    EXPECT_TRUE(
        catalogue.Register(u"egret", printers::CreatePrinter<printers::ModelId::Ibis_ORCA>));
    EXPECT_EQ(catalogue.Find(u"Egret"), printers::CreatePrinter<printers::ModelId::Egret_ORCA>);
    EXPECT_EQ(catalogue.Find(u"egret"), printers::CreatePrinter<printers::ModelId::Ibis_ORCA>);
}

}  // namespace
}  // namespace orca::settings
