// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/sim_system.h"

#include <cstdio>

#include "platform/errors.h"

namespace orca::platform::sim {

uint32_t AnswerDirectory(const std::filesystem::path& root, const std::filesystem::path& directory,
                         std::u16string* path, uint32_t bufferChars) {
    if (root.empty()) {
        SetThreadLastError(kErrorPathNotFound);
        return 0;
    }
    const std::u16string text = FromNativePath(directory);
    if (text.size() >= bufferChars) {
        return uint32_t(text.size() + 1);
    }
    *path = text;
    return uint32_t(text.size());
}

uint32_t SimSystem::SystemDirectory(std::u16string* path, uint32_t bufferChars) {
    std::lock_guard lock(world_.mutex);
    return AnswerDirectory(world_.root, SystemDirectoryOf(world_.systemRoot), path, bufferChars);
}

uint32_t SimSystem::WindowsDirectory(std::u16string* path, uint32_t bufferChars) {
    std::lock_guard lock(world_.mutex);
    return AnswerDirectory(world_.root, WindowsDirectoryOf(world_.systemRoot), path, bufferChars);
}

Wow64Answer SimSystem::QueryWow64() {
    std::lock_guard lock(world_.mutex);
    return world_.facts.wow64;
}

uint16_t SimSystem::ProcessorArchitecture() {
    std::lock_guard lock(world_.mutex);
    return world_.facts.processorArchitecture;
}

uint16_t SimSystem::DefaultLanguage() {
    std::lock_guard lock(world_.mutex);
    return world_.facts.defaultLanguage;
}

uint32_t SimSystem::AnsiCodePage() {
    std::lock_guard lock(world_.mutex);
    return world_.facts.ansiCodePage;
}

std::u16string SimProcess::ExecutableName() {
    std::lock_guard lock(world_.mutex);
    return world_.facts.processName;
}

void SimProcess::DebugOutput(const char* line) {
    std::fputs(line, stderr);
}

}  // namespace orca::platform::sim
