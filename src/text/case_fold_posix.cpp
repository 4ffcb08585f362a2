// SPDX-License-Identifier: Apache-2.0
#include <algorithm>

#include "text/case_fold.h"
#include "text/case_fold_table.h"

namespace orca::text {
namespace {

char16_t Fold(char16_t unit) {
    const auto* run = std::upper_bound(
        std::begin(detail::kFoldRuns), std::end(detail::kFoldRuns), unit,
        [](char16_t value, const detail::FoldRun& entry) { return value < entry.first; });
    if (run == std::begin(detail::kFoldRuns))
        return unit;
    --run;
    if (unit > run->last || (unit - run->first) % run->stride != 0)
        return unit;
    return static_cast<char16_t>(unit + run->delta);
}

}  // namespace

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return x == y || Fold(x) == Fold(y); });
}

std::u16string FoldedIgnoringCase(std::u16string_view name) {
    std::u16string key(name);
    std::ranges::transform(key, key.begin(), Fold);
    return key;
}

}  // namespace orca::text
