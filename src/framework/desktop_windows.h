// SPDX-License-Identifier: Apache-2.0
// The desktop around the dialogs: top-level windows, the window tree, the
// window-shown notice, the cursor, message boxes, file dialogs, pop-up menus
// and the shell.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_types.h"
#include "resources/dialog_template.h"

namespace orca::framework {

using platform::Window;

// Top-level windows of every process, front to back.
std::vector<Window> TopLevelWindows();
bool InCurrentProcess(Window window);
Window Parent(Window window);
// Direct children in window order.
std::vector<Window> Children(Window parent);
// The first direct child of that class, or null.
Window FirstChildOfClass(Window parent, std::u16string_view className);
// Sends the window-shown notice to a dialog or page, which refreshes it.
void SendShownNotice(Window window);

platform::Cursor CurrentCursor();
void SetCursor(platform::Cursor cursor);

// Returns the button pressed (IDOK, IDCANCEL, ...).
int ShowMessage(Window owner, std::u16string_view text, std::u16string_view caption, uint32_t type);
platform::FileDialogResult ChooseFile(const platform::FileDialogRequest& request);
// The chosen item's command, or 0.
int PopupMenu(const resources::MenuTemplate& menu, Window owner, platform::Point at);
bool OpenWithShell(std::u16string_view target);

}  // namespace orca::framework
