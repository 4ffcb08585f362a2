// SPDX-License-Identifier: Apache-2.0
// Names compared without regard to case as the platform compares names a
// person gives (fonts, forms): every letter folds, not only A-Z, by the
// simple case folding of each UTF-16 unit. On Windows the system's own
// ordinal comparison that ignores case does it.
#pragma once

#include <string>
#include <string_view>

namespace orca::text {

bool EqualsIgnoringCase(std::u16string_view a, std::u16string_view b);
// The name with each unit folded as EqualsIgnoringCase folds it: two names
// are equal ignoring case exactly when their keys are equal, so a hash table
// finds a name in one look-up.
std::u16string FoldedIgnoringCase(std::u16string_view name);

}  // namespace orca::text
