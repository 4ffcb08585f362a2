// SPDX-License-Identifier: Apache-2.0
// What the Windows tests set up in the system as an administrator would: a
// printer driver with its model map among its dependent files, printers on
// file ports, and the thread's last error. Everything goes through the
// system's own calls (winspool, kernel32).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orca::wintest {

// The model map the model drivers list among their dependent files.
inline constexpr char16_t kModelMapFile[] = u"orca_models.lbpm";

// The test printers: an ORCA and an ONYX model, each resolved through the
// model map of its driver, and a printer of a driver no map names.
inline constexpr char16_t kOrcaPrinter[] = u"Shipping ORCA";
inline constexpr char16_t kOrcaDriver[] = u"ORCA Kestrel";
inline constexpr char16_t kOnyxPrinter[] = u"Shipping ONYX";
inline constexpr char16_t kOnyxDriver[] = u"ONYX Heron";
inline constexpr char16_t kUnknownPrinter[] = u"Office Laser";
inline constexpr char16_t kUnknownDriver[] = u"Office Laser Driver";

// Installs the three drivers and printers (kept when present). The ORCA
// printer's port is the file PortFile(kOrcaPrinter), the others' too.
bool InstallTestPrinters();
std::u16string PortFile(std::u16string_view printer);

// Installs the driver (made-up driver files; the model map, when withMap,
// among its dependent files and in the driver directory). True when the
// driver exists afterwards.
bool InstallDriver(std::u16string_view driver, bool withMap);
// Adds a printer of driver on port; an existing printer of that name is kept.
bool AddPrinter(std::u16string_view name, std::u16string_view driver, std::u16string_view port);

// The system's temporary directory, with its trailing '\'.
std::u16string TempDirectory();
// The file's bytes, empty when it cannot be read; Remove deletes it if present.
std::string FileBytes(std::u16string_view path);
void RemoveFile(std::u16string_view path);

// The default value of a key under HKEY_LOCAL_MACHINE: none when the key or
// the value is missing; set (a value) or deleted (none).
std::optional<std::u16string> MachineDefaultValue(std::u16string_view key);
void SetMachineDefaultValue(std::u16string_view key, const std::optional<std::u16string>& value);

// GetLastError / SetLastError of the calling thread.
uint32_t LastError();
void SetLastError(uint32_t error);

}  // namespace orca::wintest
