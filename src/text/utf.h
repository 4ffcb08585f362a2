// SPDX-License-Identifier: Apache-2.0
// UTF-16 text and conversions to UTF-8 and to the platform's ANSI code pages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orca::text {

// Code pages the platform may name as its ANSI code page.
inline constexpr unsigned kCodePageWestern = 1252;
inline constexpr unsigned kCodePageGbk = 936;

// Malformed input (lone surrogates, truncated sequences) never fails: each bad
// unit becomes U+FFFD, or '?' on the way to a code page.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

// A whole number in decimal digits, with a leading '-' when negative.
std::u16string DecimalText(int64_t value);

// A name followed by a number's digits, as numbered sections and keys are
// named ("Paper2").
std::u16string NumberedName(std::u16string_view base, int64_t number);

// ANSI <-> UTF-16 through the platform's converter (MultiByteToWideChar and
// WideCharToMultiByte on Windows, iconv elsewhere); characters the code page
// cannot hold, and bytes it does not define, become '?'. Windows-1252's five
// undefined bytes map to the C1 controls of the same value and GBK's byte 0xFF
// to U+F8F5, as the platform's converter maps them. A code page the converter does not know is read
// as Windows-1252.
std::u16string AnsiToUtf16(std::string_view bytes, unsigned codePage);
std::string Utf16ToAnsi(std::u16string_view text, unsigned codePage);

// UTF-16 units <-> their little-endian bytes (a stray last byte is ignored).
std::u16string Utf16LeToUtf16(std::string_view bytes);
std::string Utf16ToUtf16Le(std::u16string_view text);

}  // namespace orca::text
