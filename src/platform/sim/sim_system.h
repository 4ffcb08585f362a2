// SPDX-License-Identifier: Apache-2.0
// The simulated system and process: directories under the environment's
// root, the configured system facts, and the thread's last error.
#pragma once

#include "platform/process.h"
#include "platform/sim/world.h"
#include "platform/system.h"

namespace orca::platform::sim {

class SimSystem : public System {
public:
    explicit SimSystem(World& world) : world_(world) {}

    uint32_t SystemDirectory(std::u16string* path, uint32_t bufferChars) override;
    uint32_t WindowsDirectory(std::u16string* path, uint32_t bufferChars) override;
    Wow64Answer QueryWow64() override;
    uint16_t ProcessorArchitecture() override;
    uint16_t DefaultLanguage() override;
    uint32_t AnsiCodePage() override;

private:
    World& world_;
};

class SimProcess : public Process {
public:
    explicit SimProcess(World& world) : world_(world) {}

    std::u16string ExecutableName() override;
    void SetLastError(uint32_t error) override { SetThreadLastError(error); }
    uint32_t LastError() override { return ThreadLastError(); }
    void DebugOutput(const char* line) override;

private:
    World& world_;
};

// The platform's answer for a directory into a buffer of bufferChars units:
// the length copied, or the size needed with the terminator; 0 without a
// root directory.
uint32_t AnswerDirectory(const std::filesystem::path& root, const std::filesystem::path& directory,
                         std::u16string* path, uint32_t bufferChars);

}  // namespace orca::platform::sim
