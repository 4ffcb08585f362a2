// SPDX-License-Identifier: Apache-2.0
// The simulated host environment's data: what a test builds and a state
// directory holds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/spooler.h"
#include "platform/system.h"

namespace orca::platform::sim {

inline constexpr char16_t kEnvironmentX64[] = u"Windows x64";
inline constexpr char16_t kEnvironmentX86[] = u"Windows NT x86";

// A paper the printer's driver offers itself; sizes in tenths of a millimetre.
// Built-in numbers stay below the user-defined paper (256).
struct Paper {
    uint16_t number = 0;
    std::u16string name;
    int32_t width = 0;
    int32_t length = 0;

    bool operator==(const Paper&) const = default;
};

struct Printer {
    std::u16string name;
    std::u16string driverName;
    // "null:", "file:PATH" (PATH relative to the environment's root unless
    // absolute) or "tcp:HOST:PORT".
    std::u16string portName = u"null:";
    // Stored default settings: public record followed by the private block.
    std::vector<uint8_t> settings;
    // What the per-user default settings size query answers.
    uint32_t perUserSettingsSize = 0;
    std::vector<Paper> papers;

    bool operator==(const Printer&) const = default;
};

struct Driver {
    std::u16string name;
    std::u16string environment = kEnvironmentX64;
    // The registry's "Dependent Files"; none means the value is missing.
    std::vector<std::u16string> dependentFiles;

    bool operator==(const Driver&) const = default;
};

// A form of the spooler's database and the paper number it has while it exists.
struct Form {
    FormInfo1 info;
    uint16_t number = 0;

    bool operator==(const Form&) const = default;
};

struct SystemFacts {
    uint16_t processorArchitecture = kArchitectureX64;
    Wow64Answer wow64{.functionFound = true, .callSucceeded = true, .isWow64 = false};
    uint16_t defaultLanguage = 0x0409;
    uint32_t ansiCodePage = 1252;
    std::u16string processName = u"orcaui.exe";

    bool operator==(const SystemFacts&) const = default;
};

// A finished raw job as it reached the printer.
struct RawJob {
    uint32_t id = 0;
    std::u16string printerName;
    std::u16string documentName;
    std::u16string outputFile;
    std::u16string dataType;
    bool pageStarted = false;
    std::vector<std::vector<uint8_t>> writes;

    bool operator==(const RawJob&) const = default;
};

// A raw job that did not reach its printer: its target refused the start
// (job id 0), or a write to it failed.
struct JobFailure {
    uint32_t jobId = 0;
    std::u16string printerName;
    std::u16string documentName;
    std::u16string target;  // the port, or the output file the job named
    uint32_t error = 0;     // the last error the spooler set
    std::u16string reason;  // a print server's own account of it, when it gave one

    bool operator==(const JobFailure&) const = default;
};

}  // namespace orca::platform::sim
