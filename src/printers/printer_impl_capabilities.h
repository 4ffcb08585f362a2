// SPDX-License-Identifier: Apache-2.0
// Capabilities of a printer model: which pages exist (page switches), the value
// lists the pages offer (bit n set: value n is offered), the darkness limit, the
// speed, operation-mode and barcode-symbology lists and the paper extents. Each
// language has one capability set; a model starts from its language's set and
// overrides single values (printer_models_table.h).
#pragma once

#include <array>
#include <cstdint>

#include "settings/field_id.h"
#include "settings/field_ids.h"

namespace orca::printers {

// The printer languages; the numbers are the command language's (2076).
enum class Language : std::uint8_t { None = 0, Orca = 1, Onyx = 2 };
inline constexpr std::size_t kLanguageCount = 3;

// The printer object keeps its capability values as bytes, each value at its
// row's offset with the width its identifier's thousand fixes.
inline constexpr std::uint32_t kCapabilityBytes = 40;
using CapabilityValues = std::array<std::uint8_t, kCapabilityBytes>;

struct CapabilityRow {
    settings::FieldId id;
    std::uint32_t offset;
    // Indexed by Language: no language, ORCA, ONYX.
    std::array<std::uint32_t, kLanguageCount> value;
};

inline constexpr std::array<CapabilityRow, 27> kCapabilityRows{{
    // Page switches: Option, Advanced, BarCode, Custom, Tools, Import, CMD,
    // Dithering, Language, Version, Stocks.
    {settings::field::kOptionPage, 0, {0, 1, 1}},
    {settings::field::kAdvancedPage, 1, {0, 1, 2}},
    {settings::field::kBarcodeFontPage, 2, {0, 1, 1}},
    {settings::field::kCustomCommandPage, 3, {0, 1, 1}},
    {settings::field::kToolsPage, 4, {0, 1, 1}},
    {settings::field::kImportPage, 5, {0, 1, 1}},
    {settings::field::kCommandFontPage, 6, {0, 1, 1}},
    {settings::field::kDitheringPage, 7, {0, 1, 1}},
    {settings::field::kLanguagePage, 8, {0, 1, 1}},
    {settings::field::kVersionPage, 9, {0, 1, 1}},
    {settings::field::kStocksPage, 10, {0, 1, 1}},
    {settings::field::kHighestDarkness, 11, {0, 30, 30}},
    {settings::field::kSpeedList, 12, {0, 2047, 0xFFFFF}},
    {settings::field::kOperationModeList, 16, {0, 23, 63}},
    {settings::field::kSymbologyList, 20, {0, 0x1FFFFFF, 0x3FFFFF}},
    // Value lists of btMirror, btInverse, btThermal, btPaperType, btDithering,
    // btPause, btZip, btBackFeed.
    {2049, 24, {0, 1, 1}},
    {2050, 25, {0, 1, 1}},
    {2051, 26, {0, 3, 3}},
    {2052, 27, {0, 7, 7}},
    {2053, 28, {0, 3, 3}},
    {2054, 29, {0, 15, 0}},
    {2070, 30, {0, 1, 0}},
    {2073, 31, {0, 15, 0}},
    // Paper extents, tenths of a millimetre.
    {settings::field::kLongestPaper, 32, {0, 10100, 10100}},
    {settings::field::kWidestPaper, 34, {0, 1038, 1038}},
    {settings::field::kShortestPaper, 36, {0, 63, 63}},
    {settings::field::kNarrowestPaper, 38, {0, 190, 190}},
}};

constexpr const CapabilityRow* FindCapability(settings::FieldId id) {
    for (const CapabilityRow& row : kCapabilityRows) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

// Every row fits the value bytes, and no two rows share a byte.
consteval bool CapabilityRowsFit() {
    std::array<bool, kCapabilityBytes> used{};
    for (const CapabilityRow& row : kCapabilityRows) {
        const std::uint32_t width = settings::FieldWidth(row.id);
        if (width == 0 || row.offset + width > kCapabilityBytes)
            return false;
        for (std::uint32_t i = row.offset; i < row.offset + width; ++i) {
            if (used[i])
                return false;
            used[i] = true;
        }
    }
    return true;
}
static_assert(CapabilityRowsFit());

}  // namespace orca::printers
