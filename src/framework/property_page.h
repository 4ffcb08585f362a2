// SPDX-License-Identifier: Apache-2.0
// Property pages: dialogs that live in a property sheet as one tab.
#pragma once

#include <string>
#include <string_view>

#include "framework/dialog.h"

namespace orca::framework {

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(const resources::DialogTemplate* dialog);
    ~PropertyPage() override;

    // The tab title; it counts when the page is handed to a sheet.
    void SetTitle(std::u16string_view title);
    const std::u16string& Title() const { return title_; }

    // The page as the host's add-page callback takes it, made on first use;
    // null when the template is missing or the platform has no window system.
    platform::PageHandle Handle();
    // The page's description, which a host's sheet copies to add the page;
    // null when Handle() is.
    const void* Description();

    // The sheet that holds the page's window, or null.
    Window Sheet() const;
    // Tells the sheet that the page holds changes, which enables Apply, or
    // that it no longer does.
    void SetModified(bool changed = true) const;

private:
    std::u16string title_;
    platform::PageHandle handle_ = nullptr;
};

// The index of the sheet's tab that holds the page, or -1 when it holds none.
int PageIndex(Window sheet, platform::PageHandle page);

}  // namespace orca::framework
