// SPDX-License-Identifier: Apache-2.0
// A first run without state: the embedded default environment is used and
// saved where the person's state belongs, and found there by the next run.
#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using FirstRunTest = HostTest;

TEST_F(FirstRunTest, DefaultStateIsMadeOnceWhereTheEnvironmentPointsAndThenReused) {
    struct Case {
        const char* name;
        std::map<std::string, std::string> environment;
        std::filesystem::path stateUnderScratch;
    };
    const Case cases[] = {
        {"XDG_STATE_HOME",
         {{"XDG_STATE_HOME", Scratch() / "xdg"}, {"HOME", Scratch() / "home"}},
         "xdg/orcaui"},
        {"HOME only",
         {{"XDG_STATE_HOME", ""}, {"HOME", Scratch() / "home"}},
         "home/.local/state/orcaui"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HostRun first = RunHost({{"printers"}, {}, c.environment}, Scratch());
        ASSERT_EQ(first.exitCode, 0) << first.err;
        EXPECT_NE(first.err.find("new state"), std::string::npos) << first.err;
        EXPECT_TRUE(
            std::filesystem::exists(Scratch() / c.stateUnderScratch / "current" / "printers.ini"));
        for (const char* line : {"Kestrel(ORCA)  Kestrel(ORCA)  ORCA      file:jobs/orca.prn",
                                 "Heron(ONYX)    Heron(ONYX)    ONYX      file:jobs/onyx.prn"})
            EXPECT_NE(first.out.find(line), std::string::npos) << first.out;

        const HostRun second = RunHost({{"printers"}, {}, c.environment}, Scratch());
        ASSERT_EQ(second.exitCode, 0) << second.err;
        EXPECT_EQ(second.err, "");
        EXPECT_EQ(second.out, first.out);
    }
}

TEST_F(FirstRunTest, FirstSheetShowsTheDefaultPrintersDocumentSheet) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("\"Kestrel(ORCA) Printing Preferences\"\n")) << run.out;
    EXPECT_NE(run.out.find("button 12321 \"Apply\" (disabled)"), std::string::npos) << run.out;
}

TEST_F(FirstRunTest, NoStateDirectoryWithoutHomeOrOption) {
    const HostRun run =
        RunHost({{"printers"}, {}, {{"XDG_STATE_HOME", ""}, {"HOME", ""}}}, Scratch());
    EXPECT_EQ(run.exitCode, kState);
    EXPECT_NE(run.err.find("no state directory"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace orca::hosttest
