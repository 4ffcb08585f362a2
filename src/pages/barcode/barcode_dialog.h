// SPDX-License-Identifier: Apache-2.0
// The "Define Barcode Font" dialog: the symbology, name, check digit and
// rotation of one barcode font, and below them the symbology page that the
// chosen symbology needs. It edits a record in place (change mode) or appends
// one on OK (new mode); its result is 1 when it stored anything, else 0.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "framework/controls.h"
#include "pages/barcode/barcode_sub_page.h"
#include "pages/barcode/barcode_tables.h"
#include "pages/font_services.h"
#include "pages/name_edit.h"
#include "pages/plugin_dialog.h"
#include "resources/control_ids.h"

namespace orca::pages {

class CDocDialog_BarCode : public CPluginDialog {
public:
    // index: the record to change; ignored in new mode until OK appends one.
    CDocDialog_BarCode(PageContext& context, FontListServices& services, int index,
                       barcode::Mode mode);
    ~CDocDialog_BarCode() override;

    // What the symbology pages take from the dialog.
    PageContext& Settings() const { return Context(); }
    bool IsShellHost() const { return shellHost_; }
    int Index() const { return index_; }
    barcode::Mode GetMode() const { return mode_; }
    uint8_t CommandSet() const { return commandSet_; }
    // The symbology chosen now, or the initial one before the list is filled.
    uint8_t Symbology() const;

protected:
    void OnInitDialog() override;

private:
    void PlaceSubPages();
    void FillChoices(uint8_t code, bool firstFill);
    void ShowSubPageFor(uint8_t code);
    CBarcodeSubPage* ShownSubPage() const;

    void OnSymbologyChanged();
    void OnOk();

    // Reads a one-byte field of the record; 0 when it cannot be read.
    uint8_t ReadByte(uint32_t fieldId) const;
    // Writes a one-byte field when it differs from initial; true when written.
    bool StoreByte(uint32_t fieldId, int value, uint8_t initial) const;

    FontListServices& services_;
    int index_;
    barcode::Mode mode_;
    uint8_t commandSet_;
    bool shellHost_;
    const barcode::SymbologyLanguage& language_;

    uint8_t initialType_ = 0;
    uint8_t initialCheckDigit_ = 0;
    uint8_t initialRotation_ = 0;
    std::u16string initialName_;

    std::array<std::unique_ptr<CBarcodeSubPage>, barcode::kSubPageCount> subPages_;

    framework::ComboBox symbologies_{*this, control::kBarcodeFontSymbologyList};
    NameEdit name_{*this, control::kBarcodeFontNameEdit};
    framework::ComboBox checkDigits_{*this, control::kBarcodeFontCheckDigitList};
    framework::ComboBox rotations_{*this, control::kBarcodeFontRotationList};
};

}  // namespace orca::pages
