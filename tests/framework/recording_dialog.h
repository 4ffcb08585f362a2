// SPDX-License-Identifier: Apache-2.0
// A small dialog template and a page that writes down every event it hears,
// for the framework and desktop tests.
#pragma once

#include <string>
#include <vector>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "resources/window_styles.h"
#include "support/sim_env.h"

namespace orca::testing {

enum : int {
    kLabel = 100,
    kDigits = 101,  // an edit that takes digits and '-' only, through its filter
    kChoice = 102,
    kLines = 103,
    kCheck = 104,
    kRadioA = 105,
    kRadioB = 106,
    kGo = 107,
    kNumber = 108,
    kSpin = 109,
    kPicture = 110,
    kNotes = 111,
};

const resources::DialogTemplate& TestTemplate();

// Takes digits and '-' (and backspace): what a filtering edit looks like.
class DigitsEdit : public framework::Edit {
public:
    using Edit::Edit;
    bool AcceptChar(char16_t ch) override;
};

class RecordingPage : public framework::PropertyPage {
public:
    RecordingPage();

    std::vector<std::string> log;
    bool acceptApply = true;
    bool applyRunsOutOfMemory = false;
    DigitsEdit digits{*this, kDigits};
    framework::ComboBox choice{*this, kChoice};
    framework::ListBox lines{*this, kLines};
    framework::Button check{*this, kCheck};
    framework::UpDown spin{*this, kSpin};

protected:
    void OnInitDialog() override;
    void OnShown(bool shown) override;
    void OnActivate(bool active) override;
    bool OnApply() override;
    void OnDestroy() override;
    void OnMouse(platform::MouseEvent event, platform::Point at) override;
};

// A test with a fresh environment whose window system is a fresh desktop.
class DesktopTest : public testsupport::SimEnvTest {
protected:
    DesktopTest();

    platform::sim::Desktop& Screen() { return *desktop_; }
    // A sheet with two host tabs and the page as third tab, opened on it.
    platform::Window OpenSheetWith(RecordingPage& page);

    std::shared_ptr<platform::sim::Desktop> desktop_;
    platform::sim::DesktopDriver driver_;
};

}  // namespace orca::testing
