// SPDX-License-Identifier: Apache-2.0
#include "framework/controls.h"

#include "framework/window_port.h"

namespace orca::framework {

Control::Control(const Dialog& owner, int controlId) : owner_(&owner), controlId_(controlId) {}

Control::Control(Window window) : window_(window) {}

Window Control::window() const {
    return owner_ != nullptr ? owner_->Item(controlId_) : window_;
}

int Control::Id() const {
    return owner_ != nullptr ? controlId_ : Port().ControlId(window_);
}

std::u16string Control::ClassName() const {
    return Port().ClassName(window());
}

uint32_t Control::Style() const {
    return Port().Style(window());
}

std::u16string Control::Text() const {
    return Port().Text(window());
}

void Control::SetText(std::u16string_view text) const {
    Port().SetText(window(), text);
}

bool Control::IsEnabled() const {
    return Port().IsEnabled(window());
}

void Control::Enable(bool enabled) const {
    Port().Enable(window(), enabled);
}

bool Control::IsVisible() const {
    return Port().IsVisible(window());
}

void Control::Show(bool visible) const {
    Port().Show(window(), visible);
}

bool Control::HasFocus() const {
    Window self = window();
    return self != nullptr && Port().Focus() == self;
}

void Control::SetFocus() const {
    if (Window self = window()) {
        Port().SetFocus(self);
    }
}

platform::Rect Control::WindowRect() const {
    return Port().WindowRect(window());
}

platform::Rect Control::ClientRect() const {
    return Port().ClientRect(window());
}

platform::Rect Control::PlaceInParent() const {
    Window self = window();
    platform::Rect screen = Port().WindowRect(self);
    platform::Point origin = Port().ClientOrigin(Port().Parent(self));
    return {screen.left - origin.x, screen.top - origin.y, screen.right - origin.x,
            screen.bottom - origin.y};
}

void Control::Move(const platform::Rect& place) const {
    Port().Move(window(), place);
}

void Control::PlaceAfter(platform::Window previous) const {
    Port().PlaceAfter(window(), previous);
}

void Control::MoveTo(platform::Point topLeft) const {
    platform::Rect now = WindowRect();
    Move({topLeft.x, topLeft.y, topLeft.x + now.Width(), topLeft.y + now.Height()});
}

platform::Font Control::GetFont() const {
    return Port().GetFont(window());
}

void Control::SetFont(const platform::Font& font) const {
    Port().SetFont(window(), font);
}

int Control::TextWidth() const {
    return Port().TextWidth(window());
}

bool Button::IsChecked() const {
    return Port().IsChecked(window());
}

void Button::SetChecked(bool checked) const {
    Port().SetChecked(window(), checked);
}

Edit::Edit(Dialog& owner, int controlId) : Control(owner, controlId), filterOwner_(&owner) {
    owner.AddEdit(controlId, this);
}

Edit::Edit(Window window) : Control(window) {}

Edit::~Edit() {
    if (filterOwner_ != nullptr) {
        filterOwner_->RemoveEdit(this);
    }
}

void Edit::LimitText(int maxChars) const {
    Port().LimitText(window(), maxChars);
}

platform::TextSelection Edit::Selection() const {
    return Port().GetTextSelection(window());
}

void Edit::SetSelection(int start, int end) const {
    Port().SetTextSelection(window(), {start, end});
}

void ItemList::Clear() const {
    Port().ClearItems(window());
}

int ItemList::Add(std::u16string_view text, intptr_t value) const {
    Window self = window();
    int index = Port().AddItem(self, text);
    if (index >= 0) {
        Port().SetItemData(self, index, value);
    }
    return index;
}

int ItemList::Count() const {
    return Port().ItemCount(window());
}

std::u16string ItemList::ItemText(int index) const {
    return Port().ItemText(window(), index);
}

intptr_t ItemList::ItemValue(int index) const {
    return Port().ItemData(window(), index);
}

void ItemList::SetItemValue(int index, intptr_t value) const {
    Port().SetItemData(window(), index, value);
}

int ItemList::Selected() const {
    return Port().Selection(window());
}

void ItemList::Select(int index) const {
    Port().Select(window(), index);
}

int ItemList::Find(intptr_t value) const {
    Window self = window();
    int count = Port().ItemCount(self);
    for (int index = 0; index < count; ++index) {
        if (Port().ItemData(self, index) == value) {
            return index;
        }
    }
    return -1;
}

void UpDown::SetRange(int low, int high) const {
    Port().SetSpinRange(window(), low, high);
}

platform::SpinPosition UpDown::Position() const {
    return Port().GetSpinPosition(window());
}

void UpDown::SetPosition(int value) const {
    Port().SetSpinPosition(window(), value);
}

int TabControl::Count() const {
    return Port().TabCount(window());
}

std::u16string TabControl::TabText(int index) const {
    return Port().TabText(window(), index);
}

void TabControl::SetTabText(int index, std::u16string_view text) const {
    Port().SetTabText(window(), index, text);
}

}  // namespace orca::framework
