// SPDX-License-Identifier: Apache-2.0
// Re-labelling the tab titles of the open property sheets after the UI
// language changed: the document sheet that holds the Language page, and
// every printer-properties window of the same printer in this process. Only
// the tabs of the plug-in's own pages change, each found by its page, so the
// host's tabs keep their titles however many pages the model's switches let
// the plug-in add. A page whose window the sheet has not made may not be
// found by itself (the platform's sheet UI makes its own copy of each page):
// it stands beside the found pages of its object in the order they were
// added, and an object none of whose pages is found has the last tabs. The
// titles come from the Language page's section, which
// holds a key for the tab of every page the plug-in adds.
#pragma once

#include <string_view>

#include "pages/language_file.h"
#include "platform/window_types.h"

namespace orca::pages {

// The tabs of the document pages of owner (the Language page's context) in
// the sheet.
void RelabelDocumentSheet(platform::Window sheet, const void* owner,
                          const CLanguageFile& languageTexts);

// Whether a top-level caption names the printer: the printer name at the
// start followed by a blank or nothing ("Label1 Properties"), or the caption
// ending in exactly the printer name from where the name first occurs.
bool CaptionNamesPrinter(std::u16string_view caption, std::u16string_view printerName);

// The tabs of the printer's printer-sheet pages in every dialog window of this
// process whose caption names the printer (its full name), except ownSheet
// and the printer's document sheets;
// then every registered printer-sheet page is told to show itself again, so
// it re-translates.
void RelabelPrinterSheets(std::u16string_view printerName, platform::Window ownSheet,
                          const CLanguageFile& languageTexts);

}  // namespace orca::pages
