// SPDX-License-Identifier: Apache-2.0
#include "settings/field_table.h"

#include "settings/byte_access.h"

namespace orca::settings {

std::int32_t AccessValueRow(std::uint8_t* base, const FieldRow* row, void* buffer, bool get) {
    if (base == nullptr || row == nullptr)
        return kNotHandled;
    return CopyValue(base + row->offset, row->id, buffer, get);
}

std::int32_t AccessDataRow(std::uint8_t* base, const DataRow* row, void* buffer,
                           std::int32_t length, bool get) {
    if (base == nullptr || row == nullptr)
        return kNotHandled;
    return CopyData(base + row->offset, row->size, buffer, length, get);
}

void WriteDefault(std::uint8_t* base, const FieldRow& row) {
    std::uint8_t* at = base + row.offset;
    if (IsDoubleField(row.id))
        StoreF64(at, static_cast<double>(row.defaultValue));
    else
        StoreUnsigned(at, FieldWidth(row.id), static_cast<std::uint64_t>(row.defaultValue));
}

void WriteDefaults(std::uint8_t* base, std::span<const FieldRow> rows) {
    for (const FieldRow& row : rows)
        WriteDefault(base, row);
}

}  // namespace orca::settings
