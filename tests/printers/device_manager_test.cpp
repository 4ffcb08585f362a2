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

    CDeviceManager manager_;
};

TEST_F(DeviceManagerTest, RegisterReleaseAndReleaseAgain) {
    CDeviceEntry* entry = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(manager_.Find(entry), entry);
    EXPECT_TRUE(IsA<CPrinter_Kestrel_ORCA>(entry->Printer()));
    const platform::PrinterHandle handle = entry->Printer().Printer();
    EXPECT_TRUE(IsOpen(handle));

    EXPECT_EQ(manager_.ReleaseEntry(entry), kDone);
    EXPECT_FALSE(IsOpen(handle)) << "releasing closes the printer";
    EXPECT_EQ(manager_.Find(entry), nullptr);
    EXPECT_EQ(manager_.ReleaseEntry(entry), kReleaseUnknownEntry);
    EXPECT_EQ(manager_.Remove(entry), kUnknownEntry);
}

TEST_F(DeviceManagerTest, EntriesAreIndependent) {
    CDeviceEntry* first = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    CDeviceEntry* second = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    CDeviceEntry* unknown = manager_.Register(u"Front desk", u"No such model");
    ASSERT_NE(first, second);
    EXPECT_NE(first->Printer().Printer(), second->Printer().Printer());
    EXPECT_TRUE(IsA<CPrinterImpl_Null>(unknown->Printer()));

    ASSERT_EQ(manager_.Remove(first), kDone);
    EXPECT_EQ(manager_.Find(second), second);
    EXPECT_TRUE(IsOpen(second->Printer().Printer()));
    EXPECT_EQ(manager_.ReleaseEntry(unknown), kDone);
}

TEST_F(DeviceManagerTest, DestroyingTheManagerClosesWhatIsLeft) {
    platform::PrinterHandle handle = nullptr;
    {
        CDeviceManager manager;
        handle = manager.Register(u"Front desk", u"Kestrel(ORCA)")->Printer().Printer();
        ASSERT_TRUE(IsOpen(handle));
    }
    EXPECT_FALSE(IsOpen(handle));
}

TEST_F(DeviceManagerTest, FacadeReadsConvertsAndEditsLists) {
    CDeviceEntry* entry = manager_.Register(u"Front desk", u"Kestrel(ORCA)");
    std::vector<std::uint8_t> block(50496, 0);
    std::vector<std::uint8_t> publicRecord(220, 0);
    PrinterOf(entry).AttachPublicRecord(publicRecord.data());
    PrinterOf(entry).AttachBlock(block.data());
    ASSERT_EQ(PrinterOf(entry).SetModelDefaults(), kDone);

    std::uint8_t speed = 0;
    EXPECT_EQ(GetValue(entry, 2000, &speed), kDone);
    EXPECT_EQ(speed, 2);
    EXPECT_EQ(GetValue(entry, 2000, nullptr), kBadArgument);
    std::vector<std::uint8_t> command(1024, 0);
    EXPECT_EQ(GetData(entry, 45000, command.data(), 1024), kDone);
    EXPECT_EQ(GetData(entry, 45000, nullptr, 1024), kBadArgument);

    EXPECT_EQ(AddCMDFont(entry), 0);
    EXPECT_EQ(AddBarcodeFont(entry), 8) << "after the eight default barcode fonts";
    EXPECT_EQ(DeleteBarcodeFont(entry, 8), kDone);
    EXPECT_EQ(DeleteCMDFont(entry, 0), kDone);
    EXPECT_EQ(DeleteCMDFont(entry, 0), kBadArgument);

    std::vector<std::uint8_t> out(50496, 0);
    std::vector<std::uint8_t> publicOut(220, 0);
    EXPECT_EQ(ConvertBlock(entry, publicRecord.data(), publicOut.data(), block, nullptr),
              kBadArgument);
    EXPECT_EQ(ConvertBlock(entry, nullptr, publicOut.data(), block, out.data()), kBadArgument);
    ASSERT_EQ(ConvertBlock(entry, publicRecord.data(), publicOut.data(), block, out.data()), kDone);
    EXPECT_EQ(out, block);
}

TEST_F(DeviceManagerTest, NoEntryAnswersAsAnUnsupportedPrinter) {
    std::uint8_t language = 0;
    EXPECT_EQ(GetValue(nullptr, 2076, &language), kNoWidth);
    std::vector<std::uint8_t> name(64, 0);
    EXPECT_EQ(GetData(nullptr, 44000, name.data(), 64), kNotAttached);
    EXPECT_EQ(AddBarcodeFont(nullptr), kNotAttached);
    std::vector<std::uint8_t> block(16, 0);
    EXPECT_EQ(ConvertBlock(nullptr, block.data(), block.data(), block, block.data()), kNoWidth);
    EXPECT_EQ(manager_.ReleaseEntry(nullptr), kReleaseUnknownEntry);
}

}  // namespace
}  // namespace orca::settings
