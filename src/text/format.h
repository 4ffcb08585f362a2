// SPDX-License-Identifier: Apache-2.0
// printf-style formatting into a growable byte buffer.
#pragma once

#include <cstdarg>
#include <string>

namespace orca::text {

// Formats into a buffer that starts at 256 bytes and doubles until the text
// fits, so nothing is ever truncated. The result ends at the formatted text's
// first NUL byte, as a C string would.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);

}  // namespace orca::text
