// SPDX-License-Identifier: Apache-2.0
// Plug-in objects on several threads register and release printers at once.
// Run under ThreadSanitizer by the full suite.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <latch>
#include <thread>
#include <vector>

#include "platform/process.h"
#include "printers/device_manager.h"
#include "printers/device_manager_facade.h"
#include "printers/model_env.h"
#include "support/sim_env.h"

namespace orca::settings {
namespace {

using platform::sim::kEnvironmentX64;
using testing::AddDriver;
using testing::AddPrinter;
using testing::IsOpen;

constexpr int kThreads = 8;
constexpr int kRounds = 20;
constexpr int kLookups = 50;

struct Printer {
    std::u16string_view name;
    std::u16string_view driver;
    std::uint8_t language;  // 0: resolves to the null printer
};

constexpr Printer kPrinters[] = {
    {u"Dock 1", u"ACME 4x6", 2},       // through the model map
    {u"Dock 2", u"Kestrel(ORCA)", 1},  // driver name is the display name
    {u"Dock 3", u"Unknown model", 0},  // not in the catalogue
    {u"Dock 4 (gone)", u"Egret", 0},   // cannot be opened
};

class DeviceManagerStress : public testsupport::SimEnvTest {
protected:
    DeviceManagerStress() {
        AddDriver(Env(), kEnvironmentX64, u"ACME 4x6", {u"ORCAUI.dll", u"labels.lbpm"},
                  u"labels.lbpm", "[PrinterMap]\r\nACME 4x6=Heron(ONYX)\r\n");
        for (const Printer& printer : kPrinters) {
            if (printer.name != u"Dock 4 (gone)")
                AddPrinter(Env(), printer.name, printer.driver);
        }
    }
};

// Each round registers one entry of every kind, looks them up, uses them and
// releases them again, checking that each handle was closed, and closed once: a
// second close would fail and leave the spooler's "invalid handle" as the
// thread's last error.
TEST_F(DeviceManagerStress, RegistersAndReleasesFromEightThreads) {
    printers::CDeviceManager manager;
    platform::Process& process = *Ports().process;
    std::latch start(kThreads);
    std::atomic<int> failures{0};
    std::atomic<int> opened{0};
    auto work = [&] {
        start.arrive_and_wait();
        for (int round = 0; round < kRounds; ++round) {
            std::array<printers::CDeviceEntry*, std::size(kPrinters)> entries{};
            for (std::size_t i = 0; i < entries.size(); ++i)
                entries[i] = manager.Register(kPrinters[i].name, kPrinters[i].driver);
            for (int lookup = 0; lookup < kLookups; ++lookup) {
                for (printers::CDeviceEntry* entry : entries)
                    failures += manager.Find(entry) == entry ? 0 : 1;
            }
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const Printer& printer = kPrinters[i];
                const platform::PrinterHandle handle = printers::PrinterOf(entries[i]).Printer();
                const bool supported = printer.language != 0;
                std::uint8_t language = 0;
                const std::int32_t read = GetValue(entries[i], 2076, &language);
                bool ok =
                    IsOpen(handle) == supported &&
                    (supported ? read == kDone && language == printer.language : read == kNoWidth);
                opened += supported ? 1 : 0;
                process.SetLastError(0);
                ok = ok && manager.ReleaseEntry(entries[i]) == kDone && process.LastError() == 0;
                ok = ok && !IsOpen(handle) &&
                     manager.ReleaseEntry(entries[i]) == printers::kReleaseUnknownEntry;
                failures += ok ? 0 : 1;
            }
        }
    };
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back(work);
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(opened.load(), kThreads * kRounds * 2);
}

TEST_F(DeviceManagerStress, InstanceIsCreatedOnceAcrossThreads) {
    std::vector<printers::CDeviceManager*> seen(kThreads, nullptr);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&seen, t] { seen[t] = &printers::CDeviceManager::Instance(); });
    for (std::thread& thread : threads)
        thread.join();
    for (printers::CDeviceManager* manager : seen)
        EXPECT_EQ(manager, &printers::CDeviceManager::Instance());
}

}  // namespace
}  // namespace orca::settings
