// SPDX-License-Identifier: Apache-2.0
#include "pages/barcode/barcode_1d_page.h"

#include <algorithm>
#include <vector>

#include "framework/desktop_windows.h"
#include "pages/barcode/barcode_dialog.h"
#include "pages/setting_value.h"
#include "pages/typed_number.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "resources/window_styles.h"
#include "settings/field_ids.h"
#include "text/format.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace symbology;

constexpr int kUntranslated[] = {control::kSymbologyXList,
                                 control::kSymbologyRatioList,
                                 control::kSymbologyHumanReadableList,
                                 control::kSymbologyRatioLabel,
                                 control::kSymbologyHumanReadableLabel,
                                 control::kSymbologyMilsLabel,
                                 control::kSymbologyYUnitLabel};
constexpr TranslationRule kRule{kSkipEdits, kUntranslated};

constexpr uint8_t kUnitMm = 1;
// Widths in mils step by five, one less from the seventh on.
constexpr int kMilsStep = 5;
constexpr int kMilsShortFrom = 6;

const OneDimensionalLanguage& LanguageOf(uint8_t commandSet) {
    const auto found = std::ranges::find(kOneDimensionalLanguages, commandSet,
                                         &OneDimensionalLanguage::commandSet);
    return found != std::end(kOneDimensionalLanguages) ? *found : kOneDimensionalLanguages[0];
}

const YUnit& UnitOf(PageContext& context) {
    const uint8_t unit = ReadSetting<uint8_t>(context, settings::field::kSpeedUnit, kUnitMm);
    const auto found = std::ranges::find(kYUnits, unit, &YUnit::unit);
    return found != std::end(kYUnits) ? *found : kYUnitOtherwise;
}

uint32_t MaskFor(const MaskRule& rule, uint8_t code) {
    for (const MaskRow& row : rule.rows) {
        if (std::ranges::find(row.codes, code) != row.codes.end()) {
            return row.mask;
        }
    }
    return rule.otherwise;
}

int SelectedValue(const framework::ItemList& list, int fallback) {
    const int index = list.Selected();
    return index < 0 ? fallback : static_cast<int>(list.ItemValue(index));
}

std::u16string TwoDecimals(double value) {
    return text::Utf8ToUtf16(text::Format("%0.2f", value));
}

}  // namespace

CDocPage_BarCode_1D::CDocPage_BarCode_1D(CDocDialog_BarCode& dialog)
    : CBarcodeSubPage(dialog, resources::kPageBarcode1D, kRule),
      language_(LanguageOf(dialog.CommandSet())),
      unit_(UnitOf(dialog.Settings())),
      initialX_(Initial(kXDimensions.id, kXDimensions.fallback)),
      initialFontHeight_(Initial(kFontHeight.id, kFontHeight.fallback)),
      initialHumanReadable_(Initial(kHumanReadable.id, kHumanReadable.fallback)),
      initialRatio_(Initial(kRatio.id, kRatio.fallback)) {
    if (dialog.GetMode() == barcode::Mode::kChange)
        initialY_ = ReadSetting(Context(), kFieldYDimensions, initialY_, dialog.Index());
    using platform::Notification;
    On(control::kSymbologyXList, Notification::kSelectionChanged, [this] { ShowMils(); });
    On(control::kSymbologyRatioList, Notification::kSelectionChanged,
       [this] { ShowRatioWidths(); });
    On(control::kSymbologyYEdit, Notification::kTextChanged, [this] { OnYChanged(); });
    On(control::kSymbologyFontHeightCheck, Notification::kClicked,
       [this] { OnFontHeightClicked(); });
}

void CDocPage_BarCode_1D::OnInitDialog() {
    fontHeight_.SetChecked(initialFontHeight_ == 1);
    Refill(Owner().Symbology());
    const double shown = y_.Text().empty() ? initialY_ / unit_.millimetres : TypedY();
    y_.SetText(TwoDecimals(shown));
    shownInitialY_ = TypedY();
    framework::Static(*this, control::kSymbologyYUnitLabel).SetText(Texts().Text(unit_.textKey));
    TranslateInSheetLanguage();
}

void CDocPage_BarCode_1D::Refill(uint8_t code) {
    FillFlagList(x_, kXEntries, kAllXDimensions, SelectedValue(x_, initialX_));
    ShowMils();
    x_.Enable(true);

    const bool shell = Owner().IsShellHost();
    fontHeight_.Enable(shell);
    y_.Enable(shell && !fontHeight_.IsChecked());

    std::vector<std::u16string> texts;
    for (std::u16string_view key : kHumanReadableKeys) {
        texts.push_back(Texts().Text(key));
    }
    std::vector<FlagListEntry> readable;
    for (size_t i = 0; i < texts.size(); ++i) {
        readable.push_back({kHumanReadableCodes[i], texts[i]});
    }
    FillFlagList(humanReadable_, readable, MaskFor(language_.humanReadable, code),
                 SelectedValue(humanReadable_, initialHumanReadable_));
    FillFlagList(ratio_, kRatioEntries, MaskFor(language_.ratio, code),
                 SelectedValue(ratio_, initialRatio_));
    ShowRatioWidths();
}

void CDocPage_BarCode_1D::ShowMils() {
    const int position = std::max(SelectedValue(x_, 0), 0);
    const int mils = kMilsStep * position + (position < kMilsShortFrom ? kMilsStep : kMilsStep - 1);
    mils_.SetText(text::Utf8ToUtf16(text::Format("%d mils", mils)));
}

void CDocPage_BarCode_1D::ShowRatioWidths() {
    const int ratio = SelectedValue(ratio_, 0);
    if (ratio < 0 || ratio >= static_cast<int>(std::size(kRatioWidths))) {
        return;
    }
    const auto& [narrow, wide] = kRatioWidths[ratio];
    for (const auto& [control, text] : {std::pair{control::kSymbologyBarNarrowEdit, narrow},
                                        std::pair{control::kSymbologySpaceNarrowEdit, narrow},
                                        std::pair{control::kSymbologyBarWideEdit, wide},
                                        std::pair{control::kSymbologySpaceWideEdit, wide}}) {
        framework::Control(*this, control).SetText(text);
    }
}

void CDocPage_BarCode_1D::OnYChanged() {
    std::u16string text = y_.Text();
    if (text.find(u'-') != text.npos) {
        std::erase(text, u'-');
        y_.SetText(text);
        return;
    }
    // At most two decimals.
    const size_t point = text.find(u'.');
    if (point != text.npos && point + 3 < text.size()) {
        y_.SetText(text.substr(0, point + 3));
    }
}

void CDocPage_BarCode_1D::OnFontHeightClicked() {
    y_.Enable(fontHeight_.IsEnabled() && !fontHeight_.IsChecked());
}

double CDocPage_BarCode_1D::TypedY() const {
    return ReadDecimal(y_.Text());
}

bool CDocPage_BarCode_1D::Check() {
    if (!y_.IsEnabled()) {
        return true;
    }
    const double value = TypedY();
    const YRange& range = unit_.*language_.range;
    if (value >= range.low && value <= range.high) {
        return true;
    }
    const std::string message =
        text::Format("%s %.2f - %.2f%s%s", text::Utf16ToUtf8(Texts().Text(kMessageYRange)).c_str(),
                     range.low, range.high, text::Utf16ToUtf8(Texts().Text(unit_.textKey)).c_str(),
                     text::Utf16ToUtf8(Texts().Text(kMessageSymbol)).c_str());
    framework::ShowMessage(window(), text::Utf8ToUtf16(message), Texts().Text(kMessageTitle),
                           resources::MB_OK | resources::MB_ICONERROR);
    y_.SetFocus();
    return false;
}

bool CDocPage_BarCode_1D::Store() {
    bool stored = StoreSelection(x_, kXDimensions.id, initialX_);
    stored |= StoreSelection(ratio_, kRatio.id, initialRatio_);
    stored |= StoreSelection(humanReadable_, kHumanReadable.id, initialHumanReadable_);
    stored |= StoreValue(kFontHeight.id, fontHeight_.IsChecked() ? 1 : 0, initialFontHeight_);
    // The height as shown is rounded to hundredths of the unit: it is stored
    // only when the user typed another number, so an untouched height keeps
    // its exact value.
    if (y_.IsEnabled() && !y_.Text().empty() && TypedY() != shownInitialY_) {
        const double millimetres = TypedY() * unit_.millimetres;
        if (millimetres != initialY_)
            stored |= StoreSetting(Context(), kFieldYDimensions, millimetres, Owner().Index());
    }
    return stored;
}

}  // namespace orca::pages
