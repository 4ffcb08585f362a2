// Each kind of fault: a clear message on standard error, its own exit code,
// nothing on standard output, and the state directory as it was.
#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using ErrorsTest = HostTest;

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
        {{"printer", "add", kOnyxPrinter, "--driver", "ONYX Heron"}, kUsage, "exists already"},
        {{"printer", "add", "A,B", "--driver", "ONYX Heron"}, kUsage, "must not"},
        {{"printers", "--colour"}, kUsage, "unknown option --colour"},
        {{"print"}, kUsage, "unknown command \"print\""},
        {{"printer"}, kUsage, "orcaui printer add"},
    };
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string printers = ReadFile(StateFile("printers.ini"));
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const HostRun run = Orcaui(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode);
        EXPECT_TRUE(run.err.starts_with("orcaui: ")) << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(StateFile("printers.ini")), printers);
    }
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

TEST_F(ErrorsTest, PluginThatCannotBeLoadedIsNamed) {
    const HostRun run = Orcaui({"--plugin", (Scratch() / "missing.so").string(), "printers"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot load the plug-in"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace orca::hosttest
