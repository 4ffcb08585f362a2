// SPDX-License-Identifier: Apache-2.0
#include "pages/flag_list.h"

#include <cmath>
#include <limits>

namespace orca::pages {

void FillFlagList(const framework::ItemList& list, std::span<const FlagListEntry> entries,
                  uint32_t mask, int current) {
    list.Clear();
    bool selected = false;
    for (size_t i = 0; i < entries.size(); ++i) {
        const FlagListEntry& entry = entries[i];
        int value = 0;
        if (i == 0 && entry.code == 0) {
            value = kDefaultValue;
        } else if ((entry.code & mask) != 0) {
            value = RoundHalfAwayFromZero(std::log2(static_cast<double>(entry.code)));
        } else {
            continue;
        }
        const int index = list.Add(entry.text, value);
        if (index >= 0 && value == current) {
            list.Select(index);
            selected = true;
        }
    }
    if (!selected) {
        list.Select(0);
    }
}

int RoundHalfAwayFromZero(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double rounded = std::trunc(x > 0 ? x + 0.5 : x - 0.5);
    if (rounded >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    if (rounded <= static_cast<double>(std::numeric_limits<int>::min())) {
        return std::numeric_limits<int>::min();
    }
    return static_cast<int>(rounded);
}

}  // namespace orca::pages
