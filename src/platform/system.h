// SPDX-License-Identifier: Apache-2.0
// System-information port: directories and facts of the running system.
#pragma once

#include <cstdint>
#include <string>

namespace orca::platform {

// Processor architectures as GetSystemInfo names them.
inline constexpr uint16_t kArchitectureX86 = 0;
inline constexpr uint16_t kArchitectureIa64 = 6;
inline constexpr uint16_t kArchitectureX64 = 9;
inline constexpr uint16_t kArchitectureArm64 = 12;

// What looking up and calling "IsWow64Process" for the current process gave.
struct Wow64Answer {
    bool functionFound = false;  // kernel32 and its "IsWow64Process" were found
    bool callSucceeded = false;  // the call returned non-zero
    bool isWow64 = false;        // its answer, when it succeeded

    bool operator==(const Wow64Answer&) const = default;
};

class System {
public:
    virtual ~System() = default;

    // GetSystemDirectoryW / GetWindowsDirectoryW with a buffer of bufferChars
    // units: the length copied into *path (no trailing separator), or when the
    // buffer is too small the size needed with the terminator (*path
    // untouched), or 0 on failure.
    virtual uint32_t SystemDirectory(std::u16string* path, uint32_t bufferChars) = 0;
    virtual uint32_t WindowsDirectory(std::u16string* path, uint32_t bufferChars) = 0;
    // Loads kernel32 (system directory first, then by plain name), looks up
    // "IsWow64Process", calls it for the current process and releases the
    // library.
    virtual Wow64Answer QueryWow64() = 0;
    // wProcessorArchitecture of GetSystemInfo: the architecture this process
    // sees (x86 for a 32-bit process under WOW64).
    virtual uint16_t ProcessorArchitecture() = 0;
    // GetSystemDefaultLangID, e.g. 0x0409 or 0x0804.
    virtual uint16_t DefaultLanguage() = 0;
    // GetACP, e.g. 1252 or 936.
    virtual uint32_t AnsiCodePage() = 0;
};

}  // namespace orca::platform
