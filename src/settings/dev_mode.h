// SPDX-License-Identifier: Apache-2.0
// The settings handler: sizes, defaults, converts and gives access by field
// identifier to the private settings block that the host keeps after its public
// settings record. CDevModeBase is the handler of no language; the language
// handlers are in dev_mode_language.h.
//
// The handler never owns the records: the host hands them in and the handler
// keeps plain pointers to the last ones attached. It owns its barcode-font
// catalogue and command-font handler, and asks them, in that order, for every
// identifier its own field map does not hold. Results are those of field_id.h.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/spooler.h"
#include "settings/field_id.h"

namespace orca::settings {

class CBarCodeFontBase;
class CCMDFontBase;

class CDevModeBase {
public:
    CDevModeBase();
    virtual ~CDevModeBase();
    CDevModeBase(const CDevModeBase&) = delete;
    CDevModeBase& operator=(const CDevModeBase&) = delete;

    // Bytes the host must reserve for the private block; 0 for no language.
    virtual std::uint32_t GetPrivateSize() const { return 0; }

    // Given a block of GetPrivateSize() bytes: zero it and write the language
    // defaults. Given none: write them into the attached block (kNotAttached when
    // there is none).
    virtual std::int32_t SetDefaults(std::uint8_t* block);

    // Builds a current block in `privateOut` (GetPrivateSize() bytes) from a block
    // of any version or size. `privateIn` holds what may be read of the input:
    // nothing beyond it, nor beyond the input's own dwSize, is read; parts that
    // do not fit keep their defaults. A block with a foreign signature becomes a
    // default block and the public record is not copied; otherwise the 220-byte
    // public record is copied from `publicIn` to `publicOut` (when both are given).
    // Use HostHeldBlock() for a block that a host handed in.
    virtual std::int32_t ConvertBlock(const std::uint8_t* publicIn, std::uint8_t* publicOut,
                                      std::span<const std::uint8_t> privateIn,
                                      std::uint8_t* privateOut);

    // Remembers `block` (null detaches) for the accesses and list operations.
    virtual std::int32_t AttachBlock(std::uint8_t* block);

    // Reads (`get`) or writes one value of the attached block by the width of the
    // identifier's thousand; `index` picks the barcode-font or command-font record.
    // A read with no block attached reads the printer's stored block.
    virtual std::int32_t AccessField(FieldId id, void* buffer, std::int32_t index, bool get);

    // Reads or writes a data field (names, command buffers): a read with `length`
    // below the field size answers that size; a write longer than the field
    // answers `length`; a shorter write changes only the first `length` bytes.
    virtual std::int32_t AccessData(FieldId id, void* buffer, std::int32_t length,
                                    std::int32_t index, bool get);

    // The public record's fields by identifier (kNotHandled for others). Without a
    // public record attached, a read uses the printer's stored default record and
    // a write fails with kNotAttached.
    std::int32_t AccessPublicField(FieldId id, void* buffer, bool get);
    // The public record's names (44000 device name, 44001 form name; 64 bytes).
    std::int32_t AccessPublicName(FieldId id, void* buffer, std::int32_t length, bool get);

    // A current block of GetPrivateSize() bytes from the printer's stored default
    // settings, into `block`; the defaults when the printer stores none.
    // kNotAttached without a printer handle or when the spooler fails.
    std::int32_t ReadStoredBlock(std::vector<std::uint8_t>& block);

    // Font lists of the attached block. The adds answer the new record's index;
    // the deletes move the later records down and zero the freed last record.
    // kBadArgument for an index outside the list, kNotAttached without the
    // record area, kListFull for a full list or an index of 32 or more.
    std::int32_t AddBarcodeFont();
    std::int32_t DeleteBarcodeFont(std::int32_t index);
    std::int32_t AddCMDFont();
    std::int32_t DeleteCMDFont(std::int32_t index);

    // Set once by whoever opened the printer; not owned, never closed here.
    void SetPrinterHandle(platform::PrinterHandle printer) { printer_ = printer; }
    platform::PrinterHandle Printer() const { return printer_; }

    // The host's public record (220 bytes); null detaches.
    void AttachPublicRecord(std::uint8_t* record) { public_ = record; }
    std::uint8_t* PublicRecord() const { return public_; }
    std::uint8_t* Block() const { return block_; }

    // Takes ownership of the font handlers (created with this handler as owner).
    // Either may be null: the shared null instance then stands in.
    void AdoptFontHandlers(std::unique_ptr<settings::CBarCodeFontBase> barcodeFonts,
                           std::unique_ptr<settings::CCMDFontBase> commandFonts);
    settings::CBarCodeFontBase& BarcodeFonts() const;
    settings::CCMDFontBase& CommandFonts() const;

protected:
    bool HasOwnBarcodeFonts() const { return barcodeFonts_ != nullptr; }
    bool HasOwnCommandFonts() const { return commandFonts_ != nullptr; }

    // Runs `access` on the attached block; with none attached, a read runs it on
    // a temporary copy of the printer's stored block and a write fails.
    template <typename Access>
    std::int32_t WithBlock(bool get, Access access);

private:
    std::int32_t DeleteRecord(std::uint32_t countOffset, std::uint8_t* records,
                              std::uint32_t recordSize, std::int32_t index);

    platform::PrinterHandle printer_ = nullptr;
    std::uint8_t* block_ = nullptr;
    std::uint8_t* public_ = nullptr;
    std::unique_ptr<settings::CBarCodeFontBase> barcodeFonts_;
    std::unique_ptr<settings::CCMDFontBase> commandFonts_;
};

template <typename Access>
std::int32_t CDevModeBase::WithBlock(bool get, Access access) {
    if (block_ != nullptr)
        return access();
    if (!get)
        return kNotAttached;
    std::vector<std::uint8_t> stored;
    const std::int32_t read = ReadStoredBlock(stored);
    if (read != kDone)
        return read;
    AttachBlock(stored.data());
    const std::int32_t result = access();
    AttachBlock(nullptr);
    return result;
}

// Stands in for a printer without a settings handler: no block, no defaults,
// nothing attaches, no identifier is its own.
class CDevMode_Null final : public CDevModeBase {
public:
    std::int32_t SetDefaults(std::uint8_t*) override { return kNoWidth; }
    std::int32_t ConvertBlock(const std::uint8_t*, std::uint8_t*, std::span<const std::uint8_t>,
                              std::uint8_t*) override {
        return kNoWidth;
    }
    std::int32_t AttachBlock(std::uint8_t*) override { return kNoWidth; }

    // The one shared instance.
    static CDevMode_Null& Instance();
};

// The bytes a host holds for a private block handed in with `publicRecord`:
// from the block to the end of the record's driver-extra area when the block
// lies in that area, else the area's size, dmDriverExtra. Either way at most
// 65535 bytes, the most a public record can carry; empty for null. What the
// block says of its own size plays no part.
std::span<const std::uint8_t> HostHeldBlock(const std::uint8_t* publicRecord,
                                            const std::uint8_t* block);

}  // namespace orca::settings
