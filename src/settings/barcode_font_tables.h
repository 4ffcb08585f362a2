// SPDX-License-Identifier: Apache-2.0
// Barcode-font record layouts of both languages, the default record and the eight
// default fonts. A record is 144 bytes; the languages agree up to offset 101.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/field_table.h"

namespace orca::settings {

using settings::DataRow;
using settings::FieldRow;

// Fields at the same place in both languages, with their defaults.
inline constexpr std::array<FieldRow, 13> kBarcodeFieldsCommon{{
    {2023, "btType", 0, 0},
    {2024, "btCheckDigit", 1, 0},
    {2025, "btRotation", 2, 0},
    {2026, "btXDimensions", 3, 0},
    {2027, "btFontHeight", 4, 1},
    {2028, "btHumanReadable", 5, 1},
    {5003, "dbYDimensions", 8, 20},
    {2029, "btRatio", 96, 0},
    {2030, "btPDF417NarrowWidth", 97, 0},
    {2031, "btPDF417SymbolHeight", 98, 0},
    {2032, "btPDF417Security", 99, 0},
    {2033, "btPDF417Columns", 100, 1},
    {2034, "btPDF417Rows", 101, 0},
}};

// ORCA has Data Matrix fields and no truncate field.
inline constexpr std::array<FieldRow, 9> kBarcodeFieldsOrca{{
    {2035, "btDatamatrixWidth", 102, 0},
    {2036, "btDatamatrixNoOfCellA", 103, 0},
    {2037, "btDatamatrixNoOfCellB", 104, 0},
    {2038, "btDatamatrixECC", 105, 5},
    {2039, "btDatamatrixFormatID", 106, 0},
    {2040, "btMaxicodeMode", 107, 0},
    {2041, "bQRType", 108, 1},
    {2042, "btQRErrorLevel", 109, 1},
    {2043, "btQRMask", 110, 9},
}};

// ONYX has the PDF417 truncate field and no Data Matrix fields.
inline constexpr std::array<FieldRow, 5> kBarcodeFieldsOnyx{{
    {2077, "btPDF417Truncate", 102, 0},
    {2040, "btMaxicodeMode", 103, 0},
    {2041, "bQRType", 104, 1},
    {2042, "btQRErrorLevel", 105, 1},
    {2043, "btQRMask", 106, 9},
}};

// The font name: 40 UTF-16 code units, zero-filled.
inline constexpr DataRow kBarcodeName{44002, "Name", 16, 80};

inline constexpr std::uint32_t kBarcodeTypeOffset = 0;
inline constexpr std::uint32_t kBarcodeRatioOffset = 96;

struct DefaultBarcodeFont {
    std::u16string_view name;
    std::uint8_t orcaCode;
    std::uint8_t onyxCode;
    std::uint8_t ratio;
};

// Written into records 0..7 of a fresh block, in this order.
inline constexpr std::array<DefaultBarcodeFont, 8> kDefaultBarcodeFonts{{
    {u"EAN13", 0, 5, 0},
    {u"EAN8", 1, 6, 0},
    {u"UPC E", 3, 2, 0},
    {u"CODE39", 5, 0, 0},
    {u"CODABAR", 9, 8, 0},
    {u"CODE128", 10, 4, 1},
    {u"CODE93", 15, 13, 1},
    {u"PDF417", 16, 20, 0},
}};

inline constexpr auto kBarcodeMapOrca =
    settings::FieldMap(kBarcodeFieldsCommon, kBarcodeFieldsOrca);
inline constexpr auto kBarcodeMapOnyx =
    settings::FieldMap(kBarcodeFieldsCommon, kBarcodeFieldsOnyx);
static_assert(settings::IsFieldMap<FieldRow>(kBarcodeMapOrca) &&
              settings::IsFieldMap<FieldRow>(kBarcodeMapOnyx));

// What sets one language's catalogue apart from the other's.
struct BarcodeCatalogueTable {
    std::span<const FieldRow> fields;  // field map of a record, with the default record
    std::uint8_t DefaultBarcodeFont::*code;
};

inline constexpr BarcodeCatalogueTable kBarcodeCatalogueOrca{kBarcodeMapOrca,
                                                             &DefaultBarcodeFont::orcaCode};
inline constexpr BarcodeCatalogueTable kBarcodeCatalogueOnyx{kBarcodeMapOnyx,
                                                             &DefaultBarcodeFont::onyxCode};

}  // namespace orca::settings
