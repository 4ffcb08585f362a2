// SPDX-License-Identifier: Apache-2.0
// Controls as a person names them in actions: by number (1014), by the
// symbolic name of the module's control-name table (IDC_OPTION_EDIT_COPIES,
// IDOK_CMD_Define), letter case ignored, or by the text a person reads: a
// button's own text, or the label before an edit field or list ("Darkness").
// An edit field, combo box or list box that the table does not name takes
// the name of the label before it with STATIC made EDIT, COMBO or LIST
// (IDC_OPTION_STATIC_DARKNESS names IDC_OPTION_COMBO_DARKNESS). IDOK and
// IDCANCEL name the dialog buttons of those numbers.
#pragma once

#include <string>
#include <string_view>

#include "host/cli/failure.h"
#include "platform/sim/desktop.h"

namespace orca::host {

struct ControlRef {
    platform::Window holder = nullptr;  // the dialog or page the control sits in
    int id = 0;
};

// Looks in window and in its visible child dialogs (sub-pages), in window
// order. A name or text that two controls there share is refused, naming them.
MaybeFailure FindControl(platform::sim::Desktop& desktop, platform::Window window,
                         std::string_view control, ControlRef* found);

// A label's or button's text as a name: "&Speed:" reads "Speed".
std::u16string TextAsName(std::u16string text);

// The window rendered as text with each control's name after its number.
std::string RenderWithNames(platform::sim::Desktop& desktop, platform::Window window);

}  // namespace orca::host
