// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_pdf417_page.h"

#include <string>

#include "pages/barcode/barcode_dialog.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace symbology;

// The truncate list is re-labelled from the language file.
constexpr int kUntranslated[] = {control::kPdf417NarrowWidthList, control::kPdf417SymbolHeightList,
                                 control::kPdf417SecurityList};
constexpr TranslationRule kRule{kSkipEdits, kUntranslated};

// The digits text starts with as a number (0 when none), held below a
// thousand: the edits take two digits.
int LeadingDigits(std::u16string_view text) {
    int number = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') {
            break;
        }
        number = std::min(number * 10 + (c - u'0'), 1000);
    }
    return number;
}

}  // namespace

CDocPage_BarCode_PDF417::CDocPage_BarCode_PDF417(CDocDialog_BarCode& dialog)
    : CBarcodeSubPage(dialog, resources::kPageBarcodePdf417, kRule),
      onyx_(dialog.CommandSet() == barcode::kCommandSetOnyx),
      initialNarrowWidth_(Initial(kNarrowWidth.id, kNarrowWidth.fallback)),
      initialSymbolHeight_(Initial(kSymbolHeight.id, kSymbolHeight.fallback)),
      initialSecurity_(Initial(kSecurity.id, kSecurity.fallback)),
      initialColumns_(Initial(kColumns.id, kColumns.fallback)),
      initialRows_(Initial(kRows.id, kRows.fallback)),
      initialTruncate_(onyx_ ? Initial(kTruncate.id, kTruncate.fallback) : kTruncate.fallback) {
    using platform::Notification;
    On(control::kPdf417ColumnsEdit, Notification::kTextChanged,
       [this] { HoldToRange(columns_, kColumnsLow, kColumnsHigh); });
    On(control::kPdf417RowsEdit, Notification::kTextChanged,
       [this] { HoldToRange(rows_, kRowsLow, kRowsHigh); });
}

void CDocPage_BarCode_PDF417::OnInitDialog() {
    FillPlainList(narrowWidth_, Numbered(1, kNarrowWidths), initialNarrowWidth_);
    FillPlainList(symbolHeight_, Numbered(1, onyx_ ? kOnyxSymbolHeights : kOrcaSymbolHeights),
                  initialSymbolHeight_);
    FillPlainList(security_, Numbered(0, kSecurityLevels), initialSecurity_);
    columns_.SetText(text::DecimalText(initialColumns_));
    rows_.SetText(text::DecimalText(initialRows_));
    if (onyx_) {
        framework::Control(*this, control::kPdf417TruncateLabel).Show(true);
        truncate_.Show(true);
        // Placeholders: the re-labelling gives the texts.
        FillPlainList(truncate_, Numbered(0, kTruncateChoices), initialTruncate_);
    }
    TranslateInSheetLanguage();
}

void CDocPage_BarCode_PDF417::HoldToRange(const framework::Edit& edit, int low, int high) const {
    const int number = LeadingDigits(edit.Text());
    if (number < low) {
        edit.SetText(text::DecimalText(low));
    } else if (number > high) {
        edit.SetText(text::DecimalText(high));
    }
}

bool CDocPage_BarCode_PDF417::Store() {
    bool stored = StoreSelection(narrowWidth_, kNarrowWidth.id, initialNarrowWidth_);
    stored |= StoreSelection(symbolHeight_, kSymbolHeight.id, initialSymbolHeight_);
    stored |= StoreSelection(security_, kSecurity.id, initialSecurity_);
    stored |= StoreValue(kColumns.id, LeadingDigits(columns_.Text()), initialColumns_);
    stored |= StoreValue(kRows.id, LeadingDigits(rows_.Text()), initialRows_);
    if (truncate_.IsVisible()) {
        stored |= StoreSelection(truncate_, kTruncate.id, initialTruncate_);
    }
    return stored;
}

}  // namespace orca::pages
