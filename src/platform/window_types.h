// SPDX-License-Identifier: Apache-2.0
// Values that pass between the window-system port, its adapters and the
// framework: window handles, geometry, notices, fonts, cursors and the
// requests of the common dialogs.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_names.h"

namespace orca::platform {

// Opaque window handle, pointer-sized like the platform's; null is no window.
using Window = struct OpaqueWindow*;
// A property-sheet page made but not yet shown by a sheet. A sheet takes it
// by its description (WindowSystem::PageDescription).
using PageHandle = struct OpaquePage*;
// PageIndex's answer for a page whose window the sheet has not made yet,
// when the window system cannot tell which tab holds it.
inline constexpr int kPageIndexUnknown = -2;

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Pixels; right and bottom lie just outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// What a control reports to the dialog that holds it.
enum class Notification {
    kClicked,           // button pressed
    kDoubleClicked,     // list line double-clicked
    kSelectionChanged,  // combo or list selection changed by the user
    kTextChanged,       // edit text changed, by typing or by setting it
    kSetFocus,
    kKillFocus,
};

enum class MouseEvent { kMove, kHover, kLeftButtonUp };

enum class Cursor { kArrow, kHand };

struct Font {
    std::u16string face = u"MS Shell Dlg";
    int height = 13;  // pixels
    int weight = 400;
    bool underline = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Edit selection: characters start .. end - 1; start == end is the caret.
struct TextSelection {
    int start = 0;
    int end = 0;
    friend bool operator==(const TextSelection&, const TextSelection&) = default;
};

// An up-down control's position as read back from its buddy: when the buddy
// holds no number in range, valid is false and value is the last good one.
struct SpinPosition {
    int value = 0;
    bool valid = true;
};

struct FileFilter {
    std::u16string name;     // "Config Files (*.drvs)"
    std::u16string pattern;  // "*.drvs"
};

struct FileDialogRequest {
    bool save = false;  // save dialog, else open dialog
    Window owner = nullptr;
    std::u16string title;  // empty: the system's own title
    std::vector<FileFilter> filters;
    int filterIndex = 1;              // 1-based
    std::u16string fileName;          // preset
    uint32_t bufferChars = kMaxPath;  // a chosen path must fit with its terminator
    uint32_t flags = 0;               // OFN_* (resources/window_styles.h)
};

struct FileDialogResult {
    bool chosen = false;  // false: cancelled, or the path did not fit
    std::u16string path;
    int filterIndex = 0;  // the filter selected when the dialog closed, 1-based
};

}  // namespace orca::platform
