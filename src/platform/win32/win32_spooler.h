// SPDX-License-Identifier: Apache-2.0
// The print-spooler port over winspool: each operation is the one call it
// names, with the spooler's own answers and last errors.
#pragma once

#include "platform/spooler.h"

namespace orca::platform::win32 {

class Win32Spooler : public Spooler {
public:
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
};

}  // namespace orca::platform::win32
