// SPDX-License-Identifier: Apache-2.0
// The window-system port over user32, comctl32, comdlg32 and shell32: pages
// and dialogs made by the system's dialog manager from in-memory templates,
// the common controls, and the common dialogs.
#pragma once

#include "platform/window_system.h"

namespace orca::platform::win32 {

class Win32WindowSystem : public WindowSystem {
public:
    Win32WindowSystem();

    PageHandle CreatePage(const resources::DialogTemplate& dialog, std::u16string_view title,
                          WindowHandler& handler) override;
    const void* PageDescription(PageHandle page) override;
    void DestroyPage(PageHandle page) override;
    int RunModal(const resources::DialogTemplate& dialog, Window owner,
                 WindowHandler& handler) override;
    void EndModal(Window dialog, int result) override;
    Window CreateChildDialog(const resources::DialogTemplate& dialog, Window parent,
                             WindowHandler& handler) override;
    void Destroy(Window window) override;

    bool Exists(Window window) override;
    Window Parent(Window window) override;
    std::vector<Window> Children(Window parent) override;
    Window Child(Window parent, int controlId) override;
    std::vector<Window> TopLevelWindows() override;
    bool InCurrentProcess(Window window) override;
    int ControlId(Window window) override;
    std::u16string ClassName(Window window) override;
    uint32_t Style(Window window) override;

    std::u16string Text(Window window) override;
    void SetText(Window window, std::u16string_view text) override;
    bool IsEnabled(Window window) override;
    void Enable(Window window, bool enabled) override;
    bool IsVisible(Window window) override;
    void Show(Window window, bool visible) override;
    Rect WindowRect(Window window) override;
    Rect ClientRect(Window window) override;
    Point ClientOrigin(Window window) override;
    void Move(Window window, const Rect& place) override;
    void PlaceAfter(Window window, Window previous) override;
    Window Focus() override;
    void SetFocus(Window window) override;
    Font GetFont(Window window) override;
    void SetFont(Window window, const Font& font) override;
    int TextWidth(Window window) override;
    Cursor CurrentCursor() override;
    void SetCursor(Cursor cursor) override;

    bool IsChecked(Window button) override;
    void SetChecked(Window button, bool checked) override;

    void ClearItems(Window list) override;
    int AddItem(Window list, std::u16string_view text) override;
    int ItemCount(Window list) override;
    std::u16string ItemText(Window list, int index) override;
    intptr_t ItemData(Window list, int index) override;
    void SetItemData(Window list, int index, intptr_t data) override;
    int Selection(Window list) override;
    void Select(Window list, int index) override;

    void LimitText(Window edit, int maxChars) override;
    TextSelection GetTextSelection(Window edit) override;
    void SetTextSelection(Window edit, TextSelection selection) override;

    void SetSpinRange(Window spin, int low, int high) override;
    SpinPosition GetSpinPosition(Window spin) override;
    void SetSpinPosition(Window spin, int value) override;

    int TabCount(Window tabs) override;
    std::u16string TabText(Window tabs, int index) override;
    void SetTabText(Window tabs, int index, std::u16string_view text) override;

    void SetPageChanged(Window page, bool changed) override;
    int PageIndex(Window sheet, PageHandle page) override;
    void SendShownNotice(Window window) override;

    int ShowMessage(Window owner, std::u16string_view text, std::u16string_view caption,
                    uint32_t type) override;
    FileDialogResult ChooseFile(const FileDialogRequest& request) override;
    int PopupMenu(const resources::MenuTemplate& menu, Window owner, Point at) override;
    bool OpenWithShell(std::u16string_view target) override;
};

}  // namespace orca::platform::win32
