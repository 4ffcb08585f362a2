// SPDX-License-Identifier: Apache-2.0
// Dialog templates as data: every page and dialog is built from one of these
// by whichever window-system adapter is in force.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace orca::resources {

// Window classes as the window system names them.
inline constexpr std::u16string_view kClassButton = u"Button";
inline constexpr std::u16string_view kClassEdit = u"Edit";
inline constexpr std::u16string_view kClassStatic = u"Static";
inline constexpr std::u16string_view kClassComboBox = u"ComboBox";
inline constexpr std::u16string_view kClassListBox = u"ListBox";
inline constexpr std::u16string_view kClassUpDown = u"msctls_updown32";

struct ControlTemplate {
    int id;  // control identifier; -1 for an anonymous static
    std::u16string_view className;
    uint32_t style;            // the window-system style bits (WS_*, BS_*, ES_*, CBS_*, ...)
    std::u16string_view text;  // template text; pages replace it from the language files
    int x, y, cx, cy;          // dialog units
};

struct DialogTemplate {
    int id;
    std::u16string_view caption;
    int cx, cy;
    std::span<const ControlTemplate> controls;  // in window order
};

// The template with that identifier, or nullptr.
const DialogTemplate* FindDialogTemplate(int id);

// A pop-up menu: its items in order, each with the command it reports.
struct MenuItemTemplate {
    int command;
    std::u16string_view text;
};

struct MenuTemplate {
    int id;
    std::span<const MenuItemTemplate> items;
};

// The menu with that identifier, or nullptr.
const MenuTemplate* FindMenuTemplate(int id);

}  // namespace orca::resources
