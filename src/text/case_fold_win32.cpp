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

}  // namespace orca::text
