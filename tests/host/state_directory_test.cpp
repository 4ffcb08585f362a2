// SPDX-License-Identifier: Apache-2.0
// The state directory as scripts use it: runs in parallel keep every change,
// a run that cannot get the directory's lock says so, a run that only reads
// writes nothing, and only a new or empty folder becomes a state directory.
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

namespace fs = std::filesystem;

using StateDirectoryTest = HostTest;

// Each file under dir with its inode and modification time: a file written
// or replaced shows in either. The temporary directory holds no state.
std::map<std::string, std::pair<ino_t, int64_t>> Listing(const fs::path& dir) {
    std::map<std::string, std::pair<ino_t, int64_t>> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        if (entry.path().filename() == "Temp" || entry.path().parent_path().filename() == "Temp")
            continue;
        struct stat info {};
        ::stat(entry.path().c_str(), &info);
        files[fs::relative(entry.path(), dir).string()] = {
            info.st_ino, int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec};
    }
    return files;
}

// Runs orcaui with each argument list at the same time, each from a scratch
// folder of its own.
std::vector<HostRun> RunTogether(const fs::path& scratch,
                                 const std::vector<std::vector<std::string>>& calls) {
    std::vector<HostRun> runs(calls.size());
    std::vector<std::thread> threads;
    for (size_t i = 0; i < calls.size(); ++i) {
        threads.emplace_back([&, i] {
            const fs::path own = scratch / ("run" + std::to_string(i));
            fs::create_directories(own);
            runs[i] = RunHost({calls[i], {}, {}}, own);
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    return runs;
}

TEST_F(StateDirectoryTest, ParallelRunsKeepEveryChange) {
    constexpr int kRuns = 6;
    const std::vector<std::string> state{"--state", State().string()};
    std::vector<std::vector<std::string>> adds;
    std::vector<std::vector<std::string>> applies;
    for (int i = 0; i < kRuns; ++i) {
        const std::string name = "P" + std::to_string(i);
        adds.push_back(state);
        adds.back().insert(adds.back().end(), {"printer", "add", name, "--driver", "ORCA Kestrel"});
        applies.push_back(state);
        applies.back().insert(applies.back().end(),
                              {"sheet", name, "select 1017 " + std::to_string(i + 3), "apply"});
    }
    // The first-run state too is made by one of them only.
    for (const HostRun& run : RunTogether(Scratch(), adds))
        ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const HostRun& run : RunTogether(Scratch(), applies))
        ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string printers = Orcaui({"printers"}).out;
    for (int i = 0; i < kRuns; ++i) {
        const std::string name = "P" + std::to_string(i);
        EXPECT_NE(printers.find(name + " "), std::string::npos) << printers;
        EXPECT_EQ(Setting(name, "btDarkness"), std::to_string(i + 3)) << name;
    }
}

TEST_F(StateDirectoryTest, RunWaitsForTheLockAndGivesUpWithItsOwnExitCode) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string printers = ReadFile(StateFile("printers.ini"));
    // Not inherited by the runs, which would hold the lock themselves.
    const int held = ::open(State().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    const HostRun busy = Orcaui({"printer", "add", "Dock", "--driver", "ORCA Kestrel"}, {},
                                {{"ORCAUI_LOCK_TIMEOUT", "0"}});
    EXPECT_EQ(busy.exitCode, kBusy);
    EXPECT_NE(busy.err.find("another orcaui run still uses it"), std::string::npos) << busy.err;
    EXPECT_EQ(ReadFile(StateFile("printers.ini")), printers);

    // Let go while the next run waits: it goes on, and having waited over a
    // second it has said why it waits.
    std::thread release([held] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
        ::close(held);
    });
    const HostRun waited = Orcaui({"printer", "add", "Dock", "--driver", "ORCA Kestrel"}, {},
                                  {{"ORCAUI_LOCK_TIMEOUT", "60"}});
    release.join();
    EXPECT_EQ(waited.exitCode, 0) << waited.err;
    EXPECT_NE(waited.err.find("waiting for another orcaui run to finish"), std::string::npos)
        << waited.err;
    EXPECT_NE(Orcaui({"printers"}).out.find("Dock "), std::string::npos);
}

TEST_F(StateDirectoryTest, CommandsThatOnlyReadWriteNothing) {
    ASSERT_EQ(Orcaui({"printer", "add", "Dock", "--driver", "ORCA Kestrel", "--port",
                      "file:" + (Scratch() / "dock.prn").string()})
                  .exitCode,
              0);
    ASSERT_EQ(Orcaui({"sheet", "Dock", "tab Tools", "click 1127"}).exitCode, 0);
    // The printer sheet's first showing adds the printer's default custom form.
    ASSERT_EQ(Orcaui({"sheet", kOnyxPrinter, "--printer-sheet"}).exitCode, 0);
    // A person other than root cannot write a read-only directory; root can,
    // so for root the listing alone shows that nothing was written.
    const bool readOnly = ::geteuid() != 0;
    if (readOnly) {
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(State()))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::remove);
        fs::permissions(State(), fs::perms::owner_write, fs::perm_options::remove);
    }
    const auto before = Listing(State());
    const std::vector<std::vector<std::string>> readers = {
        {"printers"},
        {"settings", kOrcaPrinter},
        {"jobs", "Dock"},
        {"models"},
        {"sheet", kOrcaPrinter, "--all"},
        {"sheet", kOnyxPrinter, "--printer-sheet", "tab #3", "show"},
        {"options", kOrcaPrinter},
        {"get", kOrcaPrinter, "pause", "darkness"},
        // Its Stocks page adds the printer's own custom paper, which a reader keeps to itself.
        {"options", kOrcaPrinter, "--printer-sheet"},
    };
    for (const std::vector<std::string>& args : readers) {
        const HostRun run = Orcaui(args);
        EXPECT_EQ(run.exitCode, 0) << testing::PrintToString(args) << run.err;
    }
    EXPECT_EQ(Listing(State()), before);
    if (readOnly) {
        fs::permissions(State(), fs::perms::owner_write, fs::perm_options::add);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(State()))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add);
    }
}

TEST_F(StateDirectoryTest, OnlyANewOrEmptyFolderBecomesAStateDirectory) {
    const fs::path other = Scratch() / "photos";
    fs::create_directories(other);
    std::ofstream(other / "cat.jpg") << "meow";
    const HostRun refused = RunHost({{"--state", other.string(), "printers"}, {}, {}}, Scratch());
    EXPECT_EQ(refused.exitCode, kState);
    EXPECT_NE(refused.err.find("holds files but no orcaui state"), std::string::npos)
        << refused.err;
    EXPECT_EQ(fs::directory_iterator(other)->path().filename(), "cat.jpg");
    EXPECT_EQ(std::distance(fs::directory_iterator(other), fs::directory_iterator()), 1);

    const fs::path empty = Scratch() / "empty";
    fs::create_directories(empty);
    EXPECT_EQ(RunHost({{"--state", empty.string(), "printers"}, {}, {}}, Scratch()).exitCode, 0);
    EXPECT_TRUE(fs::exists(empty / "current" / "printers.ini"));

    // An unset shell variable as the directory.
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--state=", "printers"}, {"--state", "", "printers"}}) {
        const HostRun run = RunHost({args, {}, {}}, Scratch());
        EXPECT_EQ(run.exitCode, kUsage) << run.err;
        EXPECT_NE(run.err.find("--state needs a directory"), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace orca::hosttest
