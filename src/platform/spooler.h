// SPDX-License-Identifier: Apache-2.0
// Print-spooler port: printers, their stored settings, device capabilities,
// the form database and raw jobs. Each operation is one spooler call with the
// same inputs, outputs and failure cases; a failure sets the last error
// (Process port) to the platform's value (errors.h).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orca::platform {

// Opaque printer handle, pointer-sized like the host's; null is no printer.
using PrinterHandle = struct OpaquePrinter*;

// Fixed part sizes of the spooler's records, used for size queries.
inline constexpr uint32_t kPrinterInfo2Size = 136;
inline constexpr uint32_t kPrinterInfo9Size = 8;
inline constexpr uint32_t kFormInfo1Size = 40;
inline constexpr uint32_t kDocInfo1Size = 24;
// Units of one paper name of the device capabilities, terminator included.
inline constexpr size_t kPaperNameUnits = 64;
// The platform's user-defined paper number.
inline constexpr uint16_t kUserDefinedPaper = 256;

// Printer information, level 2 (the fields the system reads and stores).
struct PrinterInfo2 {
    std::u16string printerName;
    std::u16string driverName;
    std::u16string portName;
    // The stored default settings: the public record (dmSize bytes) followed
    // by the private block (dmDriverExtra bytes). Empty when the printer has
    // none. In the level-2 buffer it sits last, after the strings.
    std::vector<uint8_t> devMode;
};

// Form information, level 1. Measures in thousandths of a millimetre.
struct FormInfo1 {
    uint32_t flags = 0;  // kFormUser, kFormBuiltin or kFormPrinter
    std::u16string name;
    int32_t width = 0;
    int32_t height = 0;
    int32_t left = 0;  // imageable area
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const FormInfo1&) const = default;
};
inline constexpr uint32_t kFormUser = 0;
inline constexpr uint32_t kFormBuiltin = 1;
inline constexpr uint32_t kFormPrinter = 2;

// Document information, level 1. An empty string stands for a null pointer:
// no output file (the job goes to the printer's port), default data type.
struct DocInfo1 {
    std::u16string documentName;
    std::u16string outputFile;
    std::u16string dataType;
};

// One entry of the paper sizes capability, tenths of a millimetre.
struct PaperPoint {
    int32_t x = 0;
    int32_t y = 0;
};

class Spooler {
public:
    virtual ~Spooler() = default;

    // OpenPrinterW(name, &handle, no defaults). Unknown name: false, 1801.
    virtual bool Open(std::u16string_view printerName, PrinterHandle* handle) = 0;
    // ClosePrinter. Unknown handle: false, 6. A document still open on the
    // handle is ended first.
    virtual bool Close(PrinterHandle handle) = 0;

    // GetPrinterW level 2 into a buffer of bufferSize bytes. *needed always
    // receives the size of the whole level-2 buffer; when bufferSize is
    // smaller (0 is the size query) the call fails with 122 and *info is
    // untouched. Unknown handle: false, 6, *needed 0.
    virtual bool GetInfo2(PrinterHandle handle, uint32_t bufferSize, PrinterInfo2* info,
                          uint32_t* needed) = 0;
    // GetPrinterW level 9 size query (no buffer): the size of the per-user
    // default settings. True when *needed was answered; unknown handle: false, 6.
    virtual bool GetInfo9Size(PrinterHandle handle, uint32_t* needed) = 0;
    // SetPrinterW level 2: stores info.devMode as the printer's default
    // settings (name, driver and port stay). A record whose dmSize and
    // dmDriverExtra do not add up to its length: false, 87. Unknown handle:
    // false, 6.
    virtual bool SetInfo2(PrinterHandle handle, const PrinterInfo2& info) = 0;

    // DeviceCapabilitiesW for paper names (16), paper sizes (3) and paper
    // numbers (2) of the printer named device on port. Answers the number of
    // papers, or -1 when the printer is unknown. A null output only counts.
    // Names are at most kPaperNameUnits units; a name of exactly 64 units has
    // no terminator in the platform's buffer.
    virtual int32_t PaperNames(std::u16string_view device, std::u16string_view port,
                               std::vector<std::u16string>* names) = 0;
    virtual int32_t PaperSizes(std::u16string_view device, std::u16string_view port,
                               std::vector<PaperPoint>* sizes) = 0;
    virtual int32_t PaperNumbers(std::u16string_view device, std::u16string_view port,
                                 std::vector<uint16_t>* numbers) = 0;

    // AddFormW level 1. A name that exists (letter case ignored): false, 80.
    // Empty name, name of 32 units or more, a built-in flag, a size that is
    // not positive or an imageable area outside the size: false, 87.
    virtual bool AddForm1(PrinterHandle handle, const FormInfo1& form) = 0;
    // GetFormW level 1 into bufferSize bytes: *needed receives the form's
    // size (kFormInfo1Size + the name with terminator); a smaller buffer
    // fails with 122. Missing form: false, 1902, *needed 0.
    virtual bool GetForm1(PrinterHandle handle, std::u16string_view name, uint32_t bufferSize,
                          FormInfo1* form, uint32_t* needed) = 0;
    // SetFormW level 1: the form named name takes form's size and imageable
    // area and keeps its name. Missing form: false, 1902; a built-in form or
    // bad measures: false, 87.
    virtual bool SetForm1(PrinterHandle handle, std::u16string_view name,
                          const FormInfo1& form) = 0;
    // DeleteFormW. Missing form: false, 1902; a built-in form: false, 87.
    virtual bool DeleteForm1(PrinterHandle handle, std::u16string_view name) = 0;
    // EnumFormsW level 1 into bufferSize bytes: *needed receives the size of
    // all forms; a smaller buffer fails with 122 and *returned is 0.
    virtual bool EnumForms1(PrinterHandle handle, uint32_t bufferSize,
                            std::vector<FormInfo1>* forms, uint32_t* needed,
                            uint32_t* returned) = 0;

    // StartDocPrinterW level 1: the job id, or 0 on failure (unknown handle
    // 6; a document already started on the handle 1906; a data type other
    // than "RAW" 1804; the port refused the connection 1225, its host is
    // unknown 67, its file cannot be opened 3 or 5).
    virtual uint32_t StartDocument(PrinterHandle handle, const DocInfo1& doc) = 0;
    // StartPagePrinter / EndPagePrinter. No document started: false, 3003.
    virtual bool StartPage(PrinterHandle handle) = 0;
    virtual bool EndPage(PrinterHandle handle) = 0;
    // WritePrinter: *written receives the count taken. No document started:
    // false, 3003; the port failed: false, 29.
    virtual bool Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t* written) = 0;
    // EndDocPrinter. No document started: false, 3003.
    virtual bool EndDocument(PrinterHandle handle) = 0;
};

// GetPrinterW level 2 as the system calls it: size query, then the read.
bool ReadPrinterInfo2(Spooler& spooler, PrinterHandle handle, PrinterInfo2* info);

// GetFormW level 1 as the system calls it: size query, then the read.
bool ReadForm1(Spooler& spooler, PrinterHandle handle, std::u16string_view name, FormInfo1* form);

}  // namespace orca::platform
