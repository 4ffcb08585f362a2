// SPDX-License-Identifier: Apache-2.0
// The fields, capabilities and page switches the code names, each under one
// name. The field map tables give every stored field's offset and width; the
// names here are for the code that reads or writes one field by identifier,
// so a misspelt name does not compile.
#pragma once

#include "settings/field_id.h"

namespace orca::settings::field {

// Option area, one byte each.
inline constexpr FieldId kSpeed = 2000;          // btSpeed
inline constexpr FieldId kSpeedUnit = 2001;      // btSpeedUnit
inline constexpr FieldId kDarkness = 2002;       // btDarkness
inline constexpr FieldId kRotate180 = 2003;      // btRote180
inline constexpr FieldId kOperationMode = 2004;  // btOperationMode
inline constexpr FieldId kMirror = 2005;         // btMirror
inline constexpr FieldId kInverse = 2006;        // btInverse
inline constexpr FieldId kThermal = 2007;        // btThermal
inline constexpr FieldId kPaperType = 2008;      // btPaperType
inline constexpr FieldId kDithering = 2009;      // btDithering
inline constexpr FieldId kLanguage = 2014;       // btLanguage: 0 English, 1 Chinese
inline constexpr FieldId kBarcodeCount = 2068;   // dwBarcodeCount
inline constexpr FieldId kCmdFontCount = 2069;   // dwCMDFontCount
inline constexpr FieldId kCommandLanguage =
    2076;  // 1 ORCA, 2 ONYX; not stored: the generator answers

// Option area, four bytes each.
inline constexpr FieldId kCutterGroup = 34005;  // dwCutterGroup
inline constexpr FieldId kInterval = 34006;     // dwInterval
inline constexpr FieldId kPaperUnit = 34011;    // dwPaperUnit

// Barcode-font and command-font records.
inline constexpr FieldId kBarcodeType = 2023;
inline constexpr FieldId kBarcodeCheckDigit = 2024;
inline constexpr FieldId kBarcodeRotation = 2025;
inline constexpr FieldId kBarcodeName = 44002;     // 80 bytes of UTF-16
inline constexpr FieldId kCmdFontPosition = 2046;  // btCMDPosition
inline constexpr FieldId kCmdFontName = 44003;     // 80 bytes of UTF-16

// The public record.
inline constexpr FieldId kOrientation = 3000;  // dmOrientation, i16
inline constexpr FieldId kCopies = 3005;       // dmCopies, i16
inline constexpr FieldId kFormName = 44001;    // dmFormName, 64 bytes

// Capabilities of the printer model: limits, masks and paper bounds.
inline constexpr FieldId kHighestDarkness = 2048;
inline constexpr FieldId kMediaTypes = 2051;  // u8 mask
inline constexpr FieldId kPaperTypes = 2052;  // u8 mask
inline constexpr FieldId kCustomPaperHeight = 3013;
inline constexpr FieldId kCustomPaperWidth = 3014;
inline constexpr FieldId kLongestPaper = 3015;
inline constexpr FieldId kWidestPaper = 3016;
inline constexpr FieldId kShortestPaper = 3017;
inline constexpr FieldId kNarrowestPaper = 3018;
inline constexpr FieldId kSpeedList = 34007;          // u32 mask of speed codes
inline constexpr FieldId kSymbologyList = 34008;      // u32 mask of symbology codes
inline constexpr FieldId kOperationModeList = 34010;  // u32 mask of operation codes

// Page switches: whether the model shows a page (the Advanced and Version
// switches also choose between two pages).
inline constexpr FieldId kOptionPage = 2055;
inline constexpr FieldId kAdvancedPage = 2056;  // 1: ORCA page, other: ONYX page
inline constexpr FieldId kBarcodeFontPage = 2057;
inline constexpr FieldId kCustomCommandPage = 2058;
inline constexpr FieldId kToolsPage = 2059;
inline constexpr FieldId kImportPage = 2060;
inline constexpr FieldId kCommandFontPage = 2061;
inline constexpr FieldId kDitheringPage = 2062;
inline constexpr FieldId kLanguagePage = 2063;
inline constexpr FieldId kVersionPage = 2064;  // 1: plain version page, other: OEM page
inline constexpr FieldId kStocksPage = 2065;
inline constexpr FieldId kFirstPageSwitch = kOptionPage;
inline constexpr FieldId kLastPageSwitch = kStocksPage;

}  // namespace orca::settings::field
