// SPDX-License-Identifier: Apache-2.0
// How far apart two names are, for the nearest names a misspelt one offers.
#pragma once

#include <cstddef>
#include <string_view>

namespace orca::host {

// Letters to change, add or drop to make one name the other, case ignored.
size_t EditDistance(std::u16string_view a, std::u16string_view b);

}  // namespace orca::host
