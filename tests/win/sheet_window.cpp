#include "sheet_window.h"

#include <windows.h>
// commctrl.h and prsht.h need windows.h first.
#include <commctrl.h>
#include <prsht.h>

#include <array>

#include "png_file.h"

namespace orca::wintest {

namespace {

HWND Handle(void* window) {
    return static_cast<HWND>(window);
}

std::u16string WindowText(HWND window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(
        static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

std::u16string ClassOf(HWND window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(window, name.data(), static_cast<int>(name.size()));
    return {name.data(), name.data() + (length > 0 ? length : 0)};
}

// Lets the sheet and its pages handle what is queued for them.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The items of a combo or list box, by the messages of its class.
void ReadItems(HWND control, ControlState& state) {
    if (!HoldsItems(state.className))
        return;
    const bool combo = state.className == u"ComboBox";
    const LRESULT count = SendMessageW(control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT length = SendMessageW(control, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        std::wstring text(static_cast<size_t>(length) + 1, L'\0');
        SendMessageW(control, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                     reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length));
        state.items.emplace_back(text.begin(), text.end());
    }
    state.selection =
        static_cast<int>(SendMessageW(control, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

// A picture's bitmap, by its size.
void ReadPicture(HWND control, ControlState& state) {
    BITMAP bitmap{};
    const auto shown =
        reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    if (shown != nullptr && GetObjectW(shown, sizeof bitmap, &bitmap) != 0)
        state.picture = PictureSize(bitmap.bmWidth, bitmap.bmHeight);
}

std::vector<ControlState> ReadWin32Controls(HWND parent) {
    std::vector<ControlState> controls;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ControlState state;
        state.id = GetDlgCtrlID(child);
        state.className = ClassOf(child);
        state.text = WindowText(child);
        state.enabled = IsWindowEnabled(child) != FALSE;
        state.visible = (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
        state.checked =
            state.className == u"Button" && SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
        ReadItems(child, state);
        if (state.className == u"Static")
            ReadPicture(child, state);
        controls.push_back(std::move(state));
    }
    return controls;
}

// What the timer that ends a modal dialog reads and presses.
struct ModalWatch {
    HWND sheet = nullptr;
    int closeWith = IDCANCEL;
    ShownSheet::ModalDialog seen;
};
ModalWatch* watch = nullptr;

BOOL CALLBACK FindModal(HWND window, LPARAM found) {
    if (window != watch->sheet && GetWindow(window, GW_OWNER) == watch->sheet &&
        IsWindowVisible(window) && ClassOf(window) == u"#32770") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// Runs inside the modal dialog's own message loop.
void CALLBACK EndModalDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindModal, reinterpret_cast<LPARAM>(&dialog));
    if (dialog == nullptr)
        return;
    KillTimer(nullptr, timer);
    watch->seen.caption = WindowText(dialog);
    watch->seen.controls = ReadWin32Controls(dialog);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(watch->closeWith, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, watch->closeWith)));
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

void* ShownSheet::FrontPage() const {
    return reinterpret_cast<void*>(SendMessageW(Handle(sheet_), PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::vector<ControlState> ShownSheet::FrontPageControls() const {
    return ReadWin32Controls(Handle(FrontPage()));
}

ShownSheet::ModalDialog ShownSheet::PressForModal(int buttonId, int closeWith) {
    ModalWatch watching{Handle(sheet_), closeWith, {}};
    watch = &watching;
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, EndModalDialog);
    HWND page = Handle(FrontPage());
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, buttonId)));
    KillTimer(nullptr, timer);
    watch = nullptr;
    Pump();
    return watching.seen;
}

void ShownSheet::ChooseItem(int controlId, std::u16string_view item) {
    HWND page = Handle(FrontPage());
    HWND combo = GetDlgItem(page, controlId);
    const std::wstring text(item.begin(), item.end());
    const LRESULT index = SendMessageW(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(combo, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // A person's choice reaches the page as the list's own notice does.
    SendMessageW(page, WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    Pump();
}

void ShownSheet::TypeText(int controlId, std::u16string_view text) {
    HWND edit = GetDlgItem(Handle(FrontPage()), controlId);
    SetFocus(edit);
    const std::wstring wide(text.begin(), text.end());
    SetWindowTextW(edit, wide.c_str());
    // Leaving the field is when the page takes what was typed.
    SetFocus(Handle(sheet_));
    Pump();
}

bool ShownSheet::Apply() {
    const bool applied = SendMessageW(Handle(sheet_), PSM_APPLY, 0, 0) != FALSE;
    Pump();
    return applied;
}

bool ShownSheet::ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(Handle(sheet_), 0x3021)) != FALSE;  // the Apply button
}

bool ShownSheet::SaveScreenshot(const std::u16string& path) const {
    HWND sheet = Handle(sheet_);
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump();
    RECT place{};
    GetWindowRect(sheet, &place);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool saved = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
        GdiFlush();
        saved = WritePng(path, width, height, static_cast<const uint32_t*>(bits));
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return saved;
}

}  // namespace orca::wintest
