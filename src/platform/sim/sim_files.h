// SPDX-License-Identifier: Apache-2.0
// Files of the simulated host: real files on disk, with the environment's
// own temporary directory.
#pragma once

#include "platform/files.h"
#include "platform/sim/world.h"

namespace orca::platform::sim {

class SimFiles : public Files {
public:
    explicit SimFiles(World& world) : world_(world) {}

    uint32_t TempDirectory(std::u16string* path, uint32_t bufferChars) override;
    bool Exists(std::u16string_view path) override;
    bool WriteNewFile(std::u16string_view path, std::span<const uint8_t> bytes) override;
    bool ReadWholeFile(std::u16string_view path, std::vector<uint8_t>* bytes) override;
    bool Remove(std::u16string_view path) override;
    text::FilePath NativePath(std::u16string_view path) override {
        return ToNativePath(path).native();
    }

private:
    World& world_;
};

}  // namespace orca::platform::sim
