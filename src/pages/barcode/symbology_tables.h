// SPDX-License-Identifier: Apache-2.0
// The symbology pages' data: their controls, the record fields they edit with
// their defaults, and the rules of the one-dimensional page: which human
// readable and ratio choices a symbology offers, the units of the bar height
// with their ranges, and the X dimension's widths.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "pages/flag_list.h"
#include "resources/control_ids.h"

namespace orca::pages::symbology {

// A one-byte record field and its value in a new font.
struct ByteField {
    uint32_t id;
    uint8_t fallback;
};

// One-dimensional page.
// The captions "N:W" and "HRI" keep their template texts.
// Bar narrow and wide, space narrow and wide.

inline constexpr ByteField kXDimensions{2026, 0};
inline constexpr ByteField kFontHeight{2027, 1};
inline constexpr ByteField kHumanReadable{2028, 1};
inline constexpr ByteField kRatio{2029, 0};
inline constexpr uint32_t kFieldYDimensions = 5003;  // double, millimetres
inline constexpr double kDefaultYDimensions = 20.0;

// "1" .. "10", value 0..9.
inline constexpr FlagListEntry kXEntries[] = {
    {1, u"1"},  {2, u"2"},  {4, u"3"},   {8, u"4"},   {16, u"5"},
    {32, u"6"}, {64, u"7"}, {128, u"8"}, {256, u"9"}, {512, u"10"},
};
inline constexpr uint32_t kAllXDimensions = 1023;
inline constexpr std::u16string_view kHumanReadableKeys[] = {
    u"IDC_BARCODE_COMBO_HRI0", u"IDC_BARCODE_COMBO_HRI1", u"IDC_BARCODE_COMBO_HRI2"};
inline constexpr uint32_t kHumanReadableCodes[] = {1, 2, 4};  // none, below, above
inline constexpr FlagListEntry kRatioEntries[] = {{1, u"1:2"}, {2, u"1:3"}, {4, u"2:5"}};

// The bar and space widths shown for each ratio: narrow, wide.
inline constexpr std::u16string_view kRatioWidths[][2] = {{u"1", u"2"}, {u"1", u"3"}, {u"2", u"5"}};

// A mask that applies to the symbologies listed; others take the default.
struct MaskRow {
    uint32_t mask;
    std::span<const uint8_t> codes;
};
struct MaskRule {
    std::span<const MaskRow> rows;
    uint32_t otherwise;
};

inline constexpr uint8_t kOrcaHriBelow[] = {0, 1, 2, 3, 4};
inline constexpr uint8_t kOrcaHriAbove[] = {14, 21, 22};
inline constexpr uint8_t kOrcaHriAll[] = {5, 6, 7, 8, 9, 10, 15, 19, 20};
inline constexpr MaskRow kOrcaHriRows[] = {
    {3, kOrcaHriBelow}, {5, kOrcaHriAbove}, {7, kOrcaHriAll}};
inline constexpr uint8_t kOnyxHriBelow[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 13, 15, 16, 17, 18};
inline constexpr uint8_t kOnyxHriAbove[] = {11, 12};
inline constexpr MaskRow kOnyxHriRows[] = {{3, kOnyxHriBelow}, {5, kOnyxHriAbove}};

inline constexpr uint8_t kOrcaRatioFixed[] = {0, 1, 2, 3};
inline constexpr uint8_t kOrcaRatioAll[] = {4, 5, 9, 20};
inline constexpr MaskRow kOrcaRatioRows[] = {{1, kOrcaRatioFixed}, {7, kOrcaRatioAll}};
inline constexpr uint8_t kOnyxRatioFixed[] = {1, 2, 5, 6, 11, 12};
inline constexpr uint8_t kOnyxRatioAll[] = {0, 3, 7, 8, 9, 10, 16, 17, 18};
inline constexpr MaskRow kOnyxRatioRows[] = {{1, kOnyxRatioFixed}, {7, kOnyxRatioAll}};

// The bar height's range in a display unit, per command language.
struct YRange {
    double low;
    double high;
};
struct YUnit {
    uint8_t unit;  // btSpeedUnit
    std::u16string_view textKey;
    double millimetres;  // one unit in millimetres
    YRange orca;
    YRange onyx;
};
inline constexpr YUnit kYUnits[] = {
    {0, u"MSG_BARCODE_UNIT_CM", 10.0, {0.16, 50.00}, {0.16, 8.00}},
    {1, u"MSG_BARCODE_UNIT_MM", 1.0, {1.60, 500.00}, {1.60, 80.00}},
    {2, u"MSG_BARCODE_UNIT_INCH", 25.4, {0.06, 19.68}, {0.06, 3.15}},
};
// Any other unit shows and checks millimetres.
inline constexpr const YUnit& kYUnitOtherwise = kYUnits[1];

// What the one-dimensional page offers in a command language.
struct OneDimensionalLanguage {
    uint8_t commandSet;
    MaskRule humanReadable;
    MaskRule ratio;
    YRange YUnit::*range;
};
inline constexpr OneDimensionalLanguage kOneDimensionalLanguages[] = {
    {1, {kOrcaHriRows, 1}, {kOrcaRatioRows, 2}, &YUnit::orca},
    {2, {kOnyxHriRows, 1}, {kOnyxRatioRows, 2}, &YUnit::onyx},
};

inline constexpr std::u16string_view kMessageTitle = u"MSG_BARCODE_BOXTITLE";
inline constexpr std::u16string_view kMessageYRange = u"MSG_BARCODE_YDIMENSION";
inline constexpr std::u16string_view kMessageSymbol = u"MSG_BARCODE_SYMBOL";

// PDF417 page.

inline constexpr ByteField kNarrowWidth{2030, 0};
inline constexpr ByteField kSymbolHeight{2031, 0};
inline constexpr ByteField kSecurity{2032, 0};
inline constexpr ByteField kColumns{2033, 1};
inline constexpr ByteField kRows{2034, 0};
inline constexpr ByteField kTruncate{2077, 0};

inline constexpr int kNarrowWidths = 9;        // "1" .. "9"
inline constexpr int kOrcaSymbolHeights = 99;  // "1" .. "99"
inline constexpr int kOnyxSymbolHeights = 24;  // "1" .. "24"
inline constexpr int kSecurityLevels = 9;      // "0" .. "8"
inline constexpr int kColumnsLow = 1, kColumnsHigh = 30;
inline constexpr int kRowsLow = 0, kRowsHigh = 90;
inline constexpr int kTruncateChoices = 2;  // standard, truncated

// Data Matrix page.

inline constexpr ByteField kCellWidth{2035, 0};
inline constexpr ByteField kCellsA{2036, 0};
inline constexpr ByteField kCellsB{2037, 0};
inline constexpr ByteField kEcc{2038, 5};
inline constexpr ByteField kFormatId{2039, 0};

inline constexpr int kCellWidths = 50;  // "1" .. "50"
inline constexpr std::u16string_view kAutoKey = u"IDC_BARCODE_COMBO_DM_AUTO";
// Square sizes "10 x 10" .. "144 x 144" by twos, then the rectangles.
inline constexpr int kSquareFirst = 10, kSquareLast = 144;
struct CellSize {
    uint8_t a;
    uint8_t b;
};
inline constexpr CellSize kRectangles[] = {{18, 8},  {32, 8},  {26, 12},
                                           {36, 12}, {36, 16}, {48, 16}};
inline constexpr std::u16string_view kEccTexts[] = {u"000", u"050", u"080", u"100", u"140", u"200"};
// Format identifiers apply to every ECC level but the last ("200").
inline constexpr int kEccWithoutFormat = 5;
inline constexpr int kFormatIds = 6;  // "01" .. "06"

// MaxiCode page.
inline constexpr ByteField kMode{2040, 0};
inline constexpr std::u16string_view kModeTexts[] = {u"0", u"2", u"3", u"4"};

// QR page.

inline constexpr ByteField kQrModel{2041, 1};
inline constexpr ByteField kQrError{2042, 1};
inline constexpr ByteField kQrMask{2043, 9};

inline constexpr int kQrXDimensions = 9;  // "1" .. "9"
inline constexpr int kQrModels = 2;       // "1", "2"
inline constexpr int kQrErrorLevels = 4;  // re-labelled from the language file
inline constexpr int kQrMaskNumbers = 8;  // "0" .. "7", then "None" and "Auto"
inline constexpr std::u16string_view kNoneKey = u"IDC_BARCODE_COMBO_HRI0";

}  // namespace orca::pages::symbology
