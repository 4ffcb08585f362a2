// SPDX-License-Identifier: Apache-2.0
#include "framework/desktop_windows.h"

#include "framework/window_port.h"

namespace orca::framework {

std::vector<Window> TopLevelWindows() {
    return Port().TopLevelWindows();
}

bool InCurrentProcess(Window window) {
    return Port().InCurrentProcess(window);
}

Window Parent(Window window) {
    return Port().Parent(window);
}

std::vector<Window> Children(Window parent) {
    return Port().Children(parent);
}

Window FirstChildOfClass(Window parent, std::u16string_view className) {
    for (Window child : Port().Children(parent)) {
        if (Port().ClassName(child) == className) {
            return child;
        }
    }
    return nullptr;
}

void SendShownNotice(Window window) {
    Port().SendShownNotice(window);
}

platform::Cursor CurrentCursor() {
    return Port().CurrentCursor();
}

void SetCursor(platform::Cursor cursor) {
    Port().SetCursor(cursor);
}

int ShowMessage(Window owner, std::u16string_view text, std::u16string_view caption,
                uint32_t type) {
    return Port().ShowMessage(owner, text, caption, type);
}

platform::FileDialogResult ChooseFile(const platform::FileDialogRequest& request) {
    return Port().ChooseFile(request);
}

int PopupMenu(const resources::MenuTemplate& menu, Window owner, platform::Point at) {
    return Port().PopupMenu(menu, owner, at);
}

bool OpenWithShell(std::u16string_view target) {
    return Port().OpenWithShell(target);
}

}  // namespace orca::framework
