// SPDX-License-Identifier: Apache-2.0
// The Win32 window system's common controls: buttons, combo and list boxes,
// edits, up-down controls and tab controls.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>

#include <array>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window_system.h"

namespace orca::platform::win32 {

namespace {

HWND Handle(Window window) {
    return reinterpret_cast<HWND>(window);
}

LRESULT Send(Window window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(Handle(window), message, wParam, lParam);
}

// Combo boxes and list boxes do the same things under different messages.
struct ListMessages {
    UINT reset, insert, count, textLength, text, getData, setData, getSelection, select;
};

constexpr ListMessages kComboMessages{CB_RESETCONTENT, CB_INSERTSTRING, CB_GETCOUNT,
                                      CB_GETLBTEXTLEN, CB_GETLBTEXT,    CB_GETITEMDATA,
                                      CB_SETITEMDATA,  CB_GETCURSEL,    CB_SETCURSEL};
constexpr ListMessages kListMessages{LB_RESETCONTENT, LB_INSERTSTRING, LB_GETCOUNT,
                                     LB_GETTEXTLEN,   LB_GETTEXT,      LB_GETITEMDATA,
                                     LB_SETITEMDATA,  LB_GETCURSEL,    LB_SETCURSEL};

const ListMessages& MessagesOf(Window list) {
    std::array<wchar_t, 16> name{};
    GetClassNameW(Handle(list), name.data(), static_cast<int>(name.size()));
    return CompareStringOrdinal(name.data(), -1, L"ComboBox", -1, TRUE) == CSTR_EQUAL
               ? kComboMessages
               : kListMessages;
}

}  // namespace

bool Win32WindowSystem::IsChecked(Window button) {
    return Send(button, BM_GETCHECK) == BST_CHECKED;
}

void Win32WindowSystem::SetChecked(Window button, bool checked) {
    Send(button, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

void Win32WindowSystem::ClearItems(Window list) {
    Send(list, MessagesOf(list).reset);
}

int Win32WindowSystem::AddItem(Window list, std::u16string_view text) {
    // Inserting at the end appends whatever the sort style says.
    const LRESULT index = Send(list, MessagesOf(list).insert, static_cast<WPARAM>(-1),
                               reinterpret_cast<LPARAM>(Wide(text).c_str()));
    return index < 0 ? -1 : static_cast<int>(index);
}

int Win32WindowSystem::ItemCount(Window list) {
    const LRESULT count = Send(list, MessagesOf(list).count);
    return count < 0 ? 0 : static_cast<int>(count);
}

std::u16string Win32WindowSystem::ItemText(Window list, int index) {
    const ListMessages& messages = MessagesOf(list);
    if (index < 0 || index >= ItemCount(list))
        return {};
    const LRESULT length = Send(list, messages.textLength, index);
    if (length < 0)
        return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(list, messages.text, index, reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return FromWide(text);
}

intptr_t Win32WindowSystem::ItemData(Window list, int index) {
    if (index < 0 || index >= ItemCount(list))
        return 0;
    return Send(list, MessagesOf(list).getData, index);
}

void Win32WindowSystem::SetItemData(Window list, int index, intptr_t data) {
    Send(list, MessagesOf(list).setData, index, data);
}

int Win32WindowSystem::Selection(Window list) {
    const LRESULT selected = Send(list, MessagesOf(list).getSelection);
    return selected < 0 ? -1 : static_cast<int>(selected);
}

void Win32WindowSystem::Select(Window list, int index) {
    if (index < 0 || index >= ItemCount(list))
        index = -1;
    Send(list, MessagesOf(list).select, static_cast<WPARAM>(index));
}

void Win32WindowSystem::LimitText(Window edit, int maxChars) {
    Send(edit, EM_LIMITTEXT, static_cast<WPARAM>(maxChars));
}

TextSelection Win32WindowSystem::GetTextSelection(Window edit) {
    DWORD start = 0;
    DWORD end = 0;
    Send(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

void Win32WindowSystem::SetTextSelection(Window edit, TextSelection selection) {
    Send(edit, EM_SETSEL, static_cast<WPARAM>(selection.start), selection.end);
}

void Win32WindowSystem::SetSpinRange(Window spin, int low, int high) {
    Send(spin, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
}

SpinPosition Win32WindowSystem::GetSpinPosition(Window spin) {
    BOOL failed = FALSE;
    const LRESULT value = Send(spin, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed));
    return {static_cast<int>(value), failed == FALSE};
}

void Win32WindowSystem::SetSpinPosition(Window spin, int value) {
    Send(spin, UDM_SETPOS32, 0, value);
}

int Win32WindowSystem::TabCount(Window tabs) {
    return static_cast<int>(Send(tabs, TCM_GETITEMCOUNT));
}

std::u16string Win32WindowSystem::TabText(Window tabs, int index) {
    std::array<wchar_t, 256> text{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    if (Send(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item)) == FALSE)
        return {};
    return FromWide(item.pszText);
}

void Win32WindowSystem::SetTabText(Window tabs, int index, std::u16string_view text) {
    std::wstring wide = Wide(text);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = wide.data();
    Send(tabs, TCM_SETITEMW, index, reinterpret_cast<LPARAM>(&item));
}

}  // namespace orca::platform::win32
