// SPDX-License-Identifier: Apache-2.0
// Input as an attacker or a careless script gives it: each is refused with a
// message and an exit code, nothing is written, and later commands still work.
#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using HostileInputTest = HostTest;

TEST_F(HostileInputTest, ArgumentsThatWouldBreakTheStateAreRefused) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    std::vector<std::string> nested{"sheet", kOrcaPrinter};
    nested.insert(nested.end(), 10000, "answer dialog");
    nested.insert(nested.end(), 10000, "end");
    const std::string unclosed = "answer dialog\nshow\n";
    const Case cases[] = {
        {{"printer", "add", "Dock", "--driver", "two\nlines"}, kUsage, "a driver name must not"},
        {{"printer", "add", "Dock", "--driver", ""}, kUsage, "a driver name must not be empty"},
        {{"printer", "add", "Dock", "--driver", "A=B"}, kUsage, "or any of ,\\="},
        {{"printer", "add", "Dock", "--driver", "D", "--port", "file:/tmp/a\rb"},
         kUsage,
         "a port must not"},
        {{"printer", "add", "Dock\x7F", "--driver", "D"}, kUsage, "a printer name must not"},
        {nested, kUsage, "blocks nest deeper than 8"},
        {{"sheet", kOrcaPrinter, "-i"}, kUsage, "no `end` closes the block"},
    };
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string printers = ReadFile(StateFile("printers.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const HostRun run = Orcaui(c.args, c.args.back() == "-i" ? unclosed : "");
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(StateFile("printers.ini")), printers);
    }
    EXPECT_EQ(Orcaui({"printer", "remove", kOnyxPrinter}).exitCode, 0);
}

TEST_F(HostileInputTest, SpinStepsBeyondAnIntStopAtTheControlsRange) {
    for (const auto& [steps, shown] : {std::pair{"2147483647", "updown 1320 32767 (1..32767)"},
                                       std::pair{"-2147483648", "updown 1320 1 (1..32767)"}}) {
        const HostRun run = Orcaui({"sheet", kOrcaPrinter, std::string("spin 1320 ") + steps});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(shown), std::string::npos) << run.out;
    }
}

TEST_F(HostileInputTest, DamagedStateFilesAreToldWithTheirLine) {
    struct Case {
        const char* file;
        const char* content;
        const char* message;
    };
    const Case cases[] = {
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=.\n", "printers.ini:4: "},
        // A settings record is a file of the state's settings folder, never one outside.
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=/dev/zero\n",
         "printers.ini:4: Settings must be the name of a file in settings/"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nSettings=settings/../system.ini\n",
         "printers.ini:4: Settings must be the name of a file in settings/"},
        {"printers.ini", "[Printer1]\nName=P\nDriver=D\nPaper1=300,1016,1524,Big\n",
         "printers.ini:4: Paper1 must be"},
    };
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.content);
        const std::string before = ReadFile(StateFile(c.file));
        std::ofstream(StateFile(c.file), std::ios::binary) << c.content;
        const HostRun run = Orcaui({"printers"});
        EXPECT_EQ(run.exitCode, kState);
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        std::ofstream(StateFile(c.file), std::ios::binary) << before;
    }

    // A folder where printers.ini belongs is an error; an empty file is no printers.
    std::filesystem::remove(StateFile("printers.ini"));
    std::filesystem::create_directory(StateFile("printers.ini"));
    const HostRun folder = Orcaui({"printers"});
    EXPECT_EQ(folder.exitCode, kState);
    EXPECT_NE(folder.err.find("printers.ini: is not a file"), std::string::npos) << folder.err;
    std::filesystem::remove(StateFile("printers.ini"));
    std::ofstream(StateFile("printers.ini")).flush();
    const HostRun none = Orcaui({"printers"});
    EXPECT_EQ(none.exitCode, 0) << none.err;
    EXPECT_TRUE(none.out.starts_with("no printers")) << none.out;
}

TEST_F(HostileInputTest, AStoredBlockClaimingMoreThanItsFileIsToldWithItsLineNotLoaded) {
    ASSERT_EQ(Orcaui({"sheet", kOrcaPrinter, "select 1017 5", "apply"}).exitCode, 0);
    const std::filesystem::path record = StateFile("settings/printer1.bin");
    std::string bytes = ReadFile(record);
    ASSERT_GT(bytes.size(), 240u);
    // The block's dwSize, then its two record sizes.
    const size_t block = 220;
    bytes.replace(block, 4, "\xFF\xFF\xFF\x7F");
    bytes.replace(block + 18, 4, "\xFF\xFF\xFF\xFF");
    std::ofstream(record, std::ios::binary) << bytes;
    for (const std::vector<std::string>& args : {std::vector<std::string>{"printers"},
                                                 {"settings", kOrcaPrinter},
                                                 {"sheet", kOrcaPrinter}}) {
        const HostRun run = Orcaui(args);
        EXPECT_EQ(run.exitCode, kState) << args[0];
        EXPECT_NE(run.err.find("printers.ini:5: "), std::string::npos) << run.err;
        EXPECT_NE(run.err.find("its block claims 2147483647 bytes"), std::string::npos) << run.err;
    }
}

TEST_F(HostileInputTest, HostAndPlugInAgreeThatAMapOutsideTheDriverDirectoryIsNone) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::filesystem::path outside = Scratch() / "outside.lbpm";
    std::ofstream(outside) << "[PrinterMap]\r\nORCA Kestrel=Heron(ONYX)\r\n";
    for (const std::string& map :
         {outside.string(), std::string("..\\..\\..\\..\\..\\..\\..\\") + "outside.lbpm"}) {
        SCOPED_TRACE(map);
        std::ofstream(StateFile("drivers.ini"))
            << "[Driver1]\nName=ORCA Kestrel\nDependentFile1=ORCAUI.dll\nDependentFile2=" << map
            << "\n\n[Driver2]\nName=ONYX Heron\nDependentFile1=labels.lbpm\n";
        const HostRun run = Orcaui({"printers"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        // The driver's own name is no model: unsupported for both.
        EXPECT_NE(run.out.find("Kestrel(ORCA)  (unsupported)  -"), std::string::npos) << run.out;
        EXPECT_EQ(Orcaui({"printer", "add", "Dock", "--driver", "ORCA Kestrel", "--model",
                          "Kestrel(ORCA)"})
                      .exitCode,
                  kUsage);
    }
}

}  // namespace
}  // namespace orca::hosttest
