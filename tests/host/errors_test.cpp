// SPDX-License-Identifier: Apache-2.0
// Each kind of fault: a clear message on standard error, its own exit code,
// nothing on standard output, and the state directory as it was.
#include <sys/wait.h>

#include <cstdlib>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using ErrorsTest = HostTest;

// A number an environment variable sets is refused unless it is one, in its
// range, before the run makes or locks anything: never taken for the default,
// never clamped.
TEST_F(ErrorsTest, EnvironmentNumbersOutsideTheirRangeAreRefusedBeforeAnythingIsMade) {
    struct Case {
        const char* variable;
        const char* value;
        const char* message;
    };
    const Case cases[] = {
        {"ORCAUI_LOCK_TIMEOUT", "soon",
         "must be a whole number from 0 to 86400 seconds, not \"soon\""},
        {"ORCAUI_LOCK_TIMEOUT", "-1", "must be a whole number from 0 to 86400 seconds"},
        {"ORCAUI_LOCK_TIMEOUT", "2.5", "must be a whole number from 0 to 86400 seconds"},
        {"ORCAUI_LOCK_TIMEOUT", "86401", "is too large: 86401 (it takes 0 to 86400 seconds)"},
        {"ORCAUI_LOCK_TIMEOUT", "99999999999999999999999", "is too large"},
        {"ORCAUI_JOB_LOG_JOBS", "0", "must be a whole number from 1 to 1000000 jobs, not \"0\""},
        {"ORCAUI_JOB_LOG_JOBS", "many", "must be a whole number from 1 to 1000000 jobs"},
        {"ORCAUI_JOB_LOG_BYTES", "1M", "must be a whole number from 1 to 16777216 bytes"},
        {"ORCAUI_JOB_LOG_BYTES", "16777217", "is too large: 16777217"},
    };
    for (const Case& c : cases) {
        const HostRun refused = Orcaui({"printers"}, {}, {{c.variable, c.value}});
        EXPECT_EQ(refused.exitCode, kUsage) << c.variable << "=" << c.value;
        EXPECT_NE(refused.err.find(std::string(c.variable) + " " + c.message), std::string::npos)
            << refused.err;
        EXPECT_TRUE(refused.out.empty());
        EXPECT_FALSE(std::filesystem::exists(State())) << c.variable << "=" << c.value;
    }
    const HostRun empty = Orcaui({"printers"}, {}, {{"ORCAUI_JOB_LOG_JOBS", ""}});
    EXPECT_EQ(empty.exitCode, 0) << empty.err;
}

TEST_F(ErrorsTest, FaultsAreToldWithTheirExitCodeAndChangeNothing) {
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"settings", "Nowhere"}, kUnknownPrinter, "no printer named \"Nowhere\""},
        {{"sheet", "Nowhere"}, kUnknownPrinter, "no printer named \"Nowhere\""},
        {{"jobs", "Nowhere"}, kUnknownPrinter, "no printer named \"Nowhere\""},
        {{"printer", "remove", "Nowhere"}, kUnknownPrinter, "no printer named \"Nowhere\""},
        {{"sheet", kOrcaPrinter, "tab Nowhere"}, kRefused, "no tab \"Nowhere\"; the tabs are"},
        {{"sheet", kOrcaPrinter, "click 4242"}, kRefused, "no control 4242"},
        {{"sheet", kOrcaPrinter, "tab Dithering", "select IDC_DITHER_RADIO_NONO x"},
         kRefused,
         "is not a list"},
        {{"sheet", kOrcaPrinter, "frobnicate 12"}, kUsage, "unknown action \"frobnicate\""},
        {{"sheet", kOrcaPrinter, "click"}, kUsage, "which control?"},
        {{"sheet", kOrcaPrinter, "type 1014 \"open"}, kUsage, "a quote is not closed"},
        {{"sheet", kOrcaPrinter, "spin 1090 up"}, kUsage, "STEPS must be a whole number"},
        {{"sheet", kOrcaPrinter, "answer dialog"}, kUsage, "no `end` closes the block"},
        {{"sheet", kOrcaPrinter, "end"}, kUsage, "`end` without `answer dialog`"},
        {{"printer", "add", "Dock", "--driver", "ORCA Kestrel", "--port", "lpt1"},
         kUsage,
         "the port must be"},
        {{"printer", "add", "Dock", "--driver", "X", "--model", "Kestrel"}, kUsage, "no model"},
        {{"printer", "add", kOnyxPrinter, "--driver", "ONYX Heron"},
         kUsage,
         "exists already, with another driver or port"},
        {{"jobs", kOrcaPrinter, "--clear", "--json"}, kUsage, "give --clear or --json, not both"},
        {{}, kUsage, "usage: orcaui [--state DIR]"},
        {{"printer", "add", "A,B", "--driver", "ONYX Heron"}, kUsage, "must not"},
        {{"printers", "--colour"}, kUsage, "unknown option --colour"},
        {{"--colour", "printers"}, kUsage, "unknown option --colour"},
        {{"printer", "add", "Dock", "--driver", "ORCA Kestral"},
         kUsage,
         "no driver \"ORCA Kestral\" is installed (the nearest: \"ORCA Kestrel\"); a new driver "
         "needs --model"},
        {{"printer", "add", "Dock", "--driver", "ORCA Kestrel", "--port", "tcp:10.0.0.9:70000"},
         kUsage,
         "a TCP port is a number from 1 to 65535, not 70000"},
        {{"sheet", kOrcaPrinter, "tab Barcode Fonts", "click New"}, kRefused, "run with --shell"},
        {{"settings", kOrcaPrinter, "--export", "/nonexistent-directory/kestrel"},
         1,
         "could not write /nonexistent-directory/kestrel.drvs: No such file or directory"},
        {{"print"}, kUsage, "unknown command \"print\""},
        {{"printer"}, kUsage, "orcaui printer add"},
    };
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string printers = ReadFile(StateFile("printers.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const HostRun run = Orcaui(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.starts_with("orcaui: ") || c.args.empty()) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(StateFile("printers.ini")), printers);
    }
}

// A printer added again as it is is there already, so a setup script runs twice.
TEST_F(ErrorsTest, AddingAPrinterThatIsThereAlreadyChangesNothing) {
    const std::vector<std::string> add = {"printer",
                                          "add",
                                          "Dock",
                                          "--driver",
                                          "ONYX Heron",
                                          "--port",
                                          "file:" + (Scratch() / "dock.prn").string()};
    ASSERT_EQ(Orcaui(add).exitCode, 0);
    const std::string printers = ReadFile(StateFile("printers.ini"));
    const HostRun again = Orcaui(add);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "already there: Dock, with that driver and port\n");
    EXPECT_EQ(ReadFile(StateFile("printers.ini")), printers);
}

// A relative path needs the working directory: when it is gone, the run is
// refused instead of ending in an uncaught exception.
TEST_F(ErrorsTest, RelativePathsFromAWorkingDirectoryThatIsGoneAreRefused) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::vector<std::vector<std::string>> kCases = {
        {"printer", "add", "Dock", "--driver", "ONYX Heron", "--port", "file:rel.prn"},
        {"sheet", kOrcaPrinter, "tab Tools", "answer file rel.prn"},
        {"settings", kOrcaPrinter, "--export", "rel.drvs"},
    };
    const std::filesystem::path home = std::filesystem::current_path();
    const std::filesystem::path gone = Scratch() / "gone";
    for (const auto& args : kCases) {
        SCOPED_TRACE(testing::PrintToString(args));
        std::filesystem::create_directory(gone);
        std::filesystem::current_path(gone);
        std::filesystem::remove(gone);
        const HostRun run = Orcaui(args);
        std::filesystem::current_path(home);
        EXPECT_EQ(run.exitCode, kUsage) << run.err;
        EXPECT_NE(run.err.find("working directory that is gone"), std::string::npos) << run.err;
    }
}

TEST_F(ErrorsTest, ImportOfAFileThatIsNoSettingsFileSaysSo) {
    const std::filesystem::path notes = Scratch() / "notes.drvs";
    std::ofstream(notes) << "[Shopping]\nmilk=2\n";
    const HostRun run = Orcaui({"settings", kOrcaPrinter, "--import", notes.string()});
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_NE(run.err.find("is not a settings file"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("does not support this profile"), std::string::npos) << run.err;
}

TEST_F(ErrorsTest, HelpNamesEveryExitCodeAndEnvironmentVariable) {
    const HostRun run = Orcaui({"--help"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* told :
         {"\n  0 ", "\n  1 ", "\n  2 ", "\n  3 ", "\n  4 ", "\n  5 ", "\n  6 ", "\n  7 ",
          "ORCAUI_LOCK_TIMEOUT", "ORCAUI_JOB_LOG_JOBS", "ORCAUI_JOB_LOG_BYTES", "XDG_STATE_HOME"})
        EXPECT_NE(run.out.find(told), std::string::npos) << told << "\n" << run.out;
}

TEST_F(ErrorsTest, UnreadableStateDirectoryIsRefusedAndLeftAlone) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    std::ofstream(StateFile("printers.ini"), std::ios::app) << "this line is no key\n";
    const std::string broken = ReadFile(StateFile("printers.ini"));
    const HostRun run = Orcaui({"printers"});
    EXPECT_EQ(run.exitCode, kState);
    EXPECT_NE(run.err.find("printers.ini:"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("expected \"key=value\""), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(StateFile("printers.ini")), broken);

    const std::filesystem::path notADirectory = Scratch() / "plain-file";
    std::ofstream(notADirectory) << "state\n";
    const HostRun onFile = RunHost({{"--state", notADirectory, "printers"}, {}, {}}, Scratch());
    EXPECT_EQ(onFile.exitCode, kState);
    EXPECT_NE(onFile.err.find("not a directory"), std::string::npos) << onFile.err;
    EXPECT_EQ(ReadFile(notADirectory), "state\n");
}

TEST_F(ErrorsTest, OutputThatCannotBeWrittenFailsTheRun) {
    if (!std::filesystem::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full here";
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    // Short output fails when it is flushed at the end, long output on the way.
    for (const char* args : {"printers", "--version", "options \"Kestrel(ORCA)\""}) {
        SCOPED_TRACE(args);
        const std::filesystem::path err = Scratch() / "full-err.txt";
        const std::string line = std::string(ORCAUI_HOST_PATH) + " --state " + State().string() +
                                 " " + args + " >/dev/full 2>" + err.string();
        const int status = std::system(line.c_str());
        ASSERT_TRUE(WIFEXITED(status)) << status;
        EXPECT_EQ(WEXITSTATUS(status), 1);
        EXPECT_NE(ReadFile(err).find("standard output cannot be written"), std::string::npos)
            << ReadFile(err);
    }
}

TEST_F(ErrorsTest, PluginThatCannotBeLoadedIsNamed) {
    const HostRun run = Orcaui({"--plugin", (Scratch() / "missing.so").string(), "printers"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot load the plug-in"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace orca::hosttest
