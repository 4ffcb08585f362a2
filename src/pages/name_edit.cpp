// SPDX-License-Identifier: Apache-2.0
#include "pages/name_edit.h"

#include <algorithm>
#include <string>

#include "framework/dialog.h"

namespace orca::pages {
namespace {

bool IsLineBreak(char16_t ch) {
    return ch == u'\r' || ch == u'\n';
}

}  // namespace

NameEdit::NameEdit(framework::Dialog& owner, int controlId) : Edit(owner, controlId) {
    owner.On(controlId, platform::Notification::kTextChanged, [this] { DropLineBreaks(); });
}

void NameEdit::DropLineBreaks() const {
    std::u16string text = Text();
    const platform::TextSelection selection = Selection();
    const auto before = static_cast<size_t>(std::max(0, selection.end));
    const auto breaksBefore = std::count_if(
        text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(before, text.size())),
        IsLineBreak);
    if (std::erase_if(text, IsLineBreak) == 0)
        return;
    SetText(text);
    const int caret = selection.end - static_cast<int>(breaksBefore);
    SetSelection(caret, caret);
}

}  // namespace orca::pages
