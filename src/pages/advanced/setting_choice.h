// SPDX-License-Identifier: Apache-2.0
// A choice list that edits a one-byte setting: its entries, offered by a
// fixed mask or by the mask a model capability answers, and the value the
// selected item stores.
#pragma once

#include <cstdint>
#include <span>

#include "framework/dialog.h"
#include "pages/flag_list.h"
#include "pages/page_context.h"

namespace orca::pages {

struct SettingChoice {
    int controlId;
    uint32_t fieldId;
    std::span<const FlagListEntry> entries;
    uint32_t mask;            // the entries offered when maskCapability is 0
    uint32_t maskCapability;  // the model capability whose value is the mask, or 0
};

// Fills the list with the entries the mask offers and selects the stored
// value (the first item when the value is not offered).
void FillSettingChoice(const framework::Dialog& dialog, PageContext& context,
                       const SettingChoice& choice);

// The selected item's value, or -1 when nothing is selected.
int SelectedChoice(const framework::Dialog& dialog, int controlId);

// Stores the selected value (its low 8 bits) when it differs from the stored
// one; true when it was written.
bool StoreSettingChoice(const framework::Dialog& dialog, PageContext& context,
                        const SettingChoice& choice);

}  // namespace orca::pages
