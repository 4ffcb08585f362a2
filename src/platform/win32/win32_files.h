// SPDX-License-Identifier: Apache-2.0
// The file port over kernel32 and the C runtime.
#pragma once

#include "platform/files.h"

namespace orca::platform::win32 {

class Win32Files : public Files {
public:
    uint32_t TempDirectory(std::u16string* path, uint32_t bufferChars) override;
    bool Exists(std::u16string_view path) override;
    bool WriteNewFile(std::u16string_view path, std::span<const uint8_t> bytes) override;
    bool ReadWholeFile(std::u16string_view path, std::vector<uint8_t>* bytes) override;
    bool Remove(std::u16string_view path) override;
    text::FilePath NativePath(std::u16string_view path) override;
};

}  // namespace orca::platform::win32
