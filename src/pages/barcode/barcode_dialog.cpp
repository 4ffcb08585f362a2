// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_dialog.h"

#include <algorithm>

#include "pages/barcode/barcode_1d_page.h"
#include "pages/barcode/barcode_datamatrix_page.h"
#include "pages/barcode/barcode_maxicode_page.h"
#include "pages/barcode/barcode_pdf417_page.h"
#include "pages/barcode/barcode_qr_page.h"
#include "pages/flag_list.h"
#include "pages/font_names.h"
#include "pages/font_record.h"
#include "pages/setting_value.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"

namespace orca::pages {
namespace {

using namespace barcode;

// The three lists keep the texts the dialog fills them with.
constexpr int kUntranslated[] = {
    control::kBarcodeFontSymbologyList, control::kBarcodeFontCheckDigitList,
    control::kBarcodeFontRotationList, control::kBarcodeFontPlaceholder};
constexpr TranslationRule kDialogRule{kSkipEdits, kUntranslated, true};

const SymbologyLanguage& LanguageOf(uint8_t commandSet) {
    const auto found =
        std::ranges::find(kSymbologyLanguages, commandSet, &SymbologyLanguage::commandSet);
    return found != std::end(kSymbologyLanguages) ? *found : kSymbologyLanguages[0];
}

bool Holds(std::span<const uint8_t> codes, uint8_t code) {
    return std::ranges::find(codes, code) != codes.end();
}

SubPage SubPageFor(const SymbologyLanguage& language, uint8_t code) {
    const auto found = std::ranges::find(language.twoDimensional, code, &TwoDimensional::code);
    return found != language.twoDimensional.end() ? found->page : SubPage::k1D;
}

uint32_t CheckDigitMask(const SymbologyLanguage& language, uint8_t code) {
    if (Holds(language.checkDigitChoice, code)) {
        return kCheckDigitNo | kCheckDigitYes;
    }
    if (SubPageFor(language, code) != SubPage::k1D || Holds(language.checkDigitNever, code)) {
        return kCheckDigitNo;
    }
    return kCheckDigitYes;
}

uint32_t RotationMask(const SymbologyLanguage& language, uint8_t code) {
    const SubPage page = SubPageFor(language, code);
    return page == SubPage::kMaxicode || page == SubPage::kQr ? kUprightOnly : kAllRotations;
}

int SelectedValue(const framework::ItemList& list) {
    const int index = list.Selected();
    return index < 0 ? -1 : static_cast<int>(list.ItemValue(index));
}

uint8_t ReadCommandSet(PageContext& context) {
    return ReadSetting<uint8_t>(context, settings::field::kCommandLanguage, 0);
}

}  // namespace

CDocDialog_BarCode::CDocDialog_BarCode(PageContext& context, FontListServices& services, int index,
                                       Mode mode)
    : CPluginDialog(context, resources::kDialogBarcodeFont, kDialogRule),
      services_(services),
      index_(index),
      mode_(mode),
      commandSet_(ReadCommandSet(context)),
      shellHost_(services.IsShellHost()),
      language_(LanguageOf(commandSet_)) {
    if (mode_ == Mode::kChange) {
        initialType_ = ReadByte(settings::field::kBarcodeType);
        initialCheckDigit_ = ReadByte(settings::field::kBarcodeCheckDigit);
        initialRotation_ = ReadByte(settings::field::kBarcodeRotation);
        ReadFontName(context, settings::field::kBarcodeName, index_, initialName_);
    }
    // The pages read their own fields now, once the record is known.
    auto page = [this](SubPage kind) -> std::unique_ptr<CBarcodeSubPage>& {
        return subPages_[static_cast<size_t>(kind)];
    };
    page(SubPage::k1D) = std::make_unique<CDocPage_BarCode_1D>(*this);
    page(SubPage::kPdf417) = std::make_unique<CDocPage_BarCode_PDF417>(*this);
    page(SubPage::kDatamatrix) = std::make_unique<CDocPage_BarCode_Datamatrix>(*this);
    page(SubPage::kMaxicode) = std::make_unique<CDocPage_BarCode_Maxicode>(*this);
    page(SubPage::kQr) = std::make_unique<CDocPage_BarCode_QR>(*this);
    On(control::kBarcodeFontSymbologyList, platform::Notification::kSelectionChanged,
       [this] { OnSymbologyChanged(); });
    OnOkAndCancel(control::kBarcodeFontOkButton, control::kBarcodeFontCancelButton,
                  [this] { OnOk(); });
}

CDocDialog_BarCode::~CDocDialog_BarCode() = default;

uint8_t CDocDialog_BarCode::Symbology() const {
    const int value = SelectedValue(symbologies_);
    return value < 0 ? initialType_ : static_cast<uint8_t>(value);
}

void CDocDialog_BarCode::OnInitDialog() {
    const uint32_t mask = ReadSetting<uint32_t>(Context(), settings::field::kSymbologyList, 0);
    FillFlagList(symbologies_, language_.symbologies, mask, initialType_);
    // A stored symbology this model does not offer shows as the first one
    // offered, with that symbology's choices and page.
    const uint8_t code = Symbology();

    PlaceSubPages();
    ShowSubPageFor(code);

    name_.SetText(initialName_);
    name_.LimitText(kNameTypingLimit);
    name_.Enable(shellHost_);
    FillChoices(code, true);
    TranslateInSheetLanguage();
    if (mode_ == Mode::kNew) {
        name_.SetFocus();
    }
}

void CDocDialog_BarCode::PlaceSubPages() {
    const framework::Control placeholder(*this, control::kBarcodeFontPlaceholder);
    const platform::Rect place = placeholder.PlaceInParent();
    // In the window order where the placeholder is, after the rotation and
    // before OK: Tab goes from the rotation into the page shown, and from its
    // last control on to OK.
    platform::Window previous = placeholder.window();
    for (const std::unique_ptr<CBarcodeSubPage>& page : subPages_) {
        if (page != nullptr && page->CreateChild(window())) {
            const framework::Control shown(page->window());
            shown.Move(place);
            shown.PlaceAfter(previous);
            previous = page->window();
        }
    }
}

void CDocDialog_BarCode::FillChoices(uint8_t code, bool firstFill) {
    const int checkDigit = firstFill ? initialCheckDigit_ : SelectedValue(checkDigits_);
    const int rotation = firstFill ? initialRotation_ : SelectedValue(rotations_);
    const std::u16string no = Texts().Text(kCheckDigitKeys[0]);
    const std::u16string yes = Texts().Text(kCheckDigitKeys[1]);
    const FlagListEntry checkDigits[] = {{kCheckDigitNo, no}, {kCheckDigitYes, yes}};
    FillFlagList(checkDigits_, checkDigits, CheckDigitMask(language_, code), checkDigit);
    FillFlagList(rotations_, kRotations, RotationMask(language_, code), rotation);
}

void CDocDialog_BarCode::ShowSubPageFor(uint8_t code) {
    const auto wanted = static_cast<size_t>(SubPageFor(language_, code));
    for (size_t i = 0; i < subPages_.size(); ++i) {
        if (subPages_[i] != nullptr && subPages_[i]->window() != nullptr) {
            framework::Control(subPages_[i]->window()).Show(i == wanted);
        }
    }
}

CBarcodeSubPage* CDocDialog_BarCode::ShownSubPage() const {
    for (const std::unique_ptr<CBarcodeSubPage>& page : subPages_) {
        if (page != nullptr && page->window() != nullptr &&
            framework::Control(page->window()).IsVisible()) {
            return page.get();
        }
    }
    return nullptr;
}

void CDocDialog_BarCode::OnSymbologyChanged() {
    const uint8_t code = Symbology();
    FillChoices(code, false);
    ShowSubPageFor(code);
    if (CBarcodeSubPage* shown = ShownSubPage()) {
        shown->Refill(code);
    }
}

void CDocDialog_BarCode::OnOk() {
    const std::u16string name = name_.Text();
    const FontNameVerdict verdict =
        CheckFontName(Context(), name, initialName_, ReservedFontNames(commandSet_));
    if (verdict != FontNameVerdict::kAccepted) {
        Refuse(name_, verdict == FontNameVerdict::kEmpty ? kMessageEnterName : kMessageNameInUse,
               kMessageTitle);
        return;
    }
    CBarcodeSubPage* shown = ShownSubPage();
    if (shown != nullptr && !shown->Check()) {
        return;
    }
    if (mode_ == Mode::kNew) {
        const int32_t added = services_.AddBarcodeFont();
        if (added < 0) {
            // No record to write to: nothing changed.
            EndDialog(kNothingStored);
            return;
        }
        index_ = added;
    }
    bool stored = shown != nullptr && shown->Store();
    if (name != initialName_)
        stored |= WriteFontName(Context(), settings::field::kBarcodeName, index_, name);
    stored |= StoreByte(settings::field::kBarcodeType, Symbology(), initialType_);
    stored |= StoreByte(settings::field::kBarcodeCheckDigit, SelectedValue(checkDigits_),
                        initialCheckDigit_);
    stored |=
        StoreByte(settings::field::kBarcodeRotation, SelectedValue(rotations_), initialRotation_);
    EndDialog(stored ? kStored : kNothingStored);
}

uint8_t CDocDialog_BarCode::ReadByte(uint32_t fieldId) const {
    return ReadSetting<uint8_t>(Context(), fieldId, 0, index_);
}

bool CDocDialog_BarCode::StoreByte(uint32_t fieldId, int value, uint8_t initial) const {
    return StoreRecordByte(Context(), fieldId, index_, value, initial);
}

}  // namespace orca::pages
