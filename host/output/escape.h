// SPDX-License-Identifier: Apache-2.0
// Bytes as readable text: printable ASCII stays as it is, a backslash is
// doubled and every other byte is written "\xHH". The form reads back
// exactly, so the job log keeps jobs in it too.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orca::host {

std::string EscapeBytes(std::span<const uint8_t> bytes);
std::string EscapeBytes(std::string_view text);
// Null when the text holds a backslash that starts no escape of that form.
std::optional<std::vector<uint8_t>> UnescapeBytes(std::string_view text);

}  // namespace orca::host
