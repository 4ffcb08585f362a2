// SPDX-License-Identifier: Apache-2.0
// A PPD's main-keyword lines, "*Keyword Option: value", as the readers of a
// queue's PPD (the filter's settings, orcaui's store) take them.
#pragma once

#include <istream>
#include <string>

namespace orca::host::cups {

struct PpdLine {
    std::string keyword;  // without its '*'
    std::string option;   // empty when the keyword has none
    std::string value;    // its quotes taken off
};

// The next line that gives a keyword a value; false at the end. A line may
// end in CR LF; a quoted value goes on to its closing quote, its line breaks
// being only the PPD's.
bool NextPpdLine(std::istream& ppd, PpdLine* line);

}  // namespace orca::host::cups
