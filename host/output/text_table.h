// SPDX-License-Identifier: Apache-2.0
// Text tables for people: columns lined up by how wide their text shows on a
// terminal, so names with accents or Chinese characters line up too.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orca::host {

// Columns a terminal gives UTF-8 text: East Asian wide and full-width
// characters take two, combining marks none.
size_t DisplayWidth(std::string_view text);

// The rows as lines, each column padded to the widest of its cells and two
// blanks apart; the last column is not padded.
std::string AlignedTable(const std::vector<std::vector<std::string>>& rows);

}  // namespace orca::host
