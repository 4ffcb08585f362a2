// SPDX-License-Identifier: Apache-2.0
// Model resolution: driver name -> "Dependent Files" -> model map file ->
// "PrinterMap" -> catalogue -> opened printer.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "printers/device_manager.h"
#include "printers/model_env.h"
#include "printers/printer_models.h"
#include "support/sim_env.h"

namespace orca::settings {
namespace {

using platform::sim::kEnvironmentX64;
using platform::sim::kEnvironmentX86;
using testing::AddDriver;
using testing::AddPrinter;
using testing::IsA;
using testing::IsOpen;

constexpr std::u16string_view kPrinter = u"Shipping";

// The driver's model map as a map file names its driver: "ACME 4x6".
constexpr char kMap[] = "[PrinterMap]\r\nACME 4x6=Heron(ONYX)\r\nOther=Kestrel(ORCA)\r\n";

struct ResolutionCase {
    const char* what;
    std::u16string driver;
    std::vector<std::u16string> dependentFiles;
    std::u16string mapFile;  // written with kMap unless empty
    std::string mapText;
    bool printerExists;
    bool (*expected)(const printers::CPrinterImplBase&);

    friend void PrintTo(const ResolutionCase& c, std::ostream* os) { *os << c.what; }
};

std::u16string Filler(std::size_t units) {
    return std::u16string(units, u'f');
}

// A string list's bytes: (units + 1) * 2 per name, then the closing 2 bytes.
// "labels.lbpm" and a filler of 498 units take exactly the 1024-byte buffer.
const std::vector<ResolutionCase> kCases{
    {"a map file renames the driver",
     u"ACME 4x6",
     {u"ORCAUI.dll", u"labels.lbpm"},
     u"labels.lbpm",
     kMap,
     true,
     IsA<printers::CPrinter_Heron_ONYX>},
    {"a name with .lbpm only in its middle is no map file",
     u"Osprey(ORCA)",
     {u"a.lbpm.bak"},
     u"a.lbpm.bak",
     "[PrinterMap]\r\nOsprey(ORCA)=Heron(ONYX)\r\n",
     true,
     IsA<printers::CPrinter_Osprey_ORCA>},
    {"the first map file listed is taken",
     u"ACME 4x6",
     {u"labels.lbpm", u"other.lbpm"},
     u"labels.lbpm",
     kMap,
     true,
     IsA<printers::CPrinter_Heron_ONYX>},
    {"no map file: a driver name that is a catalogue key",
     u"Osprey(ORCA)",
     {u"ORCAUI.dll"},
     u"",
     "",
     true,
     IsA<printers::CPrinter_Osprey_ORCA>},
    {"no dependent files at all",
     u"Osprey(ORCA)",
     {},
     u"",
     "",
     true,
     IsA<printers::CPrinter_Osprey_ORCA>},
    {"a map file without the driver's entry",
     u"Egret",
     {u"labels.lbpm"},
     u"labels.lbpm",
     kMap,
     true,
     IsA<printers::CPrinter_Egret_ORCA>},
    {"a listed map file that is missing",
     u"Ibis",
     {u"labels.lbpm"},
     u"",
     "",
     true,
     IsA<printers::CPrinter_Ibis_ORCA>},
    {"display names are case-sensitive",
     u"ACME 4x6",
     {u"labels.lbpm"},
     u"labels.lbpm",
     "[PrinterMap]\r\nacme 4x6=kestrel(orca)\r\n",
     true,
     IsA<printers::CPrinterImpl_Null>},
    {"a driver name in the wrong case",
     u"kestrel(orca)",
     {},
     u"",
     "",
     true,
     IsA<printers::CPrinterImpl_Null>},
    {"a printer that cannot be opened",
     u"ACME 4x6",
     {u"labels.lbpm"},
     u"labels.lbpm",
     kMap,
     false,
     IsA<printers::CPrinterImpl_Null>},
    // The same file reached from outside the driver directory is no map.
    {"a map file named with \"..\" is not read",
     u"Osprey(ORCA)",
     {u"..\\3\\labels.lbpm"},
     u"labels.lbpm",
     "[PrinterMap]\r\nOsprey(ORCA)=Heron(ONYX)\r\n",
     true,
     IsA<printers::CPrinter_Osprey_ORCA>},
    {"a map file named by an absolute path is not read",
     u"Osprey(ORCA)",
     {u"\\labels.lbpm"},
     u"labels.lbpm",
     "[PrinterMap]\r\nOsprey(ORCA)=Heron(ONYX)\r\n",
     true,
     IsA<printers::CPrinter_Osprey_ORCA>},
    {"a dependent-files list of exactly 1024 bytes is read",
     u"Osprey(ORCA)",
     {u"labels.lbpm", Filler(498)},
     u"labels.lbpm",
     "[PrinterMap]\r\nOsprey(ORCA)=Heron(ONYX)\r\n",
     true,
     IsA<printers::CPrinter_Heron_ONYX>},
    {"a dependent-files list over 1024 bytes counts as missing",
     u"Osprey(ORCA)",
     {u"labels.lbpm", Filler(499)},
     u"labels.lbpm",
     "[PrinterMap]\r\nOsprey(ORCA)=Heron(ONYX)\r\n",
     true,
     IsA<printers::CPrinter_Osprey_ORCA>},
};

class ResolutionTest : public testsupport::SimEnvTest,
                       public ::testing::WithParamInterface<ResolutionCase> {};

TEST_P(ResolutionTest, ResolvesTheModel) {
    const ResolutionCase& c = GetParam();
    SCOPED_TRACE(c.what);
    AddDriver(Env(), kEnvironmentX64, c.driver, c.dependentFiles, c.mapFile, c.mapText);
    if (c.printerExists)
        AddPrinter(Env(), kPrinter, c.driver);

    printers::CDeviceManager manager;
    std::unique_ptr<printers::CPrinterImplBase> printer =
        manager.ResolvePrinter(kPrinter, c.driver);
    const printers::CPrinterImplBase& resolved = *printer;
    EXPECT_TRUE(c.expected(resolved)) << typeid(resolved).name();
    const bool supported = !IsA<printers::CPrinterImpl_Null>(resolved);
    EXPECT_EQ(IsOpen(printer->Printer()), supported);
    EXPECT_EQ(printer->Settings().Printer(), printer->Printer())
        << "the settings handler reads stored settings through the same handle";
}

INSTANTIATE_TEST_SUITE_P(Cases, ResolutionTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ResolutionCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

// Which driver directory the map file is looked for in. The driver is installed
// for both environments, each with a map naming a different model.
struct PlatformCase {
    const char* what;
    std::uint16_t architecture;
    platform::Wow64Answer wow64;
    bool expect64;

    friend void PrintTo(const PlatformCase& c, std::ostream* os) { *os << c.what; }
};

constexpr platform::Wow64Answer kNotWow64{true, true, false};
constexpr platform::Wow64Answer kWow64{true, true, true};

const std::vector<PlatformCase> kPlatforms{
    {"64-bit process on a 64-bit system", platform::kArchitectureX64, kNotWow64, true},
    {"32-bit process on a 64-bit system", platform::kArchitectureX86, kWow64, true},
    {"32-bit system", platform::kArchitectureX86, kNotWow64, false},
    {"Itanium", platform::kArchitectureIa64, kNotWow64, true},
    {"a system without IsWow64Process", platform::kArchitectureX86, {false, false, false}, false},
    {"IsWow64Process fails", platform::kArchitectureX64, {true, false, false}, false},
};

class PlatformTest : public testsupport::SimEnvTest,
                     public ::testing::WithParamInterface<PlatformCase> {
protected:
    PlatformTest() {
        AddDriver(Env(), kEnvironmentX64, u"ACME 4x6", {u"labels.lbpm"}, u"labels.lbpm", kMap);
        AddDriver(Env(), kEnvironmentX86, u"ACME 4x6", {u"labels.lbpm"}, u"labels.lbpm",
                  "[PrinterMap]\r\nACME 4x6=Kestrel(ORCA)\r\n");
        AddPrinter(Env(), kPrinter, u"ACME 4x6");
    }

    void SetPlatform(std::uint16_t architecture, platform::Wow64Answer wow64) {
        platform::sim::SystemFacts facts = Env().Facts();
        facts.processorArchitecture = architecture;
        facts.wow64 = wow64;
        Env().SetFacts(facts);
    }

    static bool Resolved64(printers::CDeviceManager& manager) {
        return IsA<printers::CPrinter_Heron_ONYX>(*manager.ResolvePrinter(kPrinter, u"ACME 4x6"));
    }
};

TEST_P(PlatformTest, ChoosesTheDriverEnvironment) {
    const PlatformCase& c = GetParam();
    SetPlatform(c.architecture, c.wow64);
    printers::CDeviceManager manager;
    EXPECT_EQ(Resolved64(manager), c.expect64) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Platforms, PlatformTest, ::testing::ValuesIn(kPlatforms),
                         [](const ::testing::TestParamInfo<PlatformCase>& info) {
                             return "Case" + std::to_string(info.index);
                         });

TEST_F(PlatformTest, DecidesOncePerManager) {
    SetPlatform(platform::kArchitectureX86, kWow64);
    printers::CDeviceManager manager;
    ASSERT_TRUE(Resolved64(manager));
    SetPlatform(platform::kArchitectureX86, kNotWow64);
    EXPECT_TRUE(Resolved64(manager)) << "the first decision stands";
    printers::CDeviceManager another;
    EXPECT_FALSE(Resolved64(another));
}

}  // namespace
}  // namespace orca::settings
