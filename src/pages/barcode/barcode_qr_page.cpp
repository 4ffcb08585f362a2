// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_qr_page.h"

#include <string>
#include <vector>

#include "pages/barcode/barcode_dialog.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"

namespace orca::pages {
namespace {

using namespace symbology;

// The error correction list is re-labelled from the language file.
constexpr int kUntranslated[] = {control::kQrXList, control::kQrModelList, control::kQrMaskList};
constexpr TranslationRule kRule{kSkipEdits, kUntranslated};

}  // namespace

CDocPage_BarCode_QR::CDocPage_BarCode_QR(CDocDialog_BarCode& dialog)
    : CBarcodeSubPage(dialog, resources::kPageBarcodeQr, kRule),
      initialX_(Initial(kXDimensions.id, kXDimensions.fallback)),
      initialModel_(Initial(kQrModel.id, kQrModel.fallback)),
      initialError_(Initial(kQrError.id, kQrError.fallback)),
      initialMask_(Initial(kQrMask.id, kQrMask.fallback)) {}

void CDocPage_BarCode_QR::OnInitDialog() {
    FillPlainList(x_, Numbered(1, kQrXDimensions), initialX_);
    FillPlainList(model_, Numbered(1, kQrModels), initialModel_);
    // Placeholders: the re-labelling gives the texts.
    FillPlainList(error_, Numbered(0, kQrErrorLevels), initialError_);
    std::vector<std::u16string> masks = Numbered(0, kQrMaskNumbers);
    masks.push_back(Texts().Text(kNoneKey));
    masks.push_back(Texts().Text(kAutoKey));
    FillPlainList(mask_, masks, initialMask_);
    mask_.Enable(Owner().CommandSet() != barcode::kCommandSetOrca);
    TranslateInSheetLanguage();
}

bool CDocPage_BarCode_QR::Store() {
    bool stored = StoreSelection(x_, kXDimensions.id, initialX_);
    stored |= StoreSelection(model_, kQrModel.id, initialModel_);
    stored |= StoreSelection(error_, kQrError.id, initialError_);
    stored |= StoreSelection(mask_, kQrMask.id, initialMask_);
    return stored;
}

}  // namespace orca::pages
