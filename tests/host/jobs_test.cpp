// SPDX-License-Identifier: Apache-2.0
// A printer added on a file port receives raw jobs from the Tools page; the
// jobs are in the port's file and listed, control bytes escaped, by
// `orcaui jobs`. A job that does not arrive is told with its own exit code;
// the log stays bounded and belongs to the printer of its name.
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

constexpr char kDock[] = "Dock 3";
// Calibrate, the Tools page's first action, selected from the start.
const std::vector<std::string> kCalibrate = {"sheet", kDock, "tab Tools", "click 1127"};

using JobsTest = HostTest;

// A loopback port that nothing listens on.
uint16_t ClosedPort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t size = sizeof address;
    ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size);
    ::close(s);
    return ntohs(address.sin_port);
}

// The listed jobs' header lines.
std::vector<std::string> JobLines(const std::string& listing) {
    std::istringstream lines(listing);
    std::vector<std::string> headers;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("job "))
            headers.push_back(line);
    }
    return headers;
}

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

TEST_F(JobsTest, AJobThatDoesNotArriveIsToldAndNotLogged) {
    const std::string closed = "tcp:127.0.0.1:" + std::to_string(ClosedPort());
    struct Case {
        std::string port;
        const char* why;
    };
    const Case cases[] = {
        {closed, "the connection was refused"},
        {"tcp:no-such-printer.invalid:9100", "the host is not known"},
        {"file:" + (Scratch() / "no-folder" / "dock.prn").string(),
         "the file's folder does not exist"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.port);
        ASSERT_EQ(Orcaui({"printer", "add", kDock, "--driver", "ORCA Kestrel", "--port", c.port})
                      .exitCode,
                  0);
        const HostRun sent = Orcaui(kCalibrate);
        EXPECT_EQ(sent.exitCode, kJobFailed);
        EXPECT_NE(
            sent.err.find("orcaui: job \"Calibrate\" to Dock 3 (" + c.port + ") failed: " + c.why),
            std::string::npos)
            << sent.err;
        EXPECT_EQ(Orcaui({"jobs", kDock}).out, "no jobs sent to Dock 3\n");
        ASSERT_EQ(Orcaui({"printer", "remove", kDock}).exitCode, 0);
    }
}

TEST_F(JobsTest, TheLogNeitherFailsADeliveredJobNorStopsLaterOnes) {
    const std::filesystem::path port = Scratch() / "dock.prn";
    ASSERT_EQ(Orcaui({"printer", "add", kDock, "--driver", "ORCA Kestrel", "--port",
                      "file:" + port.string()})
                  .exitCode,
              0);
    // A damaged line costs that line only.
    std::ofstream(State() / "job-log.txt") << "7\tnot a job\n";
    ASSERT_EQ(Orcaui(kCalibrate).exitCode, 0);
    const HostRun listed = Orcaui({"jobs", kDock});
    EXPECT_EQ(JobLines(listed.out).size(), 1u) << listed.out;

    // A log that cannot be written: the job arrived all the same.
    std::filesystem::remove(State() / "job-log.txt");
    std::filesystem::create_directory(State() / "job-log.txt");
    const HostRun unlogged = Orcaui(kCalibrate);
    EXPECT_EQ(unlogged.exitCode, 0) << unlogged.err;
    EXPECT_NE(unlogged.err.find("the jobs were sent but not logged"), std::string::npos)
        << unlogged.err;
    EXPECT_EQ(ReadFile(port), "~JC~JC");
}

// A line of an older log reads as a delivered job; a job whose run was
// killed while it was sent reads as being sent, and the next job is
// numbered after it.
TEST_F(JobsTest, AJobOfAKilledRunIsShownAsBeingSentBesideDeliveredOnes) {
    ASSERT_EQ(Orcaui({"printer", "add", kDock, "--driver", "ORCA Kestrel"}).exitCode, 0);
    std::ofstream(State() / "job-log.txt") << "1\tDock 3\tCalibrate\tnull:\t3\t~JC\n"
                                              "2\tDock 3\tReset\tnull:\t0\t\tsending\n";
    EXPECT_EQ(Orcaui({"jobs", kDock}).out,
              "job 1 \"Calibrate\" to null:, 3 bytes\n"
              "    ~JC\n"
              "job 2 \"Reset\" to null:: being sent when its run ended; whether it arrived is not "
              "known\n");
    const std::string json = Orcaui({"jobs", kDock, "--json"}).out;
    EXPECT_NE(json.find("\"delivered\": true"), std::string::npos) << json;
    EXPECT_NE(json.find("\"delivered\": false"), std::string::npos) << json;

    ASSERT_EQ(Orcaui(kCalibrate).exitCode, 0);
    const std::vector<std::string> jobs = JobLines(Orcaui({"jobs", kDock}).out);
    ASSERT_EQ(jobs.size(), 3u);
    EXPECT_TRUE(jobs[2].starts_with("job 3 ") && jobs[2].ends_with(", 3 bytes")) << jobs[2];
    EXPECT_EQ(ReadFile(State() / "job-log.txt").find("sending", 60), std::string::npos);
}

TEST_F(JobsTest, TheLogKeepsEachPrintersNewestJobsWithinItsLimits) {
    ASSERT_EQ(Orcaui({"printer", "add", kDock, "--driver", "ORCA Kestrel"}).exitCode, 0);
    const std::map<std::string, std::string> limits = {{"ORCAUI_JOB_LOG_JOBS", "2"},
                                                       {"ORCAUI_JOB_LOG_BYTES", "5"}};
    for (int i = 0; i < 3; ++i)
        ASSERT_EQ(Orcaui(kCalibrate, {}, limits).exitCode, 0);
    std::vector<std::string> jobs = JobLines(Orcaui({"jobs", kDock}).out);
    ASSERT_EQ(jobs.size(), 1u);  // two of 3 bytes are more than 5 bytes
    EXPECT_TRUE(jobs[0].starts_with("job 3 ")) << jobs[0];

    ASSERT_EQ(
        Orcaui({"sheet", kDock, "tab Tools", "select 1123 #4", "click 1127"}, {}, limits).exitCode,
        0);
    const std::string listing = Orcaui({"jobs", kDock}).out;
    jobs = JobLines(listing);
    ASSERT_EQ(jobs.size(), 1u) << listing;
    EXPECT_TRUE(jobs[0].ends_with("10 bytes (the log kept the first 5)")) << jobs[0];
    EXPECT_NE(listing.find("\n    ^XA^J\n"), std::string::npos) << listing;

    const HostRun cleared = Orcaui({"jobs", kDock, "--clear"});
    EXPECT_EQ(cleared.exitCode, 0) << cleared.err;
    EXPECT_EQ(Orcaui({"jobs", kDock}).out, "no jobs sent to Dock 3\n");

    // A printer added again under the name of a removed one starts afresh.
    ASSERT_EQ(Orcaui(kCalibrate).exitCode, 0);
    ASSERT_EQ(Orcaui({"printer", "remove", kDock}).exitCode, 0);
    ASSERT_EQ(Orcaui({"printer", "add", kDock, "--driver", "ONYX Heron"}).exitCode, 0);
    EXPECT_EQ(Orcaui({"jobs", kDock}).out, "no jobs sent to Dock 3\n");
}

TEST_F(JobsTest, ALogLargerThanTheHostWritesIsRefusedUnread) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    // Sparse: it takes no room on the disk, and reading it whole would take
    // more memory than the limit.
    std::ofstream{State() / "job-log.txt"};
    std::filesystem::resize_file(State() / "job-log.txt", size_t(257) << 20);
    const HostRun run = Orcaui({"jobs", kOrcaPrinter});
    EXPECT_EQ(run.exitCode, kState);
    EXPECT_NE(run.err.find("job-log.txt: larger than a job log can be"), std::string::npos)
        << run.err;
}

TEST_F(JobsTest, APastedCommandKeepsItsControlBytes) {
    const std::filesystem::path port = Scratch() / "dock.prn";
    ASSERT_EQ(Orcaui({"printer", "add", kDock, "--driver", "ONYX Heron", "--port",
                      "file:" + port.string()})
                  .exitCode,
              0);
    const HostRun sent = Orcaui({"sheet", kDock, "tab Tools", "select 1123 \"Send command\"",
                                 "paste 1128 \"\\x02JZ1\\x0D\"", "click 1127"});
    ASSERT_EQ(sent.exitCode, 0) << sent.err;
    EXPECT_EQ(ReadFile(port), "\002JZ1\r");
    // Keys cannot type them, and an escape must be whole.
    EXPECT_EQ(Orcaui({"sheet", kDock, "tab Tools", "type 1014 \"\\x0\""}).exitCode, kUsage);
}

}  // namespace
}  // namespace orca::hosttest
