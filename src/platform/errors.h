// SPDX-License-Identifier: Apache-2.0
// The platform's last-error values that the ports report and the system
// checks for. Numbers are the platform's own, so a Win32 adapter passes
// GetLastError() through unchanged.
#pragma once

#include <cstdint>

namespace orca::platform {

inline constexpr uint32_t kErrorSuccess = 0;
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorPathNotFound = 3;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorInvalidHandle = 6;
inline constexpr uint32_t kErrorNotEnoughMemory = 8;
inline constexpr uint32_t kErrorWriteFault = 29;
inline constexpr uint32_t kErrorReadFault = 30;
inline constexpr uint32_t kErrorNotSupported = 50;
inline constexpr uint32_t kErrorBadNetName = 67;
inline constexpr uint32_t kErrorFileExists = 80;
inline constexpr uint32_t kErrorInvalidParameter = 87;
inline constexpr uint32_t kErrorInsufficientBuffer = 122;
inline constexpr uint32_t kErrorInvalidLevel = 124;
inline constexpr uint32_t kErrorMoreData = 234;
inline constexpr uint32_t kErrorConnectionRefused = 1225;
inline constexpr uint32_t kErrorInvalidPrinterName = 1801;
inline constexpr uint32_t kErrorInvalidDatatype = 1804;
inline constexpr uint32_t kErrorInvalidFormName = 1902;
inline constexpr uint32_t kErrorInvalidPrinterState = 1906;
inline constexpr uint32_t kErrorNoStartDoc = 3003;

}  // namespace orca::platform
