// SPDX-License-Identifier: Apache-2.0
// The Win32 window system's common dialogs and shell: message boxes, the open
// and save dialogs, pop-up menus and the shell's "open" verb.
#include <windows.h>
// commdlg.h and shellapi.h need windows.h first.
#include <commdlg.h>
#include <shellapi.h>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_visual_styles.h"
#include "platform/win32/win32_window_system.h"

namespace orca::platform::win32 {

namespace {

HWND Handle(Window window) {
    return reinterpret_cast<HWND>(window);
}

// "name\0pattern\0" for each filter, ended by one more NUL.
std::wstring FilterList(const std::vector<FileFilter>& filters) {
    std::wstring list;
    for (const FileFilter& filter : filters) {
        list += Wide(filter.name);
        list += L'\0';
        list += Wide(filter.pattern);
        list += L'\0';
    }
    list += L'\0';
    return list;
}

}  // namespace

int Win32WindowSystem::ShowMessage(Window owner, std::u16string_view text,
                                   std::u16string_view caption, uint32_t type) {
    const VisualStylesScope styles;
    return MessageBoxW(Handle(owner), Wide(text).c_str(), Wide(caption).c_str(), type);
}

FileDialogResult Win32WindowSystem::ChooseFile(const FileDialogRequest& request) {
    if (request.bufferChars == 0)
        return {};
    std::wstring buffer(request.bufferChars, L'\0');
    // A preset that does not fit is cut to the buffer.
    const std::wstring preset = Wide(request.fileName).substr(0, request.bufferChars - 1);
    preset.copy(buffer.data(), preset.size());
    const std::wstring filters = FilterList(request.filters);
    const std::wstring title = Wide(request.title);
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle(request.owner);
    dialog.lpstrFilter = request.filters.empty() ? nullptr : filters.c_str();
    dialog.nFilterIndex = static_cast<DWORD>(request.filterIndex);
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = request.bufferChars;
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.Flags = request.flags;
    const VisualStylesScope styles;
    const BOOL chosen = request.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    if (!chosen)
        return {};
    return {.chosen = true,
            .path = FromWide(buffer.c_str()),
            .filterIndex = static_cast<int>(dialog.nFilterIndex)};
}

int Win32WindowSystem::PopupMenu(const resources::MenuTemplate& menu, Window owner, Point at) {
    HMENU popup = CreatePopupMenu();
    if (popup == nullptr)
        return 0;
    for (const resources::MenuItemTemplate& item : menu.items)
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.command), Wide(item.text).c_str());
    const int command = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x,
                                       at.y, 0, Handle(owner), nullptr);
    DestroyMenu(popup);
    return command;
}

bool Win32WindowSystem::OpenWithShell(std::u16string_view target) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", Wide(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

}  // namespace orca::platform::win32
