// SPDX-License-Identifier: Apache-2.0
// The Dithering page: Halftone or None for the images of a label, stored in
// btDithering and mirrored into the host's own dithering option, so that the
// host's tree and this page never disagree. Each choice shows its sample.
#pragma once

#include "framework/controls.h"
#include "pages/plugin_page.h"

namespace orca::pages {

// The host's own dithering option of the document sheet.
class HostDitheringOption {
public:
    virtual ~HostDitheringOption() = default;
    // Selects choice (0 Halftone, 1 None) in the host's dithering item, marks
    // it changed and tells the host; nothing when the host has no such item.
    virtual void MirrorDithering(int choice) = 0;
};

class CDocPage_Dithering : public CPluginPage {
public:
    CDocPage_Dithering(PageContext& context, HostDitheringOption& host);

protected:
    void OnInitDialog() override;
    // Checks the stored choice and shows its sample.
    void Refresh() override;

private:
    void Choose(bool halftone);
    void ShowChoice(bool halftone);

    HostDitheringOption& host_;
    framework::Button halftone_;
    framework::Button none_;
    framework::Static halftoneSample_;
    framework::Static noneSample_;
};

}  // namespace orca::pages
