// SPDX-License-Identifier: Apache-2.0
// File names: the system's longest path, and the names that a driver's
// registry entries list, checked before they are joined to the driver
// directory: whoever joins them (the plug-in or a host) stays inside that
// directory.
#pragma once

#include <cstdint>
#include <string_view>

namespace orca::platform {

// The system's longest path in characters, its terminator included (MAX_PATH).
inline constexpr uint32_t kMaxPath = 260;

// Not empty, not absolute (no leading separator, no drive or stream colon)
// and no ".." part between separators of either kind.
inline bool StaysInsideDirectory(std::u16string_view name) {
    if (name.empty() || name.front() == u'\\' || name.front() == u'/' ||
        name.find(u':') != std::u16string_view::npos) {
        return false;
    }
    for (size_t start = 0; start <= name.size();) {
        const size_t end = std::min(name.find_first_of(u"\\/", start), name.size());
        if (name.substr(start, end - start) == u"..")
            return false;
        start = end + 1;
    }
    return true;
}

}  // namespace orca::platform
