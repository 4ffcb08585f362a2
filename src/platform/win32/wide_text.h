// SPDX-License-Identifier: Apache-2.0
// UTF-16 text between the ports (char16_t) and the Win32 calls (wchar_t, also
// UTF-16 on Windows). Copies keep the calls' strings NUL-terminated.
#pragma once

#include <string>
#include <string_view>

namespace orca::platform::win32 {

inline std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

// A string the platform hands back, which may be null.
inline std::u16string FromWide(const wchar_t* text) {
    return text == nullptr ? std::u16string() : FromWide(std::wstring_view(text));
}

// A directory call with a caller's buffer of bufferChars units (GetTempPathW,
// GetSystemDirectoryW, GetWindowsDirectoryW): the call's answer, and the path
// copied when it fitted.
template <typename Call>
uint32_t AnswerPath(Call call, std::u16string* path, uint32_t bufferChars) {
    std::wstring buffer(bufferChars, L'\0');
    const uint32_t answer = call(bufferChars, buffer.data());
    if (answer != 0 && answer < bufferChars && path != nullptr)
        *path = FromWide(std::wstring_view(buffer.data(), answer));
    return answer;
}

}  // namespace orca::platform::win32
