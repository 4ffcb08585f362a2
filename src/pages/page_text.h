// SPDX-License-Identifier: Apache-2.0
// Giving a page's controls their texts from its language file: the
// per-page rule, the visit of the controls, and the re-labelling of a combo
// box's items by their values.
#pragma once

#include <span>

#include "framework/dialog.h"
#include "pages/language_file.h"
#include "platform/window_types.h"

namespace orca::pages {

// Kinds of control a page's rule leaves as they are.
enum SkippedKind : unsigned {
    kSkipNothing = 0,
    kSkipEdits = 1u << 0,
    kSkipPictures = 1u << 1,
    kSkipListBoxes = 1u << 2,
    kSkipUpDowns = 1u << 3,
    kSkipComboBoxes = 1u << 4,
};

// A page's rule: every control not skipped by kind or by identifier gets
// its text, a combo box by re-labelling its items, any other control by the
// text of its name (so a control without a name turns empty).
struct TranslationRule {
    unsigned skippedKinds = kSkipEdits;
    std::span<const int> skippedControls = {};
    bool captionFromTitle = false;  // dialogs: the caption is "WINDOW_TITLE"
};

// Applies the rule to the dialog's direct children in window order.
void TranslateControls(const framework::Dialog& dialog, CLanguageFile& texts,
                       const TranslationRule& rule);

// Re-labels a combo box: its items keep their values, order and selection;
// each item's text becomes the text of the key "<combo name><value>" ("%s%d"),
// empty when the key is missing.
void RelabelCombo(platform::Window combo, int controlId, CLanguageFile& texts);

}  // namespace orca::pages
