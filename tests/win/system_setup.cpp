// SPDX-License-Identifier: Apache-2.0
#include "system_setup.h"

#include <windows.h>
// winspool.h needs windows.h first.
#include <winspool.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orca::wintest {

namespace {

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

// Maps the test drivers to their models.
constexpr char kModelMap[] =
    "[PrinterMap]\r\n"
    "ORCA Kestrel=Kestrel(ORCA)\r\n"
    "ONYX Heron=Heron(ONYX)\r\n";

bool WriteFile(const std::wstring& path, std::string_view bytes) {
    std::ofstream out(std::filesystem::path(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::wstring DriverDirectory() {
    wchar_t directory[MAX_PATH] = {};
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(directory),
                                    sizeof(directory), &needed))
        return {};
    return directory;
}

}  // namespace

bool InstallDriver(std::u16string_view driver, bool withMap) {
    // The spooler copies the driver's files from where they are named.
    const std::wstring source = Wide(TempDirectory());
    const std::wstring driverFile = source + L"orca_driver.dll";
    const std::wstring configFile = source + L"orca_config.dll";
    const std::wstring dataFile = source + L"orca_data.gpd";
    for (const std::wstring& file : {driverFile, configFile, dataFile}) {
        if (!WriteFile(file, "driver file"))
            return false;
    }
    // The spooler leaves dependent files to the installer: the model map goes
    // into the version-3 driver directory, where the plug-in looks for it.
    std::wstring dependent = L"orca_data.gpd";
    dependent.push_back(L'\0');
    if (withMap) {
        dependent += Wide(kModelMapFile);
        dependent.push_back(L'\0');
        if (!WriteFile(DriverDirectory() + L"\\3\\" + Wide(kModelMapFile), kModelMap))
            return false;
    }
    dependent.push_back(L'\0');
    std::wstring name = Wide(driver);
    std::wstring environment = L"Windows x64";
    DRIVER_INFO_3W info{};
    info.cVersion = 3;
    info.pName = name.data();
    info.pEnvironment = environment.data();
    info.pDriverPath = const_cast<wchar_t*>(driverFile.c_str());
    info.pConfigFile = const_cast<wchar_t*>(configFile.c_str());
    info.pDataFile = const_cast<wchar_t*>(dataFile.c_str());
    info.pDependentFiles = dependent.data();
    return AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&info), APD_COPY_NEW_FILES) !=
           FALSE;
}

bool AddPrinter(std::u16string_view name, std::u16string_view driver, std::u16string_view port) {
    std::wstring printerName = Wide(name);
    std::wstring driverName = Wide(driver);
    std::wstring portName = Wide(port);
    std::wstring processor = L"winprint";
    std::wstring dataType = L"RAW";
    PRINTER_INFO_2W info{};
    info.pPrinterName = printerName.data();
    info.pDriverName = driverName.data();
    info.pPortName = portName.data();
    info.pPrintProcessor = processor.data();
    info.pDatatype = dataType.data();
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer == nullptr)
        return GetLastError() == ERROR_PRINTER_ALREADY_EXISTS;
    ClosePrinter(printer);
    return true;
}

std::u16string PortFile(std::u16string_view printer) {
    return TempDirectory() + std::u16string(printer) + u".prn";
}

bool InstallTestPrinters() {
    struct Row {
        const char16_t* printer;
        const char16_t* driver;
        bool withMap;
    };
    for (const Row& row :
         {Row{kOrcaPrinter, kOrcaDriver, true}, Row{kOnyxPrinter, kOnyxDriver, true},
          Row{kUnknownPrinter, kUnknownDriver, false}}) {
        if (!InstallDriver(row.driver, row.withMap) ||
            !AddPrinter(row.printer, row.driver, PortFile(row.printer)))
            return false;
    }
    return true;
}

std::u16string TempDirectory() {
    wchar_t directory[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, directory);
    return std::u16string(directory, directory + length);
}

std::string FileBytes(std::u16string_view path) {
    std::ifstream in(std::filesystem::path(Wide(path)), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void RemoveFile(std::u16string_view path) {
    DeleteFileW(Wide(path).c_str());
}

uint32_t LastError() {
    return GetLastError();
}

void SetLastError(uint32_t error) {
    ::SetLastError(error);
}

std::optional<std::u16string> MachineDefaultValue(std::u16string_view key) {
    wchar_t value[512] = {};
    DWORD size = sizeof value - sizeof(wchar_t);
    if (RegGetValueW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::u16string(value, value + wcslen(value));
}

void SetMachineDefaultValue(std::u16string_view key, const std::optional<std::u16string>& value) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, Wide(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return;
    if (value) {
        const std::wstring text = Wide(*value);
        RegSetValueExW(opened, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(opened, nullptr);
    }
    RegCloseKey(opened);
}

}  // namespace orca::wintest
