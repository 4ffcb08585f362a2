// SPDX-License-Identifier: Apache-2.0
#include <windows.h>

#include "text/case_fold.h"

namespace orca::text {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() &&
           CompareStringOrdinal(reinterpret_cast<LPCWCH>(a.data()), static_cast<int>(a.size()),
                                reinterpret_cast<LPCWCH>(b.data()), static_cast<int>(b.size()),
                                TRUE) == CSTR_EQUAL;
}

// The system's upper-casing table, the one its ordinal comparison above
// folds both names by (file-system rules, not a language's).
std::u16string FoldedIgnoringCase(std::u16string_view name) {
    std::u16string key(name);
    if (!key.empty())
        LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE,
                      reinterpret_cast<LPCWSTR>(name.data()), static_cast<int>(name.size()),
                      reinterpret_cast<LPWSTR>(key.data()), static_cast<int>(key.size()), nullptr,
                      nullptr, 0);
    return key;
}

}  // namespace orca::text
