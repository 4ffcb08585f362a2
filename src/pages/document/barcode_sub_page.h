// A symbology page: a borderless child of the "Define Barcode Font" dialog,
// laid over the dialog's placeholder, that edits the fields of one kind of
// symbology. The dialog makes all of them and shows the one its symbology
// needs; only that one is checked and stored on OK.
#pragma once

#include <cstdint>

#include "pages/plugin_dialog.h"

namespace orca::pages {

class CDocDialog_BarCode;

class CBarcodeSubPage : public CPluginDialog {
public:
    // Stores each field whose control differs from the page's initial value
    // into the dialog's record; true when anything was stored.
    virtual bool Store() = 0;
    // False, after telling the user why, when the dialog may not close.
    virtual bool Check() { return true; }
    // The dialog's symbology changed to code while this page is shown.
    virtual void Refill(uint8_t /*code*/) {}

protected:
    CBarcodeSubPage(CDocDialog_BarCode& dialog, const resources::PageResource& resource,
                    const TranslationRule& rule);

    CDocDialog_BarCode& Owner() const { return dialog_; }

private:
    CDocDialog_BarCode& dialog_;
};

}  // namespace orca::pages
