// SPDX-License-Identifier: Apache-2.0
#include "native_window.h"

#include <windows.h>
// commctrl.h and prsht.h need windows.h first.
#include <commctrl.h>
#include <prsht.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

#include "png_file.h"

namespace orca::wintest {

namespace {

HWND Handle(NativeWindow window) {
    return static_cast<HWND>(window);
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

// A picture's bitmap, its pixels read back from the system.
void ReadPicture(HWND control, ControlState& state) {
    const auto shown =
        reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP bitmap{};
    if (shown == nullptr || GetObjectW(shown, sizeof bitmap, &bitmap) == 0)
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = bitmap.bmWidth;
    info.bmiHeader.biHeight = -bitmap.bmHeight;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * bitmap.bmHeight);
    HDC screen = GetDC(nullptr);
    const int read = GetDIBits(screen, shown, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(),
                               &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (read != bitmap.bmHeight)
        return;
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.bmHeight; ++y) {
        std::string row;
        for (int x = 0; x < bitmap.bmWidth; ++x) {
            const uint32_t pixel = pixels[static_cast<size_t>(y) * bitmap.bmWidth + x];
            const int brightness = (pixel & 0xFF) + (pixel >> 8 & 0xFF) + (pixel >> 16 & 0xFF);
            row += brightness < 3 * 128 ? '#' : '.';
        }
        rows.push_back(std::move(row));
    }
    state.picture = PictureOf(bitmap.bmWidth, bitmap.bmHeight, rows);
}

std::vector<ControlState> ReadControls(HWND parent) {
    std::vector<ControlState> controls;
    for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        ControlState state;
        state.id = GetDlgCtrlID(child);
        state.className = ClassName(child);
        state.text = Caption(child);
        state.enabled = IsWindowEnabled(child) != FALSE;
        state.visible = (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) != 0;
        state.checked =
            state.className == u"Button" && SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED;
        ReadItems(child, state);
        LOGFONTW font{};
        if (auto* handle = reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0));
            handle != nullptr && GetObjectW(handle, sizeof font, &font) != 0) {
            state.bold = font.lfWeight >= FW_BOLD;
            state.underlined = font.lfUnderline != 0;
        }
        if (state.className == u"Static")
            ReadPicture(child, state);
        controls.push_back(std::move(state));
    }
    return controls;
}

// A person can use the control: it is enabled and shown.
bool Reachable(HWND control) {
    return IsWindowEnabled(control) && IsWindowVisible(control);
}

}  // namespace

std::u16string ClassName(NativeWindow window) {
    std::array<wchar_t, 64> name{};
    const int length = GetClassNameW(Handle(window), name.data(), static_cast<int>(name.size()));
    return {name.data(), name.data() + (length > 0 ? length : 0)};
}

std::vector<ControlState> Controls(NativeWindow window) {
    return ReadControls(Handle(window));
}

std::u16string Caption(NativeWindow window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle(window))) + 1, L'\0');
    text.resize(static_cast<size_t>(
        GetWindowTextW(Handle(window), text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

NativeWindow Control(NativeWindow dialog, int controlId) {
    return GetDlgItem(Handle(dialog), controlId);
}

std::vector<NativeWindow> VisibleChildDialogs(NativeWindow dialog) {
    std::vector<NativeWindow> shown;
    for (HWND child = GetWindow(Handle(dialog), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == kDialogClass && IsWindowVisible(child))
            shown.push_back(child);
    }
    return shown;
}

DialogReading ReadDialog(NativeWindow dialog) {
    DialogReading reading{Caption(dialog), Controls(dialog), {}};
    for (HWND child = GetWindow(Handle(dialog), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassName(child) == kDialogClass)
            reading.childDialogs.push_back(Controls(child));
    }
    return reading;
}

std::vector<int> ScreenRect(NativeWindow window) {
    RECT place{};
    GetWindowRect(Handle(window), &place);
    return {place.left, place.top, place.right, place.bottom};
}

unsigned long Style(NativeWindow window) {
    return static_cast<unsigned long>(GetWindowLongW(Handle(window), GWL_STYLE));
}

std::vector<int> PlaceInParent(NativeWindow window) {
    RECT place{};
    GetWindowRect(Handle(window), &place);
    MapWindowPoints(nullptr, GetParent(Handle(window)), reinterpret_cast<POINT*>(&place), 2);
    return {place.left, place.top, place.right, place.bottom};
}

std::vector<int> PictureSize(NativeWindow picture) {
    const auto shown =
        reinterpret_cast<HBITMAP>(SendMessageW(Handle(picture), STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP bitmap{};
    if (shown == nullptr || GetObjectW(shown, sizeof bitmap, &bitmap) == 0)
        return {};
    return {bitmap.bmWidth, bitmap.bmHeight};
}

std::vector<int> DialogUnitsToPixels(NativeWindow dialog, int x, int y, int cx, int cy) {
    RECT place{x, y, x + cx, y + cy};
    MapDialogRect(Handle(dialog), &place);
    return {place.left, place.top, place.right, place.bottom};
}

bool IsVersion6Button(NativeWindow button) {
    SIZE ideal{};
    return SendMessageW(Handle(button), BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) !=
           FALSE;
}

void* PageActivationContext(const void* description) {
    const auto* page = static_cast<const PROPSHEETPAGEW*>(description);
    if (page->dwSize < sizeof *page || (page->dwFlags & PSP_USEFUSIONCONTEXT) == 0)
        return nullptr;
    return page->hActCtx;
}

bool NewButtonIsVersion6(void* context) {
    ULONG_PTR cookie = 0;
    if (context != nullptr && !ActivateActCtx(context, &cookie))
        return false;
    HWND button = CreateWindowExW(0, L"Button", L"OK", WS_POPUP, 0, 0, 80, 24, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    const bool version6 = button != nullptr && IsVersion6Button(button);
    if (button != nullptr)
        DestroyWindow(button);
    if (context != nullptr)
        DeactivateActCtx(0, cookie);
    return version6;
}

bool Press(NativeWindow dialog, int controlId) {
    HWND button = GetDlgItem(Handle(dialog), controlId);
    if (button == nullptr) {
        // Enter and Escape send the command without a button.
        SendMessageW(Handle(dialog), WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED), 0);
        return true;
    }
    if (!Reachable(button))
        return false;
    SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

bool Choose(NativeWindow dialog, int controlId, std::u16string_view item) {
    HWND list = GetDlgItem(Handle(dialog), controlId);
    if (list == nullptr || !Reachable(list))
        return false;
    const bool combo = ClassName(list) == u"ComboBox";
    const std::wstring text(item.begin(), item.end());
    const LRESULT index =
        SendMessageW(list, combo ? CB_FINDSTRINGEXACT : LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                     reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0)
        return false;
    SendMessageW(list, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    // A person's choice reaches the dialog as the list's own notice does.
    SendMessageW(Handle(dialog), WM_COMMAND,
                 MAKEWPARAM(controlId, combo ? CBN_SELCHANGE : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    return true;
}

bool Type(NativeWindow dialog, int controlId, std::u16string_view text) {
    HWND edit = GetDlgItem(Handle(dialog), controlId);
    if (edit == nullptr || !Reachable(edit))
        return false;
    SetFocus(edit);
    // Over all there was: the first key replaces the selection, and with
    // nothing to type Backspace clears it.
    SendMessageW(edit, EM_SETSEL, 0, -1);
    if (text.empty())
        SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    for (char16_t key : text)
        SendMessageW(edit, WM_CHAR, key, 0);
    // Leaving the field is when the dialog takes what was typed.
    SetFocus(Handle(dialog));
    return true;
}

bool TypeInFirstEdit(NativeWindow dialog, std::u16string_view text) {
    HWND edit = nullptr;
    EnumChildWindows(
        Handle(dialog),
        [](HWND child, LPARAM found) {
            if (ClassName(child) != u"Edit" || !IsWindowVisible(child))
                return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&edit));
    if (edit == nullptr)
        return false;
    const std::wstring wide(text.begin(), text.end());
    SetWindowTextW(edit, wide.c_str());
    return true;
}

namespace {

// The window's place on the screen copied into pixels (top-down rows).
bool CaptureScreen(const RECT& place, std::vector<uint32_t>* pixels) {
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
        GdiFlush();
        const auto* first = static_cast<const uint32_t*>(bits);
        pixels->assign(first, first + static_cast<size_t>(width) * height);
        SelectObject(memory, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap != nullptr;
}

}  // namespace

bool SaveScreenshot(NativeWindow window, const std::u16string& path) {
    HWND shown = Handle(window);
    RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT place{};
    GetWindowRect(shown, &place);
    if (place.right <= place.left || place.bottom <= place.top)
        return false;
    // The display takes the repaint some time after the window has painted:
    // the picture is taken once two copies a moment apart are the same.
    std::vector<uint32_t> pixels;
    std::vector<uint32_t> latest;
    constexpr int kCopies = 80;
    for (int copy = 0; copy < kCopies; ++copy) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(25);
        pixels.swap(latest);
        if (!CaptureScreen(place, &latest))
            return false;
        if (copy > 0 && pixels == latest)
            break;
    }
    return WritePng(path, place.right - place.left, place.bottom - place.top, latest.data());
}

std::vector<std::u16string> MenuItems(NativeWindow menu) {
    constexpr UINT kGetMenu = 0x01E1;  // MN_GETHMENU
    const auto items = reinterpret_cast<HMENU>(SendMessageW(Handle(menu), kGetMenu, 0, 0));
    std::vector<std::u16string> texts;
    for (int i = 0; i < GetMenuItemCount(items); ++i) {
        std::array<wchar_t, 128> text{};
        const int length =
            GetMenuStringW(items, static_cast<UINT>(i), text.data(), text.size(), MF_BYPOSITION);
        texts.emplace_back(text.data(), text.data() + std::max(length, 0));
    }
    return texts;
}

NativeWindow Focused() {
    return GetFocus();
}

void FocusOn(NativeWindow window) {
    SetForegroundWindow(GetAncestor(Handle(window), GA_ROOT));
    SetFocus(Handle(window));
}

void PressTab(NativeWindow dialog, bool backward) {
    std::vector<INPUT> keys;
    const auto key = [&keys](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        keys.push_back(input);
    };
    if (backward)
        key(VK_SHIFT, false);
    key(VK_TAB, false);
    key(VK_TAB, true);
    if (backward)
        key(VK_SHIFT, true);
    SendInput(static_cast<UINT>(keys.size()), keys.data(), sizeof(INPUT));
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageW(Handle(dialog), &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

namespace {

void SendMouse(DWORD flags, int x = 0, int y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    input.mi.dx = x;
    input.mi.dy = y;
    SendInput(1, &input, sizeof input);
    // The input reaches the windows through the thread's queue.
    for (int round = 0; round < 5; ++round) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(20);
    }
}

}  // namespace

void PointAt(NativeWindow window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(Handle(window), &at);
    SetForegroundWindow(GetAncestor(Handle(window), GA_ROOT));
    SetCursorPos(at.x, at.y);
    // Absolute input counts 0..65535 across the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, (at.x * 65535 + width / 2) / (width - 1),
              (at.y * 65535 + height / 2) / (height - 1));
}

void ClickLeftButton() {
    SendMouse(MOUSEEVENTF_LEFTDOWN);
    SendMouse(MOUSEEVENTF_LEFTUP);
}

std::vector<int> FontOf(NativeWindow window) {
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(window), WM_GETFONT, 0, 0));
    LOGFONTW described{};
    if (font == nullptr || GetObjectW(font, sizeof described, &described) == 0)
        return {};
    return {std::abs(static_cast<int>(described.lfHeight)), described.lfUnderline != 0 ? 1 : 0};
}

int TextWidthOf(NativeWindow window) {
    std::array<wchar_t, 256> text{};
    const int length = GetWindowTextW(Handle(window), text.data(), text.size());
    HDC dc = GetDC(Handle(window));
    const auto font = reinterpret_cast<HFONT>(SendMessageW(Handle(window), WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), length, &size);
    SelectObject(dc, previous);
    ReleaseDC(Handle(window), dc);
    return size.cx;
}

bool PointerIsHand() {
    CURSORINFO info{};
    info.cbSize = sizeof info;
    // The system's hand cursor, IDC_HAND.
    return GetCursorInfo(&info) && info.hCursor == LoadCursorW(nullptr, MAKEINTRESOURCEW(32649));
}

NativeWindow ParentOf(NativeWindow window) {
    return GetParent(Handle(window));
}

void ChooseMenuItem(NativeWindow menu, int index) {
    // The first arrow down lights the first item.
    for (int i = 0; i <= index; ++i)
        PostMessageW(Handle(menu), WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(Handle(menu), WM_KEYDOWN, VK_RETURN, 0);
}

}  // namespace orca::wintest
