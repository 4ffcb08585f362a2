// SPDX-License-Identifier: Apache-2.0
// An edit that takes signed decimal numbers as they are typed: digits,
// backspace, one "." (never in front) and one "-" (only in front). Text set
// by code or pasted is not checked.
#pragma once

#include "framework/controls.h"

namespace orca::pages {

class CDecimalEdit : public framework::Edit {
public:
    using framework::Edit::Edit;

    bool AcceptChar(char16_t ch) override;
};

}  // namespace orca::pages
