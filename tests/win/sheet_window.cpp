#include "sheet_window.h"

#include <windows.h>
// commctrl.h and prsht.h need windows.h first.
#include <commctrl.h>
#include <prsht.h>

#include <array>

namespace orca::wintest {

namespace {

HWND Handle(void* window) {
    return static_cast<HWND>(window);
}

// Lets the sheet and its pages handle what is queued for them.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

ShownSheet::ShownSheet(const std::vector<void*>& pages, std::u16string_view caption) {
    std::vector<HPROPSHEETPAGE> handles;
    for (void* page : pages)
        handles.push_back(static_cast<HPROPSHEETPAGE>(page));
    const std::wstring title(caption.begin(), caption.end());
    PROPSHEETHEADERW header{};
    header.dwSize = sizeof header;
    header.dwFlags = PSH_MODELESS;
    header.pszCaption = title.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.phpage = handles.data();
    const INT_PTR made = PropertySheetW(&header);
    sheet_ = made > 0 ? reinterpret_cast<void*>(made) : nullptr;
    if (sheet_ != nullptr) {
        ShowWindow(Handle(sheet_), SW_SHOW);
        Pump();
    }
}

ShownSheet::~ShownSheet() {
    if (sheet_ != nullptr) {
        DestroyWindow(Handle(sheet_));
        Pump();
    }
}

int ShownSheet::PageCount() const {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(Handle(sheet_), PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
}

std::u16string ShownSheet::TabText(int index) const {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(Handle(sheet_), PSM_GETTABCONTROL, 0, 0));
    std::array<wchar_t, 128> text{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return {item.pszText, item.pszText + wcslen(item.pszText)};
}

bool ShownSheet::SelectPage(int index) {
    const bool selected = SendMessageW(Handle(sheet_), PSM_SETCURSEL, index, 0) != FALSE;
    Pump();
    return selected;
}

NativeWindow ShownSheet::FrontPage() const {
    return reinterpret_cast<void*>(SendMessageW(Handle(sheet_), PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::vector<ControlState> ShownSheet::FrontPageControls() const {
    return Controls(FrontPage());
}

bool ShownSheet::ChooseItem(int controlId, std::u16string_view item) {
    const bool chosen = Choose(FrontPage(), controlId, item);
    Pump();
    return chosen;
}

bool ShownSheet::TypeText(int controlId, std::u16string_view text) {
    const bool typed = Type(FrontPage(), controlId, text);
    Pump();
    return typed;
}

bool ShownSheet::Apply() {
    const bool applied = SendMessageW(Handle(sheet_), PSM_APPLY, 0, 0) != FALSE;
    Pump();
    return applied;
}

bool ShownSheet::ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(Handle(sheet_), 0x3021)) != FALSE;  // the Apply button
}

bool ShownSheet::Enabled() const {
    return IsWindowEnabled(Handle(sheet_)) != FALSE;
}

bool ShownSheet::SaveScreenshot(const std::u16string& path) const {
    Pump();
    return orca::wintest::SaveScreenshot(sheet_, path);
}

}  // namespace orca::wintest
