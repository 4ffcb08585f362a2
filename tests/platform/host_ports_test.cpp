// SPDX-License-Identifier: Apache-2.0
// The simulated registry, system facts, files and process.
#include <gtest/gtest.h>

#include <thread>

#include "platform/errors.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "support/sim_env.h"
#include "text/utf.h"

namespace orca::platform {
namespace {

constexpr char16_t kOrcaKey[] =
    u"SYSTEM\\CurrentControlSet\\Control\\Print\\Environments\\Windows x64\\Drivers\\Version-3\\"
    u"ORCA Kestrel";

class HostPortsTest : public testsupport::SimEnvTest {
protected:
    Registry& Reg() { return *Ports().registry; }
    Files& File() { return *Ports().files; }
    uint32_t LastError() { return Ports().process->LastError(); }
};

TEST_F(HostPortsTest, DriverKeysHoldTheDependentFilesAsAStringList) {
    Env().AddDriver(sim::Driver{.name = u"ORCA Kestrel",
                                .environment = sim::kEnvironmentX64,
                                .dependentFiles = {u"a.dll", u"labels.lbpm"}});
    RegistryKey key = nullptr;
    ASSERT_EQ(Reg().OpenLocalMachineKey(
                  u"system\\currentcontrolset\\control\\print\\environments\\WINDOWS X64\\"
                  u"drivers\\version-3\\orca kestrel",
                  &key),
              0);

    uint32_t type = 0;
    uint32_t size = 0;
    std::vector<uint8_t> data;
    ASSERT_EQ(Reg().QueryValue(key, u"Dependent Files", 0, &type, nullptr, &size), 0);
    EXPECT_EQ(type, kRegMultiString);
    EXPECT_EQ(size, 2u * (6 + 12 + 1));
    EXPECT_EQ(Reg().QueryValue(key, u"Dependent Files", size - 1, &type, &data, &size),
              int32_t(kErrorMoreData));
    EXPECT_TRUE(data.empty());
    ASSERT_EQ(Reg().QueryValue(key, u"Dependent Files", 1024, &type, &data, &size), 0);
    const std::u16string names(reinterpret_cast<const char16_t*>(data.data()), data.size() / 2);
    EXPECT_EQ(names, std::u16string(u"a.dll\0labels.lbpm\0\0", 19));

    EXPECT_EQ(Reg().QueryValue(key, u"Driver", 1024, &type, &data, &size),
              int32_t(kErrorFileNotFound));
    EXPECT_EQ(Reg().CloseKey(key), 0);
    EXPECT_EQ(Reg().CloseKey(key), int32_t(kErrorInvalidHandle));
}

TEST_F(HostPortsTest, MissingDriverKeysAndValues) {
    Env().AddDriver(sim::Driver{
        .name = u"ORCA Kestrel", .environment = sim::kEnvironmentX86, .dependentFiles = {}});
    RegistryKey key = nullptr;
    // Registered for 32-bit systems only.
    EXPECT_EQ(Reg().OpenLocalMachineKey(kOrcaKey, &key), int32_t(kErrorFileNotFound));
    EXPECT_EQ(Reg().OpenLocalMachineKey(u"SYSTEM\\CurrentControlSet", &key),
              int32_t(kErrorFileNotFound));

    std::u16string x86 = kOrcaKey;
    x86.replace(x86.find(u"Windows x64"), 11, u"Windows NT x86");
    ASSERT_EQ(Reg().OpenLocalMachineKey(x86, &key), 0);
    uint32_t type = 0;
    uint32_t size = 0;
    EXPECT_EQ(Reg().QueryValue(key, u"Dependent Files", 0, &type, nullptr, &size),
              int32_t(kErrorFileNotFound));
    Reg().CloseKey(key);
}

TEST_F(HostPortsTest, DirectoriesAnswerLikeThePlatformForEveryBufferSize) {
    System& sys = *Ports().system;
    std::u16string windows;
    const uint32_t length = sys.WindowsDirectory(&windows, 260);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(windows.size(), length);
    EXPECT_TRUE(std::filesystem::is_directory(File().NativePath(windows)));

    std::u16string untouched = u"keep";
    EXPECT_EQ(sys.WindowsDirectory(&untouched, length), length + 1);
    EXPECT_EQ(untouched, u"keep");
    EXPECT_EQ(sys.WindowsDirectory(&untouched, length + 1), length);

    std::u16string system;
    ASSERT_GT(sys.SystemDirectory(&system, 261), 0u);
    EXPECT_EQ(system, windows + u"/system32");

    std::u16string temp;
    ASSERT_GT(File().TempDirectory(&temp, 261), 0u);
    EXPECT_EQ(temp.back(), u'/');
    EXPECT_TRUE(std::filesystem::is_directory(File().NativePath(temp)));
    EXPECT_EQ(std::filesystem::path(File().NativePath(temp)).parent_path().parent_path(), Root());
}

TEST_F(HostPortsTest, SystemFactsAreTheEnvironmentsOwn) {
    sim::SystemFacts facts;
    facts.processorArchitecture = kArchitectureX86;
    facts.wow64 = {.functionFound = true, .callSucceeded = false, .isWow64 = false};
    facts.defaultLanguage = 0x0804;
    facts.ansiCodePage = 936;
    facts.processName = u"explorer.exe";
    Env().SetFacts(facts);

    System& sys = *Ports().system;
    EXPECT_EQ(sys.ProcessorArchitecture(), kArchitectureX86);
    EXPECT_EQ(sys.QueryWow64(), facts.wow64);
    EXPECT_EQ(sys.DefaultLanguage(), 0x0804);
    EXPECT_EQ(sys.AnsiCodePage(), 936u);
    EXPECT_EQ(Ports().process->ExecutableName(), u"explorer.exe");
}

TEST_F(HostPortsTest, LastErrorBelongsToTheCallingThread) {
    Process& process = *Ports().process;
    process.SetLastError(122);
    uint32_t other = 1;
    std::thread([&] { other = process.LastError(); }).join();
    EXPECT_EQ(other, 0u);
    EXPECT_EQ(process.LastError(), 122u);
}

TEST_F(HostPortsTest, WholeFilesAreWrittenReadAndDeletedWithEitherSeparator) {
    std::u16string temp;
    File().TempDirectory(&temp, 261);
    const std::u16string path = temp + u"sub\\..\\Kestrel(ORCA)_EN.ini";
    std::filesystem::create_directories(File().NativePath(temp + u"sub"));

    EXPECT_FALSE(File().Exists(path));
    const std::vector<uint8_t> bytes{0xFF, 0xFE, '[', 0, ']', 0};
    ASSERT_TRUE(File().WriteNewFile(path, bytes));
    EXPECT_TRUE(File().Exists(path));
    EXPECT_TRUE(File().WriteNewFile(path, std::vector<uint8_t>{'a'}));  // truncates

    std::vector<uint8_t> read;
    ASSERT_TRUE(File().ReadWholeFile(temp + u"Kestrel(ORCA)_EN.ini", &read));
    EXPECT_EQ(read, std::vector<uint8_t>{'a'});

    ASSERT_TRUE(File().Remove(path));
    EXPECT_FALSE(File().Exists(path));
    EXPECT_FALSE(File().Remove(path));
    EXPECT_EQ(LastError(), kErrorFileNotFound);
    read = {1, 2};
    EXPECT_FALSE(File().ReadWholeFile(path, &read));
    EXPECT_EQ(read, (std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(File().ReadWholeFile(u"", &read));
    EXPECT_FALSE(File().ReadWholeFile(temp, &read));  // a directory
    EXPECT_FALSE(File().WriteNewFile(temp + u"no\\such\\dir\\f", bytes));
}

TEST(DetachedEnvironment, FailsInsteadOfReachingTheMachine) {
    const Ports& ports = Current();
    std::u16string path;
    EXPECT_EQ(ports.files->TempDirectory(&path, 261), 0u);
    EXPECT_EQ(ports.system->WindowsDirectory(&path, 261), 0u);
    PrinterHandle h = nullptr;
    EXPECT_FALSE(ports.spooler->Open(u"Kestrel(ORCA)", &h));
}

TEST(InstalledEnvironment, IsThePlatformOnlyWhileInstalled) {
    const Ports* before = &Current();
    {
        testsupport::ScopedSimEnvironment sim;
        EXPECT_EQ(Current().spooler, sim.Ports().spooler);
    }
    EXPECT_EQ(&Current(), before);
}

}  // namespace
}  // namespace orca::platform
