// SPDX-License-Identifier: Apache-2.0
// The Option page, the first plug-in page of the document sheet: copies,
// speed, darkness, the unit of measure, orientation and 180 degree rotation,
// and the stock chosen from the printer's paper list with its size and
// margins in the chosen unit. The command language decides the speed and
// darkness lists and the copies limit. Settings are written as soon as the
// user changes them; the stock reaches the printer only on apply.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "framework/controls.h"
#include "pages/option/option_tables.h"
#include "pages/option_services.h"
#include "pages/plugin_page.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocPage_Option : public CPluginPage {
public:
    CDocPage_Option(PageContext& context, OptionServices& services);

protected:
    void OnInitDialog() override;
    // The page comes to the front: the paper list is read again, so forms
    // added meanwhile appear.
    void OnActivate(bool active) override;
    // Makes a newly chosen stock the printer's paper; always succeeds.
    bool OnApply() override;
    // Reads every value again and refills every list.
    void Refresh() override;

private:
    void FillFixedLists(int orientation);
    void FillSpeeds(option::Unit unit);
    void FillDarkness();
    void ShowPreview();
    void ReloadStocks();
    // The position to select after a reload, or -1.
    int StockToSelect(const std::u16string& pending) const;
    const PaperRecord* SelectedStock() const;
    void ShowStockSize();
    option::Unit SelectedUnit() const;

    void OnCopiesChanged();
    void OnCopiesLeft();
    void OnUnitChanged();
    void OnOrientationChanged();
    void OnStockChanged();

    // The copies in the edit held to 1 .. the language's limit; the edit is
    // rewritten when the number had to be held, with the new number selected
    // so that the next key typed replaces it.
    int TakeCopies() const;
    int TypedCopies() const;
    int StoredCopies() const;
    // Stores the list's selected value in a one-byte field when it differs
    // from the stored one, and tells the sheet.
    void StoreSelection(const framework::ItemList& list, uint32_t fieldId);
    // The sheet's changed notice.
    void MarkChanged();

    OptionServices& services_;
    framework::Edit copies_{*this, control::kOptionCopiesEdit};
    framework::UpDown spinner_{*this, control::kOptionCopiesSpinner};
    framework::ComboBox speeds_{*this, control::kOptionSpeedList};
    framework::Static speedUnit_{*this, control::kOptionSpeedUnitLabel};
    framework::ComboBox darkness_{*this, control::kOptionDarknessList};
    framework::ComboBox stocks_{*this, control::kOptionStockList};
    framework::ComboBox units_{*this, control::kOptionUnitsList};
    framework::ComboBox orientations_{*this, control::kOptionOrientationList};
    framework::ComboBox rotations_{*this, control::kOptionRotationList};

    // As last read.
    uint8_t speed_ = 0;
    uint32_t speedMask_ = 0;
    uint8_t darknessValue_ = 0;
    uint8_t highestDarkness_ = 0;
    // Null for a printer of no supported language.
    const option::LanguageLists* lists_ = nullptr;
    int copiesLimit_ = option::kSpinnerHigh;
    std::u16string defaultText_;

    // The printer's papers by their position in the stock list.
    std::map<int, PaperRecord> stockRecords_;
    // The user picked another stock that has not been applied yet.
    bool stockChanged_ = false;
    // The page has told the sheet of a change since the last apply.
    bool modified_ = false;
};

}  // namespace orca::pages
