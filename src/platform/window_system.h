// SPDX-License-Identifier: Apache-2.0
// Window-system port: dialogs and property pages built from templates, the
// common controls, message boxes, file dialogs, pop-up menus and the
// top-level windows of the desktop. Reached through Current().windows.
//
// Behaviour every adapter keeps, because page code relies on it:
// - setting an edit's text notifies kTextChanged, as typing does;
// - selecting an item or checking a button from code notifies nothing;
// - moving the focus away from an edit, combo box or list box notifies
//   kKillFocus (a list box only with LBS_NOTIFY, which also governs its
//   selection and double-click notices);
// - a control's window text is its template text until set.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_handler.h"
#include "platform/window_types.h"
#include "resources/dialog_template.h"

namespace orca::platform {

class WindowSystem {
public:
    virtual ~WindowSystem() = default;

    // Making and ending windows. The template and handler must outlive the
    // window (and the page handle).
    // A page for a property sheet; its window is made the first time the
    // sheet shows it. Null when the template cannot be used.
    virtual PageHandle CreatePage(const resources::DialogTemplate& dialog,
                                  std::u16string_view title, WindowHandler& handler) = 0;
    // The page as a host's sheet takes it (the add-page function code 1): the
    // window system's page description (PROPSHEETPAGEW on Windows), which
    // the sheet copies and makes its own page from. Valid while the page
    // handle is; null for a page this window system did not make.
    virtual const void* PageDescription(PageHandle page) = 0;
    // Releases the page; a window already made from it stops calling the
    // handler. A page no sheet took is gone at once.
    virtual void DestroyPage(PageHandle page) = 0;
    // Shows a modal dialog owned by owner and returns when it ends: the
    // result given to EndModal, or -1 when the dialog cannot be made.
    virtual int RunModal(const resources::DialogTemplate& dialog, Window owner,
                         WindowHandler& handler) = 0;
    virtual void EndModal(Window dialog, int result) = 0;
    // A borderless child dialog inside parent, hidden until shown.
    virtual Window CreateChildDialog(const resources::DialogTemplate& dialog, Window parent,
                                     WindowHandler& handler) = 0;
    virtual void Destroy(Window window) = 0;

    // The window tree.
    virtual bool Exists(Window window) = 0;
    virtual Window Parent(Window window) = 0;
    // Direct children in window order.
    virtual std::vector<Window> Children(Window parent) = 0;
    // The direct child with that identifier, or null.
    virtual Window Child(Window parent, int controlId) = 0;
    // Top-level windows of every process, front to back.
    virtual std::vector<Window> TopLevelWindows() = 0;
    virtual bool InCurrentProcess(Window window) = 0;
    virtual int ControlId(Window window) = 0;
    virtual std::u16string ClassName(Window window) = 0;
    virtual uint32_t Style(Window window) = 0;

    // Any window: text (caption, label, edit text), state and place.
    virtual std::u16string Text(Window window) = 0;
    virtual void SetText(Window window, std::u16string_view text) = 0;
    virtual bool IsEnabled(Window window) = 0;
    virtual void Enable(Window window, bool enabled) = 0;
    virtual bool IsVisible(Window window) = 0;
    virtual void Show(Window window, bool visible) = 0;
    // Screen coordinates.
    virtual Rect WindowRect(Window window) = 0;
    // Client area: left and top are 0.
    virtual Rect ClientRect(Window window) = 0;
    // Where the client area's top left corner lies on the screen.
    virtual Point ClientOrigin(Window window) = 0;
    // place: in the parent's client coordinates.
    virtual void Move(Window window, const Rect& place) = 0;
    // Moves window in its parent's window order to just after previous, a
    // sibling. Tab and Shift+Tab go through a dialog's controls in that order.
    virtual void PlaceAfter(Window window, Window previous) = 0;
    virtual Window Focus() = 0;
    virtual void SetFocus(Window window) = 0;
    virtual Font GetFont(Window window) = 0;
    virtual void SetFont(Window window, const Font& font) = 0;
    // How many pixels wide the window's text is, drawn in the window's font.
    virtual int TextWidth(Window window) = 0;
    virtual Cursor CurrentCursor() = 0;
    virtual void SetCursor(Cursor cursor) = 0;

    // Check boxes and radio buttons.
    virtual bool IsChecked(Window button) = 0;
    virtual void SetChecked(Window button, bool checked) = 0;

    // Combo boxes and list boxes: items with text and item data.
    virtual void ClearItems(Window list) = 0;
    // Appends; returns the new item's index, or -1.
    virtual int AddItem(Window list, std::u16string_view text) = 0;
    virtual int ItemCount(Window list) = 0;
    // Empty for an index out of range.
    virtual std::u16string ItemText(Window list, int index) = 0;
    // 0 for an index out of range.
    virtual intptr_t ItemData(Window list, int index) = 0;
    virtual void SetItemData(Window list, int index, intptr_t data) = 0;
    // -1 when nothing is selected.
    virtual int Selection(Window list) = 0;
    // -1 or an index out of range selects nothing.
    virtual void Select(Window list, int index) = 0;

    // Edits.
    virtual void LimitText(Window edit, int maxChars) = 0;
    virtual TextSelection GetTextSelection(Window edit) = 0;
    virtual void SetTextSelection(Window edit, TextSelection selection) = 0;

    // Up-down controls.
    virtual void SetSpinRange(Window spin, int low, int high) = 0;
    virtual SpinPosition GetSpinPosition(Window spin) = 0;
    virtual void SetSpinPosition(Window spin, int value) = 0;

    // Tab controls.
    virtual int TabCount(Window tabs) = 0;
    virtual std::u16string TabText(Window tabs, int index) = 0;
    virtual void SetTabText(Window tabs, int index, std::u16string_view text) = 0;

    // Property sheets: a page tells its sheet whether it holds changes; the
    // sheet's Apply button is enabled while any page does.
    virtual void SetPageChanged(Window page, bool changed) = 0;
    // The index of the sheet's tab that holds the page, -1 when the sheet
    // does not hold it, or kPageIndexUnknown while the page has no window and
    // the window system cannot tell. Ask only windows known to be sheets.
    virtual int PageIndex(Window sheet, PageHandle page) = 0;
    // Sends the window-shown notice (shown = true) to the window's handler.
    virtual void SendShownNotice(Window window) = 0;

    // Common dialogs and the shell.
    // Returns the button pressed (IDOK, IDCANCEL, ...).
    virtual int ShowMessage(Window owner, std::u16string_view text, std::u16string_view caption,
                            uint32_t type) = 0;
    virtual FileDialogResult ChooseFile(const FileDialogRequest& request) = 0;
    // Shows the menu at a screen point; the chosen item's command, or 0.
    virtual int PopupMenu(const resources::MenuTemplate& menu, Window owner, Point at) = 0;
    // The shell's "open" verb on a document or address; false when it fails.
    virtual bool OpenWithShell(std::u16string_view target) = 0;
};

}  // namespace orca::platform
