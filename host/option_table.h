// The options of `orcaui options`, `get` and `set`: each stable name mapped to
// the page and control that shows it, and the stored setting behind it. What an option holds and
// offers (its items, range, unit and current value) is read from the page itself.
#pragma once

#include <span>
#include <string_view>

namespace orca::host {

struct OptionRow {
    std::string_view name;   // "darkness"
    std::string_view field;  // the stored setting it shows, as `orcaui settings` names it
    int page;                // the plug-in's page: 0 is its first tab on the sheet
    int control;             // a combo box, an edit field, or a group's first radio button
    int label;               // the label (or group box) that names it on the page
    int unit = 0;            // the label showing its unit, or 0
    int spin = 0;            // the up-down control bounding it, or 0
    int defaultCheck = 0;    // the "Default" check box that leaves it to the printer, or 0
};

// In the order of the pages; a printer's model shows only some of them.
std::span<const OptionRow> OptionRows();

// The row of that name (letter case ignored), or null.
const OptionRow* FindOptionRow(std::string_view name);

}  // namespace orca::host
