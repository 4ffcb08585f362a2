// SPDX-License-Identifier: Apache-2.0
// ANSI code-page conversions through the platform's own converter.
#include <windows.h>

#include <string>

#include "text/code_page.h"
#include "text/utf.h"

namespace orca::text {
namespace {

// A code page the system does not know is read as Windows-1252.
UINT Known(unsigned codePage) {
    return IsValidCodePage(codePage) ? codePage : kCodePageWestern;
}

// GB18030, like UTF-8, holds characters beyond the first 65536.
constexpr UINT kCodePageGb18030 = 54936;

// The converter turns each unit of a surrogate pair into its own '?'; the pair
// is one character, so it goes in as one unit no code page holds.
std::wstring PairsAsOneUnit(std::u16string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const bool pair =
            (text[i] & 0xFC00) == 0xD800 && i + 1 < text.size() && (text[i + 1] & 0xFC00) == 0xDC00;
        wide.push_back(pair ? L'\uFFFF' : static_cast<wchar_t>(text[i]));
        i += pair ? 1 : 0;
    }
    return wide;
}

}  // namespace

namespace detail {

std::u16string ConvertToUtf16(std::string_view bytes, unsigned codePage) {
    if (bytes.empty())
        return {};
    const UINT page = Known(codePage);
    const int size = static_cast<int>(bytes.size());
    const int units = MultiByteToWideChar(page, 0, bytes.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    MultiByteToWideChar(page, 0, bytes.data(), size, wide.data(), units);
    return std::u16string(wide.begin(), wide.end());
}

std::string ConvertFromUtf16(std::u16string_view text, unsigned codePage) {
    if (text.empty())
        return {};
    const UINT page = Known(codePage);
    // No best fit: a character the code page cannot hold becomes '?' rather
    // than a look-alike. UTF-8 takes no flags.
    const DWORD flags = page == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const std::wstring wide = page == CP_UTF8 || page == kCodePageGb18030
                                  ? std::wstring(text.begin(), text.end())
                                  : PairsAsOneUnit(text);
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(page, flags, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(page, flags, wide.data(), size, bytes.data(), length, nullptr, nullptr);
    return bytes;
}

}  // namespace detail
}  // namespace orca::text
