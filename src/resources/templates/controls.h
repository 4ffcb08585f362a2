// SPDX-License-Identifier: Apache-2.0
// Builders for the controls of the dialog templates, so that each template
// reads as a list of labels, fields and buttons with their places.
#pragma once

#include "resources/control_ids.h"
#include "resources/dialog_template.h"
#include "resources/window_styles.h"

namespace orca::resources::templates {

inline constexpr uint32_t kShown = WS_CHILD | WS_VISIBLE;

constexpr ControlTemplate Label(int id, std::u16string_view text, int x, int y, int cx,
                                int cy = 8) {
    return {id, kClassStatic, kShown | SS_LEFT, text, x, y, cx, cy};
}

constexpr ControlTemplate Group(int id, std::u16string_view text, int x, int y, int cx, int cy) {
    return {id, kClassButton, kShown | BS_GROUPBOX, text, x, y, cx, cy};
}

constexpr ControlTemplate Button(int id, std::u16string_view text, int x, int y, int cx = 50,
                                 int cy = 14) {
    return {id, kClassButton, kShown | WS_TABSTOP | BS_PUSHBUTTON, text, x, y, cx, cy};
}

constexpr ControlTemplate DefaultButton(int id, std::u16string_view text, int x, int y, int cx = 50,
                                        int cy = 14) {
    return {id, kClassButton, kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, text, x, y, cx, cy};
}

constexpr ControlTemplate Check(int id, std::u16string_view text, int x, int y, int cx,
                                int cy = 10) {
    return {id, kClassButton, kShown | WS_TABSTOP | BS_AUTOCHECKBOX, text, x, y, cx, cy};
}

// The first radio button of a group carries WS_GROUP.
constexpr ControlTemplate Radio(int id, std::u16string_view text, int x, int y, int cx,
                                uint32_t group = 0) {
    return {id, kClassButton, kShown | WS_TABSTOP | BS_AUTORADIOBUTTON | group, text, x, y, cx, 10};
}

// A drop-down list; cy is the height of the opened list.
constexpr ControlTemplate DropList(int id, int x, int y, int cx, int cy = 100) {
    return {id, kClassComboBox, kShown | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, u"", x, y, cx,
            cy};
}

constexpr ControlTemplate Edit(int id, int x, int y, int cx, uint32_t extra = 0, int cy = 12) {
    return {id, kClassEdit, kShown | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | extra, u"", x, y,
            cx, cy};
}

constexpr ControlTemplate TextBox(int id, int x, int y, int cx, int cy) {
    return Edit(id, x, y, cx, ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, cy);
}

constexpr ControlTemplate List(int id, int x, int y, int cx, int cy) {
    return {id,
            kClassListBox,
            kShown | WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
            u"",
            x,
            y,
            cx,
            cy};
}

// An up-down control whose buddy is the control before it.
constexpr ControlTemplate Spinner(int id, int x, int y, int cy = 12) {
    return {
        id,
        kClassUpDown,
        kShown | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
        u"",
        x,
        y,
        10,
        cy};
}

// A picture; its text names the bitmap resource ("#115").
constexpr ControlTemplate Picture(int id, std::u16string_view bitmap, int x, int y, int cx,
                                  int cy) {
    return {id, kClassStatic, kShown | SS_BITMAP, bitmap, x, y, cx, cy};
}

constexpr ControlTemplate Separator(int id, int x, int y, int cx) {
    return {id, kClassStatic, kShown | SS_ETCHEDHORZ, u"", x, y, cx, 1};
}

constexpr ControlTemplate Hidden(ControlTemplate control) {
    control.style &= ~WS_VISIBLE;
    return control;
}

constexpr ControlTemplate Disabled(ControlTemplate control) {
    control.style |= WS_DISABLED;
    return control;
}

// Property pages all have the sheet's page size.
inline constexpr int kPageWidth = 252;
inline constexpr int kPageHeight = 218;

}  // namespace orca::resources::templates
