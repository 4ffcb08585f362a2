// SPDX-License-Identifier: Apache-2.0
// The headless desktop's common controls: check state, list items, edit
// limits and selection, up-down positions and tab texts.
#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/sim/desktop.h"
#include "resources/window_styles.h"

namespace orca::platform::sim {

namespace {

// An up-down control's buddy text as a number in its range.
std::optional<int> ReadSpinNumber(std::u16string_view text, int low, int high) {
    while (!text.empty() && text.front() == u' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == u' ') {
        text.remove_suffix(1);
    }
    std::string ascii;
    for (char16_t ch : text) {
        if (ch > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(ch));
    }
    int value = 0;
    auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    if (value < std::min(low, high) || value > std::max(low, high)) {
        return std::nullopt;
    }
    return value;
}

// Entry index of one of a window's lists (items, tabs), or null.
template <typename Entry>
Entry* EntryAt(DesktopWindow* window, std::vector<Entry> DesktopWindow::*list, int index) {
    if (window == nullptr || index < 0 || index >= static_cast<int>((window->*list).size())) {
        return nullptr;
    }
    return &(window->*list)[index];
}

}  // namespace

bool Desktop::IsChecked(Window button) {
    const DesktopWindow* found = Find(button);
    return found != nullptr && found->checked;
}

void Desktop::SetChecked(Window button, bool checked) {
    if (DesktopWindow* found = Find(button)) {
        found->checked = checked;
    }
}

void Desktop::ClearItems(Window list) {
    if (DesktopWindow* found = Find(list)) {
        found->items.clear();
        found->selection = -1;
    }
}

int Desktop::AddItem(Window list, std::u16string_view text) {
    DesktopWindow* found = Find(list);
    if (found == nullptr) {
        return -1;
    }
    found->items.push_back({std::u16string(text), 0});
    return static_cast<int>(found->items.size()) - 1;
}

int Desktop::ItemCount(Window list) {
    const DesktopWindow* found = Find(list);
    return found == nullptr ? 0 : static_cast<int>(found->items.size());
}

std::u16string Desktop::ItemText(Window list, int index) {
    const ListItem* item = EntryAt(Find(list), &DesktopWindow::items, index);
    return item == nullptr ? std::u16string() : item->text;
}

intptr_t Desktop::ItemData(Window list, int index) {
    const ListItem* item = EntryAt(Find(list), &DesktopWindow::items, index);
    return item == nullptr ? 0 : item->data;
}

void Desktop::SetItemData(Window list, int index, intptr_t data) {
    if (ListItem* item = EntryAt(Find(list), &DesktopWindow::items, index)) {
        item->data = data;
    }
}

int Desktop::Selection(Window list) {
    const DesktopWindow* found = Find(list);
    return found == nullptr ? -1 : found->selection;
}

void Desktop::Select(Window list, int index) {
    if (DesktopWindow* found = Find(list)) {
        found->selection = EntryAt(found, &DesktopWindow::items, index) != nullptr ? index : -1;
    }
}

void Desktop::LimitText(Window edit, int maxChars) {
    if (DesktopWindow* found = Find(edit)) {
        // Zero lifts the limit, as the platform's edit does.
        found->textLimit = maxChars <= 0 ? 0x7FFFFFFE : maxChars;
    }
}

TextSelection Desktop::GetTextSelection(Window edit) {
    const DesktopWindow* found = Find(edit);
    return found == nullptr ? TextSelection{} : found->textSelection;
}

void Desktop::SetTextSelection(Window edit, TextSelection selection) {
    DesktopWindow* found = Find(edit);
    if (found == nullptr) {
        return;
    }
    // -1 stands for the end; a reversed range is put in order.
    int length = static_cast<int>(found->text.size());
    auto clamp = [length](int at) { return at < 0 || at > length ? length : at; };
    int start = clamp(selection.start);
    int end = clamp(selection.end);
    found->textSelection = {std::min(start, end), std::max(start, end)};
}

void Desktop::SetSpinRange(Window spin, int low, int high) {
    if (DesktopWindow* found = Find(spin)) {
        found->spinLow = low;
        found->spinHigh = high;
        found->spinPosition =
            std::clamp(found->spinPosition, std::min(low, high), std::max(low, high));
    }
}

std::pair<int, int> Desktop::SpinRange(Window spin) const {
    const DesktopWindow* found = Find(spin);
    return found == nullptr ? std::pair(0, 0) : std::pair(found->spinLow, found->spinHigh);
}

int Desktop::TextLimit(Window edit) const {
    const DesktopWindow* found = Find(edit);
    return found == nullptr ? 0 : found->textLimit;
}

SpinPosition Desktop::GetSpinPosition(Window spin) {
    DesktopWindow* found = Find(spin);
    if (found == nullptr) {
        return {0, false};
    }
    const DesktopWindow* buddy = Find(found->buddy);
    if (buddy == nullptr || (found->style & resources::UDS_SETBUDDYINT) == 0) {
        return {found->spinPosition, true};
    }
    std::optional<int> typed = ReadSpinNumber(buddy->text, found->spinLow, found->spinHigh);
    if (!typed) {
        return {found->spinPosition, false};
    }
    found->spinPosition = *typed;
    return {*typed, true};
}

void Desktop::SetSpinPosition(Window spin, int value) {
    DesktopWindow* found = Find(spin);
    if (found == nullptr) {
        return;
    }
    found->spinPosition = std::clamp(value, std::min(found->spinLow, found->spinHigh),
                                     std::max(found->spinLow, found->spinHigh));
    if (Find(found->buddy) != nullptr && (found->style & resources::UDS_SETBUDDYINT) != 0) {
        std::string digits = std::to_string(found->spinPosition);
        SetText(found->buddy, std::u16string(digits.begin(), digits.end()));
    }
}

int Desktop::TabCount(Window tabs) {
    const DesktopWindow* found = Find(tabs);
    return found == nullptr ? 0 : static_cast<int>(found->tabs.size());
}

std::u16string Desktop::TabText(Window tabs, int index) {
    const std::u16string* tab = EntryAt(Find(tabs), &DesktopWindow::tabs, index);
    return tab == nullptr ? std::u16string() : *tab;
}

void Desktop::SetTabText(Window tabs, int index, std::u16string_view text) {
    if (std::u16string* tab = EntryAt(Find(tabs), &DesktopWindow::tabs, index)) {
        *tab = text;
    }
}

}  // namespace orca::platform::sim
