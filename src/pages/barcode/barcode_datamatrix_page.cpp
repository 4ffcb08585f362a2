// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_datamatrix_page.h"

#include <algorithm>
#include <string>

#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "text/format.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace symbology;

constexpr int kUntranslated[] = {control::kDatamatrixCellWidthList, control::kDatamatrixCellsList,
                                 control::kDatamatrixEccList, control::kDatamatrixFormatIdList};
constexpr TranslationRule kRule{kSkipEdits, kUntranslated};

std::vector<CellSize> SizeItems() {
    std::vector<CellSize> sizes{{0, 0}};
    for (int n = kSquareFirst; n <= kSquareLast; n += 2) {
        sizes.push_back({static_cast<uint8_t>(n), static_cast<uint8_t>(n)});
    }
    sizes.insert(sizes.end(), std::begin(kRectangles), std::end(kRectangles));
    return sizes;
}

}  // namespace

CDocPage_BarCode_Datamatrix::CDocPage_BarCode_Datamatrix(CDocDialog_BarCode& dialog)
    : CBarcodeSubPage(dialog, resources::kPageBarcodeDatamatrix, kRule),
      initialWidth_(Initial(kCellWidth.id, kCellWidth.fallback)),
      initialCellsA_(Initial(kCellsA.id, kCellsA.fallback)),
      initialCellsB_(Initial(kCellsB.id, kCellsB.fallback)),
      initialEcc_(Initial(kEcc.id, kEcc.fallback)),
      initialFormatId_(Initial(kFormatId.id, kFormatId.fallback)),
      sizes_(SizeItems()) {
    On(control::kDatamatrixEccList, platform::Notification::kSelectionChanged,
       [this] { EnableFormatId(); });
}

void CDocPage_BarCode_Datamatrix::OnInitDialog() {
    FillPlainList(width_, Numbered(1, kCellWidths), initialWidth_);

    std::vector<std::u16string> sizeTexts{Texts().Text(kAutoKey)};
    for (size_t i = 1; i < sizes_.size(); ++i) {
        sizeTexts.push_back(text::Utf8ToUtf16(text::Format("%d x %d", sizes_[i].a, sizes_[i].b)));
    }
    // A stored size with no item of its own (neither "Auto", a listed square
    // nor a listed rectangle) shows as the first item, "Auto".
    const auto stored = std::ranges::find_if(sizes_, [this](const CellSize& size) {
        return size.a == initialCellsA_ && (size.b == initialCellsB_ || size.a == 0);
    });
    FillPlainList(cells_, sizeTexts,
                  stored != sizes_.end() ? static_cast<int>(stored - sizes_.begin()) : 0);

    FillPlainList(ecc_, std::vector<std::u16string>(std::begin(kEccTexts), std::end(kEccTexts)),
                  initialEcc_);
    FillPlainList(formatId_, Numbered(1, kFormatIds, "%02d"), initialFormatId_);
    EnableFormatId();
    TranslateInSheetLanguage();
}

void CDocPage_BarCode_Datamatrix::EnableFormatId() {
    formatId_.Enable(ecc_.Selected() != kEccWithoutFormat);
}

bool CDocPage_BarCode_Datamatrix::Store() {
    bool stored = StoreSelection(width_, kCellWidth.id, initialWidth_);
    stored |= StoreSelection(formatId_, kFormatId.id, initialFormatId_);
    stored |= StoreSelection(ecc_, kEcc.id, initialEcc_);
    const int item = cells_.Selected();
    if (item >= 0 && item < static_cast<int>(sizes_.size())) {
        stored |= StoreValue(kCellsA.id, sizes_[item].a, initialCellsA_);
        stored |= StoreValue(kCellsB.id, sizes_[item].b, initialCellsB_);
    }
    return stored;
}

}  // namespace orca::pages
