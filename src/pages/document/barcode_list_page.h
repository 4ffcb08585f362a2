// The Barcode Fonts page: the user's barcode fonts in record order, with New,
// Change and Delete. Fonts are created and deleted only where the host
// process allows it (the shell and the control-panel runner); any font can
// be changed.
#pragma once

#include "framework/controls.h"
#include "pages/document/barcode_tables.h"
#include "pages/document/font_services.h"
#include "pages/plugin_page.h"

namespace orca::pages {

class CDocPage_BarCode : public CPluginPage {
public:
    CDocPage_BarCode(PageContext& context, FontListServices& services);

protected:
    // Lists the records again, keeping the selected line where it still
    // exists, else selecting the last.
    void Refresh() override;

private:
    void UpdateButtons();
    // The record of the selected line, or -1.
    int SelectedRecord() const;
    // Runs the dialog; the sheet hears of a change when it stored anything.
    void Define(int index, barcode::Mode mode);

    void OnNew();
    void OnChange();
    void OnDelete();

    FontListServices& services_;
    framework::ListBox fonts_{*this, barcode::kFontList};
    framework::Button new_{*this, barcode::kNewButton};
    framework::Button change_{*this, barcode::kChangeButton};
    framework::Button delete_{*this, barcode::kDeleteButton};
};

}  // namespace orca::pages
