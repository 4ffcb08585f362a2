// SPDX-License-Identifier: Apache-2.0
// What the font pages ask of the plug-in object besides the settings: the
// host process, which decides whether fonts may be created, deleted and
// renamed, and the record list operations of the attached block.
#pragma once

#include <cstdint>

namespace orca::pages {

class FontListServices {
public:
    virtual ~FontListServices() = default;

    // True inside the shell and the control-panel runner, false inside an
    // application's print dialog.
    virtual bool IsShellHost() = 0;
    // Appends a barcode-font record written from the language's default
    // record: its index, or a negative result when the list is full or no
    // block is attached.
    virtual int32_t AddBarcodeFont() = 0;
    // Removes record index and closes the gap: 0, or a negative result.
    virtual int32_t DeleteBarcodeFont(int32_t index) = 0;
    // The same for command fonts; a new command-font record is all zero.
    virtual int32_t AddCMDFont() = 0;
    virtual int32_t DeleteCMDFont(int32_t index) = 0;
};

}  // namespace orca::pages
