// SPDX-License-Identifier: Apache-2.0
// Drives the headless desktop as a person would: every action goes through
// the same steps as the real thing (the focus moves, each typed key passes
// the dialog's character filter, the dialog hears of each change), and is
// refused (false) when a person could not do it: no such control, disabled
// or hidden, or the wrong kind. Modal dialogs, message boxes, file dialogs
// and menus that an action opens are answered by responders queued before
// it, in order; with none queued a message box gets its default button, a
// dialog Escape, a file dialog Cancel and a menu no choice.
#pragma once

#include <string_view>
#include <vector>

#include "platform/sim/desktop.h"

namespace orca::platform::sim {

class DesktopDriver {
public:
    explicit DesktopDriver(Desktop& desktop) : desktop_(desktop) {}

    // Controls are named by the dialog or page that holds them and their identifier.
    // Buttons, check boxes (toggled) and radio buttons (checked, the group's others cleared).
    bool Click(Window dialog, int controlId);
    // Combo and list boxes: picks the item at index, or the first with that text.
    bool Select(Window dialog, int controlId, int index);
    bool Select(Window dialog, int controlId, std::u16string_view itemText);
    // List boxes: picks the line and double-clicks it.
    bool DoubleClick(Window dialog, int controlId, int index);
    // Edits: types the keys at the caret, over any selection ('\b' is
    // backspace, '\r' Enter).
    bool Type(Window dialog, int controlId, std::u16string_view keys);
    // Edits: selects characters start .. end - 1 (end -1: to the end).
    bool SelectText(Window dialog, int controlId, int start, int end);
    // Edits: selects all and types the keys over it.
    bool Retype(Window dialog, int controlId, std::u16string_view keys);
    // Edits: pastes text over the selection as the clipboard gives it,
    // control characters included (keys could not type them), cut to the
    // edit's limit; a number edit refuses text that is not digits.
    bool Paste(Window dialog, int controlId, std::u16string_view text);
    // Dialogs: Escape, refused when the dialog's IDCANCEL button is there
    // but disabled (the real dialog only beeps then).
    bool PressEscape(Window dialog);
    // Moves the focus on to the next control that takes it, as Tab does.
    bool Leave(Window dialog, int controlId);
    // Tab (Shift+Tab when backward) in dialog: the focus goes on from the
    // focused control to the next (previous) visible, enabled control with a
    // tab stop in window order, wrapping round. A visible child dialog (a
    // symbology page) stands for its own controls in that order, as the
    // dialog manager goes through a control parent.
    bool PressTab(Window dialog, bool backward = false);
    // Up-down controls: presses the arrow steps times (negative: down).
    bool Spin(Window dialog, int controlId, int steps);
    // The mouse over a window, in its client coordinates.
    bool MoveMouse(Window window, Point at);
    bool Hover(Window window, Point at);
    bool ReleaseLeftButton(Window window, Point at);

    // Property sheets.
    bool SelectTab(Window sheet, int tab);
    bool SelectTab(Window sheet, std::u16string_view title);
    // The Apply button (only while enabled); OK applies and closes; Cancel closes.
    bool Apply(Window sheet);
    bool PressOk(Window sheet);
    bool PressCancel(Window sheet);

    // Responders for what the next actions open.
    void OnNextDialog(DialogResponder respond);
    void OnNextMessage(MessageResponder respond);
    void OnNextFileDialog(FileResponder respond);
    void OnNextMenu(MenuResponder respond);

private:
    // The control, when a person can reach it: it exists, is of that class,
    // enabled and visible.
    DesktopWindow* Reach(Window dialog, int controlId, std::u16string_view className);
    bool PressKey(Window edit, char16_t key);
    // The controls Tab goes through in parent, from among them wherever it is.
    void TabOrder(Window parent, Window from, std::vector<Window>& order);
    void MoveFocusOn(Window dialog, Window from, bool backward);
    bool Mouse(Window window, MouseEvent event, Point at);

    Desktop& desktop_;
};

}  // namespace orca::platform::sim
