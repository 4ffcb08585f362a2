// SPDX-License-Identifier: Apache-2.0
// One-byte fields of a barcode-font or command-font record through the
// sheet's settings.
#pragma once

#include <cstdint>

#include "pages/page_context.h"

namespace orca::pages {

// The field of record index; fallback when it cannot be read.
uint8_t ReadRecordByte(PageContext& context, uint32_t fieldId, int index, uint8_t fallback);
// Writes value into the field of record index when it is a value (not
// negative) that differs from initial; true when written.
bool StoreRecordByte(PageContext& context, uint32_t fieldId, int index, int value, uint8_t initial);

}  // namespace orca::pages
