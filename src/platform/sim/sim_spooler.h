// SPDX-License-Identifier: Apache-2.0
// The simulated spooler: printers and their stored settings, device
// capabilities, the form database and raw jobs, over the shared world.
#pragma once

#include "platform/sim/world.h"
#include "platform/spooler.h"

namespace orca::platform::sim {

class SimSpooler : public Spooler {
public:
    explicit SimSpooler(World& world) : world_(world) {}

    bool Open(std::u16string_view printerName, PrinterHandle* handle) override;
    bool Close(PrinterHandle handle) override;
    bool GetInfo2(PrinterHandle handle, uint32_t bufferSize, PrinterInfo2* info,
                  uint32_t* needed) override;
    bool GetInfo9Size(PrinterHandle handle, uint32_t* needed) override;
    bool SetInfo2(PrinterHandle handle, const PrinterInfo2& info) override;

    int32_t PaperNames(std::u16string_view device, std::u16string_view port,
                       std::vector<std::u16string>* names) override;
    int32_t PaperSizes(std::u16string_view device, std::u16string_view port,
                       std::vector<PaperPoint>* sizes) override;
    int32_t PaperNumbers(std::u16string_view device, std::u16string_view port,
                         std::vector<uint16_t>* numbers) override;

    bool AddForm1(PrinterHandle handle, const FormInfo1& form) override;
    bool GetForm1(PrinterHandle handle, std::u16string_view name, uint32_t bufferSize,
                  FormInfo1* form, uint32_t* needed) override;
    bool SetForm1(PrinterHandle handle, std::u16string_view name, const FormInfo1& form) override;
    bool DeleteForm1(PrinterHandle handle, std::u16string_view name) override;
    bool EnumForms1(PrinterHandle handle, uint32_t bufferSize, std::vector<FormInfo1>* forms,
                    uint32_t* needed, uint32_t* returned) override;

    uint32_t StartDocument(PrinterHandle handle, const DocInfo1& doc) override;
    bool StartPage(PrinterHandle handle) override;
    bool EndPage(PrinterHandle handle) override;
    bool Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t* written) override;
    bool EndDocument(PrinterHandle handle) override;

private:
    // The open printer of a handle whose printer still exists; the world's
    // lock must be held. Sets the last error 6 when there is none.
    OpenPrinter* Lookup(PrinterHandle handle);
    // The open job of a handle; sets 6 or 3003 when there is none.
    OpenJob* LookupJob(PrinterHandle handle);
    // The printer's paper list: built-in papers, then the database's forms
    // not named like one of them. Null when the printer is unknown.
    std::optional<std::vector<Paper>> PaperList(std::u16string_view device);
    // Records the job and lets go of its delivery target.
    void FinishJob(OpenPrinter& printer);

    World& world_;
};

// Whether a form's measures are sound: a positive size and an imageable area
// inside it that is not empty.
bool FormMeasuresValid(const FormInfo1& form);

}  // namespace orca::platform::sim
