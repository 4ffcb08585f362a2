// SPDX-License-Identifier: Apache-2.0
// File port: the temporary directory and whole-file access. Paths are the
// platform's UTF-16 paths; Windows separators ('\') are accepted everywhere.
// A failure sets the last error (Process port).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/file_path.h"

namespace orca::platform {

class Files {
public:
    virtual ~Files() = default;

    // GetTempPathW with a buffer of bufferChars units: the length copied into
    // *path, which ends with a separator; when the buffer is too small the
    // size needed with the terminator (*path untouched); 0 on failure.
    virtual uint32_t TempDirectory(std::u16string* path, uint32_t bufferChars) = 0;
    // _waccess(path, 0) == 0.
    virtual bool Exists(std::u16string_view path) = 0;
    // CreateFileW(GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS,
    // FILE_ATTRIBUTE_NORMAL), one WriteFile of all bytes, CloseHandle.
    // False when the file cannot be created or not every byte was written.
    virtual bool WriteNewFile(std::u16string_view path, std::span<const uint8_t> bytes) = 0;
    // CreateFile(GENERIC_READ, no sharing, OPEN_EXISTING), GetFileSize,
    // ReadFile of the whole file, CloseHandle. False (and *bytes untouched)
    // unless the count read equals the size; files of 4 GiB or more fail, as
    // does a file too large for the memory left (last error 8).
    virtual bool ReadWholeFile(std::u16string_view path, std::vector<uint8_t>* bytes) = 0;
    // DeleteFileW. A missing file: false, 2.
    virtual bool Remove(std::u16string_view path) = 0;
    // The path as the text layer's file functions (INI module) take it.
    virtual text::FilePath NativePath(std::u16string_view path) = 0;
};

}  // namespace orca::platform
