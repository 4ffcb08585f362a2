// SPDX-License-Identifier: Apache-2.0
// Text as the settings keep commands and paths: 8-bit text in the system's
// ANSI code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orca::pages {

// The system's ANSI code page.
unsigned SystemCodePage();

// The text in the code page, cut to whole characters that fit in maxBytes.
std::string ToAnsiWithin(std::u16string_view text, unsigned codePage, size_t maxBytes);

// The 8-bit text at the start of a zero-filled field: its bytes up to the
// first zero, or all of them.
std::string_view FieldText(std::string_view field);

}  // namespace orca::pages
