// SPDX-License-Identifier: Apache-2.0
// Identifiers of the module's resources: each dialog template with the
// language-file section its texts come from, the bitmaps and the menu.
#pragma once

#include <string_view>

namespace orca::resources {

struct PageResource {
    int templateId;
    std::u16string_view section;
};

// Document sheet pages.
inline constexpr PageResource kPageOption{106, u"IDD_DOC_OPTION_ORCA"};
inline constexpr PageResource kPageAdvancedOrca{116, u"IDD_DOC_ADVANCED_SETUP_ORCA"};
inline constexpr PageResource kPageAdvancedOnyx{149, u"IDD_DOC_ADVANCED_SETUP_ONYX"};
inline constexpr PageResource kPageDithering{134, u"IDD_DOC_DITHERING"};
inline constexpr PageResource kPageBarcodeFonts{126, u"IDD_DOC_BARCODELIST_ORCA"};
inline constexpr PageResource kPageCommandFonts{135, u"IDD_DOC_CMDLIST_ORCA"};
inline constexpr PageResource kPageCustomCommand{120, u"IDD_DOC_CUSTOM_COMMAND_ORCA"};
inline constexpr PageResource kPageTools{122, u"IDD_DOC_TOOLS_ORCA"};
inline constexpr PageResource kPageImport{128, u"IDD_DOC_IMPORT_ORCA"};
inline constexpr PageResource kPageLanguage{148, u"IDD_DOC_LANGUAGE"};
inline constexpr PageResource kPageVersion{103, u"IDD_VERSION"};
// Printer sheet page (the Version page serves both sheets).
inline constexpr PageResource kPageStocks{118, u"IDD_PRN_STOCKS_ORCA"};

// Modal dialogs and the symbology pages inside the barcode-font dialog.
inline constexpr PageResource kDialogOtherOrca{141, u"IDD_DOC_OTHER_ORCA"};
inline constexpr PageResource kDialogOtherOnyx{150, u"IDD_DOC_OTHER_ONYX"};
inline constexpr PageResource kDialogBarcodeFont{124, u"IDD_DOC_BARCODE_ORCA"};
inline constexpr PageResource kPageBarcode1D{129, u"IDD_DOC_BARCODE_ORCA"};
inline constexpr PageResource kPageBarcodePdf417{130, u"IDD_DOC_BARCODE_ORCA"};
inline constexpr PageResource kPageBarcodeDatamatrix{131, u"IDD_DOC_BARCODE_ORCA"};
inline constexpr PageResource kPageBarcodeMaxicode{132, u"IDD_DOC_BARCODE_ORCA"};
inline constexpr PageResource kPageBarcodeQr{133, u"IDD_DOC_BARCODE_ORCA"};
inline constexpr PageResource kDialogCommandFont{139, u"IDD_DOC_CMD_ORCA"};

inline constexpr PageResource kAllPageResources[] = {
    kPageOption,        kPageAdvancedOrca,      kPageAdvancedOnyx,    kPageDithering,
    kPageBarcodeFonts,  kPageCommandFonts,      kPageCustomCommand,   kPageTools,
    kPageImport,        kPageLanguage,          kPageVersion,         kPageStocks,
    kDialogOtherOrca,   kDialogOtherOnyx,       kDialogBarcodeFont,   kPageBarcode1D,
    kPageBarcodePdf417, kPageBarcodeDatamatrix, kPageBarcodeMaxicode, kPageBarcodeQr,
    kDialogCommandFont,
};

// Bitmaps: the orientation previews of the Option page and the samples of the
// Dithering page.
inline constexpr int kBitmapPortrait = 115;
inline constexpr int kBitmapPortrait180 = 111;
inline constexpr int kBitmapLandscape = 113;
inline constexpr int kBitmapLandscape180 = 112;
inline constexpr int kBitmapHalftone = 143;
inline constexpr int kBitmapNoDithering = 144;

// The pop-up menu of control codes that the command editors insert: its item
// for byte n (0x00 to 0x1F) reports the command kControlCodeCommandFirst + n.
inline constexpr int kMenuControlCodes = 154;
inline constexpr int kControlCodeCommandFirst = 40001;

}  // namespace orca::resources
