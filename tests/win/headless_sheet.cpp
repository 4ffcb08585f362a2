#include "headless_sheet.h"

#include "headless_platform.h"

namespace orca::wintest {

HeadlessSheet::HeadlessSheet(const std::vector<void*>& pages, std::u16string_view caption)
    : desktop_(HeadlessDesktop()), driver_(desktop_) {
    sheet_ = desktop_.CreateSheet(caption, {});
    shown_ = true;
    for (void* page : pages)
        shown_ = desktop_.AddPage(sheet_, static_cast<platform::PageHandle>(page)) && shown_;
    shown_ = desktop_.OpenSheet(sheet_) && shown_;
}

HeadlessSheet::~HeadlessSheet() {
    desktop_.Destroy(sheet_);
}

bool HeadlessSheet::SelectPage(int index) {
    return driver_.SelectTab(sheet_, index);
}

std::vector<ControlState> HeadlessSheet::FrontPageControls() const {
    return ReadControls(desktop_, desktop_.CurrentPage(sheet_));
}

}  // namespace orca::wintest
