// SPDX-License-Identifier: Apache-2.0
// The Command Fonts page: the command fonts of the sheet's settings, each
// defined in the Command Font dialog.
#pragma once

#include "pages/font_list_page.h"

namespace orca::pages {

class CDocPage_CMD : public CFontListPage {
public:
    CDocPage_CMD(PageContext& context, FontListServices& services);

protected:
    bool Define(int index, bool isNew) override;
    int32_t Remove(int index) override;
};

}  // namespace orca::pages
