// SPDX-License-Identifier: Apache-2.0
// One setting read or written through the printer object's value access, in
// the width its field identifier fixes.
#pragma once

#include <cstdint>

#include "pages/page_context.h"

namespace orca::pages {

// The stored value, or fallback when it cannot be read.
template <typename T>
T ReadSetting(PageContext& context, uint32_t fieldId, T fallback) {
    T value{};
    return context.AccessValue(fieldId, &value, 0, true) == 0 ? value : fallback;
}

// Writes value when it differs from the stored one; true when it was written,
// which is when the sheet has a change to hear of.
template <typename T>
bool StoreIfChanged(PageContext& context, uint32_t fieldId, T value) {
    T stored{};
    if (context.AccessValue(fieldId, &stored, 0, true) == 0 && stored == value) {
        return false;
    }
    return context.AccessValue(fieldId, &value, 0, false) == 0;
}

}  // namespace orca::pages
