// SPDX-License-Identifier: Apache-2.0
// The driver host's side of a real property sheet: the platform's own sheet
// UI (CommonPropertySheetUIW of compstui.dll) shows the sheet, calling a
// driver UI's sheet function that adds the plug-in's sheet hook, as a
// printer driver's UI does; the controls of the pages are read and used
// through Win32 as a person would use them.
//
// CommonPropertySheetUIW returns only when its sheet ends, so it runs on a
// fiber of the test's thread that hands the thread back once the sheet is
// shown: the sheet then works as a modeless one (its messages are handled
// wherever the thread waits) until the end of the ShownSheet, which cancels
// it and lets the call return.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "native_window.h"

namespace orca::wintest {

class ShownSheet {
public:
    // sheetHook(hooks, info, lParam): the plug-in's sheet hook for the
    // platform's PROPSHEETUI_INFO info; above 0 when it succeeded.
    using SheetHook = long (*)(void* hooks, void* info, intptr_t lParam);
    ShownSheet(SheetHook sheetHook, void* hooks, std::u16string_view caption);
    ~ShownSheet();
    ShownSheet(const ShownSheet&) = delete;
    ShownSheet& operator=(const ShownSheet&) = delete;

    bool Shown() const { return sheet_ != nullptr; }
    int PageCount() const;
    std::u16string TabText(int index) const;
    // Brings the tab to the front; false when the sheet refuses.
    bool SelectPage(int index);
    // The front page's direct children in window order.
    std::vector<ControlState> FrontPageControls() const;
    // The front page, and a person's actions on its controls (see
    // native_window.h), each followed by what the sheet then handles.
    NativeWindow FrontPage() const;
    bool ChooseItem(int controlId, std::u16string_view item);
    bool TypeText(int controlId, std::u16string_view text);
    // Presses Apply; true when every page accepted it.
    bool Apply();
    bool ApplyEnabled() const;
    // The sheet takes input: no modal window of its pages holds it.
    bool Enabled() const;
    // The sheet window as a PNG image; false when it cannot be written.
    bool SaveScreenshot(const std::u16string& path) const;

private:
    friend struct DriverSheetUI;

    SheetHook sheetHook_;
    void* hooks_;
    std::wstring caption_;
    std::vector<void*> windowsBefore_;
    void* fiber_ = nullptr;
    bool ended_ = false;
    void* sheet_ = nullptr;
};

}  // namespace orca::wintest
