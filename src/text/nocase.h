// SPDX-License-Identifier: Apache-2.0
// Case-insensitive comparison and search of names, as the platform compares
// printer, section and key names: ASCII letters fold to upper case; every
// other UTF-16 unit compares by its value.
#pragma once

#include <string>
#include <string_view>

namespace orca::text {

inline char16_t FoldCase(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 0x20) : c;
}
int CompareNoCase(std::u16string_view a, std::u16string_view b);
bool EqualsNoCase(std::u16string_view a, std::u16string_view b);
// The name with each unit folded as EqualsNoCase folds it, for look-ups by hash.
std::u16string FoldedNoCase(std::u16string_view name);
// Position of the first occurrence of needle in haystack, or npos.
size_t FindNoCase(std::u16string_view haystack, std::u16string_view needle);

}  // namespace orca::text
