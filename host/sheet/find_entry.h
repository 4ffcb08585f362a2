// SPDX-License-Identifier: Apache-2.0
// Finding an entry of a list (a tab, an item, a menu item) as a person names
// it: by its text, or by its position "#N" counting from 1.
#pragma once

#include <string>
#include <string_view>

#include "host/cli/whole_number.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {

// The index of the entry named text (exact spelling first, then letter case
// ignored) or at position #N; -1 for none. textAt(i) gives entry i's text.
template <typename TextAt>
int FindEntry(std::string_view text, int count, TextAt textAt) {
    if (const auto position = Position(text))
        return *position < count ? *position : -1;
    const std::u16string wanted = text::Utf8ToUtf16(text);
    for (int i = 0; i < count; ++i) {
        if (textAt(i) == wanted)
            return i;
    }
    for (int i = 0; i < count; ++i) {
        if (text::EqualsNoCase(textAt(i), wanted))
            return i;
    }
    return -1;
}

}  // namespace orca::host
