// SPDX-License-Identifier: Apache-2.0
#include "printers/device_manager_facade.h"

namespace orca::printers {

CPrinterImplBase& PrinterOf(const CDeviceEntry* entry) {
    if (entry != nullptr)
        return entry->Printer();
    return CPrinterImpl_Null::Shared();
}

std::int32_t GetValue(const CDeviceEntry* entry, settings::FieldId id, void* buffer,
                      std::int32_t index) {
    if (buffer == nullptr)
        return settings::kBadArgument;
    return PrinterOf(entry).AccessValue(id, buffer, index, true);
}

std::int32_t GetData(const CDeviceEntry* entry, settings::FieldId id, void* buffer,
                     std::int32_t length, std::int32_t index) {
    if (buffer == nullptr)
        return settings::kBadArgument;
    return PrinterOf(entry).AccessBytes(id, buffer, length, index, true);
}

std::int32_t ConvertBlock(const CDeviceEntry* entry, const std::uint8_t* publicIn,
                          std::uint8_t* publicOut, std::span<const std::uint8_t> privateIn,
                          std::uint8_t* privateOut) {
    if (publicIn == nullptr || publicOut == nullptr || privateIn.data() == nullptr ||
        privateOut == nullptr)
        return settings::kBadArgument;
    return PrinterOf(entry).Settings().ConvertBlock(publicIn, publicOut, privateIn, privateOut);
}

std::int32_t AddBarcodeFont(const CDeviceEntry* entry) {
    return PrinterOf(entry).Settings().AddBarcodeFont();
}

std::int32_t DeleteBarcodeFont(const CDeviceEntry* entry, std::int32_t index) {
    return PrinterOf(entry).Settings().DeleteBarcodeFont(index);
}

std::int32_t AddCMDFont(const CDeviceEntry* entry) {
    return PrinterOf(entry).Settings().AddCMDFont();
}

std::int32_t DeleteCMDFont(const CDeviceEntry* entry, std::int32_t index) {
    return PrinterOf(entry).Settings().DeleteCMDFont(index);
}

}  // namespace orca::printers
