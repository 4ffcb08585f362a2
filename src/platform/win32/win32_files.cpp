// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_files.h"

#include <io.h>
#include <windows.h>

#include <optional>
#include <vector>

#include "platform/file_buffer.h"
#include "platform/win32/wide_text.h"
#include "text/file_handle_win32.h"

namespace orca::platform::win32 {

using text::FileHandle;

uint32_t Win32Files::TempDirectory(std::u16string* path, uint32_t bufferChars) {
    return AnswerPath([](uint32_t size, wchar_t* buffer) { return GetTempPathW(size, buffer); },
                      path, bufferChars);
}

bool Win32Files::Exists(std::u16string_view path) {
    return _waccess(Wide(path).c_str(), 0) == 0;
}

bool Win32Files::WriteNewFile(std::u16string_view path, std::span<const uint8_t> bytes) {
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() || bytes.size() > MAXDWORD)
        return false;
    DWORD written = 0;
    return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) != FALSE &&
           written == bytes.size();
}

bool Win32Files::ReadWholeFile(std::u16string_view path, std::vector<uint8_t>* bytes) {
    FileHandle file(CreateFileW(Wide(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return false;
    DWORD high = 0;
    const DWORD size = GetFileSize(file.get(), &high);
    if (size == INVALID_FILE_SIZE || high != 0)
        return false;
    std::optional<std::vector<uint8_t>> content = FileBuffer(size);
    if (!content) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return false;
    }
    DWORD read = 0;
    if (!ReadFile(file.get(), content->data(), size, &read, nullptr) || read != size)
        return false;
    *bytes = std::move(*content);
    return true;
}

bool Win32Files::Remove(std::u16string_view path) {
    return DeleteFileW(Wide(path).c_str()) != FALSE;
}

text::FilePath Win32Files::NativePath(std::u16string_view path) {
    return Wide(path);
}

}  // namespace orca::platform::win32
