// SPDX-License-Identifier: Apache-2.0
// Little-endian loads and stores on raw bytes. Settings blocks and host records
// are read and written only through these, so their layout never depends on the
// compiler's struct packing or on the machine's byte order.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orca::settings {

inline std::uint8_t LoadU8(const std::uint8_t* at) {
    return at[0];
}

inline std::uint16_t LoadU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

inline std::int16_t LoadI16(const std::uint8_t* at) {
    return static_cast<std::int16_t>(LoadU16(at));
}

inline std::uint32_t LoadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

inline std::uint64_t LoadU64(const std::uint8_t* at) {
    return static_cast<std::uint64_t>(LoadU32(at)) | static_cast<std::uint64_t>(LoadU32(at + 4))
                                                         << 32;
}

inline double LoadF64(const std::uint8_t* at) {
    return std::bit_cast<double>(LoadU64(at));
}

inline void StoreU8(std::uint8_t* at, std::uint8_t value) {
    at[0] = value;
}

inline void StoreU16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void StoreI16(std::uint8_t* at, std::int16_t value) {
    StoreU16(at, static_cast<std::uint16_t>(value));
}

inline void StoreU32(std::uint8_t* at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void StoreU64(std::uint8_t* at, std::uint64_t value) {
    StoreU32(at, static_cast<std::uint32_t>(value));
    StoreU32(at + 4, static_cast<std::uint32_t>(value >> 32));
}

inline void StoreF64(std::uint8_t* at, double value) {
    StoreU64(at, std::bit_cast<std::uint64_t>(value));
}

// Stores the low `width` bytes (1, 2, 4 or 8) of `value`.
inline void StoreUnsigned(std::uint8_t* at, std::uint32_t width, std::uint64_t value) {
    for (std::uint32_t i = 0; i < width; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void ZeroBytes(std::uint8_t* at, std::size_t count) {
    std::memset(at, 0, count);
}

}  // namespace orca::settings
