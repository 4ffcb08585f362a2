// SPDX-License-Identifier: Apache-2.0
#include "framework/property_page.h"

#include "framework/window_port.h"

namespace orca::framework {

PropertyPage::PropertyPage(const resources::DialogTemplate* dialog) : Dialog(dialog) {}

PropertyPage::~PropertyPage() {
    detached_ = true;
    if (platform::WindowSystem* port = PortIfAny(); port != nullptr && handle_ != nullptr) {
        port->DestroyPage(handle_);
    }
    // The window belongs to its sheet, which keeps it as an empty page.
    window_ = nullptr;
}

void PropertyPage::SetTitle(std::u16string_view title) {
    title_ = title;
}

platform::PageHandle PropertyPage::Handle() {
    // Without a window system there is no page to hand to a sheet.
    platform::WindowSystem* port = PortIfAny();
    if (handle_ == nullptr && Template() != nullptr && port != nullptr) {
        handle_ = port->CreatePage(*Template(), title_, router_);
    }
    return handle_;
}

const void* PropertyPage::Description() {
    const platform::PageHandle page = Handle();
    return page != nullptr ? Port().PageDescription(page) : nullptr;
}

Window PropertyPage::Sheet() const {
    return window() == nullptr ? nullptr : Port().Parent(window());
}

void PropertyPage::SetModified(bool changed) const {
    if (window() != nullptr) {
        Port().SetPageChanged(window(), changed);
    }
}

int PageIndex(Window sheet, platform::PageHandle page) {
    return Port().PageIndex(sheet, page);
}

}  // namespace orca::framework
