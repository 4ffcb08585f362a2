// SPDX-License-Identifier: Apache-2.0
// Barcode-font catalogues: the accessors of the barcode-font records in a private
// settings block. Owned by the settings handler, which forwards to the catalogue
// every identifier it does not own itself.
#pragma once

#include <cstdint>

#include "settings/barcode_font_tables.h"
#include "settings/field_id.h"

namespace orca::settings {

class CDevModeBase;

// The plain catalogue offers no barcode fonts: it owns no identifier (-7), writes
// no default fonts and has no default record. Models without barcode fonts use it.
class CBarCodeFontBase {
public:
    explicit CBarCodeFontBase(settings::CDevModeBase* owner = nullptr) : owner_(owner) {}
    virtual ~CBarCodeFontBase() = default;
    CBarCodeFontBase(const CBarCodeFontBase&) = delete;
    CBarCodeFontBase& operator=(const CBarCodeFontBase&) = delete;

    // Reads (`get`) or writes one field of record `index` by the identifier's width.
    // kNotHandled without records, for an index outside 0..31 or a foreign identifier.
    virtual std::int32_t AccessFontField(settings::FieldId id, void* buffer, std::int32_t index,
                                         bool get);
    // The font name (44002, 80 bytes) of record `index`, by the data-access rules:
    // a short read answers 80, a long write answers its length.
    virtual std::int32_t AccessFontName(settings::FieldId id, void* buffer, std::int32_t size,
                                        std::int32_t index, bool get);
    // Attaches `records` (kNotAttached when null), writes the default fonts into
    // them and their number into `count`.
    virtual std::int32_t LoadDefaultFonts(std::uint8_t* records, std::uint8_t* count);
    // Writes the default record (144 bytes) into `record`; kNoWidth for the plain catalogue.
    virtual std::int32_t GetDefaultFont(std::uint8_t* record) const;
    // Size of one record: 0 for the plain catalogue, else 144.
    virtual std::uint32_t GetRecordSize() const { return 0; }

    // The first record of the attached barcode area; null until attached.
    std::uint8_t* Records() const { return records_; }
    void Attach(std::uint8_t* records) { records_ = records; }
    settings::CDevModeBase* Owner() const { return owner_; }

    // Stands in where a settings handler has no catalogue of its own. Shared: it is
    // only ever asked, never attached.
    static CBarCodeFontBase& Null();

private:
    settings::CDevModeBase* owner_;
    std::uint8_t* records_ = nullptr;
};

// A catalogue of one language, laid out by its table.
class CBarCodeFontLanguage : public CBarCodeFontBase {
public:
    CBarCodeFontLanguage(settings::CDevModeBase* owner, const BarcodeCatalogueTable& table)
        : CBarCodeFontBase(owner), table_(table) {}

    std::int32_t AccessFontField(settings::FieldId id, void* buffer, std::int32_t index,
                                 bool get) override;
    std::int32_t AccessFontName(settings::FieldId id, void* buffer, std::int32_t size,
                                std::int32_t index, bool get) override;
    std::int32_t LoadDefaultFonts(std::uint8_t* records, std::uint8_t* count) override;
    std::int32_t GetDefaultFont(std::uint8_t* record) const override;
    std::uint32_t GetRecordSize() const override;

private:
    const BarcodeCatalogueTable& table_;
};

class CBarCodeFont_ORCA final : public CBarCodeFontLanguage {
public:
    explicit CBarCodeFont_ORCA(settings::CDevModeBase* owner = nullptr)
        : CBarCodeFontLanguage(owner, kBarcodeCatalogueOrca) {}
};

class CBarCodeFont_ONYX final : public CBarCodeFontLanguage {
public:
    explicit CBarCodeFont_ONYX(settings::CDevModeBase* owner = nullptr)
        : CBarCodeFontLanguage(owner, kBarcodeCatalogueOnyx) {}
};

}  // namespace orca::settings
