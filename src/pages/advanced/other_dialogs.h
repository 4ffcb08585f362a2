// SPDX-License-Identifier: Apache-2.0
// The modal Other dialogs of the Advanced pages: the settings that did not
// fit on the pages. Each is a member of its page, opened from the page's
// Other button any number of times; every choice is stored the moment it is
// made and told to the page's sheet, so OK only closes.
#pragma once

#include <span>

#include "framework/controls.h"
#include "framework/property_page.h"
#include "pages/advanced/setting_choice.h"
#include "pages/plugin_dialog.h"

namespace orca::pages {

class CDocDialog_Other : public CPluginDialog {
protected:
    // page: the page that owns the dialog, whose sheet hears of changes.
    CDocDialog_Other(PageContext& context, const resources::PageResource& resource,
                     const framework::PropertyPage& page, std::span<const SettingChoice> choices);

    // Fills the lists.
    void OnInitDialog() override;
    // Takes the sheet's language and translates the dialog.
    void OnShown(bool shown) override;
    // A list's new value has been stored.
    virtual void FollowChoice(const SettingChoice& /*choice*/, int /*value*/) {}
    // The sheet's changed notice.
    void MarkChanged() const { page_.SetModified(true); }

private:
    const framework::PropertyPage& page_;
    std::span<const SettingChoice> choices_;
};

// Pause, back feed, graphics compression, cancel before print and the
// pause interval.
class CDocDialog_Other_ORCA final : public CDocDialog_Other {
public:
    CDocDialog_Other_ORCA(PageContext& context, const framework::PropertyPage& page);

protected:
    void OnInitDialog() override;
    void FollowChoice(const SettingChoice& choice, int value) override;

private:
    void OnIntervalTyped();
    void OnIntervalLeft();

    framework::Edit interval_;
    bool filling_ = false;
};

// Error replay.
class CDocDialog_Other_ONYX final : public CDocDialog_Other {
public:
    CDocDialog_Other_ONYX(PageContext& context, const framework::PropertyPage& page);
};

}  // namespace orca::pages
