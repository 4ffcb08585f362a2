// SPDX-License-Identifier: Apache-2.0
// The buffer a whole file is read into.
#pragma once

#include <cstdint>
#include <new>
#include <optional>
#include <vector>

namespace orca::platform {

// A zeroed buffer of size bytes, or none when memory cannot hold it: a file
// too large for the memory left is refused like an unreadable one.
inline std::optional<std::vector<uint8_t>> FileBuffer(uint64_t size) {
    if (size > std::vector<uint8_t>().max_size())
        return std::nullopt;
    try {
        return std::vector<uint8_t>(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace orca::platform
