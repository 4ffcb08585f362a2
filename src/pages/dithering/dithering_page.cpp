// SPDX-License-Identifier: Apache-2.0
#include "pages/dithering/dithering_page.h"

#include <cstdint>

#include "pages/setting_value.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"

namespace orca::pages {
namespace {

constexpr uint8_t kStoredHalftone = 1;
constexpr uint8_t kStoredNone = 0;

// The host item's choices.
constexpr int kHostHalftone = 0;
constexpr int kHostNone = 1;

constexpr TranslationRule kDitheringRule{kSkipEdits | kSkipPictures};

}  // namespace

CDocPage_Dithering::CDocPage_Dithering(PageContext& context, HostDitheringOption& host)
    : CPluginPage(context, resources::kPageDithering, kDitheringRule),
      host_(host),
      halftone_(*this, control::kDitheringHalftoneRadio),
      none_(*this, control::kDitheringNoneRadio),
      halftoneSample_(*this, control::kDitheringHalftonePicture),
      noneSample_(*this, control::kDitheringNonePicture) {}

void CDocPage_Dithering::OnInitDialog() {
    On(control::kDitheringHalftoneRadio, framework::Notification::kClicked,
       [this] { Choose(true); });
    On(control::kDitheringNoneRadio, framework::Notification::kClicked, [this] { Choose(false); });
    Refresh();
}

void CDocPage_Dithering::Refresh() {
    // Anything but Halftone, the printer's own setting (255) among them, is None.
    const bool halftone =
        ReadSetting(Context(), settings::field::kDithering, kStoredNone) == kStoredHalftone;
    halftone_.SetChecked(halftone);
    none_.SetChecked(!halftone);
    ShowChoice(halftone);
}

void CDocPage_Dithering::Choose(bool halftone) {
    OfferSetting(Context(), settings::field::kDithering, halftone ? kStoredHalftone : kStoredNone);
    host_.MirrorDithering(halftone ? kHostHalftone : kHostNone);
    ShowChoice(halftone);
    SetModified();
}

void CDocPage_Dithering::ShowChoice(bool halftone) {
    halftoneSample_.Show(halftone);
    noneSample_.Show(!halftone);
}

}  // namespace orca::pages
