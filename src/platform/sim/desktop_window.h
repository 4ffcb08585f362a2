// SPDX-License-Identifier: Apache-2.0
// One window of the headless desktop: what the window system keeps for it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/window_handler.h"
#include "platform/window_types.h"
#include "resources/dialog_template.h"

namespace orca::platform::sim {

// A top-level window's frame: its client area starts this far in.
inline constexpr int kFrameWidth = 3;
inline constexpr int kCaptionHeight = 23;

struct ListItem {
    std::u16string text;
    intptr_t data = 0;
};

// One tab of a property sheet: a host tab (no template, no handler) or a
// page handed in by its page handle.
struct SheetTab {
    PageHandle source = nullptr;
    const resources::DialogTemplate* dialog = nullptr;
    WindowHandler* handler = nullptr;
    Window window = nullptr;  // made when first shown
    bool changed = false;
};

struct SheetState {
    std::vector<SheetTab> tabs;
    int current = -1;
    Window tabControl = nullptr;
    Window applyButton = nullptr;
};

struct DesktopWindow {
    Window handle = nullptr;
    Window parent = nullptr;
    std::vector<Window> children;  // window order
    int id = 0;
    std::u16string className;
    uint32_t style = 0;
    std::u16string text;
    Rect place;           // in the parent's client coordinates; on the screen for top-level windows
    bool framed = false;  // top-level: border and caption around the client area
    bool enabled = true;
    bool visible = false;
    bool inCurrentProcess = true;
    Font font;
    WindowHandler* handler = nullptr;

    // Combo boxes, list boxes.
    std::vector<ListItem> items;
    int selection = -1;
    // Buttons.
    bool checked = false;
    // Edits.
    int textLimit = 30000;
    TextSelection textSelection;
    // Up-down controls.
    int spinLow = 0;
    int spinHigh = 100;
    int spinPosition = 0;
    Window buddy = nullptr;
    // Tab controls.
    std::vector<std::u16string> tabs;
    int currentTab = -1;
    // Modal dialogs.
    bool modal = false;
    bool ended = false;
    int result = 0;
    // Property sheets.
    std::unique_ptr<SheetState> sheet;
};

}  // namespace orca::platform::sim
