// SPDX-License-Identifier: Apache-2.0
// Field identifiers name every setting, capability, record field and public-record
// field. An identifier's thousand fixes the width of a single value; the results
// of every access by identifier are the small integers below.
#pragma once

#include <array>
#include <cstdint>

namespace orca::settings {

using FieldId = std::uint32_t;

// Results of the value and data accesses. A positive number from a data access is
// the size needed (read into a too small buffer) or the length refused (write
// longer than the field).
inline constexpr std::int32_t kDone = 0;
inline constexpr std::int32_t kNoWidth = -1;      // no single-value width, or a null object
inline constexpr std::int32_t kBadArgument = -2;  // missing pointer or list index out of range
inline constexpr std::int32_t kNotAttached = -3;  // nothing attached, no printer, spooler failed
inline constexpr std::int32_t kNotHandled = -7;   // not this owner's: ask the next one
inline constexpr std::int32_t kListFull = -8;     // list full, or record index 32 or more

struct WidthRow {
    std::uint32_t thousand;
    std::uint32_t width;
};

// Thousands 44 and 45 are data fields with sizes of their own: they have no row.
inline constexpr std::array<WidthRow, 12> kWidthRule{{
    {0, 8},
    {1, 4},
    {2, 1},
    {3, 2},
    {4, 4},
    {5, 8},
    {32, 1},
    {33, 2},
    {34, 4},
    {36, 4},
    {37, 4},
    {46, 8},
}};

namespace detail {

inline constexpr std::uint32_t kThousands = 47;

constexpr std::array<std::uint8_t, kThousands> WidthsByThousand() {
    std::array<std::uint8_t, kThousands> widths{};
    for (const WidthRow& row : kWidthRule)
        widths[row.thousand] = static_cast<std::uint8_t>(row.width);
    return widths;
}

inline constexpr std::array<std::uint8_t, kThousands> kWidthsByThousand = WidthsByThousand();

}  // namespace detail

// Width in bytes of a single value named by `id`; 0 when the identifier names no
// single value.
constexpr std::uint32_t FieldWidth(FieldId id) {
    const std::uint32_t thousand = id / 1000;
    return thousand < detail::kThousands ? detail::kWidthsByThousand[thousand] : 0;
}

// Values of thousand 5 are doubles; every other single value is an integer.
constexpr bool IsDoubleField(FieldId id) {
    return id / 1000 == 5;
}

// Copies one value of the width `id` fixes between `field` and `buffer`: into the
// buffer when `get`, into the field otherwise. kNoWidth for an identifier without
// a width, kBadArgument for a missing buffer.
std::int32_t CopyValue(std::uint8_t* field, FieldId id, void* buffer, bool get);

// Copies a data field of `fieldSize` bytes. A read needs `length` >= fieldSize and
// copies the whole field; otherwise it answers fieldSize. A write copies `length`
// bytes to the start of the field (the rest keeps its bytes); a longer write
// answers `length`. Past those checks, kBadArgument for a missing buffer; always
// for a negative length.
std::int32_t CopyData(std::uint8_t* field, std::uint32_t fieldSize, void* buffer,
                      std::int32_t length, bool get);

}  // namespace orca::settings
