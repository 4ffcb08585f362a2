// SPDX-License-Identifier: Apache-2.0
// The Version page, last of both sheets: product and legal lines. The full
// page's web-address line works as a hyperlink; the neutral page hides the
// maker's lines and closes up the rest. In the printer sheet the page follows
// the stored btLanguage and stays on the list of printer-sheet pages while it
// is on screen, so that a language applied elsewhere reaches it.
#pragma once

#include "framework/controls.h"
#include "pages/plugin_page.h"

namespace orca::pages {

// What both variants share: the template, the texts and the registration.
class CVersionPage : public CPluginPage {
public:
    ~CVersionPage() override;

protected:
    explicit CVersionPage(PageContext& context);

    void OnShown(bool shown) override;
    void OnDestroy() override;
};

// The full page.
class CProperty_Version : public CVersionPage {
public:
    explicit CProperty_Version(PageContext& context);

protected:
    void OnMouse(platform::MouseEvent event, platform::Point at) override;

private:
    // The web address's text on the page, in page client coordinates.
    platform::Rect HotArea() const;
    // Hand cursor and underline inside the hot area; arrow and plain text
    // when the pointer leaves an underlined line.
    void TrackPointer(bool inside);

    framework::Static address_;
    bool underlined_ = false;
};

// The neutral page.
class CProperty_VersionOEM : public CVersionPage {
public:
    explicit CProperty_VersionOEM(PageContext& context);

protected:
    // Hides the maker's lines and moves the others up.
    void Refresh() override;
};

}  // namespace orca::pages
