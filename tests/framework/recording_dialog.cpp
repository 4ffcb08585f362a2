// SPDX-License-Identifier: Apache-2.0
#include "recording_dialog.h"

#include <new>

#include "text/utf.h"

namespace orca::testing {

using namespace resources;
using platform::Notification;

namespace {

constexpr uint32_t kShown = WS_CHILD | WS_VISIBLE;

constexpr ControlTemplate kControls[] = {
    {kLabel, kClassStatic, kShown | SS_LEFT, u"Name:", 4, 4, 40, 8},
    {kDigits, kClassEdit, kShown | WS_TABSTOP | ES_AUTOHSCROLL, u"", 50, 4, 60, 12},
    {kChoice, kClassComboBox, kShown | WS_TABSTOP | CBS_DROPDOWNLIST, u"", 50, 20, 60, 60},
    {kLines, kClassListBox, kShown | WS_TABSTOP | LBS_NOTIFY, u"", 50, 36, 60, 30},
    {kCheck, kClassButton, kShown | WS_TABSTOP | BS_AUTOCHECKBOX, u"Twice", 4, 70, 60, 10},
    {kRadioA, kClassButton, kShown | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, u"A", 4, 82, 30,
     10},
    {kRadioB, kClassButton, kShown | WS_TABSTOP | BS_AUTORADIOBUTTON, u"B", 40, 82, 30, 10},
    {kGo, kClassButton, kShown | WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON, u"Go", 4, 96, 50, 14},
    {kNumber, kClassEdit, kShown | WS_TABSTOP | ES_NUMBER, u"", 60, 96, 30, 12},
    {kSpin, kClassUpDown, kShown | UDS_SETBUDDYINT | UDS_AUTOBUDDY, u"", 90, 96, 10, 12},
    {kPicture, kClassStatic, WS_CHILD | SS_BITMAP, u"#115", 4, 112, 20, 20},
    {kNotes, kClassEdit, kShown | WS_TABSTOP | ES_MULTILINE | ES_WANTRETURN, u"", 4, 136, 100, 30},
    {IDOK, kClassButton, kShown | WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK", 120, 150, 50, 14},
    {IDCANCEL, kClassButton, kShown | WS_TABSTOP | BS_PUSHBUTTON, u"Cancel", 180, 150, 50, 14},
};

constexpr DialogTemplate kTemplate{900, u"Test", 240, 170, kControls};

std::string Name(Notification code) {
    constexpr const char* kNames[] = {"clicked", "double-clicked", "selection",
                                      "text",    "set-focus",      "kill-focus"};
    return kNames[static_cast<int>(code)];
}

}  // namespace

const DialogTemplate& TestTemplate() {
    return kTemplate;
}

bool DigitsEdit::AcceptChar(char16_t ch) {
    return (ch >= u'0' && ch <= u'9') || ch == u'-' || ch == u'\b';
}

RecordingPage::RecordingPage() : PropertyPage(&kTemplate) {
    SetTitle(u"Recorder");
    for (int id : {kDigits, kChoice, kLines, kCheck, kRadioA, kRadioB, kGo, kNumber, kNotes}) {
        for (int code = 0; code <= static_cast<int>(Notification::kKillFocus); ++code) {
            auto notice = static_cast<Notification>(code);
            On(id, notice, [this, id, notice] {
                std::string entry = std::to_string(id) + " " + Name(notice);
                if (notice == Notification::kTextChanged) {
                    entry += " " + text::Utf16ToUtf8(framework::Control(*this, id).Text());
                }
                log.push_back(entry);
            });
        }
    }
}

void RecordingPage::OnInitDialog() {
    log.push_back("init");
    choice.Add(u"cm", 10);
    choice.Add(u"mm", 11);
    choice.Add(u"inch", 12);
    choice.Select(1);
    lines.Add(u"first", 7);
    lines.Add(u"second", 8);
    spin.SetRange(1, 50);
}

void RecordingPage::OnShown(bool shown) {
    log.push_back(shown ? "shown" : "hidden");
}

void RecordingPage::OnActivate(bool active) {
    log.push_back(active ? "active" : "inactive");
}

bool RecordingPage::OnApply() {
    log.push_back("apply");
    if (applyRunsOutOfMemory)
        throw std::bad_alloc();
    return acceptApply;
}

void RecordingPage::OnDestroy() {
    log.push_back("destroy");
}

void RecordingPage::OnMouse(platform::MouseEvent event, platform::Point at) {
    constexpr const char* kNames[] = {"move", "hover", "release"};
    log.push_back(std::string(kNames[static_cast<int>(event)]) + " " + std::to_string(at.x) + "," +
                  std::to_string(at.y));
}

DesktopTest::DesktopTest() : desktop_(platform::sim::AttachDesktop(Env())), driver_(*desktop_) {}

platform::Window DesktopTest::OpenSheetWith(RecordingPage& page) {
    platform::Window sheet =
        Screen().CreateSheet(u"Label1 Printing Preferences", {u"Layout", u"Paper/Quality"});
    Screen().AddPage(sheet, page.Handle());
    Screen().OpenSheet(sheet, 2);
    return sheet;
}

}  // namespace orca::testing
