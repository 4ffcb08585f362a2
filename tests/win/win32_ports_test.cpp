// SPDX-License-Identifier: Apache-2.0
// The Win32 adapters against the system's own spooler, registry, system
// information, files and process, as Wine implements them. Where Wine only
// stubs a call (adding, changing and deleting forms) the simulated spooler's
// tests cover the behaviour the system relies on.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/spooler.h"
#include "platform/system.h"
#include "system_setup.h"
#include "text/nocase.h"

namespace orca::wintest {
namespace {

using platform::Current;

class Win32PortsTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(InstallTestPrinters()); }

    platform::Spooler& Spooler() { return *Current().spooler; }
    uint32_t LastError() { return Current().process->LastError(); }

    platform::PrinterHandle Open(std::u16string_view name) {
        platform::PrinterHandle handle = nullptr;
        EXPECT_TRUE(Spooler().Open(name, &handle));
        return handle;
    }
};

bool EndsWithNoCase(std::u16string_view text, std::u16string_view tail) {
    return text.size() >= tail.size() &&
           text::EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

std::u16string DeviceName(const std::vector<uint8_t>& devMode) {
    std::u16string name;
    for (size_t i = 0; i + 1 < 64 && (devMode[i] != 0 || devMode[i + 1] != 0); i += 2)
        name.push_back(static_cast<char16_t>(devMode[i] | devMode[i + 1] << 8));
    return name;
}

TEST_F(Win32PortsTest, PrintersOpenByNameAndCloseOnce) {
    platform::PrinterHandle handle = nullptr;
    EXPECT_FALSE(Spooler().Open(u"No Such Printer", &handle));
    EXPECT_EQ(LastError(), platform::kErrorInvalidPrinterName);

    handle = Open(kOrcaPrinter);
    EXPECT_TRUE(Spooler().Close(handle));
    EXPECT_FALSE(Spooler().Close(handle));
    EXPECT_EQ(LastError(), platform::kErrorInvalidHandle);
}

TEST_F(Win32PortsTest, LevelTwoIsSizedThenReadAndItsSettingsStored) {
    platform::PrinterHandle handle = Open(kOnyxPrinter);
    uint32_t needed = 0;
    platform::PrinterInfo2 info;
    EXPECT_FALSE(Spooler().GetInfo2(handle, 0, &info, &needed));
    EXPECT_EQ(LastError(), platform::kErrorInsufficientBuffer);
    EXPECT_GT(needed, platform::kPrinterInfo2Size);
    EXPECT_TRUE(info.printerName.empty());

    ASSERT_TRUE(Spooler().GetInfo2(handle, needed, &info, &needed));
    EXPECT_EQ(info.printerName, kOnyxPrinter);
    EXPECT_EQ(info.driverName, kOnyxDriver);
    EXPECT_EQ(info.portName, PortFile(kOnyxPrinter));
    ASSERT_GE(info.devMode.size(), 220u);

    // The stored settings take a private block behind the public record.
    platform::PrinterInfo2 changed = info;
    changed.devMode.resize(220);
    changed.devMode[70] = 16;  // dmDriverExtra
    changed.devMode[71] = 0;
    changed.devMode.insert(changed.devMode.end(), {'Z', 'O', 'R', 'V'});
    changed.devMode.resize(220 + 16, 0x5A);
    ASSERT_TRUE(Spooler().SetInfo2(handle, changed));
    platform::PrinterInfo2 reread;
    ASSERT_TRUE(platform::ReadPrinterInfo2(Spooler(), handle, &reread));
    // The spooler keeps the device name only up to its terminator.
    constexpr size_t kAfterDeviceName = 64;
    ASSERT_EQ(reread.devMode.size(), changed.devMode.size());
    EXPECT_TRUE(std::equal(reread.devMode.begin() + kAfterDeviceName, reread.devMode.end(),
                           changed.devMode.begin() + kAfterDeviceName));
    EXPECT_EQ(DeviceName(reread.devMode), DeviceName(changed.devMode));
    EXPECT_EQ(reread.portName, info.portName);

    // A record whose sizes do not add up to its length is refused.
    changed.devMode.pop_back();
    EXPECT_FALSE(Spooler().SetInfo2(handle, changed));
    EXPECT_EQ(LastError(), platform::kErrorInvalidParameter);

    EXPECT_TRUE(Spooler().GetInfo9Size(handle, &needed));
    EXPECT_GE(needed, 220u);
    Spooler().Close(handle);
}

TEST_F(Win32PortsTest, RawJobsReachThePortOrTheOutputFile) {
    const std::u16string port = PortFile(kOrcaPrinter);
    const std::u16string output = TempDirectory() + u"raw job output.prn";
    RemoveFile(port);
    RemoveFile(output);
    platform::PrinterHandle handle = Open(kOrcaPrinter);

    uint32_t written = 0;
    EXPECT_FALSE(Spooler().Write(handle, std::span<const uint8_t>(), &written));
    EXPECT_EQ(Spooler().EndDocument(handle), false);

    const std::string calibrate = "~JC^XA^XZ";
    const auto bytes =
        std::span(reinterpret_cast<const uint8_t*>(calibrate.data()), calibrate.size());
    struct Case {
        const char* name;
        std::u16string outputFile;
        std::u16string target;
    };
    for (const Case& c : {Case{"port", u"", port}, Case{"output file", output, output}}) {
        SCOPED_TRACE(c.name);
        const uint32_t job = Spooler().StartDocument(handle, {u"Calibrate", c.outputFile, u"RAW"});
        ASSERT_NE(job, 0u);
        EXPECT_TRUE(Spooler().StartPage(handle));
        EXPECT_TRUE(Spooler().Write(handle, bytes, &written));
        EXPECT_EQ(written, calibrate.size());
        EXPECT_TRUE(Spooler().EndPage(handle));
        EXPECT_TRUE(Spooler().EndDocument(handle));
        EXPECT_EQ(FileBytes(c.target), calibrate);
    }
    Spooler().Close(handle);
}

TEST_F(Win32PortsTest, BuiltInFormsAreReadAndListed) {
    platform::PrinterHandle handle = Open(kOrcaPrinter);
    platform::FormInfo1 letter;
    ASSERT_TRUE(platform::ReadForm1(Spooler(), handle, u"Letter", &letter));
    EXPECT_EQ(letter.name, u"Letter");
    EXPECT_EQ(letter.flags, platform::kFormBuiltin);
    EXPECT_EQ(letter.width, 215900);
    EXPECT_EQ(letter.height, 279400);

    uint32_t needed = 0;
    EXPECT_FALSE(Spooler().GetForm1(handle, u"No Such Form", 0, nullptr, &needed));
    EXPECT_EQ(LastError(), platform::kErrorInvalidFormName);

    uint32_t returned = 0;
    std::vector<platform::FormInfo1> forms;
    EXPECT_FALSE(Spooler().EnumForms1(handle, 0, &forms, &needed, &returned));
    EXPECT_EQ(LastError(), platform::kErrorInsufficientBuffer);
    ASSERT_TRUE(Spooler().EnumForms1(handle, needed, &forms, &needed, &returned));
    EXPECT_EQ(forms.size(), returned);
    EXPECT_NE(std::ranges::find(forms, letter), forms.end());
    Spooler().Close(handle);
}

TEST_F(Win32PortsTest, DriverKeyListsItsDependentFiles) {
    platform::Registry& registry = *Current().registry;
    const std::u16string key =
        u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\"
        u"Version-3\\" +
        std::u16string(kOrcaDriver);
    platform::RegistryKey missing = nullptr;
    EXPECT_EQ(registry.OpenLocalMachineKey(key + u" Missing", &missing), 2);

    platform::RegistryKey opened = nullptr;
    ASSERT_EQ(registry.OpenLocalMachineKey(key, &opened), 0);
    uint32_t type = 0;
    uint32_t size = 0;
    EXPECT_EQ(registry.QueryValue(opened, u"Dependent Files", 0, &type, nullptr, &size), 0);
    EXPECT_EQ(type, platform::kRegMultiString);
    std::vector<uint8_t> data{1, 2, 3};
    for (uint32_t small : {0u, 4u}) {
        EXPECT_EQ(registry.QueryValue(opened, u"Dependent Files", small, &type, &data, &size), 234);
        EXPECT_EQ(data, (std::vector<uint8_t>{1, 2, 3}));
    }
    ASSERT_EQ(registry.QueryValue(opened, u"Dependent Files", 1024, &type, &data, &size), 0);
    ASSERT_EQ(data.size(), size);
    const std::u16string names(reinterpret_cast<const char16_t*>(data.data()), size / 2);
    EXPECT_NE(names.find(std::u16string(kModelMapFile) + u'\0'), std::u16string::npos);
    EXPECT_EQ(names.substr(names.size() - 2), std::u16string(2, u'\0'));
    EXPECT_EQ(registry.QueryValue(opened, u"No Such Value", 1024, &type, &data, &size), 2);
    EXPECT_EQ(registry.CloseKey(opened), 0);
}

TEST_F(Win32PortsTest, SystemFactsAreThoseOfA64BitProcess) {
    platform::System& system = *Current().system;
    struct Directory {
        const char* name;
        uint32_t (platform::System::*call)(std::u16string*, uint32_t);
        const char16_t* tail;
    };
    for (const Directory& d :
         {Directory{"system", &platform::System::SystemDirectory, u"\\system32"},
          Directory{"windows", &platform::System::WindowsDirectory, u"\\windows"}}) {
        SCOPED_TRACE(d.name);
        std::u16string path = u"untouched";
        const uint32_t needed = (system.*d.call)(&path, 3);
        EXPECT_GT(needed, 3u);
        EXPECT_EQ(path, u"untouched");
        EXPECT_EQ((system.*d.call)(&path, 261), needed - 1);
        EXPECT_EQ(path.size(), needed - 1);
        EXPECT_TRUE(EndsWithNoCase(path, d.tail)) << testing::PrintToString(path);
    }
    EXPECT_EQ(system.QueryWow64(), (platform::Wow64Answer{true, true, false}));
    EXPECT_EQ(system.ProcessorArchitecture(), platform::kArchitectureX64);
    EXPECT_NE(system.DefaultLanguage(), 0);
    EXPECT_NE(system.AnsiCodePage(), 0u);
}

TEST_F(Win32PortsTest, FilesAreWrittenReadAndRemovedUnderAnyName) {
    platform::Files& files = *Current().files;
    std::u16string temp;
    const uint32_t length = files.TempDirectory(&temp, 261);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(temp.size(), length);
    EXPECT_EQ(temp.back(), u'\\');
    std::u16string untouched = u"untouched";
    EXPECT_EQ(files.TempDirectory(&untouched, 2), length + 1);
    EXPECT_EQ(untouched, u"untouched");

    // A name outside every ANSI code page.
    const std::u16string path = temp + u"\u6807\u7B7E \u0436.drvs";
    files.Remove(path);
    EXPECT_FALSE(files.Exists(path));
    std::vector<uint8_t> bytes{9};
    EXPECT_FALSE(files.ReadWholeFile(path, &bytes));
    EXPECT_EQ(bytes, std::vector<uint8_t>{9});
    const std::vector<uint8_t> content{0, 'Z', 'O', 'R', 'V', 0xFF, 0x0D, 0x0A};
    ASSERT_TRUE(files.WriteNewFile(path, content));
    EXPECT_TRUE(files.Exists(path));
    ASSERT_TRUE(files.ReadWholeFile(path, &bytes));
    EXPECT_EQ(bytes, content);
    EXPECT_TRUE(std::filesystem::exists(files.NativePath(path)));
    EXPECT_TRUE(files.Remove(path));
    EXPECT_FALSE(files.Remove(path));
    EXPECT_EQ(LastError(), platform::kErrorFileNotFound);
}

TEST_F(Win32PortsTest, ProcessIsNamedByItsSnapshotEntry) {
    platform::Process& process = *Current().process;
    EXPECT_TRUE(text::EqualsNoCase(process.ExecutableName(), u"test_win32_ports.exe"))
        << testing::PrintToString(process.ExecutableName());
    process.SetLastError(1906);
    EXPECT_EQ(process.LastError(), 1906u);
}

}  // namespace
}  // namespace orca::wintest
