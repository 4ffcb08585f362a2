// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_list_page.h"

#include "pages/barcode/barcode_dialog.h"
#include "pages/barcode/barcode_tables.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::pages {
namespace {

using namespace barcode;

constexpr TranslationRule kListRule{kSkipEdits | kSkipPictures | kSkipListBoxes, kSeparators};
constexpr FontListControls kListControls{
    control::kBarcodeFontsList, control::kBarcodeFontsNewButton, control::kBarcodeFontsChangeButton,
    control::kBarcodeFontsDeleteButton};
constexpr FontListFields kListFields{settings::field::kBarcodeCount, settings::field::kBarcodeName};

}  // namespace

CDocPage_BarCode::CDocPage_BarCode(PageContext& context, FontListServices& services)
    : CFontListPage(context, resources::kPageBarcodeFonts, kListRule, services, kListControls,
                    kListFields) {}

bool CDocPage_BarCode::Define(int index, bool isNew) {
    CDocDialog_BarCode dialog(Context(), Services(), index, isNew ? Mode::kNew : Mode::kChange);
    return dialog.DoModal(window()) == kStored;
}

int32_t CDocPage_BarCode::Remove(int index) {
    return Services().DeleteBarcodeFont(index);
}

}  // namespace orca::pages
