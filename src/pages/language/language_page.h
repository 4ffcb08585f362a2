// SPDX-License-Identifier: Apache-2.0
// The Language page: the UI language of every page of the plug-in. A choice
// is stored in btLanguage at once; Apply makes it the sheet's language and
// re-labels the page in front, the tabs of this sheet and the printer sheets
// of the same printer.
#pragma once

#include <cstdint>
#include <optional>

#include "framework/controls.h"
#include "pages/plugin_page.h"

namespace orca::pages {

class CDocPage_Language : public CPluginPage {
public:
    explicit CDocPage_Language(PageContext& context);

protected:
    void OnInitDialog() override;
    // Shows the choice made on this page, or else the language the pages
    // are shown in.
    void Refresh() override;
    bool OnApply() override;

private:
    void OnChoice();
    // The chosen language code; the item value's low byte, as stored.
    uint8_t Chosen() const;

    framework::ComboBox choice_;
    // The language chosen since the sheet opened; none when not chosen.
    std::optional<uint8_t> chosen_;
};

}  // namespace orca::pages
