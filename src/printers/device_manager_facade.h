// SPDX-License-Identifier: Apache-2.0
// What pages and hooks do with a device-manager entry. A missing entry (a
// plug-in object whose printer could not be registered) answers as an
// unsupported printer does. Writes go straight to the printer object's
// AccessValue and AccessBytes.
#pragma once

#include <cstdint>
#include <span>

#include "printers/device_manager.h"

namespace orca::printers {

// The entry's printer object; the shared CPrinterImpl_Null without an entry.
CPrinterImplBase& PrinterOf(const CDeviceEntry* entry);

// Reads through AccessValue / AccessBytes; kBadArgument without a buffer.
std::int32_t GetValue(const CDeviceEntry* entry, settings::FieldId id, void* buffer,
                      std::int32_t index = 0);
std::int32_t GetData(const CDeviceEntry* entry, settings::FieldId id, void* buffer,
                     std::int32_t length, std::int32_t index = 0);

// The settings handler's ConvertBlock; kBadArgument when a record is missing.
std::int32_t ConvertBlock(const CDeviceEntry* entry, const std::uint8_t* publicIn,
                          std::uint8_t* publicOut, std::span<const std::uint8_t> privateIn,
                          std::uint8_t* privateOut);

// The font lists of the attached block (the settings handler's list operations).
std::int32_t AddBarcodeFont(const CDeviceEntry* entry);
std::int32_t DeleteBarcodeFont(const CDeviceEntry* entry, std::int32_t index);
std::int32_t AddCMDFont(const CDeviceEntry* entry);
std::int32_t DeleteCMDFont(const CDeviceEntry* entry, std::int32_t index);

}  // namespace orca::printers
