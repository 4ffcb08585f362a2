// SPDX-License-Identifier: Apache-2.0
// The fill shared by the pages' choice lists: a list of entries, each with a
// code (a single bit of a value list) and a text, filtered by a capability
// mask.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "framework/controls.h"

namespace orca::pages {

struct FlagListEntry {
    uint32_t code;
    std::u16string_view text;
};

// The item value of the "Default" entry: a first entry of code 0.
inline constexpr int kDefaultValue = 255;

// Empties the list and adds, in order, a first entry of code 0 as "Default"
// (value 255) and every entry whose code is in the mask (value: the code's
// bit number). Items whose value equals current get selected, the last one
// winning; the first item when none matches.
void FillFlagList(const framework::ItemList& list, std::span<const FlagListEntry> entries,
                  uint32_t mask, int current);

// x + 0.5 truncated toward zero for positive x, x - 0.5 truncated toward zero
// otherwise; the result is held to the int range (NaN gives 0).
int RoundHalfAwayFromZero(double x);

}  // namespace orca::pages
