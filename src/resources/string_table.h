// SPDX-License-Identifier: Apache-2.0
// The module's string table. Every control's symbolic name is stored under the
// control's own identifier, and the name is the control's key in the language
// files; five further strings (1 to 4 and 10) are kept for the host's side.
#pragma once

#include <span>
#include <string_view>

namespace orca::resources {

struct StringEntry {
    int id;
    std::u16string_view text;
};

// The whole table, in identifier order.
std::span<const StringEntry> StringTable();

// The string with that identifier, or the empty string.
std::u16string_view LoadString(int id);

// A control's key in its page's section: the string under the control's
// identifier (two controls may share one); empty for a control with no entry.
inline std::u16string_view ControlName(int controlId) {
    return LoadString(controlId);
}

}  // namespace orca::resources
