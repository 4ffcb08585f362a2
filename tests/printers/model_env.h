// SPDX-License-Identifier: Apache-2.0
// Printers, drivers and model map files of the simulated host for the model
// tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/environment.h"
#include "platform/spooler.h"
#include "printers/printer_impl.h"

namespace orca::settings::testing {

inline void AddPrinter(platform::sim::Environment& env, std::u16string_view name,
                       std::u16string_view driver) {
    platform::sim::Printer printer;
    printer.name = name;
    printer.driverName = driver;
    env.AddPrinter(std::move(printer));
}

// A driver of one environment whose dependent files are `files`; `mapText`, when
// given, is written as the file `mapFile` into that environment's driver directory.
inline void AddDriver(platform::sim::Environment& env, std::u16string_view environment,
                      std::u16string_view driver, std::vector<std::u16string> files,
                      std::u16string_view mapFile = {}, std::string_view mapText = {}) {
    platform::sim::Driver entry;
    entry.name = driver;
    entry.environment = environment;
    entry.dependentFiles = std::move(files);
    env.AddDriver(std::move(entry));
    std::string error;
    if (!mapFile.empty()) {
        ASSERT_TRUE(env.WriteDriverFile(environment, mapFile, mapText, &error)) << error;
    }
}

// Whether the spooler still knows the handle as an open printer.
inline bool IsOpen(platform::PrinterHandle handle) {
    std::uint32_t needed = 0;
    return handle != nullptr && platform::Current().spooler->GetInfo9Size(handle, &needed);
}

template <typename Model>
bool IsA(const printers::CPrinterImplBase& printer) {
    return dynamic_cast<const Model*>(&printer) != nullptr;
}

inline std::uint32_t ReadU32(printers::CPrinterImplBase& printer, FieldId id) {
    std::uint32_t value = 0;
    EXPECT_EQ(printer.AccessValue(id, &value, 0, true), kDone) << "identifier " << id;
    return value;
}

}  // namespace orca::settings::testing
