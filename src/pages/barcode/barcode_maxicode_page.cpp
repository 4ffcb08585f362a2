// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_maxicode_page.h"

#include <string>
#include <vector>

#include "resources/control_ids.h"
#include "resources/page_resources.h"

namespace orca::pages {
namespace {

using namespace symbology;

constexpr int kUntranslated[] = {control::kMaxicodeModeList};
constexpr TranslationRule kRule{kSkipEdits, kUntranslated};

}  // namespace

CDocPage_BarCode_Maxicode::CDocPage_BarCode_Maxicode(CDocDialog_BarCode& dialog)
    : CBarcodeSubPage(dialog, resources::kPageBarcodeMaxicode, kRule),
      initialMode_(Initial(kMode.id, kMode.fallback)) {}

void CDocPage_BarCode_Maxicode::OnInitDialog() {
    FillPlainList(mode_, std::vector<std::u16string>(std::begin(kModeTexts), std::end(kModeTexts)),
                  initialMode_);
    TranslateInSheetLanguage();
}

bool CDocPage_BarCode_Maxicode::Store() {
    return StoreSelection(mode_, kMode.id, initialMode_);
}

}  // namespace orca::pages
