// SPDX-License-Identifier: Apache-2.0
// The barcode-font page's and dialog's data: their controls, the record
// fields they edit, and what each command language offers: its symbologies,
// which of them take a check digit or turn, and which symbology page shows
// the rest of a font.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "pages/flag_list.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"

namespace orca::pages::barcode {

// The list page.
inline constexpr int kSeparators[] = {control::kFontsListSeparator,
                                      control::kFontsDescriptionSeparator,
                                      control::kFontsBottomSeparator};

// Settings and model capabilities.

// Typing stops here; the record holds two units more.
inline constexpr int kNameTypingLimit = 37;

inline constexpr uint8_t kCommandSetOrca = 1;
inline constexpr uint8_t kCommandSetOnyx = 2;

// Dialog results.
inline constexpr int kNothingStored = 0;
inline constexpr int kStored = 1;
// Modes of the dialog.
enum class Mode { kChange = 0, kNew = 1 };

// The page that shows a symbology's own fields below the common ones.
enum class SubPage : uint8_t { k1D, kPdf417, kDatamatrix, kMaxicode, kQr };
inline constexpr int kSubPageCount = 5;

struct TwoDimensional {
    uint8_t code;
    SubPage page;
};

// Symbology names in code order: the entry of code c has the flag 1 << c.
inline constexpr FlagListEntry kOrcaSymbologies[] = {
    {1u << 0, u"EAN13"},      {1u << 1, u"EAN8"},       {1u << 2, u"UPCA"},
    {1u << 3, u"UPCE"},       {1u << 4, u"I2OF5"},      {1u << 5, u"CODE39"},
    {1u << 6, u"CODE128A"},   {1u << 7, u"CODE128B"},   {1u << 8, u"CODE128C"},
    {1u << 9, u"CODABAR"},    {1u << 10, u"CODE128"},   {1u << 11, u"POSTNET32"},
    {1u << 12, u"POSTNET37"}, {1u << 13, u"POSTNET52"}, {1u << 14, u"BOOKLAND"},
    {1u << 15, u"CODE93"},    {1u << 16, u"PDF417"},    {1u << 17, u"DATAMATRIX"},
    {1u << 18, u"MAXICODE"},  {1u << 19, u"MSI"},       {1u << 20, u"CODE39EXT"},
    {1u << 21, u"BOOKLAND5"}, {1u << 22, u"BOOKLAND2"}, {1u << 23, u"POSTNET62"},
    {1u << 24, u"QR"},
};
inline constexpr FlagListEntry kOnyxSymbologies[] = {
    {1u << 0, u"CODE39 Regular"},
    {1u << 1, u"UPCA"},
    {1u << 2, u"UPCE"},
    {1u << 3, u"ITF25"},
    {1u << 4, u"CODE128"},
    {1u << 5, u"EAN13"},
    {1u << 6, u"EAN8"},
    {1u << 7, u"CODE39 Full ASCII"},
    {1u << 8, u"CODABAR"},
    {1u << 9, u"Industrial25"},
    {1u << 10, u"TRANSPORT"},
    {1u << 11, u"UPC2"},
    {1u << 12, u"UPC5"},
    {1u << 13, u"CODE93"},
    {1u << 14, u"POSTNET"},
    {1u << 15, u"UCC/EAN"},
    {1u << 16, u"Matric25(Europe)"},
    {1u << 17, u"Matric25(Japan)"},
    {1u << 18, u"POST25(China)"},
    {1u << 19, u"MAXICODE"},
    {1u << 20, u"PDF417"},
    {1u << 21, u"QR"},
};

inline constexpr TwoDimensional kOrcaTwoDimensional[] = {
    {16, SubPage::kPdf417},
    {17, SubPage::kDatamatrix},
    {18, SubPage::kMaxicode},
    {24, SubPage::kQr},
};
inline constexpr TwoDimensional kOnyxTwoDimensional[] = {
    {19, SubPage::kMaxicode},
    {20, SubPage::kPdf417},
    {21, SubPage::kQr},
};

// Symbologies that take "No" or "Yes" for the check digit.
inline constexpr uint8_t kOrcaCheckDigitChoice[] = {0, 1, 2, 3, 4, 5, 19, 20};
inline constexpr uint8_t kOnyxCheckDigitChoice[] = {0, 3, 7};
// One-dimensional symbologies without a check digit (every two-dimensional
// one has none either); all others always carry one.
inline constexpr uint8_t kOnyxCheckDigitNever[] = {8, 9, 18};

struct SymbologyLanguage {
    uint8_t commandSet;
    std::span<const FlagListEntry> symbologies;
    std::span<const TwoDimensional> twoDimensional;
    std::span<const uint8_t> checkDigitChoice;
    std::span<const uint8_t> checkDigitNever;
};

inline constexpr SymbologyLanguage kSymbologyLanguages[] = {
    {kCommandSetOrca, kOrcaSymbologies, kOrcaTwoDimensional, kOrcaCheckDigitChoice, {}},
    {kCommandSetOnyx, kOnyxSymbologies, kOnyxTwoDimensional, kOnyxCheckDigitChoice,
     kOnyxCheckDigitNever},
};

// Check digit: "No" (value 0) and "Yes" (value 1), texts from these keys.
inline constexpr uint32_t kCheckDigitNo = 1;
inline constexpr uint32_t kCheckDigitYes = 2;
inline constexpr std::u16string_view kCheckDigitKeys[] = {u"IDC_BARCODE_COMBO_CHECKDIGIT0",
                                                          u"IDC_BARCODE_COMBO_CHECKDIGIT1"};

// Rotation in degrees, value 0..3; MaxiCode and QR print upright only.
inline constexpr FlagListEntry kRotations[] = {{1, u"0"}, {2, u"90"}, {4, u"180"}, {8, u"270"}};
inline constexpr uint32_t kAllRotations = 15;
inline constexpr uint32_t kUprightOnly = 1;

// Messages of the dialog.
inline constexpr std::u16string_view kMessageTitle = u"MSG_BARCODE_BOXTITLE";
inline constexpr std::u16string_view kMessageEnterName = u"MSG_BARCODE_ENTERFONTNAME";
inline constexpr std::u16string_view kMessageNameInUse = u"MSG_BARCODE_MUSTUNIQUENAME";

}  // namespace orca::pages::barcode
