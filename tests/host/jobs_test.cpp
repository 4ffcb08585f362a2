// A printer added on a file port receives raw jobs from the Tools page; the
// jobs are in the port's file and listed, control bytes escaped, by
// `orcaui jobs`.
#include "host_fixture.h"

namespace orca::hosttest {
namespace {

constexpr char kDock[] = "Dock 3";

using JobsTest = HostTest;

TEST_F(JobsTest, RawJobsReachTheFilePortAndAreListedEscaped) {
    const std::filesystem::path port = Scratch() / "dock.prn";
    const HostRun added = Orcaui(
        {"printer", "add", kDock, "--driver", "ONYX Heron", "--port", "file:" + port.string()});
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_NE(Orcaui({"printers"}).out.find("Dock 3         Heron(ONYX)    ONYX      file:"),
              std::string::npos);
    EXPECT_EQ(Orcaui({"jobs", kDock}).out, "no jobs sent to Dock 3\n");

    // Calibrate (the first action, selected from the start), reset, then a
    // file chosen in the file dialog.
    const std::filesystem::path file = Scratch() / "feed.txt";
    std::ofstream(file, std::ios::binary) << "\002F\r";
    const HostRun sent =
        Orcaui({"sheet", kDock, "tab Tools", "click 1127", "select 1123 #2", "click 1127",
                "select 1123 #7", "answer file " + file.string(), "click 1129", "click 1127"});
    if (sent.err.find("no tab \"Tools\"") != std::string::npos)
        GTEST_SKIP() << "the plug-in adds no Tools page yet";
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(ReadFile(port), "\002JC\r\001#\r\002F\r");

    const HostRun listed = Orcaui({"jobs", kDock});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    std::istringstream lines(listed.out);
    std::vector<std::string> text;
    for (std::string line; std::getline(lines, line);)
        text.push_back(line);
    ASSERT_EQ(text.size(), 6u) << listed.out;
    const std::string target = " to file:" + port.string();
    EXPECT_TRUE(text[0].starts_with("job 1 \"")) << text[0];
    EXPECT_TRUE(text[0].ends_with(target + ", 4 bytes")) << text[0];
    EXPECT_EQ(text[1], "    \\x02JC\\x0D");
    EXPECT_TRUE(text[2].starts_with("job 2 \"")) << text[2];
    EXPECT_TRUE(text[2].ends_with(target + ", 3 bytes")) << text[2];
    EXPECT_EQ(text[3], "    \\x01#\\x0D");
    EXPECT_TRUE(text[4].starts_with("job 3 \"")) << text[4];
    EXPECT_EQ(text[5], "    \\x02F\\x0D");
    EXPECT_EQ(Orcaui({"jobs", kOrcaPrinter}).out, "no jobs sent to Kestrel(ORCA)\n");

    ASSERT_EQ(Orcaui({"printer", "remove", kDock}).exitCode, 0);
    EXPECT_EQ(Orcaui({"printers"}).out.find(kDock), std::string::npos);
    EXPECT_EQ(Orcaui({"jobs", kDock}).exitCode, kUnknownPrinter);
}

}  // namespace
}  // namespace orca::hosttest
