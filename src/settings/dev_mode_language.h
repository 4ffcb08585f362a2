// SPDX-License-Identifier: Apache-2.0
// The settings handlers of the two printer languages. They differ only in the
// layout of their block's option area (field_map.h).
#pragma once

#include "settings/dev_mode.h"
#include "settings/field_map.h"

namespace orca::settings {

// A handler laid out by one language's BlockLayout.
class CDevModeLanguage : public CDevModeBase {
public:
    explicit CDevModeLanguage(const BlockLayout& layout) : layout_(layout) {}

    std::uint32_t GetPrivateSize() const override { return layout_.size; }
    std::int32_t SetDefaults(std::uint8_t* block) override;
    std::int32_t ConvertBlock(const std::uint8_t* publicIn, std::uint8_t* publicOut,
                              std::span<const std::uint8_t> privateIn,
                              std::uint8_t* privateOut) override;
    // Also points the barcode-font catalogue and the command-font handler at the
    // block's record areas.
    std::int32_t AttachBlock(std::uint8_t* block) override;
    std::int32_t AccessField(FieldId id, void* buffer, std::int32_t index, bool get) override;
    std::int32_t AccessData(FieldId id, void* buffer, std::int32_t length, std::int32_t index,
                            bool get) override;

    const BlockLayout& Layout() const { return layout_; }

private:
    // Writes every byte of `out`: what of `in` (cut to its dwSize) fits, and
    // the defaults of the rest; false, with `out` untouched, when `in` is not
    // a block of this plug-in.
    bool CarryBlock(std::span<const std::uint8_t> in, std::uint8_t* out);

    // The defaults of the bytes [from, to) before the records: zeros, and the
    // default of every field that lies there.
    void DefaultFields(std::uint8_t* out, std::uint32_t from, std::uint32_t to) const;
    // The default barcode-font records, and their count when the handler has
    // a catalogue of its own (else the count keeps its field's default).
    void DefaultBarcodeRecords(std::uint8_t* out);
    // The sizes, signature and version of the current layout.
    void StampCurrentLayout(std::uint8_t* out) const;

    const BlockLayout& layout_;
};

class CDevMode_ORCA final : public CDevModeLanguage {
public:
    CDevMode_ORCA() : CDevModeLanguage(kLayoutOrca) {}
};

class CDevMode_ONYX final : public CDevModeLanguage {
public:
    CDevMode_ONYX() : CDevModeLanguage(kLayoutOnyx) {}
};

// btLanguage's default: 0 (Chinese) on a system whose default language is
// 0x0804, else 1 (English).
std::uint8_t DefaultUiLanguage();

}  // namespace orca::settings
