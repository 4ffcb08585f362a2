// SPDX-License-Identifier: Apache-2.0
// The options of `orcaui options`, `get` and `set`: each stable name mapped to
// the page and control that shows it, and the stored setting behind it. What an option holds and
// offers (its items, range, unit and current value) is read from the page itself.
#pragma once

#include <span>
#include <string_view>

#include "host/sheet/sheet_kind.h"

namespace orca::host {

// Where an option's control sits.
struct OptionPlace {
    SheetKind sheet;
    // The plug-in's page by the dialog templates it is made from (one per
    // model variant), so a page a model leaves out moves no other option.
    std::span<const int> pages;
    int dialogButton = 0;  // the page's button that opens the modal dialog holding it, or 0
    int saveButton = 0;    // the page's button that stores what its fields hold, or 0 when
                           // the page stores each change as it is made
};

struct OptionRow {
    std::string_view name;   // "darkness"
    std::string_view field;  // the stored setting it shows, as `orcaui settings` names it
    OptionPlace place;
    int control;           // a combo box, an edit field, or a group's first radio button
    int label;             // the label (or group box) that names it on the page
    int unit = 0;          // the label showing its unit, or 0
    int spin = 0;          // the up-down control bounding it, or 0
    int defaultCheck = 0;  // the "Default" check box that leaves it to the printer, or 0
};

// The options of one sheet, in the order of its pages; a printer's model
// shows only some of them.
std::span<const OptionRow> OptionRows(SheetKind sheet);

// The row of that name on the sheet (letter case ignored), or null.
const OptionRow* FindOptionRow(SheetKind sheet, std::string_view name);

}  // namespace orca::host
