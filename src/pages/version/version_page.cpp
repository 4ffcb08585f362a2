// SPDX-License-Identifier: Apache-2.0
#include "pages/version/version_page.h"

#include <algorithm>

#include "framework/desktop_windows.h"
#include "pages/printer_sheet_pages.h"
#include "resources/page_resources.h"

namespace orca::pages {
namespace {

constexpr int kAddress = 1011;
constexpr int kSeparator = 1013;

constexpr int kUntranslated[] = {kSeparator};
constexpr TranslationRule kVersionRule{kSkipEdits, kUntranslated};

// The neutral page's hidden lines: legal notice, rights reservation,
// "Additional information:" and the web address.
constexpr int kMakerLines[] = {1003, 1004, 1009, kAddress};

struct NeutralPlace {
    int controlId;
    platform::Point topLeft;  // page pixels
};
constexpr NeutralPlace kNeutralPlaces[] = {
    {1005, {0, 35}},
    {1007, {0, 60}},
    {kSeparator, {0, 90}},
    {1015, {0, 95}},
};

// The address line's text width: an average character of the dialog font.
constexpr int kCharWidthTimes20 = 112;

bool Contains(const platform::Rect& area, platform::Point at) {
    return at.x >= area.left && at.x < area.right && at.y >= area.top && at.y < area.bottom;
}

}  // namespace

CVersionPage::CVersionPage(PageContext& context)
    : CPluginPage(context, resources::kPageVersion, kVersionRule) {}

CVersionPage::~CVersionPage() {
    // The sheet may keep the window after the page object has gone.
    UnregisterPrinterSheetPage(window());
}

void CVersionPage::OnShown(bool shown) {
    CPluginPage::OnShown(shown);
    if (shown && !InDocumentSheet()) {
        RegisterPrinterSheetPage(window());
    }
}

void CVersionPage::OnDestroy() {
    UnregisterPrinterSheetPage(window());
}

CProperty_Version::CProperty_Version(PageContext& context)
    : CVersionPage(context), address_(*this, kAddress) {}

platform::Rect CProperty_Version::HotArea() const {
    const platform::Rect line = address_.PlaceInParent();
    const int textWidth = static_cast<int>(address_.Text().size()) * kCharWidthTimes20 / 20;
    return {line.left, line.top, std::min(line.left + textWidth, line.right), line.bottom};
}

void CProperty_Version::TrackPointer(bool inside) {
    if (inside) {
        framework::SetCursor(platform::Cursor::kHand);
    } else if (underlined_) {
        framework::SetCursor(platform::Cursor::kArrow);
    }
    if (inside != underlined_) {
        platform::Font font;
        font.underline = inside;
        address_.SetFont(font);
        underlined_ = inside;
    }
}

void CProperty_Version::OnMouse(platform::MouseEvent event, platform::Point at) {
    const bool inside = Contains(HotArea(), at);
    if (event == platform::MouseEvent::kLeftButtonUp && inside) {
        // A failed open is not reported.
        framework::OpenWithShell(address_.Text());
    }
    TrackPointer(inside);
}

CProperty_VersionOEM::CProperty_VersionOEM(PageContext& context) : CVersionPage(context) {}

void CProperty_VersionOEM::Refresh() {
    for (int id : kMakerLines) {
        framework::Static(*this, id).Show(false);
    }
    for (const NeutralPlace& place : kNeutralPlaces) {
        framework::Static(*this, place.controlId).MoveTo(place.topLeft);
    }
}

}  // namespace orca::pages
