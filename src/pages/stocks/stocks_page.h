// SPDX-License-Identifier: Apache-2.0
// The Stocks page, first of the printer sheet for both command languages:
// the printer's "Custom Paper-" forms of the spooler. It lists them with the
// printer's default custom form first (made when missing), and adds, changes
// and deletes forms at once; it has no apply step. Sizes and margins are
// edited in tenths of a millimetre within the model's paper limits. Like the
// printer sheet's Version page it follows the stored btLanguage and stays on
// the list of printer-sheet pages while it is on screen.
#pragma once

#include <string>
#include <vector>

#include "framework/controls.h"
#include "pages/name_edit.h"
#include "pages/option_services.h"
#include "pages/plugin_page.h"
#include "pages/stocks/stocks_tables.h"
#include "platform/spooler.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CPrinterProperty_Stocks_ORCA : public CPluginPage {
public:
    // papers lists the printer's papers; the forms are changed on printer,
    // the sheet's printer handle.
    CPrinterProperty_Stocks_ORCA(PageContext& context, OptionServices& papers,
                                 platform::PrinterHandle printer);
    ~CPrinterProperty_Stocks_ORCA() override;

protected:
    // Limits, the form list, and the default custom form when it is missing.
    void OnInitDialog() override;
    // Shown: the list is read again and the page joins the printer-sheet pages.
    void OnShown(bool shown) override;
    // Activated: the list is read again.
    void OnActivate(bool active) override;
    void OnDestroy() override;
    // Reads the messages and reloads the list.
    void Refresh() override;

private:
    // The default custom form's name, from the printer's name.
    std::u16string DefaultFormName() const;
    // Reads the printer's custom forms, the default one first.
    void LoadForms();
    // Adds the default custom form to the spooler; true when it took it.
    bool AddDefaultForm();
    // Fills the list box and selects entry index (below 0: the first) with
    // its values in the edits; Delete only for entries after the first.
    void ShowList(int index);
    // The entry named name (letter case ignored), or -1.
    int Find(std::u16string_view name) const;
    void FillEdits(const PaperRecord& entry);
    // Reads the list again from the spooler; the entry being edited stays
    // selected and the edits keep what they hold, so an entry not yet saved
    // survives the page going to the back and coming to the front.
    void Reload();

    void OnSelectionChanged();
    void OnSave();
    void OnDelete();
    // The dimension's value, held to its limits, shown in its edit and set
    // as its spinner's position.
    int32_t TakeDimension(const stocks::Dimension& dimension) const;
    void OnMarginChanged(const stocks::MarginPair& pair, bool firstChanged);

    void ShowError(std::u16string_view message) const;

    OptionServices& papers_;
    platform::PrinterHandle printer_;
    // Model limits, in the order of stocks::kDimensions.
    struct Range {
        int16_t lowest = 0;
        int16_t highest = 0;
    };
    Range ranges_[2];
    std::u16string defaultName_;
    std::vector<PaperRecord> forms_;
    // Set while the page writes the edits itself, so the margin rule waits.
    bool filling_ = false;
    std::u16string messageTitle_;
    std::u16string addFailed_;
    std::u16string setFailed_;
    framework::ListBox list_{*this, control::kStocksFormList};
    NameEdit name_{*this, control::kStocksNameEdit};
};

}  // namespace orca::pages
