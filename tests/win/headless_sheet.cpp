// SPDX-License-Identifier: Apache-2.0
#include "headless_sheet.h"

#include "headless_platform.h"
#include "resources/window_styles.h"

namespace orca::wintest {

HeadlessSheet::HeadlessSheet(const std::vector<const void*>& pages, std::u16string_view caption)
    : desktop_(HeadlessDesktop()), driver_(desktop_) {
    sheet_ = desktop_.CreateSheet(caption, {});
    shown_ = true;
    for (const void* page : pages)
        shown_ = desktop_.AddPageCopy(sheet_, page) && shown_;
    shown_ = desktop_.OpenSheet(sheet_) && shown_;
}

HeadlessSheet::~HeadlessSheet() {
    desktop_.Destroy(sheet_);
}

bool HeadlessSheet::SelectPage(int index) {
    return driver_.SelectTab(sheet_, index);
}

std::u16string HeadlessSheet::TabText(int index) const {
    return desktop_.TabText(desktop_.Child(sheet_, resources::kSheetTabControlId), index);
}

bool HeadlessSheet::ChooseItem(int controlId, std::u16string_view item) {
    return driver_.Select(desktop_.CurrentPage(sheet_), controlId, item);
}

bool HeadlessSheet::TypeText(int controlId, std::u16string_view text) {
    const platform::Window page = desktop_.CurrentPage(sheet_);
    return driver_.Retype(page, controlId, text) && driver_.Leave(page, controlId);
}

bool HeadlessSheet::Apply() {
    return driver_.Apply(sheet_);
}

bool HeadlessSheet::ReadModal(int buttonId, DialogReading* reading) {
    bool ran = false;
    driver_.OnNextDialog([&](platform::Window dialog) {
        ran = true;
        *reading = ReadDialog(desktop_, dialog);
        driver_.PressEscape(dialog);
    });
    return driver_.Click(desktop_.CurrentPage(sheet_), buttonId) && ran;
}

std::vector<ControlState> HeadlessSheet::FrontPageControls() const {
    return ReadControls(desktop_, desktop_.CurrentPage(sheet_));
}

}  // namespace orca::wintest
