// The driver host's side of a real property sheet: the page handles the
// plug-in hands to the host's add-page callback, shown in a modeless
// PropertySheetW sheet, and the controls of its pages read and used through
// Win32 as a person would use them.
#pragma once

#include <string>
#include <vector>

#include "control_state.h"

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
    // A person's actions on the front page's controls.
    void ChooseItem(int controlId, std::u16string_view item);
    void TypeText(int controlId, std::u16string_view text);
    // Presses the front page's button that opens a modal dialog, reads the
    // dialog while it runs and ends it with the command closeWith (IDOK,
    // IDCANCEL), from its button of that id or, without one, as the keyboard
    // sends it. The dialog's caption and controls; empty when none showed.
    struct ModalDialog {
        std::u16string caption;
        std::vector<ControlState> controls;
    };
    ModalDialog PressForModal(int buttonId, int closeWith);
    // Presses Apply; true when every page accepted it.
    bool Apply();
    bool ApplyEnabled() const;
    // The sheet window as a PNG image; false when it cannot be written.
    bool SaveScreenshot(const std::u16string& path) const;

private:
    void* FrontPage() const;
    void* sheet_ = nullptr;
};

}  // namespace orca::wintest
