// The driver host's side of a real property sheet: the page handles the
// plug-in hands to the host's add-page callback, shown in a modeless
// PropertySheetW sheet, and the controls of its pages read and used through
// Win32 as a person would use them.
#pragma once

#include <string>
#include <vector>

#include "native_window.h"

namespace orca::wintest {

class ShownSheet {
public:
    // pages: the handles the callback collected, in order.
    ShownSheet(const std::vector<void*>& pages, std::u16string_view caption);
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
    void* sheet_ = nullptr;
};

}  // namespace orca::wintest
