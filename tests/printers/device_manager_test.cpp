// SPDX-License-Identifier: Apache-2.0
// Entries of the device manager and the façade over an entry.
#include <gtest/gtest.h>

#include <vector>

#include "printers/device_manager.h"
#include "printers/device_manager_facade.h"
#include "printers/model_env.h"
#include "printers/printer_models.h"
#include "support/sim_env.h"

namespace orca::settings {
namespace {

using testing::AddPrinter;
using testing::IsA;
using testing::IsOpen;

class DeviceManagerTest : public testsupport::SimEnvTest {
protected:
    DeviceManagerTest() { AddPrinter(Env(), u"Front desk", u"Kestrel(ORCA)"); }

    printers::CDeviceManager manager_;
};

TEST_F(DeviceManagerTest, RegisterReleaseAndReleaseAgain) {
    printers::CDeviceEntry* entry = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(manager_.Find(entry), entry);
    EXPECT_TRUE(IsA<printers::CPrinter_Kestrel_ORCA>(entry->Printer()));
    const platform::PrinterHandle handle = entry->Printer().Printer();
    EXPECT_TRUE(IsOpen(handle));

    EXPECT_EQ(manager_.ReleaseEntry(entry), kDone);
    EXPECT_FALSE(IsOpen(handle)) << "releasing closes the printer";
    EXPECT_EQ(manager_.Find(entry), nullptr);
    EXPECT_EQ(manager_.ReleaseEntry(entry), printers::kReleaseUnknownEntry);
    EXPECT_EQ(manager_.Remove(entry), printers::kUnknownEntry);
}

TEST_F(DeviceManagerTest, EntriesAreIndependent) {
    printers::CDeviceEntry* first = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    printers::CDeviceEntry* second = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    printers::CDeviceEntry* unknown = manager_.Register(u"Front desk", u"No such model");
    ASSERT_NE(first, second);
    EXPECT_NE(first->Printer().Printer(), second->Printer().Printer());
    EXPECT_TRUE(IsA<printers::CPrinterImpl_Null>(unknown->Printer()));

    ASSERT_EQ(manager_.Remove(first), kDone);
    EXPECT_EQ(manager_.Find(second), second);
    EXPECT_TRUE(IsOpen(second->Printer().Printer()));
    EXPECT_EQ(manager_.ReleaseEntry(unknown), kDone);
}

TEST_F(DeviceManagerTest, DestroyingTheManagerClosesWhatIsLeft) {
    platform::PrinterHandle handle = nullptr;
    {
        printers::CDeviceManager manager;
        handle = manager.Register(u"Front desk", u"Kestrel(ORCA)")->Printer().Printer();
        ASSERT_TRUE(IsOpen(handle));
    }
    EXPECT_FALSE(IsOpen(handle));
}

TEST_F(DeviceManagerTest, FacadeReadsConvertsAndEditsLists) {
    printers::CDeviceEntry* entry = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    std::vector<std::uint8_t> block(50496, 0);
    std::vector<std::uint8_t> publicRecord(220, 0);
    printers::PrinterOf(entry).AttachPublicRecord(publicRecord.data());
    printers::PrinterOf(entry).AttachBlock(block.data());
    ASSERT_EQ(printers::PrinterOf(entry).SetModelDefaults(), kDone);

    std::uint8_t speed = 0;
    EXPECT_EQ(GetValue(entry, 2000, &speed), kDone);
    EXPECT_EQ(speed, 2);
    EXPECT_EQ(GetValue(entry, 2000, nullptr), kBadArgument);
    std::vector<std::uint8_t> command(1024, 0);
    EXPECT_EQ(GetData(entry, 45000, command.data(), 1024), kDone);
    EXPECT_EQ(GetData(entry, 45000, nullptr, 1024), kBadArgument);

    EXPECT_EQ(printers::AddCMDFont(entry), 0);
    EXPECT_EQ(printers::AddBarcodeFont(entry), 8) << "after the eight default barcode fonts";
    EXPECT_EQ(printers::DeleteBarcodeFont(entry, 8), kDone);
    EXPECT_EQ(printers::DeleteCMDFont(entry, 0), kDone);
    EXPECT_EQ(printers::DeleteCMDFont(entry, 0), kBadArgument);

    std::vector<std::uint8_t> out(50496, 0);
    std::vector<std::uint8_t> publicOut(220, 0);
    EXPECT_EQ(printers::ConvertBlock(entry, publicRecord.data(), publicOut.data(), block, nullptr),
              kBadArgument);
    EXPECT_EQ(printers::ConvertBlock(entry, nullptr, publicOut.data(), block, out.data()),
              kBadArgument);
    ASSERT_EQ(
        printers::ConvertBlock(entry, publicRecord.data(), publicOut.data(), block, out.data()),
        kDone);
    EXPECT_EQ(out, block);
}

TEST_F(DeviceManagerTest, NoEntryAnswersAsAnUnsupportedPrinter) {
    std::uint8_t language = 0;
    EXPECT_EQ(printers::GetValue(nullptr, 2076, &language), kNoWidth);
    std::vector<std::uint8_t> name(64, 0);
    EXPECT_EQ(printers::GetData(nullptr, 44000, name.data(), 64), kNotAttached);
    EXPECT_EQ(printers::AddBarcodeFont(nullptr), kNotAttached);
    std::vector<std::uint8_t> block(16, 0);
    EXPECT_EQ(printers::ConvertBlock(nullptr, block.data(), block.data(), block, block.data()),
              kNoWidth);
    EXPECT_EQ(manager_.ReleaseEntry(nullptr), printers::kReleaseUnknownEntry);
}

}  // namespace
}  // namespace orca::settings
