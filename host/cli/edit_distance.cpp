// SPDX-License-Identifier: Apache-2.0
#include "host/cli/edit_distance.h"

#include <algorithm>
#include <vector>

#include "text/nocase.h"

namespace orca::host {

size_t EditDistance(std::u16string_view a, std::u16string_view b) {
    std::vector<size_t> row(b.size() + 1);
    for (size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (size_t i = 1; i <= a.size(); ++i) {
        size_t diagonal = row[0];
        row[0] = i;
        for (size_t j = 1; j <= b.size(); ++j) {
            const bool same = text::EqualsNoCase(a.substr(i - 1, 1), b.substr(j - 1, 1));
            const size_t next = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (same ? 0 : 1)});
            diagonal = row[j];
            row[j] = next;
        }
    }
    return row[b.size()];
}

}  // namespace orca::host
