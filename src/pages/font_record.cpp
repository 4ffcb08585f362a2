// SPDX-License-Identifier: Apache-2.0
#include "pages/font_record.h"

#include "pages/setting_value.h"

namespace orca::pages {

bool StoreRecordByte(PageContext& context, uint32_t fieldId, int index, int value,
                     uint8_t initial) {
    if (value < 0 || value == initial) {
        return false;
    }
    return StoreSetting(context, fieldId, static_cast<uint8_t>(value), index);
}

}  // namespace orca::pages
