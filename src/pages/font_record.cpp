// SPDX-License-Identifier: Apache-2.0
#include "pages/font_record.h"

namespace orca::pages {

uint8_t ReadRecordByte(PageContext& context, uint32_t fieldId, int index, uint8_t fallback) {
    uint8_t value = 0;
    return context.AccessValue(fieldId, &value, index, true) == 0 ? value : fallback;
}

bool StoreRecordByte(PageContext& context, uint32_t fieldId, int index, int value,
                     uint8_t initial) {
    if (value < 0 || value == initial) {
        return false;
    }
    auto byte = static_cast<uint8_t>(value);
    context.AccessValue(fieldId, &byte, index, false);
    return true;
}

}  // namespace orca::pages
