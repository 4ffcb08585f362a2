// SPDX-License-Identifier: Apache-2.0
// The two UI language texts embedded in the module, byte for byte as the pages
// write them out as language files: UTF-16LE behind the byte-order mark FF FE,
// lines ended by CR LF, one INI section per page or dialog.
#pragma once

#include <cstddef>
#include <span>

namespace orca::resources {

inline constexpr int kLanguageTextChinese = 150;
inline constexpr int kLanguageTextEnglish = 152;

// The text with that resource identifier; empty for any other identifier.
std::span<const std::byte> LanguageText(int resourceId);

}  // namespace orca::resources
