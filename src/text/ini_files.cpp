// SPDX-License-Identifier: Apache-2.0
#include "text/ini_files.h"

#include <atomic>

namespace orca::text::ini::detail {

FilePath AsideName(const FilePath& file, unsigned long processId) {
    static std::atomic<unsigned> counter{0};
    const std::string suffix = ".~" + std::to_string(processId) + "-" + std::to_string(counter++);
    return file + FilePath(suffix.begin(), suffix.end());
}

std::optional<unsigned long> AsideOwner(const FilePath& name, const FilePath& base) {
    const FilePath mark = base + FilePath{'.', '~'};
    if (name.size() <= mark.size() || name.compare(0, mark.size(), mark) != 0)
        return std::nullopt;
    constexpr unsigned long kLargestId = 0xFFFFFFFFUL;
    unsigned long owner = 0;
    bool digits = false;
    bool dash = false;
    for (size_t i = mark.size(); i < name.size(); ++i) {
        const auto unit = name[i];
        if (unit == '-' && digits && !dash) {
            dash = true;
            digits = false;
        } else if (unit >= '0' && unit <= '9' && owner <= kLargestId) {
            digits = true;
            if (!dash)
                owner = owner * 10 + static_cast<unsigned long>(unit - '0');
        } else {
            return std::nullopt;
        }
    }
    if (!dash || !digits || owner > kLargestId)
        return std::nullopt;
    return owner;
}

}  // namespace orca::text::ini::detail
