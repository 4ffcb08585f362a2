// Rows of a field map: where a field named by an identifier lies in a block or a
// record, and its default. Field maps are constexpr arrays of these rows.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "settings/field_id.h"

namespace orca::settings {

// A single value; its width follows from the identifier (FieldWidth).
struct FieldRow {
    FieldId id;
    std::string_view name;  // the settings-file key
    std::uint32_t offset;
    std::int32_t defaultValue;  // doubles (thousand 5) hold integral defaults too
};

// A data field (names, command buffers) with a size of its own.
struct DataRow {
    FieldId id;
    std::string_view name;
    std::uint32_t offset;
    std::uint32_t size;
};

template <typename Row>
constexpr const Row* FindRow(std::span<const Row> rows, FieldId id) {
    for (const Row& row : rows) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

// The first row for `id` in `first`, else in `second`.
template <typename Row>
constexpr const Row* FindRow(std::span<const Row> first, std::span<const Row> second, FieldId id) {
    const Row* row = FindRow(first, id);
    return row != nullptr ? row : FindRow(second, id);
}

// Copies the value `row` names at `base` + offset (CopyValue); kNotHandled when
// there is no row or no base.
std::int32_t AccessValueRow(std::uint8_t* base, const FieldRow* row, void* buffer, bool get);

// Copies the data field `row` names at `base` + offset (CopyData); kNotHandled when
// there is no row or no base.
std::int32_t AccessDataRow(std::uint8_t* base, const DataRow* row, void* buffer,
                           std::int32_t length, bool get);

// Writes each row's default at `base` + offset, by the row's width.
void WriteDefaults(std::uint8_t* base, std::span<const FieldRow> rows);

}  // namespace orca::settings
