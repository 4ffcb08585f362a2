// SPDX-License-Identifier: Apache-2.0
// The same pages on the headless desktop: the page descriptions the plug-in's
// code linked into the program hands over, copied into a desktop sheet with
// no host tabs, brought to the front and read through the window-system port.
#pragma once

#include <string>
#include <vector>

#include "control_state.h"
#include "platform/sim/desktop_driver.h"

namespace orca::wintest {

class HeadlessSheet {
public:
    HeadlessSheet(const std::vector<const void*>& pages, std::u16string_view caption);
    ~HeadlessSheet();
    HeadlessSheet(const HeadlessSheet&) = delete;
    HeadlessSheet& operator=(const HeadlessSheet&) = delete;

    bool Shown() const { return shown_; }
    bool SelectPage(int index);
    std::u16string TabText(int index) const;
    std::vector<ControlState> FrontPageControls() const;
    // A person's actions on the front page, as on the real sheet; false
    // when a person could not take them.
    bool ChooseItem(int controlId, std::u16string_view item);
    bool TypeText(int controlId, std::u16string_view text);
    bool Apply();
    // Clicks the front page's button that runs a modal dialog, reads the
    // dialog and ends it with Escape; false when no dialog ran.
    bool ReadModal(int buttonId, DialogReading* reading);

private:
    platform::sim::Desktop& desktop_;
    platform::sim::DesktopDriver driver_;
    platform::Window sheet_ = nullptr;
    bool shown_ = false;
};

}  // namespace orca::wintest
