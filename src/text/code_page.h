// SPDX-License-Identifier: Apache-2.0
// The system's converter between an ANSI code page and UTF-16 (iconv on
// Linux, MultiByteToWideChar and WideCharToMultiByte on Windows), for the
// conversions of utf.h, which hand it the runs of text outside ASCII.
#pragma once

#include <string>
#include <string_view>

namespace orca::text::detail {

// What utf.h's AnsiToUtf16 and Utf16ToAnsi promise, for any text.
std::u16string ConvertToUtf16(std::string_view bytes, unsigned codePage);
std::string ConvertFromUtf16(std::u16string_view text, unsigned codePage);

}  // namespace orca::text::detail
