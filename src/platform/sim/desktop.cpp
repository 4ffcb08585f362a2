// SPDX-License-Identifier: Apache-2.0
// The headless desktop's window store: the tree, texts, state, place and focus.
#include "platform/sim/desktop.h"

#include <algorithm>

#include "resources/window_styles.h"

namespace orca::platform::sim {

namespace {

uintptr_t Key(Window window) {
    return reinterpret_cast<uintptr_t>(window);
}

bool IsClass(const DesktopWindow& window, std::u16string_view className) {
    return window.className == className;
}

}  // namespace

Desktop::Desktop() = default;

Desktop::~Desktop() {
    // Windows still open say goodbye to their handlers, as at log-off.
    while (!topLevel_.empty()) {
        DestroyTree(topLevel_.back());
    }
}

DesktopWindow* Desktop::Find(Window window) {
    auto found = windows_.find(Key(window));
    return found == windows_.end() ? nullptr : found->second.get();
}

const DesktopWindow* Desktop::Find(Window window) const {
    auto found = windows_.find(Key(window));
    return found == windows_.end() ? nullptr : found->second.get();
}

int Desktop::CascadeOffset() const {
    return 40 + 24 * (static_cast<int>(topLevel_.size()) - 1);
}

DesktopWindow& Desktop::NewWindow(Window parent, std::u16string_view className, int id,
                                  uint32_t style) {
    auto window = std::make_unique<DesktopWindow>();
    window->handle = reinterpret_cast<Window>(nextHandle_ += 0x10);
    window->parent = parent;
    window->className = className;
    window->id = id;
    window->style = style;
    window->enabled = (style & resources::WS_DISABLED) == 0;
    window->visible = (style & resources::WS_VISIBLE) != 0;
    DesktopWindow& made = *window;
    if (DesktopWindow* owner = Find(parent)) {
        owner->children.push_back(made.handle);
        made.inCurrentProcess = owner->inCurrentProcess;
        made.font = owner->font;
    } else {
        made.parent = nullptr;
        topLevel_.push_back(made.handle);
    }
    windows_.emplace(Key(made.handle), std::move(window));
    return made;
}

void Desktop::Notify(Window control, Notification code) {
    const DesktopWindow* sender = Find(control);
    if (sender == nullptr) {
        return;
    }
    int id = sender->id;
    Window dialog = sender->parent;
    Tell(dialog, [&](WindowHandler& handler) { handler.OnNotify(dialog, control, id, code); });
}

bool Desktop::ReportsFocus(const DesktopWindow& control) const {
    if (IsClass(control, resources::kClassListBox)) {
        return (control.style & resources::LBS_NOTIFY) != 0;
    }
    return IsClass(control, resources::kClassEdit) || IsClass(control, resources::kClassComboBox);
}

bool Desktop::Exists(Window window) {
    return Find(window) != nullptr;
}

Window Desktop::Parent(Window window) {
    const DesktopWindow* found = Find(window);
    return found == nullptr ? nullptr : found->parent;
}

std::vector<Window> Desktop::Children(Window parent) {
    const DesktopWindow* found = Find(parent);
    return found == nullptr ? std::vector<Window>{} : found->children;
}

Window Desktop::Child(Window parent, int controlId) {
    for (Window child : Children(parent)) {
        if (Find(child)->id == controlId) {
            return child;
        }
    }
    return nullptr;
}

std::vector<Window> Desktop::TopLevelWindows() {
    return {topLevel_.rbegin(), topLevel_.rend()};
}

bool Desktop::InCurrentProcess(Window window) {
    const DesktopWindow* found = Find(window);
    return found != nullptr && found->inCurrentProcess;
}

int Desktop::ControlId(Window window) {
    const DesktopWindow* found = Find(window);
    return found == nullptr ? 0 : found->id;
}

std::u16string Desktop::ClassName(Window window) {
    const DesktopWindow* found = Find(window);
    return found == nullptr ? std::u16string() : found->className;
}

uint32_t Desktop::Style(Window window) {
    const DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return 0;
    }
    uint32_t flags = found->style & ~(resources::WS_VISIBLE | resources::WS_DISABLED);
    return flags | (found->visible ? resources::WS_VISIBLE : 0) |
           (found->enabled ? 0 : resources::WS_DISABLED);
}

std::u16string Desktop::Text(Window window) {
    const DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return {};
    }
    // A drop-down list shows its selected item.
    if (IsClass(*found, resources::kClassComboBox)) {
        return ItemText(window, found->selection);
    }
    return found->text;
}

void Desktop::SetEditText(Window edit, std::u16string text, TextSelection selection) {
    DesktopWindow* found = Find(edit);
    found->text = std::move(text);
    found->textSelection = selection;
    Notify(edit, Notification::kTextChanged);
}

void Desktop::SetText(Window window, std::u16string_view text) {
    DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return;
    }
    if (IsClass(*found, resources::kClassEdit)) {
        SetEditText(window, std::u16string(text), {});
        return;
    }
    found->text = text;
}

bool Desktop::IsEnabled(Window window) {
    const DesktopWindow* found = Find(window);
    return found != nullptr && found->enabled;
}

void Desktop::Enable(Window window, bool enabled) {
    if (DesktopWindow* found = Find(window)) {
        found->enabled = enabled;
    }
}

bool Desktop::IsVisible(Window window) {
    // Visible only when every window up to the top is.
    for (const DesktopWindow* found = Find(window); found != nullptr; found = Find(found->parent)) {
        if (!found->visible) {
            return false;
        }
    }
    return Find(window) != nullptr;
}

void Desktop::Show(Window window, bool visible) {
    DesktopWindow* found = Find(window);
    if (found == nullptr || found->visible == visible) {
        return;
    }
    found->visible = visible;
    Tell(window, [&](WindowHandler& handler) { handler.OnShown(window, visible); });
}

Rect Desktop::WindowRect(Window window) {
    const DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return {};
    }
    Point origin = found->parent != nullptr ? ClientOrigin(found->parent) : Point{};
    const Rect& place = found->place;
    return {place.left + origin.x, place.top + origin.y, place.right + origin.x,
            place.bottom + origin.y};
}

Point Desktop::ClientOrigin(Window window) {
    const DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return {};
    }
    Rect rect = WindowRect(window);
    int inset = found->framed ? kFrameWidth : 0;
    return {rect.left + inset, rect.top + inset + (found->framed ? kCaptionHeight : 0)};
}

Rect Desktop::ClientRect(Window window) {
    const DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return {};
    }
    int width = found->place.Width();
    int height = found->place.Height();
    if (found->framed) {
        width -= 2 * kFrameWidth;
        height -= 2 * kFrameWidth + kCaptionHeight;
    }
    return {0, 0, std::max(width, 0), std::max(height, 0)};
}

void Desktop::PlaceAfter(Window window, Window previous) {
    DesktopWindow* found = Find(window);
    DesktopWindow* parent = found != nullptr ? Find(found->parent) : nullptr;
    if (parent == nullptr || window == previous) {
        return;
    }
    std::vector<Window>& order = parent->children;
    if (std::ranges::find(order, previous) == order.end()) {
        return;
    }
    std::erase(order, window);
    order.insert(std::ranges::find(order, previous) + 1, window);
}

void Desktop::Move(Window window, const Rect& place) {
    if (DesktopWindow* found = Find(window)) {
        found->place = place;
    }
}

void Desktop::SetFocus(Window window) {
    if (window == focus_ || (window != nullptr && Find(window) == nullptr)) {
        return;
    }
    Window old = focus_;
    focus_ = window;
    if (const DesktopWindow* left = Find(old); left != nullptr && ReportsFocus(*left)) {
        Notify(old, Notification::kKillFocus);
    }
    if (const DesktopWindow* entered = Find(window); entered != nullptr && ReportsFocus(*entered)) {
        Notify(window, Notification::kSetFocus);
    }
}

Font Desktop::GetFont(Window window) {
    const DesktopWindow* found = Find(window);
    return found == nullptr ? Font{} : found->font;
}

void Desktop::SetFont(Window window, const Font& font) {
    if (DesktopWindow* found = Find(window)) {
        found->font = font;
    }
}

// Every character of the headless desktop's fonts is half the font's height wide.
int Desktop::TextWidth(Window window) {
    const DesktopWindow* found = Find(window);
    return found == nullptr ? 0 : static_cast<int>(found->text.size()) * found->font.height / 2;
}

}  // namespace orca::platform::sim
