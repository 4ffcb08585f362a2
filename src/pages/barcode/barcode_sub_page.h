// SPDX-License-Identifier: Apache-2.0
// A symbology page: a borderless child of the "Define Barcode Font" dialog,
// laid over the dialog's placeholder, that edits the fields of one kind of
// symbology. The dialog makes all of them and shows the one its symbology
// needs; only that one is checked and stored on OK. A page starts from its
// fields' defaults, or from the record's values when a font is changed.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "framework/controls.h"
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

    // The record's value of a one-byte field when a font is changed (the
    // default when it cannot be read); the default for a new font.
    uint8_t Initial(uint32_t fieldId, uint8_t fallback) const;
    // Stores value into the dialog's record when it differs from initial.
    bool StoreValue(uint32_t fieldId, int value, uint8_t initial) const;
    // Stores the selected item's value when it differs from initial.
    bool StoreSelection(const framework::ItemList& list, uint32_t fieldId, uint8_t initial) const;

    // Fills a list whose item values are their positions and selects the
    // stored value, or the first item when the value lies outside the list.
    static void FillPlainList(const framework::ItemList& list,
                              std::span<const std::u16string> texts, int stored);
    // count texts of the numbers from first on, each formatted with format.
    static std::vector<std::u16string> Numbered(int first, int count, const char* format = "%d");

private:
    CDocDialog_BarCode& dialog_;
};

}  // namespace orca::pages
