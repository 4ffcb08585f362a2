// SPDX-License-Identifier: Apache-2.0
// Command data as the value of a settings-file key. Data that an INI line
// carries unchanged is written as its text in the ANSI code page, so other
// readers still read it; anything else (a zero byte, a line break, a byte the
// code page does not define) is written as a prefix and two hex digits per
// byte, which reads back byte for byte.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orca::pages {

// bytes: the field up to its last non-zero byte.
std::u16string CommandDataText(std::string_view bytes, unsigned codePage);

// The bytes a value stands for, or nothing when it is malformed or holds
// more than maxBytes.
std::optional<std::string> CommandDataBytes(std::u16string_view text, unsigned codePage,
                                            size_t maxBytes);

// Units to read so that any value of a field of that size comes back whole.
size_t CommandDataChars(size_t fieldBytes);

}  // namespace orca::pages
