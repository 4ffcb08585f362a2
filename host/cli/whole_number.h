// SPDX-License-Identifier: Apache-2.0
// Whole numbers as people type them in arguments and actions.
#pragma once

#include <charconv>
#include <optional>
#include <string_view>

namespace orca::host {

// The text as a decimal number, all of it, or none.
inline std::optional<int> WholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// "#N" (N from 1) as the position N - 1, or none.
inline std::optional<int> Position(std::string_view text) {
    if (!text.starts_with('#'))
        return std::nullopt;
    const std::optional<int> n = WholeNumber(text.substr(1));
    return n && *n >= 1 ? std::optional<int>(*n - 1) : std::nullopt;
}

}  // namespace orca::host
