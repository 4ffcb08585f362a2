// SPDX-License-Identifier: Apache-2.0
// COemUI: the device-capabilities hook. The host has filled oldResult
// entries of its own; the plug-in adds the user-defined paper after them and
// answers the paper extents of the model.
#include <array>

#include "platform/platform.h"
#include "plugin/hook_errors.h"
#include "plugin/oem_ui.h"
#include "plugin/public_record_fields.h"
#include "plugin/scoped_records.h"
#include "settings/byte_access.h"
#include "settings/field_ids.h"
#include "settings/field_map.h"

namespace orca::plugin {

namespace {

using printers::CPrinterImplBase;
using settings::FieldId;

constexpr char16_t kUserPaperName[] = u"User defined";

// A 16-bit value of the printer object; 0 when it cannot be read.
int16_t ReadShort(CPrinterImplBase& printer, FieldId id) {
    int16_t value = 0;
    if (printer.AccessValue(id, &value, 0, true) != settings::kDone)
        return 0;
    return value;
}

void WriteUserPaperNumber(uint8_t* entry, CPrinterImplBase&) {
    settings::StoreU16(entry, platform::kUserDefinedPaper);
}

// A point of two 32-bit values in tenths of a millimetre.
void WriteUserPaperSize(uint8_t* entry, CPrinterImplBase& printer) {
    settings::StoreU32(
        entry, static_cast<uint32_t>(ReadShort(printer, settings::field::kCustomPaperWidth)));
    settings::StoreU32(
        entry + 4, static_cast<uint32_t>(ReadShort(printer, settings::field::kCustomPaperHeight)));
}

void WriteUserPaperName(uint8_t* entry, CPrinterImplBase&) {
    settings::ZeroBytes(entry, kPaperNameUnits * 2);
    for (size_t i = 0; kUserPaperName[i] != 0; ++i)
        settings::StoreU16(entry + 2 * i, kUserPaperName[i]);
}

// A list the plug-in extends by one entry of entryBytes at index oldResult.
struct AppendedEntry {
    WORD capability;
    uint32_t entryBytes;
    void (*write)(uint8_t* entry, CPrinterImplBase& printer);
};

constexpr std::array<AppendedEntry, 3> kAppendedEntries{{
    {DC_PAPERS, 2, WriteUserPaperNumber},
    {DC_PAPERSIZE, 8, WriteUserPaperSize},
    {DC_PAPERNAMES, kPaperNameUnits * 2, WriteUserPaperName},
}};

// An answer of two paper extents: x in the low, y in the high 16 bits.
struct ExtentAnswer {
    WORD capability;
    FieldId x;
    FieldId y;
};

constexpr std::array<ExtentAnswer, 2> kExtentAnswers{{
    {DC_MAXEXTENT, 3016, 3015},  // widest, longest
    {DC_MINEXTENT, 3018, 3017},  // narrowest, shortest
}};

// The host's stored default record keeps no collate flag.
void ClearStoredCollate(platform::PrinterHandle printer) {
    platform::Spooler& spooler = *platform::Current().spooler;
    platform::PrinterInfo2 info;
    if (!platform::ReadPrinterInfo2(spooler, printer, &info) ||
        info.devMode.size() < settings::kPublicRecordSize)
        return;
    const uint32_t fields = RecordFields(info.devMode.data());
    if ((fields & DM_COLLATE) == 0)
        return;
    SetRecordFields(info.devMode.data(), fields & ~DM_COLLATE);
    spooler.SetInfo2(printer, info);
}

}  // namespace

HRESULT COemUI::DeviceCapabilities(OEMUIOBJ*, HANDLE printer, WCHAR*, WORD capability, void* output,
                                   DEVMODEW* publicRecord, void* privateBlock, DWORD oldResult,
                                   DWORD* result) {
    return GuardedHook([&]() -> HRESULT {
        if (result == nullptr)
            return E_POINTER;
        AttachPrinter(printer);
        CPrinterImplBase& model = Printer();
        const ScopedRecords records(model, reinterpret_cast<uint8_t*>(publicRecord),
                                    static_cast<uint8_t*>(privateBlock));
        if (publicRecord != nullptr && (publicRecord->dmFields & DM_COLLATE) != 0)
            ClearStoredCollate(printer_);

        for (const AppendedEntry& list : kAppendedEntries) {
            if (list.capability != capability)
                continue;
            // The host's own query failed: there are no entries to add after.
            if (oldResult == kGdiError) {
                *result = kGdiError;
                return S_OK;
            }
            if (output != nullptr)
                list.write(static_cast<uint8_t*>(output) + size_t{oldResult} * list.entryBytes,
                           model);
            *result = oldResult + 1;
            return S_OK;
        }
        for (const ExtentAnswer& extent : kExtentAnswers) {
            if (extent.capability != capability)
                continue;
            const auto x = static_cast<uint16_t>(ReadShort(model, extent.x));
            const auto y = static_cast<uint16_t>(ReadShort(model, extent.y));
            *result = DWORD{x} | DWORD{y} << 16;
            return S_OK;
        }
        // Media types are 32-bit numbers; the plug-in offers none of its own.
        if (capability == DC_MEDIATYPES) {
            *result = oldResult;
            return S_OK;
        }
        return E_NOTIMPL;
    });
}

}  // namespace orca::plugin
