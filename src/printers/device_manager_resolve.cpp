// SPDX-License-Identifier: Apache-2.0
// Model resolution: driver name -> model map file among the driver's dependent
// files -> display name from its "PrinterMap" section -> model catalogue ->
// printer object with the printer opened.
#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_names.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "printers/device_manager.h"
#include "printers/model_catalogue.h"
#include "settings/byte_access.h"
#include "text/ini.h"

namespace orca::printers {
namespace {

constexpr std::u16string_view kEnvironment64 = u"Windows x64";
constexpr std::u16string_view kEnvironment32 = u"Windows NT x86";
constexpr std::u16string_view kEnvironmentsKey =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\";
constexpr std::u16string_view kDriversKey = u"\\Drivers\\Version-3\\";
constexpr std::u16string_view kDependentFiles = u"Dependent Files";
constexpr std::uint32_t kDependentFilesBuffer = 1024;
constexpr std::u16string_view kModelMapSuffix = u".lbpm";

constexpr std::uint32_t kWindowsDirectoryChars = platform::kMaxPath;
constexpr std::u16string_view kDriverDirectory64 = u"\\system32\\spool\\drivers\\x64\\3\\";
constexpr std::u16string_view kDriverDirectory32 = u"\\system32\\spool\\drivers\\w32x86\\3\\";
constexpr std::u16string_view kPrinterMapSection = u"PrinterMap";
// The profile read's buffer: a display name is cut to 63 units.
constexpr std::size_t kDisplayNameBuffer = 64;

bool DecideSystem64(platform::System& system) {
    const platform::Wow64Answer wow64 = system.QueryWow64();
    if (wow64.functionFound && !wow64.callSucceeded)
        return false;
    const bool underWow64 = wow64.functionFound && wow64.isWow64;
    const std::uint16_t architecture = system.ProcessorArchitecture();
    return underWow64 || architecture == platform::kArchitectureX64 ||
           architecture == platform::kArchitectureIa64;
}

// The first name of a string list (UTF-16LE, each name NUL-terminated) that
// ends in ".lbpm". The walk stops two bytes before the end of the data, where
// only the list's closing empty name can start.
std::optional<std::u16string> FirstModelMap(const std::vector<std::uint8_t>& data,
                                            std::uint32_t size) {
    const std::size_t end =
        std::min({std::size_t{size}, data.size(), std::size_t{kDependentFilesBuffer}});
    std::size_t at = 0;
    while (at + 2 < end) {
        std::u16string name;
        while (at + 1 < end) {
            const char16_t unit = settings::LoadU16(&data[at]);
            at += 2;
            if (unit == 0)
                break;
            name.push_back(unit);
        }
        if (name.ends_with(kModelMapSuffix))
            return name;
    }
    return std::nullopt;
}

// The model map file among the driver's dependent files.
std::optional<std::u16string> FindModelMapFile(platform::Registry& registry,
                                               std::u16string_view environment,
                                               std::u16string_view driverName) {
    std::u16string keyName(kEnvironmentsKey);
    keyName.append(environment).append(kDriversKey).append(driverName);
    platform::RegistryKey key = nullptr;
    if (registry.OpenLocalMachineKey(keyName, &key) != 0)
        return std::nullopt;
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    std::vector<std::uint8_t> data;
    // A list longer than the buffer fails to read and counts as missing.
    std::optional<std::u16string> found;
    if (registry.QueryValue(key, kDependentFiles, kDependentFilesBuffer, &type, &data, &size) == 0)
        found = FirstModelMap(data, size);
    registry.CloseKey(key);
    return found;
}

}  // namespace

bool CDeviceManager::Is64BitSystem() {
    if (const int decided = platform64_.load(); decided >= 0)
        return decided == 1;
    platform::System* system = platform::Current().system;
    const bool system64 = system != nullptr && DecideSystem64(*system);
    platform64_.store(system64 ? 1 : 0);
    return system64;
}

std::u16string CDeviceManager::LookupName(std::u16string_view driverName) {
    const platform::Ports& ports = platform::Current();
    if (ports.registry == nullptr || ports.system == nullptr || ports.files == nullptr)
        return std::u16string(driverName);
    const bool system64 = Is64BitSystem();
    const std::optional<std::u16string> mapFile =
        FindModelMapFile(*ports.registry, system64 ? kEnvironment64 : kEnvironment32, driverName);
    // A map named outside the driver directory is no map of the driver's.
    if (!mapFile || !platform::StaysInsideDirectory(*mapFile))
        return std::u16string(driverName);
    std::u16string path;
    const std::uint32_t length = ports.system->WindowsDirectory(&path, kWindowsDirectoryChars);
    if (length == 0 || length >= kWindowsDirectoryChars)
        return std::u16string(driverName);
    path.append(system64 ? kDriverDirectory64 : kDriverDirectory32).append(*mapFile);
    return text::ini::ReadString(ports.files->NativePath(path), kPrinterMapSection, driverName,
                                 driverName, kDisplayNameBuffer, ports.system->AnsiCodePage());
}

std::unique_ptr<CPrinterImplBase> CDeviceManager::ResolvePrinter(std::u16string_view printerName,
                                                                 std::u16string_view driverName) {
    const ModelFactory factory = ModelCatalogue().Find(LookupName(driverName));
    std::unique_ptr<CPrinterImplBase> printer = factory != nullptr ? factory() : nullptr;
    platform::Spooler* spooler = platform::Current().spooler;
    platform::PrinterHandle handle = nullptr;
    if (printer == nullptr || spooler == nullptr || !spooler->Open(printerName, &handle))
        return std::make_unique<CPrinterImpl_Null>();
    printer->AdoptPrinterHandle(handle);
    return printer;
}

}  // namespace orca::printers
