// SPDX-License-Identifier: Apache-2.0
#include "text/nocase.h"

namespace orca::text {

int CompareNoCase(std::u16string_view a, std::u16string_view b) {
    size_t common = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < common; ++i) {
        char16_t x = FoldCase(a[i]);
        char16_t y = FoldCase(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

std::u16string FoldedNoCase(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& unit : key)
        unit = FoldCase(unit);
    return key;
}

size_t FindNoCase(std::u16string_view haystack, std::u16string_view needle) {
    if (needle.size() > haystack.size())
        return std::u16string_view::npos;
    for (size_t at = 0; at + needle.size() <= haystack.size(); ++at)
        if (EqualsNoCase(haystack.substr(at, needle.size()), needle))
            return at;
    return std::u16string_view::npos;
}

}  // namespace orca::text
