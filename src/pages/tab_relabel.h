// Re-labelling the tab titles of the open property sheets after the UI
// language changed: the document sheet that holds the Language page, and
// every printer-properties window of the same printer in this process. The
// titles come from the Language page's section, which holds a key for the
// tab of every page the plug-in adds.
#pragma once

#include <string_view>

#include "pages/language_file.h"
#include "platform/window_types.h"

namespace orca::pages {

// The plug-in's ten document-sheet tabs, counted from the sheet's last tab
// whatever stands before them: Option, Advanced, Dithering, Barcode fonts,
// Command fonts, Custom command, Tools, Import/Export, Language, Version.
void RelabelDocumentSheet(platform::Window sheet, const CLanguageFile& languageTexts);

// Whether a top-level caption names the printer: the printer name at the
// start followed by a blank or nothing ("Label1 Properties"), or the caption
// ending in exactly the printer name from where the name first occurs.
bool CaptionNamesPrinter(std::u16string_view caption, std::u16string_view printerName);

// The last two tabs (Stocks, Version) of every dialog window of this process
// whose caption names the printer, except ownSheet and windows of exactly 12
// tabs (a document sheet's full set); then every registered printer-sheet page
// is told to show itself again, so it re-translates.
void RelabelPrinterSheets(std::u16string_view printerName, platform::Window ownSheet,
                          const CLanguageFile& languageTexts);

}  // namespace orca::pages
