// SPDX-License-Identifier: Apache-2.0
#include "pages/decimal_edit.h"

#include <string>

namespace orca::pages {

bool CDecimalEdit::AcceptChar(char16_t ch) {
    const bool digit = ch >= u'0' && ch <= u'9';
    if (!digit && ch != u'\b' && ch != u'.' && ch != u'-') {
        return false;
    }
    const std::u16string text = Text();
    const platform::TextSelection selection = Selection();
    const bool nothingSelected = selection.start == selection.end;
    const size_t minus = text.find(u'-');
    // Nothing goes in front of the sign.
    if (minus != text.npos && selection.start == 0 && nothingSelected) {
        return false;
    }
    if (ch == u'-') {
        return (minus == text.npos && selection.start == 0) ||
               (minus != text.npos && static_cast<int>(minus) == selection.start &&
                !nothingSelected);
    }
    if (ch == u'.') {
        const size_t point = text.find(u'.');
        const bool pointSelected = point != text.npos &&
                                   selection.start <= static_cast<int>(point) &&
                                   static_cast<int>(point) < selection.end;
        return selection.start != 0 && (point == text.npos || pointSelected);
    }
    return true;
}

}  // namespace orca::pages
