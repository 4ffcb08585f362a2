// SPDX-License-Identifier: Apache-2.0
// The fifteen supported printer models, one row each: display name (the model
// catalogue's key), language, capability overrides and the defaults that
// SetModelDefaults writes after the language defaults.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "printers/printer_impl_capabilities.h"
#include "settings/field_id.h"
#include "settings/field_ids.h"

namespace orca::printers {

// In the catalogue's registration order; kModelTable[i] is model i.
enum class ModelId : std::uint8_t {
    Kestrel_ORCA,
    Condor_300DPI_ORCA,
    Condor_203DPI_ORCA,
    Kestrel_ONYX,
    Heron_ONYX,
    Osprey_ORCA,
    Heron_ORCA,
    KestrelPlus_ONYX,
    MerlinPlus_ONYX,
    Plover_203DPI_ONYX,
    Plover_300DPI_ORCA,
    Plover_203DPI_ORCA,
    Egret_ORCA,
    Ibis_ORCA,
    Crane_ORCA,
};
inline constexpr std::size_t kModelCount = 15;

struct FieldValue {
    settings::FieldId id;
    std::uint32_t value;
};

// Tenths of a millimetre.
struct PaperExtents {
    std::int16_t longest;
    std::int16_t widest;
    std::int16_t shortest;
    std::int16_t narrowest;
};

struct ModelRow {
    ModelId id;
    std::u16string_view displayName;
    Language language;
    std::uint32_t speedList;                   // bit n: speed code n is offered
    std::optional<PaperExtents> paperExtents;  // none: the language's
    std::span<const FieldValue> overrides;     // further capability values
    std::span<const FieldValue> defaults;      // settings written after the language defaults
    bool plainBarcodeCatalogue;                // a catalogue that offers no barcode fonts
};

namespace model_data {

// 255 in a one-byte setting: the printer's own setting.
inline constexpr std::uint32_t kPrinterSetting = 255;

inline constexpr PaperExtents kExtentsLong{9500, 1040, 100, 250};
inline constexpr PaperExtents kExtentsShort{8320, 1040, 100, 160};
inline constexpr PaperExtents kExtentsWide{10100, 1080, 63, 190};

// Models sold under another brand show the OEM version page.
inline constexpr std::array<FieldValue, 1> kOemVersionPage{{{settings::field::kVersionPage, 0}}};

inline constexpr std::array<FieldValue, 1> kSpeed2{{{settings::field::kSpeed, 2}}};
inline constexpr std::array<FieldValue, 1> kSpeed6{{{settings::field::kSpeed, 6}}};
inline constexpr std::array<FieldValue, 1> kSpeed8{{{settings::field::kSpeed, 8}}};
inline constexpr std::array<FieldValue, 1> kSpeedPrinter{
    {{settings::field::kSpeed, kPrinterSetting}}};
inline constexpr std::array<FieldValue, 2> kSpeed3Darkness16{
    {{settings::field::kSpeed, 3}, {settings::field::kDarkness, 16}}};
inline constexpr std::array<FieldValue, 2> kSpeed4Darkness16{
    {{settings::field::kSpeed, 4}, {settings::field::kDarkness, 16}}};
inline constexpr std::array<FieldValue, 3> kAllPrinterSettings{{
    {settings::field::kSpeed, kPrinterSetting},
    {settings::field::kThermal, kPrinterSetting},
    {settings::field::kPaperType, kPrinterSetting},
}};

}  // namespace model_data

inline constexpr std::array<ModelRow, kModelCount> kModelTable = [] {
    using namespace model_data;
    constexpr Language orca = Language::Orca;
    constexpr Language onyx = Language::Onyx;
    constexpr std::nullopt_t same = std::nullopt;
    return std::array<ModelRow, kModelCount>{{
        {ModelId::Kestrel_ORCA, u"Kestrel(ORCA)", orca, 15, same, {}, kSpeed2, false},
        {ModelId::Condor_300DPI_ORCA, u"Condor(300DPI)(ORCA)", orca, 511, same, {}, kSpeed6, false},
        {ModelId::Condor_203DPI_ORCA,
         u"Condor(203DPI)(ORCA)",
         orca,
         2047,
         same,
         {},
         kSpeed8,
         false},
        {ModelId::Kestrel_ONYX,
         u"Kestrel(ONYX)",
         onyx,
         992,
         kExtentsLong,
         {},
         kSpeedPrinter,
         false},
        {ModelId::Heron_ONYX, u"Heron(ONYX)", onyx, 4064, kExtentsShort, {}, kSpeedPrinter, false},
        {ModelId::Osprey_ORCA, u"Osprey(ORCA)", orca, 31, same, {}, kSpeed3Darkness16, true},
        {ModelId::Heron_ORCA, u"Heron(ORCA)", orca, 31, same, {}, kSpeed3Darkness16, true},
        {ModelId::KestrelPlus_ONYX,
         u"Kestrel Plus(ONYX)",
         onyx,
         992,
         kExtentsLong,
         {},
         kAllPrinterSettings,
         false},
        {ModelId::MerlinPlus_ONYX,
         u"Merlin Plus(ONYX)",
         onyx,
         56,
         kExtentsShort,
         {},
         kAllPrinterSettings,
         false},
        {ModelId::Plover_203DPI_ONYX,
         u"Plover(203DPI)(ONYX)",
         onyx,
         224,
         kExtentsLong,
         {},
         kAllPrinterSettings,
         false},
        {ModelId::Plover_300DPI_ORCA,
         u"Plover(300DPI)(ORCA)",
         orca,
         31,
         same,
         {},
         kSpeed4Darkness16,
         false},
        {ModelId::Plover_203DPI_ORCA,
         u"Plover(203DPI)(ORCA)",
         orca,
         31,
         same,
         {},
         kSpeed4Darkness16,
         false},
        {ModelId::Egret_ORCA, u"Egret", orca, 31, same, kOemVersionPage, kSpeed4Darkness16, false},
        {ModelId::Ibis_ORCA, u"Ibis", orca, 31, same, kOemVersionPage, kSpeed4Darkness16, false},
        // Crane takes its siblings' defaults: a default speed its speed list offers.
        {ModelId::Crane_ORCA, u"Crane", orca, 31, kExtentsWide, kOemVersionPage, kSpeed4Darkness16,
         false},
    }};
}();

constexpr const ModelRow& ModelRowOf(ModelId id) {
    return kModelTable[static_cast<std::size_t>(id)];
}

// Each row sits at its own index, speaks a language, overrides only
// capabilities, and defaults only to a speed its speed list offers.
consteval bool ModelTableSound() {
    for (std::size_t i = 0; i < kModelCount; ++i) {
        const ModelRow& row = kModelTable[i];
        if (static_cast<std::size_t>(row.id) != i || row.language == Language::None)
            return false;
        for (const FieldValue& value : row.overrides) {
            if (FindCapability(value.id) == nullptr)
                return false;
        }
        for (const FieldValue& value : row.defaults) {
            const bool offered = value.value == model_data::kPrinterSetting ||
                                 (value.value < 32 && (row.speedList >> value.value & 1) != 0);
            if (value.id == settings::field::kSpeed && !offered)
                return false;
        }
    }
    return true;
}
static_assert(ModelTableSound());

}  // namespace orca::printers
