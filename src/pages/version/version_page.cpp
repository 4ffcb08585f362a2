// SPDX-License-Identifier: Apache-2.0
#include "pages/version/version_page.h"

#include <algorithm>

#include "framework/desktop_windows.h"
#include "pages/printer_sheet_pages.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"

namespace orca::pages {
namespace {

constexpr int kUntranslated[] = {control::kVersionSeparator};
constexpr TranslationRule kVersionRule{kSkipEdits, kUntranslated};

// The neutral page's hidden lines: legal notice, rights reservation,
// "Additional information:" and the web address.
constexpr int kMakerLines[] = {control::kVersionFirstMakerLine, control::kVersionSecondMakerLine,
                               control::kVersionAdditionalHeading, control::kVersionAddressLine};

// The neutral page's lines below the hidden ones, which move up into the
// place of the first hidden line, keeping their order and spacing.
constexpr int kNeutralLines[] = {control::kVersionProductHeading, control::kVersionProductLine,
                                 control::kVersionSeparator, control::kVersionNoticeLine};

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
    : CVersionPage(context), address_(*this, control::kVersionAddressLine) {}

platform::Rect CProperty_Version::HotArea() const {
    const platform::Rect line = address_.PlaceInParent();
    return {line.left, line.top, std::min(line.left + address_.TextWidth(), line.right),
            line.bottom};
}

void CProperty_Version::TrackPointer(bool inside) {
    if (inside) {
        framework::SetCursor(platform::Cursor::kHand);
    } else if (underlined_) {
        framework::SetCursor(platform::Cursor::kArrow);
    }
    if (inside != underlined_) {
        // The page's own font, underlined or not: its size follows the sheet's resolution.
        platform::Font font = address_.GetFont();
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
    // The first line's distance to its new place, in the page's own pixels;
    // none once the lines have moved.
    const int up = framework::Static(*this, kNeutralLines[0]).PlaceInParent().top -
                   framework::Static(*this, control::kVersionFirstMakerLine).PlaceInParent().top;
    for (int id : kNeutralLines) {
        const framework::Static line(*this, id);
        const platform::Rect place = line.PlaceInParent();
        line.MoveTo({place.left, place.top - up});
    }
}

}  // namespace orca::pages
