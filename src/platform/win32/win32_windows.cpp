// SPDX-License-Identifier: Apache-2.0
// The Win32 window system's window tree and the state, place, focus, font and
// cursor of any window.
#include <windows.h>

#include <array>
#include <map>
#include <new>
#include <tuple>
#include <utility>

#include "platform/exception_barrier.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_window_system.h"

namespace orca::platform::win32 {

namespace {

Window Self(HWND hwnd) {
    return reinterpret_cast<Window>(hwnd);
}
HWND Handle(Window window) {
    return reinterpret_cast<HWND>(window);
}

Rect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Fonts made for windows, deleted when the module is unloaded.
struct MadeFonts {
    std::map<std::tuple<std::u16string, int, int, bool>, HFONT> list;
    ~MadeFonts() {
        for (const auto& [key, font] : list)
            DeleteObject(font);
    }
};

// Fonts set on windows live as long as the module: a window keeps using the
// font it was given.
HFONT MadeFont(const Font& font) {
    static MadeFonts fonts;
    auto& made = fonts.list;
    const auto key = std::make_tuple(font.face, font.height, font.weight, font.underline);
    auto found = made.find(key);
    if (found != made.end())
        return found->second;
    HFONT handle = CreateFontW(-font.height, 0, 0, 0, font.weight, FALSE, font.underline, FALSE,
                               DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                               DEFAULT_QUALITY, DEFAULT_PITCH, Wide(font.face).c_str());
    made.emplace(key, handle);
    return handle;
}

// The system's hand and arrow cursors (IDC_HAND, IDC_ARROW as wide names).
HCURSOR SystemCursor(Cursor cursor) {
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(cursor == Cursor::kHand ? 32649 : 32512));
}

struct Collected {
    std::vector<Window> windows;
    bool outOfMemory = false;
};

// No exception may unwind through user32: running out of memory stops the
// enumeration here and is thrown again once EnumWindows has returned.
BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    auto& collected = *reinterpret_cast<Collected*>(list);
    collected.outOfMemory = !Contained([&] { collected.windows.push_back(Self(window)); });
    return collected.outOfMemory ? FALSE : TRUE;
}

}  // namespace

bool Win32WindowSystem::Exists(Window window) {
    return window != nullptr && IsWindow(Handle(window));
}

Window Win32WindowSystem::Parent(Window window) {
    HWND parent = GetAncestor(Handle(window), GA_PARENT);
    return parent == GetDesktopWindow() ? nullptr : Self(parent);
}

std::vector<Window> Win32WindowSystem::Children(Window parent) {
    std::vector<Window> children;
    for (HWND child = GetWindow(Handle(parent), GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        children.push_back(Self(child));
    }
    return children;
}

Window Win32WindowSystem::Child(Window parent, int controlId) {
    return Self(GetDlgItem(Handle(parent), controlId));
}

std::vector<Window> Win32WindowSystem::TopLevelWindows() {
    Collected collected;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&collected));
    if (collected.outOfMemory)
        throw std::bad_alloc();
    return std::move(collected.windows);
}

bool Win32WindowSystem::InCurrentProcess(Window window) {
    DWORD process = 0;
    GetWindowThreadProcessId(Handle(window), &process);
    return process == GetCurrentProcessId();
}

int Win32WindowSystem::ControlId(Window window) {
    return GetDlgCtrlID(Handle(window));
}

std::u16string Win32WindowSystem::ClassName(Window window) {
    std::array<wchar_t, 256> name{};
    const int length = GetClassNameW(Handle(window), name.data(), static_cast<int>(name.size()));
    return FromWide(std::wstring_view(name.data(), length > 0 ? length : 0));
}

uint32_t Win32WindowSystem::Style(Window window) {
    return static_cast<uint32_t>(GetWindowLongW(Handle(window), GWL_STYLE));
}

std::u16string Win32WindowSystem::Text(Window window) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(Handle(window))) + 1, L'\0');
    const int length = GetWindowTextW(Handle(window), text.data(), static_cast<int>(text.size()));
    text.resize(length > 0 ? length : 0);
    return FromWide(text);
}

void Win32WindowSystem::SetText(Window window, std::u16string_view text) {
    HWND control = Handle(window);
    SetWindowTextW(control, Wide(text).c_str());
    // A multi-line edit does not tell its dialog of text set from code as a
    // single-line one does; it is told here, as typing would tell it.
    if (ClassName(window) == u"Edit" && (GetWindowLongW(control, GWL_STYLE) & ES_MULTILINE) != 0)
        SendMessageW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), EN_CHANGE),
                     reinterpret_cast<LPARAM>(control));
}

bool Win32WindowSystem::IsEnabled(Window window) {
    return IsWindowEnabled(Handle(window));
}

void Win32WindowSystem::Enable(Window window, bool enabled) {
    EnableWindow(Handle(window), enabled);
}

bool Win32WindowSystem::IsVisible(Window window) {
    return (Style(window) & WS_VISIBLE) != 0;
}

void Win32WindowSystem::Show(Window window, bool visible) {
    ShowWindow(Handle(window), visible ? SW_SHOW : SW_HIDE);
}

Rect Win32WindowSystem::WindowRect(Window window) {
    RECT rect{};
    GetWindowRect(Handle(window), &rect);
    return FromRect(rect);
}

Rect Win32WindowSystem::ClientRect(Window window) {
    RECT rect{};
    GetClientRect(Handle(window), &rect);
    return FromRect(rect);
}

Point Win32WindowSystem::ClientOrigin(Window window) {
    POINT origin{};
    ClientToScreen(Handle(window), &origin);
    return {origin.x, origin.y};
}

void Win32WindowSystem::Move(Window window, const Rect& place) {
    MoveWindow(Handle(window), place.left, place.top, place.Width(), place.Height(), TRUE);
}

void Win32WindowSystem::PlaceAfter(Window window, Window previous) {
    // A window goes behind the one it is inserted after: next in window order.
    SetWindowPos(Handle(window), Handle(previous), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

Window Win32WindowSystem::Focus() {
    return Self(GetFocus());
}

void Win32WindowSystem::SetFocus(Window window) {
    ::SetFocus(Handle(window));
}

Font Win32WindowSystem::GetFont(Window window) {
    auto handle = reinterpret_cast<HFONT>(SendMessageW(Handle(window), WM_GETFONT, 0, 0));
    LOGFONTW font{};
    if (handle == nullptr || GetObjectW(handle, sizeof font, &font) == 0)
        return Font{};
    return Font{.face = FromWide(font.lfFaceName),
                .height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight,
                .weight = static_cast<int>(font.lfWeight),
                .underline = font.lfUnderline != 0};
}

void Win32WindowSystem::SetFont(Window window, const Font& font) {
    SendMessageW(Handle(window), WM_SETFONT, reinterpret_cast<WPARAM>(MadeFont(font)), TRUE);
}

int Win32WindowSystem::TextWidth(Window window) {
    const HWND handle = Handle(window);
    const std::wstring text = Wide(Text(window));
    HDC dc = GetDC(handle);
    if (dc == nullptr)
        return 0;
    const auto font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (previous != nullptr)
        SelectObject(dc, previous);
    ReleaseDC(handle, dc);
    return size.cx;
}

Cursor Win32WindowSystem::CurrentCursor() {
    return GetCursor() == SystemCursor(Cursor::kHand) ? Cursor::kHand : Cursor::kArrow;
}

void Win32WindowSystem::SetCursor(Cursor cursor) {
    ::SetCursor(SystemCursor(cursor));
}

}  // namespace orca::platform::win32
