// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/desktop_driver.h"

#include <algorithm>
#include <limits>

#include "resources/window_styles.h"

namespace orca::platform::sim {

namespace {

bool IsDigit(char16_t ch) {
    return ch >= u'0' && ch <= u'9';
}

bool IsList(const DesktopWindow& control) {
    return control.className == resources::kClassComboBox ||
           control.className == resources::kClassListBox;
}

// Whether a list control tells its dialog about the user's picks.
bool ReportsPicks(const DesktopWindow& control) {
    return control.className == resources::kClassComboBox ||
           (control.style & resources::LBS_NOTIFY) != 0;
}

}  // namespace

DesktopWindow* DesktopDriver::Reach(Window dialog, int controlId, std::u16string_view className) {
    Window control = desktop_.Child(dialog, controlId);
    DesktopWindow* found = desktop_.Find(control);
    if (found == nullptr || !found->enabled || !desktop_.IsVisible(control)) {
        return nullptr;
    }
    if (!className.empty() && found->className != className) {
        return nullptr;
    }
    return found;
}

bool DesktopDriver::Click(Window dialog, int controlId) {
    DesktopWindow* button = Reach(dialog, controlId, resources::kClassButton);
    uint32_t kind = button == nullptr ? 0 : button->style & resources::BS_TYPEMASK;
    if (button == nullptr || kind == resources::BS_GROUPBOX) {
        return false;
    }
    Window pressed = button->handle;
    desktop_.SetFocus(pressed);
    if (desktop_.Find(pressed) == nullptr) {
        return true;
    }
    if (kind == resources::BS_AUTOCHECKBOX) {
        desktop_.Find(pressed)->checked = !desktop_.Find(pressed)->checked;
    } else if (kind == resources::BS_AUTORADIOBUTTON) {
        // The group runs from the last WS_GROUP control up to the next one.
        std::vector<Window> siblings = desktop_.Children(dialog);
        auto at = std::ranges::find(siblings, pressed);
        auto starts = [&](auto it) {
            return (desktop_.Find(*it)->style & resources::WS_GROUP) != 0;
        };
        auto first = at;
        while (first != siblings.begin() && !starts(first)) {
            --first;
        }
        auto last = at + 1;
        while (last != siblings.end() && !starts(last)) {
            ++last;
        }
        for (auto it = first; it != last; ++it) {
            DesktopWindow* radio = desktop_.Find(*it);
            if ((radio->style & resources::BS_TYPEMASK) == resources::BS_AUTORADIOBUTTON) {
                radio->checked = *it == pressed;
            }
        }
    }
    desktop_.Notify(pressed, Notification::kClicked);
    return true;
}

bool DesktopDriver::Select(Window dialog, int controlId, int index) {
    DesktopWindow* list = Reach(dialog, controlId, {});
    if (list == nullptr || !IsList(*list) || index < 0 ||
        index >= static_cast<int>(list->items.size())) {
        return false;
    }
    Window picked = list->handle;
    desktop_.SetFocus(picked);
    if (DesktopWindow* still = desktop_.Find(picked)) {
        desktop_.Select(picked, index);
        if (ReportsPicks(*still)) {
            desktop_.Notify(picked, Notification::kSelectionChanged);
        }
    }
    return true;
}

bool DesktopDriver::Select(Window dialog, int controlId, std::u16string_view itemText) {
    Window list = desktop_.Child(dialog, controlId);
    for (int index = 0; index < desktop_.ItemCount(list); ++index) {
        if (desktop_.ItemText(list, index) == itemText) {
            return Select(dialog, controlId, index);
        }
    }
    return false;
}

bool DesktopDriver::DoubleClick(Window dialog, int controlId, int index) {
    DesktopWindow* list = Reach(dialog, controlId, resources::kClassListBox);
    if (list == nullptr) {
        return false;
    }
    Window picked = list->handle;
    if (!Select(dialog, controlId, index)) {
        return false;
    }
    if (const DesktopWindow* still = desktop_.Find(picked);
        still != nullptr && ReportsPicks(*still)) {
        desktop_.Notify(picked, Notification::kDoubleClicked);
    }
    return true;
}

bool DesktopDriver::SelectText(Window dialog, int controlId, int start, int end) {
    DesktopWindow* edit = Reach(dialog, controlId, resources::kClassEdit);
    if (edit == nullptr) {
        return false;
    }
    Window target = edit->handle;
    desktop_.SetFocus(target);
    desktop_.SetTextSelection(target, {start, end});
    return desktop_.Find(target) != nullptr;
}

bool DesktopDriver::Type(Window dialog, int controlId, std::u16string_view keys) {
    DesktopWindow* edit = Reach(dialog, controlId, resources::kClassEdit);
    if (edit == nullptr || (edit->style & resources::ES_READONLY) != 0) {
        return false;
    }
    Window target = edit->handle;
    desktop_.SetFocus(target);
    for (char16_t key : keys) {
        const DesktopWindow* still = desktop_.Find(target);
        if (still == nullptr || !still->enabled || !PressKey(target, key)) {
            return false;
        }
    }
    return true;
}

bool DesktopDriver::Retype(Window dialog, int controlId, std::u16string_view keys) {
    return SelectText(dialog, controlId, 0, -1) && Type(dialog, controlId, keys);
}

bool DesktopDriver::Paste(Window dialog, int controlId, std::u16string_view pasted) {
    DesktopWindow* edit = Reach(dialog, controlId, resources::kClassEdit);
    if (edit == nullptr || (edit->style & resources::ES_READONLY) != 0 ||
        ((edit->style & resources::ES_NUMBER) != 0 && !std::ranges::all_of(pasted, IsDigit))) {
        return false;
    }
    desktop_.SetFocus(edit->handle);
    std::u16string text = edit->text;
    const int length = static_cast<int>(text.size());
    const int start = std::clamp(edit->textSelection.start, 0, length);
    const int end = std::clamp(edit->textSelection.end, start, length);
    const size_t room = size_t(std::max(0, edit->textLimit - (length - (end - start))));
    const std::u16string_view inserted = pasted.substr(0, room);
    text.replace(size_t(start), size_t(end - start), inserted);
    const int caret = start + static_cast<int>(inserted.size());
    desktop_.SetEditText(edit->handle, std::move(text), {caret, caret});
    return true;
}

bool DesktopDriver::PressKey(Window edit, char16_t key) {
    DesktopWindow* found = desktop_.Find(edit);
    Window dialog = found->parent;
    int id = found->id;
    bool passes = true;
    desktop_.Tell(dialog,
                  [&](WindowHandler& handler) { passes = handler.OnChar(dialog, edit, id, key); });
    found = desktop_.Find(edit);
    if (found == nullptr) {
        return false;
    }
    if (!passes) {
        return true;
    }
    std::u16string text = found->text;
    int length = static_cast<int>(text.size());
    int start = std::clamp(found->textSelection.start, 0, length);
    int end = std::clamp(found->textSelection.end, start, length);
    bool multiline = (found->style & resources::ES_MULTILINE) != 0;
    std::u16string inserted;
    if (key == u'\b') {
        if (start == end && start > 0) {
            // A line break goes as one.
            start -= multiline && start >= 2 && text.compare(start - 2, 2, u"\r\n") == 0 ? 2 : 1;
        }
        if (start == end) {
            return true;
        }
    } else if (key == u'\r') {
        if (!multiline) {
            return true;
        }
        inserted = u"\r\n";
    } else if (key < 0x20 || ((found->style & resources::ES_NUMBER) != 0 && !IsDigit(key))) {
        return true;
    } else {
        inserted.assign(1, key);
    }
    int newLength = length - (end - start) + static_cast<int>(inserted.size());
    if (!inserted.empty() && newLength > found->textLimit) {
        return true;
    }
    text.replace(start, end - start, inserted);
    int caret = start + static_cast<int>(inserted.size());
    desktop_.SetEditText(edit, std::move(text), {caret, caret});
    return true;
}

bool DesktopDriver::Leave(Window dialog, int controlId) {
    DesktopWindow* control = Reach(dialog, controlId, {});
    if (control == nullptr) {
        return false;
    }
    const Window left = control->handle;
    desktop_.SetFocus(left);
    MoveFocusOn(dialog, left, false);
    return true;
}

bool DesktopDriver::PressTab(Window dialog, bool backward) {
    if (!desktop_.IsVisible(dialog)) {
        return false;
    }
    MoveFocusOn(dialog, desktop_.Focus(), backward);
    return true;
}

void DesktopDriver::TabOrder(Window parent, Window from, std::vector<Window>& order) {
    for (Window child : desktop_.Children(parent)) {
        const DesktopWindow* found = desktop_.Find(child);
        const bool reachable = found->enabled && desktop_.IsVisible(child);
        if (reachable && found->className == resources::kClassDialog &&
            (found->style & resources::DS_CONTROL) != 0) {
            TabOrder(child, from, order);
        } else if (child == from || (reachable && (found->style & resources::WS_TABSTOP) != 0)) {
            order.push_back(child);
        }
    }
}

void DesktopDriver::MoveFocusOn(Window dialog, Window from, bool backward) {
    std::vector<Window> order;
    TabOrder(dialog, from, order);
    if (backward) {
        std::ranges::reverse(order);
    }
    // The next control that takes the focus, wrapping round; the focus stays
    // where it is when no other does.
    auto at = std::ranges::find(order, from);
    if (at != order.end()) {
        std::rotate(order.begin(), at + 1, order.end());
    }
    if (!order.empty()) {
        desktop_.SetFocus(order.front());
    }
}

bool DesktopDriver::Spin(Window dialog, int controlId, int steps) {
    DesktopWindow* spin = Reach(dialog, controlId, resources::kClassUpDown);
    if (spin == nullptr) {
        return false;
    }
    Window target = spin->handle;
    SpinPosition now = desktop_.GetSpinPosition(target);
    // Added in 64 bits: the sum of two ints can leave them; the control
    // clamps what it gets to its range.
    const int64_t wanted = int64_t(now.value) + steps;
    desktop_.SetSpinPosition(target,
                             int(std::clamp<int64_t>(wanted, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max())));
    return true;
}

bool DesktopDriver::Mouse(Window window, MouseEvent event, Point at) {
    if (!desktop_.IsVisible(window)) {
        return false;
    }
    desktop_.Tell(window, [&](WindowHandler& handler) { handler.OnMouse(window, event, at); });
    return true;
}

bool DesktopDriver::MoveMouse(Window window, Point at) {
    return Mouse(window, MouseEvent::kMove, at);
}

bool DesktopDriver::Hover(Window window, Point at) {
    return Mouse(window, MouseEvent::kHover, at);
}

bool DesktopDriver::ReleaseLeftButton(Window window, Point at) {
    return Mouse(window, MouseEvent::kLeftButtonUp, at);
}

bool DesktopDriver::PressEscape(Window dialog) {
    const Window cancel = desktop_.Child(dialog, resources::IDCANCEL);
    if (!desktop_.Exists(dialog) || (cancel != nullptr && !desktop_.IsEnabled(cancel))) {
        return false;
    }
    desktop_.HearEscape(dialog);
    return true;
}

bool DesktopDriver::SelectTab(Window sheet, int tab) {
    return desktop_.IsVisible(sheet) && desktop_.ActivateTab(sheet, tab);
}

bool DesktopDriver::SelectTab(Window sheet, std::u16string_view title) {
    const DesktopWindow* window = desktop_.Find(sheet);
    if (window == nullptr || !window->sheet) {
        return false;
    }
    const std::vector<std::u16string>& titles = desktop_.Find(window->sheet->tabControl)->tabs;
    auto found = std::ranges::find(titles, title);
    return found != titles.end() && SelectTab(sheet, static_cast<int>(found - titles.begin()));
}

bool DesktopDriver::Apply(Window sheet) {
    if (Reach(sheet, resources::kSheetApplyId, resources::kClassButton) == nullptr) {
        return false;
    }
    desktop_.SetFocus(desktop_.Child(sheet, resources::kSheetApplyId));
    desktop_.ApplySheet(sheet);
    return true;
}

bool DesktopDriver::PressOk(Window sheet) {
    if (Reach(sheet, resources::IDOK, resources::kClassButton) == nullptr) {
        return false;
    }
    desktop_.SetFocus(desktop_.Child(sheet, resources::IDOK));
    if (desktop_.ApplySheet(sheet)) {
        desktop_.CloseSheet(sheet);
    }
    return true;
}

bool DesktopDriver::PressCancel(Window sheet) {
    if (Reach(sheet, resources::IDCANCEL, resources::kClassButton) == nullptr) {
        return false;
    }
    desktop_.CloseSheet(sheet);
    return true;
}

void DesktopDriver::OnNextDialog(DialogResponder respond) {
    desktop_.dialogResponders_.push_back(std::move(respond));
}

void DesktopDriver::OnNextMessage(MessageResponder respond) {
    desktop_.messageResponders_.push_back(std::move(respond));
}

void DesktopDriver::OnNextFileDialog(FileResponder respond) {
    desktop_.fileResponders_.push_back(std::move(respond));
}

void DesktopDriver::OnNextMenu(MenuResponder respond) {
    desktop_.menuResponders_.push_back(std::move(respond));
}

}  // namespace orca::platform::sim
