// SPDX-License-Identifier: Apache-2.0
// The Barcode Fonts page: the user's barcode fonts, each defined in the
// "Define Barcode Font" dialog.
#pragma once

#include "pages/font_list_page.h"

namespace orca::pages {

class CDocPage_BarCode : public CFontListPage {
public:
    CDocPage_BarCode(PageContext& context, FontListServices& services);

protected:
    bool Define(int index, bool isNew) override;
    int32_t Remove(int index) override;
};

}  // namespace orca::pages
