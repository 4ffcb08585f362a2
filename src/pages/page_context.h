// SPDX-License-Identifier: Apache-2.0
// What every page and dialog of one property sheet shares: the sheet's
// printer, its UI language, the document page shown last, and the printer
// object's access to the settings. The plug-in object provides it.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/window_types.h"

namespace orca::pages {

class PageContext {
public:
    virtual ~PageContext() = default;

    // The sheet's printer name cut to its first 32 characters: the key that
    // names its language files.
    virtual std::u16string_view PrinterName() const = 0;
    // The printer's whole name, which tells two printers apart; a context
    // that knows only the cut name answers that.
    virtual std::u16string_view FullPrinterName() const { return PrinterName(); }

    // The sheet's current UI language code (0 Chinese, 1 English).
    virtual int CurrentLanguage() const = 0;
    virtual void SetCurrentLanguage(int language) = 0;

    // The window of the document page shown last, or null.
    virtual platform::Window LastShownDocumentPage() const = 0;
    virtual void SetLastShownDocumentPage(platform::Window page) = 0;

    // The printer object's value access: one value of the width the field
    // identifier fixes, read into buffer (get) or written from it; index
    // picks a font record. The result is 0 or a negative access code.
    [[nodiscard]] virtual int32_t AccessValue(uint32_t fieldId, void* buffer, int index,
                                              bool get) = 0;
    // Its data access, for text and data fields of their own sizes.
    [[nodiscard]] virtual int32_t AccessBytes(uint32_t fieldId, void* buffer, uint32_t length,
                                              int index, bool get) = 0;
};

}  // namespace orca::pages
