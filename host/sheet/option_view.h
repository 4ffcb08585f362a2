// SPDX-License-Identifier: Apache-2.0
// An option as its page shows it, read off the sheet's controls, and changed
// through the action language as a person changes it.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/cli/failure.h"
#include "host/sheet/action_runner.h"
#include "host/sheet/option_table.h"
#include "host/sheet/sheet.h"

namespace orca::host {

// How far an adjustment reaches either way.
struct LengthLimit {
    double inUnit;  // in the unit the page shows
    double millimetres;
};

struct OptionView {
    const OptionRow* row = nullptr;
    std::string page;                          // the tab's title
    std::string dialog;                        // the page's dialog holding it ("Other"), or empty
    std::string label;                         // "Darkness", without its colon
    std::string value;                         // as the page shows it, or "Default"
    std::string unit;                          // "mm/s", or empty
    std::vector<std::string> choices;          // the items of a list or the radio buttons
    std::vector<std::string> keywords;         // each choice's English text, by choice
    std::vector<int> radios;                   // a radio group's buttons, by choice
    std::optional<std::pair<int, int>> range;  // an up-down control's bounds
    bool takesDefault = false;                 // "Default" leaves it to the printer
    bool digitsOnly = false;                   // an edit field that takes digits only
    int maxChars = 0;                          // the most characters an edit field takes
    std::optional<LengthLimit> lengthLimit;    // an adjustment's reach, either way
    bool enabled = true;                       // the page lets it be changed now
};

// Every option the sheet's pages (and their dialogs) show, in the table's order.
std::vector<OptionView> ReadOptions(Sheet& sheet);

// The option with its page brought to the front, read off the page or off
// its dialog, which the page's button opens and OK closes; none when the
// printer's pages do not show it or the row is of the other sheet.
std::optional<OptionView> ReadOption(Sheet& sheet, const OptionRow& row);

// Where a person is sent to read the sheet's options:
// "(see: orcaui options PRINTER)".
std::string SeeOptions(SheetKind sheet);

// The value with its unit, as a person reads it: "101 mm/s", "Default".
std::string Shown(const OptionView& view);

// The allowed values as a person reads them: a list, a range, "a number".
std::string AllowedValues(const OptionView& view);

// A number as `set` reads it: digits with an optional leading minus and an
// optional decimal point between digits ("12", "-0.5"); none for anything
// else (".5", "5.", "+1", "1e-1"), which a page would read otherwise.
std::optional<double> Number(std::string_view text);

// The keyword of the value a choice option holds (its English text), or
// its value.
std::string Keyword(const OptionView& view);

// Whether value is what the option already holds.
bool Holds(const OptionView& view, std::string_view value);

// Refuses a value the option does not offer, naming the allowed ones.
MaybeFailure CheckValue(const OptionView& view, std::string_view value);

// Drives the option's controls to value with the runner, its page in front
// (in its dialog, opened with the page's button and closed with OK);
// refused when the page disables them.
MaybeFailure DriveOption(ActionRunner& runner, const OptionView& view, std::string_view value);

// Presses the page's save button with the runner, its page in front;
// refused, with the page's message, when the page could not store.
MaybeFailure SavePage(Sheet& sheet, ActionRunner& runner, const OptionPlace& place);

}  // namespace orca::host
