// SPDX-License-Identifier: Apache-2.0
// One-byte fields of a barcode-font or command-font record through the
// sheet's settings.
#pragma once

#include <cstdint>

#include "pages/page_context.h"

namespace orca::pages {

// Writes value into the field of record index when it is a value (not
// negative) that differs from initial; true when written.
bool StoreRecordByte(PageContext& context, uint32_t fieldId, int index, int value, uint8_t initial);

}  // namespace orca::pages
