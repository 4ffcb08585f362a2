// SPDX-License-Identifier: Apache-2.0
// Rows of a field map: where a field named by an identifier lies in a block or a
// record, and its default. Field maps are constexpr arrays of these rows.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
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

// A field map: rows sorted by identifier, each identifier once.
template <typename Row, std::size_t... Sizes>
constexpr auto FieldMap(const std::array<Row, Sizes>&... parts) {
    std::array<Row, (Sizes + ...)> rows{};
    std::size_t next = 0;
    ((std::copy(parts.begin(), parts.end(), rows.begin() + next), next += parts.size()), ...);
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) { return a.id < b.id; });
    return rows;
}

template <typename Row>
constexpr bool IsFieldMap(std::span<const Row> rows) {
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i - 1].id >= rows[i].id)
            return false;
    }
    return true;
}

// The row of `id` in a field map, or null. A binary search whose halving does
// not branch on the comparison.
template <typename Row>
constexpr const Row* FindRow(std::span<const Row> map, FieldId id) {
    if (map.empty())
        return nullptr;
    const Row* first = map.data();
    std::size_t count = map.size();
    while (count > 1) {
        const std::size_t half = count / 2;
        first = first[half].id <= id ? first + half : first;
        count -= half;
    }
    return first->id == id ? first : nullptr;
}

// Copies the value `row` names at `base` + offset (CopyValue); kNotHandled when
// there is no row or no base.
std::int32_t AccessValueRow(std::uint8_t* base, const FieldRow* row, void* buffer, bool get);

// Copies the data field `row` names at `base` + offset (CopyData); kNotHandled when
// there is no row or no base.
std::int32_t AccessDataRow(std::uint8_t* base, const DataRow* row, void* buffer,
                           std::int32_t length, bool get);

// Writes the row's default at `base` + offset, by the row's width.
void WriteDefault(std::uint8_t* base, const FieldRow& row);

// Writes each row's default (WriteDefault).
void WriteDefaults(std::uint8_t* base, std::span<const FieldRow> rows);

}  // namespace orca::settings
