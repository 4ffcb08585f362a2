// SPDX-License-Identifier: Apache-2.0
#include "pages/option/option_page.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "pages/flag_list.h"
#include "pages/setting_value.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "settings/field_ids.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace option;

constexpr std::u16string_view kDefaultKey = u"IDC_OPTION_DEFAULT";
constexpr std::u16string_view kSpeedUnitKey = u"IDC_OPTION_STATIC_SPEEDUNIT";

// Edits and pictures keep their texts; of the combo boxes only units and
// orientation are re-labelled; the speed fill sets the unit label.
constexpr int kUntranslated[] = {control::kOptionSpeedList, control::kOptionDarknessList,
                                 control::kOptionStockList, control::kOptionRotationList,
                                 control::kOptionSpeedUnitLabel};
constexpr TranslationRule kOptionRule{kSkipEdits | kSkipPictures, kUntranslated};

const LanguageLists* ListsOf(uint8_t language) {
    const auto found = std::ranges::find(kLanguageLists, language, &LanguageLists::language);
    return found != std::end(kLanguageLists) ? &*found : nullptr;
}

void Fill(const framework::ItemList& list, std::span<const FixedItem> items, int selected) {
    list.Clear();
    for (const FixedItem& item : items) {
        list.Add(item.text, item.value);
    }
    list.Select(list.Find(selected));
}

int SelectedValue(const framework::ItemList& list) {
    const int index = list.Selected();
    return index < 0 ? -1 : static_cast<int>(list.ItemValue(index));
}

}  // namespace

CDocPage_Option::CDocPage_Option(PageContext& context, OptionServices& services)
    : CPluginPage(context, resources::kPageOption, kOptionRule), services_(services) {
    using platform::Notification;
    On(control::kOptionCopiesEdit, Notification::kTextChanged, [this] { OnCopiesChanged(); });
    On(control::kOptionCopiesEdit, Notification::kKillFocus, [this] { OnCopiesLeft(); });
    On(control::kOptionUnitsList, Notification::kSelectionChanged, [this] { OnUnitChanged(); });
    On(control::kOptionSpeedList, Notification::kSelectionChanged,
       [this] { StoreSelection(speeds_, settings::field::kSpeed); });
    On(control::kOptionDarknessList, Notification::kSelectionChanged,
       [this] { StoreSelection(darkness_, settings::field::kDarkness); });
    On(control::kOptionOrientationList, Notification::kSelectionChanged,
       [this] { OnOrientationChanged(); });
    On(control::kOptionRotationList, Notification::kSelectionChanged, [this] {
        ShowPreview();
        StoreSelection(rotations_, settings::field::kRotate180);
    });
    On(control::kOptionStockList, Notification::kSelectionChanged, [this] { OnStockChanged(); });
}

void CDocPage_Option::OnInitDialog() {
    Refresh();
}

void CDocPage_Option::Refresh() {
    const int orientation = services_.SyncOrientation(0, false);

    speedMask_ = ReadSetting<uint32_t>(Context(), settings::field::kSpeedList, 0);
    speed_ = ReadSetting<uint8_t>(Context(), settings::field::kSpeed, 0);
    darknessValue_ = ReadSetting<uint8_t>(Context(), settings::field::kDarkness, 0);
    highestDarkness_ = ReadSetting<uint8_t>(Context(), settings::field::kHighestDarkness, 0);
    defaultText_ = Texts().Text(kDefaultKey);
    lists_ = ListsOf(ReadSetting<uint8_t>(Context(), settings::field::kCommandLanguage, 0));
    copiesLimit_ = lists_ != nullptr ? lists_->copiesLimit : kSpinnerHigh;
    // The arrows reach what the field keeps, the model's limit.
    spinner_.SetRange(kSpinnerLow, copiesLimit_);

    FillFixedLists(orientation);
    ShowPreview();
    FillSpeeds(SelectedUnit());
    FillDarkness();
    ReloadStocks();
    copies_.SetText(text::DecimalText(StoredCopies()));
}

void CDocPage_Option::FillFixedLists(int orientation) {
    // A stored unit of no known code shows as millimetres until one is chosen.
    int unit = ReadSetting<uint8_t>(Context(), settings::field::kSpeedUnit, kUnitMm);
    if (unit >= kUnitCount) {
        unit = kUnitMm;
    }
    units_.Clear();
    for (const UnitRow& row : kUnits) {
        units_.Add(row.text, row.unit);
    }
    units_.Select(units_.Find(unit));
    Fill(orientations_, kOrientationItems, orientation);
    Fill(rotations_, kRotationItems,
         ReadSetting<uint8_t>(Context(), settings::field::kRotate180, 0) == 1 ? 1 : 0);
}

void CDocPage_Option::FillSpeeds(Unit unit) {
    speedUnit_.SetText(Texts().Text(text::NumberedName(kSpeedUnitKey, unit)));
    if (lists_ == nullptr) {
        return;
    }
    std::vector<FlagListEntry> entries;
    for (const SpeedRow& row : lists_->speeds) {
        const bool isDefault = entries.empty() && row.code == 0;
        entries.push_back(
            {row.code, isDefault ? std::u16string_view(defaultText_) : row.texts[unit]});
    }
    FillFlagList(speeds_, entries, speedMask_, speed_);
}

void CDocPage_Option::FillDarkness() {
    darkness_.Clear();
    if (lists_ == nullptr) {
        return;
    }
    const int offset = lists_->darknessDefault ? 1 : 0;
    if (lists_->darknessDefault) {
        darkness_.Add(defaultText_, kDefaultValue);
    }
    for (int value = 0; value <= highestDarkness_; ++value) {
        darkness_.Add(text::DecimalText(value), value);
    }
    const int position =
        lists_->darknessDefault && darknessValue_ == kDefaultValue ? 0 : darknessValue_ + offset;
    darkness_.Select(position < darkness_.Count() ? position : -1);
}

void CDocPage_Option::ShowPreview() {
    const int landscape = SelectedValue(orientations_) == 1 ? 1 : 0;
    const int rotated = SelectedValue(rotations_) == 1 ? 1 : 0;
    for (int o = 0; o < 2; ++o) {
        for (int r = 0; r < 2; ++r) {
            framework::Static(*this, kPreviews[o][r]).Show(o == landscape && r == rotated);
        }
    }
}

Unit CDocPage_Option::SelectedUnit() const {
    const int value = SelectedValue(units_);
    return value >= 0 && value < kUnitCount ? static_cast<Unit>(value) : kUnitMm;
}

void CDocPage_Option::OnCopiesChanged() {
    if (copies_.Text().empty()) {
        MarkChanged();
        return;
    }
    if (TakeCopies() != StoredCopies()) {
        MarkChanged();
    }
}

void CDocPage_Option::OnCopiesLeft() {
    const int copies = TakeCopies();
    if (StoreIfChanged(Context(), settings::field::kCopies, static_cast<int16_t>(copies))) {
        MarkChanged();
    }
}

int CDocPage_Option::TakeCopies() const {
    const int typed = TypedCopies();
    const int copies = std::clamp(typed, kSpinnerLow, copiesLimit_);
    if (copies != typed) {
        // Rewriting leaves the caret in front: "0" then "5" would become 51.
        copies_.SetText(text::DecimalText(copies));
        copies_.SetSelection(0, -1);
    }
    return copies;
}

int CDocPage_Option::TypedCopies() const {
    const std::u16string typed = copies_.Text();
    if (typed.empty()) {
        return 0;
    }
    const platform::SpinPosition position = spinner_.Position();
    if (position.valid) {
        return position.value;
    }
    // The spinner refuses a number beyond its range, which is above any
    // limit; what is left (zero, or no number at all) is below 1.
    const bool digits =
        std::ranges::all_of(typed, [](char16_t c) { return c >= u'0' && c <= u'9'; });
    const bool nonZero =
        std::ranges::any_of(typed, [](char16_t c) { return c > u'0' && c <= u'9'; });
    return digits && nonZero ? INT_MAX : 0;
}

int CDocPage_Option::StoredCopies() const {
    return ReadSetting<int16_t>(Context(), settings::field::kCopies, 1);
}

void CDocPage_Option::OnUnitChanged() {
    ShowStockSize();
    speed_ = ReadSetting<uint8_t>(Context(), settings::field::kSpeed, 0);
    FillSpeeds(SelectedUnit());
    StoreSelection(units_, settings::field::kSpeedUnit);
}

void CDocPage_Option::OnOrientationChanged() {
    const int index = SelectedValue(orientations_);
    if (index < 0) {
        return;
    }
    ShowPreview();
    const int previous = services_.SyncOrientation(index, true);
    OfferSetting(Context(), settings::field::kOrientation, static_cast<int16_t>(index + 1));
    if (previous != index) {
        MarkChanged();
    } else if (!modified_) {
        // Nothing else on the page waits for Apply.
        SetModified(false);
    }
}

void CDocPage_Option::StoreSelection(const framework::ItemList& list, uint32_t fieldId) {
    const int value = SelectedValue(list);
    if (value < 0) {
        return;
    }
    const auto selected = static_cast<uint8_t>(value);
    if (StoreIfChanged(Context(), fieldId, selected)) {
        MarkChanged();
    }
}

void CDocPage_Option::MarkChanged() {
    modified_ = true;
    SetModified(true);
}

}  // namespace orca::pages
