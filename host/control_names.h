// Controls as a person names them in actions: by number (1014) or by the
// symbolic name of the module's control-name table (IDC_OPTION_EDIT_COPIES,
// IDOK_CMD_Define), letter case ignored; IDOK and IDCANCEL name the dialog
// buttons of those numbers.
#pragma once

#include <string>
#include <string_view>

#include "failure.h"
#include "platform/sim/desktop.h"

namespace orca::host {

struct ControlRef {
    platform::Window holder = nullptr;  // the dialog or page the control sits in
    int id = 0;
};

// Looks in window and in its visible child dialogs (sub-pages), in window
// order. A name that two controls there share must be given as a number.
MaybeFailure FindControl(platform::sim::Desktop& desktop, platform::Window window,
                         std::string_view control, ControlRef* found);

// A rendered window with each control's name after its number.
std::string WithControlNames(std::string_view render);

}  // namespace orca::host
