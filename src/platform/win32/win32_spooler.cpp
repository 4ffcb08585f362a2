// SPDX-License-Identifier: Apache-2.0
#include "platform/win32/win32_spooler.h"

#include <windows.h>
// winspool.h needs windows.h first.
#include <winspool.h>

#include <cstring>

#include "platform/errors.h"
#include "platform/win32/wide_text.h"

namespace orca::platform::win32 {

namespace {

static_assert(sizeof(PRINTER_INFO_2W) == kPrinterInfo2Size);
static_assert(sizeof(FORM_INFO_1W) == kFormInfo1Size);
static_assert(sizeof(DOC_INFO_1W) == kDocInfo1Size);

HANDLE ToHandle(PrinterHandle handle) {
    return reinterpret_cast<HANDLE>(handle);
}

// The spooler's records are read from and written to buffers of 8-byte units,
// so that the records at their start are aligned; a size the spooler asks
// for near 4 GiB must not wrap to an empty buffer.
std::vector<uint64_t> RecordBuffer(uint32_t bytes) {
    return std::vector<uint64_t>((size_t{bytes} + 7) / 8);
}

template <typename Record>
Record* RecordAt(std::vector<uint64_t>& buffer) {
    return reinterpret_cast<Record*>(buffer.data());
}

std::vector<uint8_t> DevModeBytes(const DEVMODEW* devMode) {
    if (devMode == nullptr)
        return {};
    const auto* first = reinterpret_cast<const uint8_t*>(devMode);
    return std::vector<uint8_t>(first, first + devMode->dmSize + devMode->dmDriverExtra);
}

FormInfo1 FromFormRecord(const FORM_INFO_1W& record) {
    return FormInfo1{.flags = record.Flags,
                     .name = FromWide(record.pName),
                     .width = record.Size.cx,
                     .height = record.Size.cy,
                     .left = record.ImageableArea.left,
                     .top = record.ImageableArea.top,
                     .right = record.ImageableArea.right,
                     .bottom = record.ImageableArea.bottom};
}

// The record for AddFormW and SetFormW; name must outlive it.
FORM_INFO_1W ToFormRecord(const FormInfo1& form, std::wstring& name) {
    FORM_INFO_1W record{};
    record.Flags = form.flags;
    record.pName = name.data();
    record.Size = {form.width, form.height};
    record.ImageableArea = {form.left, form.top, form.right, form.bottom};
    return record;
}

// A null pointer for an empty string, as the spooler's optional strings are.
wchar_t* OptionalString(std::wstring& text) {
    return text.empty() ? nullptr : text.data();
}

// DeviceCapabilitiesW: the count with a null output, then the entries.
template <typename Entry>
int32_t Capability(std::u16string_view device, std::u16string_view port, WORD capability,
                   size_t unitsPerEntry, std::vector<Entry>* entries) {
    const std::wstring deviceName = Wide(device);
    const std::wstring portName = Wide(port);
    const int count =
        DeviceCapabilitiesW(deviceName.c_str(), portName.c_str(), capability, nullptr, nullptr);
    if (count <= 0 || entries == nullptr)
        return count;
    entries->assign(static_cast<size_t>(count) * unitsPerEntry, Entry{});
    const int filled = DeviceCapabilitiesW(deviceName.c_str(), portName.c_str(), capability,
                                           reinterpret_cast<wchar_t*>(entries->data()), nullptr);
    entries->resize(static_cast<size_t>(filled > 0 ? filled : 0) * unitsPerEntry);
    return filled;
}

}  // namespace

bool Win32Spooler::Open(std::u16string_view printerName, PrinterHandle* handle) {
    std::wstring name = Wide(printerName);
    HANDLE opened = nullptr;
    if (!OpenPrinterW(name.data(), &opened, nullptr))
        return false;
    *handle = reinterpret_cast<PrinterHandle>(opened);
    return true;
}

bool Win32Spooler::Close(PrinterHandle handle) {
    return ClosePrinter(ToHandle(handle)) != FALSE;
}

bool Win32Spooler::GetInfo2(PrinterHandle handle, uint32_t bufferSize, PrinterInfo2* info,
                            uint32_t* needed) {
    std::vector<uint64_t> buffer = RecordBuffer(info != nullptr ? bufferSize : 0);
    DWORD size = 0;
    const BOOL ok = GetPrinterW(ToHandle(handle), 2, reinterpret_cast<BYTE*>(buffer.data()),
                                info != nullptr ? bufferSize : 0, &size);
    if (needed != nullptr)
        *needed = size;
    if (!ok)
        return false;
    const auto* record = RecordAt<PRINTER_INFO_2W>(buffer);
    info->printerName = FromWide(record->pPrinterName);
    info->driverName = FromWide(record->pDriverName);
    info->portName = FromWide(record->pPortName);
    info->devMode = DevModeBytes(record->pDevMode);
    return true;
}

bool Win32Spooler::GetInfo9Size(PrinterHandle handle, uint32_t* needed) {
    DWORD size = 0;
    const BOOL ok = GetPrinterW(ToHandle(handle), 9, nullptr, 0, &size);
    *needed = size;
    return ok || GetLastError() == ERROR_INSUFFICIENT_BUFFER;
}

bool Win32Spooler::SetInfo2(PrinterHandle handle, const PrinterInfo2& info) {
    if (!info.devMode.empty()) {
        DEVMODEW head{};
        if (info.devMode.size() < offsetof(DEVMODEW, dmFields)) {
            ::SetLastError(kErrorInvalidParameter);
            return false;
        }
        std::memcpy(&head, info.devMode.data(), offsetof(DEVMODEW, dmFields));
        if (size_t(head.dmSize) + head.dmDriverExtra != info.devMode.size()) {
            ::SetLastError(kErrorInvalidParameter);
            return false;
        }
    }
    // The printer's own level-2 record with its settings replaced: name,
    // driver, port and the rest stay as the spooler has them.
    DWORD size = 0;
    GetPrinterW(ToHandle(handle), 2, nullptr, 0, &size);
    if (size == 0)
        return false;
    std::vector<uint64_t> buffer = RecordBuffer(size);
    if (!GetPrinterW(ToHandle(handle), 2, reinterpret_cast<BYTE*>(buffer.data()), size, &size))
        return false;
    std::vector<uint64_t> devMode = RecordBuffer(static_cast<uint32_t>(info.devMode.size()));
    std::memcpy(devMode.data(), info.devMode.data(), info.devMode.size());
    auto* record = RecordAt<PRINTER_INFO_2W>(buffer);
    record->pDevMode = info.devMode.empty() ? nullptr : RecordAt<DEVMODEW>(devMode);
    // The security descriptor is not ours to change.
    record->pSecurityDescriptor = nullptr;
    return SetPrinterW(ToHandle(handle), 2, reinterpret_cast<BYTE*>(record), 0) != FALSE;
}

int32_t Win32Spooler::PaperNames(std::u16string_view device, std::u16string_view port,
                                 std::vector<std::u16string>* names) {
    if (names == nullptr)
        return Capability<char16_t>(device, port, DC_PAPERNAMES, kPaperNameUnits, nullptr);
    std::vector<char16_t> units;
    const int32_t count = Capability(device, port, DC_PAPERNAMES, kPaperNameUnits, &units);
    names->clear();
    for (int32_t i = 0; i < count; ++i) {
        const std::u16string_view entry(units.data() + i * kPaperNameUnits, kPaperNameUnits);
        names->emplace_back(entry.substr(0, entry.find(u'\0')));
    }
    return count;
}

int32_t Win32Spooler::PaperSizes(std::u16string_view device, std::u16string_view port,
                                 std::vector<PaperPoint>* sizes) {
    static_assert(sizeof(PaperPoint) == sizeof(POINT));
    return Capability(device, port, DC_PAPERSIZE, 1, sizes);
}

int32_t Win32Spooler::PaperNumbers(std::u16string_view device, std::u16string_view port,
                                   std::vector<uint16_t>* numbers) {
    return Capability(device, port, DC_PAPERS, 1, numbers);
}

bool Win32Spooler::AddForm1(PrinterHandle handle, const FormInfo1& form) {
    std::wstring name = Wide(form.name);
    FORM_INFO_1W record = ToFormRecord(form, name);
    return AddFormW(ToHandle(handle), 1, reinterpret_cast<BYTE*>(&record)) != FALSE;
}

bool Win32Spooler::GetForm1(PrinterHandle handle, std::u16string_view name, uint32_t bufferSize,
                            FormInfo1* form, uint32_t* needed) {
    std::wstring formName = Wide(name);
    std::vector<uint64_t> buffer = RecordBuffer(form != nullptr ? bufferSize : 0);
    DWORD size = 0;
    const BOOL ok =
        GetFormW(ToHandle(handle), formName.data(), 1, reinterpret_cast<BYTE*>(buffer.data()),
                 form != nullptr ? bufferSize : 0, &size);
    if (needed != nullptr)
        *needed = size;
    if (!ok)
        return false;
    *form = FromFormRecord(*RecordAt<FORM_INFO_1W>(buffer));
    return true;
}

bool Win32Spooler::SetForm1(PrinterHandle handle, std::u16string_view name, const FormInfo1& form) {
    std::wstring formName = Wide(name);
    FORM_INFO_1W record = ToFormRecord(form, formName);
    return SetFormW(ToHandle(handle), formName.data(), 1, reinterpret_cast<BYTE*>(&record)) !=
           FALSE;
}

bool Win32Spooler::DeleteForm1(PrinterHandle handle, std::u16string_view name) {
    std::wstring formName = Wide(name);
    return DeleteFormW(ToHandle(handle), formName.data()) != FALSE;
}

bool Win32Spooler::EnumForms1(PrinterHandle handle, uint32_t bufferSize,
                              std::vector<FormInfo1>* forms, uint32_t* needed, uint32_t* returned) {
    std::vector<uint64_t> buffer = RecordBuffer(forms != nullptr ? bufferSize : 0);
    DWORD size = 0;
    DWORD count = 0;
    const BOOL ok = EnumFormsW(ToHandle(handle), 1, reinterpret_cast<BYTE*>(buffer.data()),
                               forms != nullptr ? bufferSize : 0, &size, &count);
    if (needed != nullptr)
        *needed = size;
    if (returned != nullptr)
        *returned = ok ? count : 0;
    if (!ok)
        return false;
    const auto* records = RecordAt<FORM_INFO_1W>(buffer);
    forms->clear();
    for (DWORD i = 0; i < count; ++i)
        forms->push_back(FromFormRecord(records[i]));
    return true;
}

uint32_t Win32Spooler::StartDocument(PrinterHandle handle, const DocInfo1& doc) {
    std::wstring documentName = Wide(doc.documentName);
    std::wstring outputFile = Wide(doc.outputFile);
    std::wstring dataType = Wide(doc.dataType);
    DOC_INFO_1W record{};
    record.pDocName = OptionalString(documentName);
    record.pOutputFile = OptionalString(outputFile);
    record.pDatatype = OptionalString(dataType);
    return StartDocPrinterW(ToHandle(handle), 1, reinterpret_cast<BYTE*>(&record));
}

bool Win32Spooler::StartPage(PrinterHandle handle) {
    return StartPagePrinter(ToHandle(handle)) != FALSE;
}

bool Win32Spooler::EndPage(PrinterHandle handle) {
    return EndPagePrinter(ToHandle(handle)) != FALSE;
}

bool Win32Spooler::Write(PrinterHandle handle, std::span<const uint8_t> bytes, uint32_t* written) {
    DWORD taken = 0;
    const BOOL ok = WritePrinter(ToHandle(handle), const_cast<uint8_t*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size()), &taken);
    if (written != nullptr)
        *written = taken;
    return ok != FALSE;
}

bool Win32Spooler::EndDocument(PrinterHandle handle) {
    return EndDocPrinter(ToHandle(handle)) != FALSE;
}

}  // namespace orca::platform::win32
