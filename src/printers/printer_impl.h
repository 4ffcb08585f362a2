// SPDX-License-Identifier: Apache-2.0
// The printer object: one per printer a plug-in object serves. It owns the
// opened printer handle, the settings handler of its language and the command
// generator of its language, carries the model's capability values, and is the
// one entry point through which every setting is read and written by field
// identifier: the model's capabilities first, then the host's public record,
// then the private block and its font records.
#pragma once

#include <cstdint>
#include <memory>

#include "commands/command_set_base.h"
#include "platform/spooler.h"
#include "printers/printer_impl_capabilities.h"
#include "settings/dev_mode.h"
#include "settings/field_id.h"

namespace orca::printers {

class CPrinterImplBase {
public:
    // Zeroes every capability: the capability set of no language.
    CPrinterImplBase();
    // Destroys the settings handler, closes the printer handle, then destroys the
    // command generator.
    virtual ~CPrinterImplBase();
    CPrinterImplBase(const CPrinterImplBase&) = delete;
    CPrinterImplBase& operator=(const CPrinterImplBase&) = delete;

    // Reads (`get`) or writes one capability value by the identifier's width;
    // kNotHandled for identifiers that are not capabilities. The command language
    // (2076) is not stored: a read asks the command generator, a write is refused
    // with kNotHandled.
    virtual std::int32_t AccessCapability(settings::FieldId id, void* buffer, std::int32_t index,
                                          bool get);
    // Models have no data capabilities.
    virtual std::int32_t AccessCapabilityData(settings::FieldId id, void* buffer,
                                              std::int32_t length, std::int32_t index, bool get);
    // Writes the language defaults into the attached block; models then write
    // their own defaults. The result is that of the language defaults.
    virtual std::int32_t SetModelDefaults();

    // The value access of pages, hooks and the settings import: capability, then
    // public-record field, then private-block field; the first answer other than
    // kNotHandled is returned.
    std::int32_t AccessValue(settings::FieldId id, void* buffer, std::int32_t index, bool get);
    // The data access: data capability, then public-record name, then private data.
    std::int32_t AccessBytes(settings::FieldId id, void* buffer, std::int32_t length,
                             std::int32_t index, bool get);

    // The settings handler, or the shared null handler for a printer without one.
    settings::CDevModeBase& Settings() const;
    // The command generator, or the shared fallback generator.
    commands::CCommandSetBase& Commands() const;

    // Hands the host's records to the settings handler. A printer without a
    // handler of its own keeps nothing: the shared null handler is never
    // attached to, so one printer's records never reach another. AttachBlock
    // answers as the handler's AttachBlock (the null handler's -1 when none).
    void AttachPublicRecord(std::uint8_t* record);
    std::int32_t AttachBlock(std::uint8_t* block);

    // Takes ownership of an opened printer handle; the settings handler is given
    // it too, to read the printer's stored settings.
    void AdoptPrinterHandle(platform::PrinterHandle printer);
    platform::PrinterHandle Printer() const { return printer_; }

protected:
    // Components of a model, created by the model constructor.
    void AdoptComponents(std::unique_ptr<commands::CCommandSetBase> commands,
                         std::unique_ptr<settings::CDevModeBase> settings);
    // Applies a language's capability set, then single values over it.
    void ApplyCapabilitySet(Language language);
    void SetCapability(settings::FieldId id, std::uint32_t value);

private:
    platform::PrinterHandle printer_ = nullptr;
    std::unique_ptr<settings::CDevModeBase> settings_;
    std::unique_ptr<commands::CCommandSetBase> commands_;
    CapabilityValues capabilities_{};
};

// The printer object of an unsupported or unreachable printer: no printer
// handle, no settings handler, no generator. Every value access fails with -1;
// data accesses fall through to the null settings handler.
class CPrinterImpl_Null final : public CPrinterImplBase {
public:
    std::int32_t AccessCapability(settings::FieldId id, void* buffer, std::int32_t index,
                                  bool get) override;

    // One shared instance for callers that have no printer object at all. It
    // holds nothing and nothing can be attached to it.
    static CPrinterImpl_Null& Shared();
};

}  // namespace orca::printers
