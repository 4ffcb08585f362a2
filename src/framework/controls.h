// SPDX-License-Identifier: Apache-2.0
// The common controls as thin objects over their windows. A control made
// from its dialog and identifier finds its window each time it is used, so
// it can be a member declared before the dialog's window exists; one made
// from a window (while visiting a dialog's children) stays on that window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/dialog.h"
#include "platform/window_types.h"

namespace orca::framework {

class Control {
public:
    Control(const Dialog& owner, int controlId);
    explicit Control(Window window);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Window window() const;
    int Id() const;
    std::u16string ClassName() const;
    uint32_t Style() const;

    std::u16string Text() const;
    void SetText(std::u16string_view text) const;
    bool IsEnabled() const;
    void Enable(bool enabled = true) const;
    bool IsVisible() const;
    void Show(bool visible = true) const;
    bool HasFocus() const;
    void SetFocus() const;

    // Screen coordinates.
    platform::Rect WindowRect() const;
    platform::Rect ClientRect() const;
    // Where the control lies in its parent's client area.
    platform::Rect PlaceInParent() const;
    // In the parent's client coordinates.
    void Move(const platform::Rect& place) const;
    // Next in its parent's window order after previous, a sibling: where
    // Tab reaches it.
    void PlaceAfter(platform::Window previous) const;
    // Moves the top left corner there, keeping the size.
    void MoveTo(platform::Point topLeft) const;

    platform::Font GetFont() const;
    void SetFont(const platform::Font& font) const;
    // The text's width in pixels, in the control's font.
    int TextWidth() const;

private:
    const Dialog* owner_ = nullptr;
    int controlId_ = 0;
    Window window_ = nullptr;
};

using Static = Control;

class Button : public Control {
public:
    using Control::Control;
    bool IsChecked() const;
    void SetChecked(bool checked) const;
};

// An edit; a class deriving from it filters typed characters by overriding
// AcceptChar. Filtering needs the form made from the dialog and identifier.
class Edit : public Control {
public:
    Edit(Dialog& owner, int controlId);
    explicit Edit(Window window);
    ~Edit() override;

    void LimitText(int maxChars) const;
    platform::TextSelection Selection() const;
    void SetSelection(int start, int end) const;

    // Called for each character typed, before the edit sees it (backspace is
    // u'\b'); false drops it. Text set by code is not filtered.
    virtual bool AcceptChar(char16_t /*ch*/) { return true; }

private:
    Dialog* filterOwner_ = nullptr;
};

// Combo boxes and list boxes: items with a text and an item value.
class ItemList : public Control {
public:
    using Control::Control;

    void Clear() const;
    // Appends an item with that value; its index, or -1.
    int Add(std::u16string_view text, intptr_t value = 0) const;
    int Count() const;
    std::u16string ItemText(int index) const;
    intptr_t ItemValue(int index) const;
    void SetItemValue(int index, intptr_t value) const;
    // The selected index, or -1.
    int Selected() const;
    // -1 selects nothing.
    void Select(int index) const;
    // The first item with that value, or -1.
    int Find(intptr_t value) const;
};

class ComboBox : public ItemList {
public:
    using ItemList::ItemList;
};

class ListBox : public ItemList {
public:
    using ItemList::ItemList;
};

class UpDown : public Control {
public:
    using Control::Control;
    void SetRange(int low, int high) const;
    // The buddy's number; not valid when it is no number or out of range.
    platform::SpinPosition Position() const;
    void SetPosition(int value) const;
};

class TabControl : public Control {
public:
    using Control::Control;
    int Count() const;
    std::u16string TabText(int index) const;
    void SetTabText(int index, std::u16string_view text) const;
};

}  // namespace orca::framework
