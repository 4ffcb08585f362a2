// SPDX-License-Identifier: Apache-2.0
// The system-information and process ports over kernel32.
#pragma once

#include "platform/process.h"
#include "platform/system.h"

namespace orca::platform::win32 {

class Win32System : public System {
public:
    uint32_t SystemDirectory(std::u16string* path, uint32_t bufferChars) override;
    uint32_t WindowsDirectory(std::u16string* path, uint32_t bufferChars) override;
    Wow64Answer QueryWow64() override;
    uint16_t ProcessorArchitecture() override;
    uint16_t DefaultLanguage() override;
    uint32_t AnsiCodePage() override;
};

class Win32Process : public Process {
public:
    std::u16string ExecutableName() override;
    void SetLastError(uint32_t error) override;
    uint32_t LastError() override;
    void DebugOutput(const char* line) override;
};

}  // namespace orca::platform::win32
