// SPDX-License-Identifier: Apache-2.0
// Saves interrupted the way a power cut or a kill interrupts them: killed
// before each file-system step, or refused by a full disk. The state that
// remains always loads and is the old one or the new one, and the next run
// saves again.
#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <iostream>
#include <set>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

namespace fs = std::filesystem;
using Files = std::map<std::string, std::string>;

constexpr int kKilled = 128 + SIGKILL;

// Every file of the published state, by its path inside the state.
Files PublishedState(const fs::path& state) {
    Files files;
    const fs::path current = state / "current";
    if (!fs::exists(current))
        return files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(current)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), current).string()] = ReadFile(entry.path());
    }
    return files;
}

// What the state directory holds besides its state and what is no state.
std::set<std::string> Leftovers(const fs::path& state) {
    std::set<std::string> kept{"current", "Temp", "jobs", "job-log.txt"};
    std::error_code ec;
    kept.insert(fs::read_symlink(state / "current", ec).string());
    std::set<std::string> left;
    for (const fs::directory_entry& entry : fs::directory_iterator(state)) {
        if (!kept.contains(entry.path().filename().string()))
            left.insert(entry.path().filename().string());
    }
    return left;
}

void CopyState(const fs::path& from, const fs::path& to) {
    fs::remove_all(to);
    if (fs::exists(from))
        fs::copy(from, to, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
}

struct Command {
    const char* name;
    std::vector<std::string> setup;  // run first on the old state, when given
    std::vector<std::string> args;
};

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"first run", {}, {"printers"}},
        {"sheet apply", {"printers"}, {"sheet", kOrcaPrinter, "select 1017 5", "apply"}},
        {"printer add with a model",
         {"printers"},
         {"printer", "add", "Dock", "--driver", "ACME 4x6", "--model", "Heron(ONYX)"}},
        {"printer remove", {"printers"}, {"printer", "remove", kOnyxPrinter}},
    };
    return commands;
}

// A private mount namespace with a small tmpfs at dir, as the machine allows.
std::string MountSmallDisk(const fs::path& dir) {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    if (::unshare(CLONE_NEWNS) != 0) {
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
            return std::string("unshare: ") + std::strerror(errno);
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    }
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        ::mount("tmpfs", dir.c_str(), "tmpfs", 0, "size=4m") != 0)
        return std::string("mount: ") + std::strerror(errno);
    return {};
}

// Fills the disk that holds dir, then frees the given number of bytes.
void FillDisk(const fs::path& filler, size_t free) {
    const int out = ::open(filler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string block(4096, 'x');
    while (::write(out, block.data(), block.size()) > 0) {
    }
    const off_t size = ::lseek(out, 0, SEEK_END);
    ASSERT_EQ(::ftruncate(out, size > off_t(free) ? size - off_t(free) : 0), 0);
    ::close(out);
}

class InterruptedSaveTest : public HostTest {
protected:
    HostRun On(const fs::path& state, std::vector<std::string> args,
               std::map<std::string, std::string> environment = {}) {
        args.insert(args.begin(), {"--state", state.string()});
        return RunHost({std::move(args), {}, std::move(environment)}, Scratch(),
                       ORCAUI_STEPS_HOST_PATH);
    }

    fs::path Old() const { return Scratch() / "old"; }

    // How many steps a run of the command takes from its old state: a kill
    // before step N ends it exactly when N is no more than that.
    int StepsOf(const Command& command) {
        int low = 0;     // killed up to here
        int high = 512;  // not killed from here
        while (high - low > 1) {
            const int step = (low + high) / 2;
            CopyState(Old(), State());
            const bool killed =
                On(State(), command.args, {{"ORCAUI_KILL_AT_STEP", std::to_string(step)}})
                    .exitCode == kKilled;
            (killed ? low : high) = step;
        }
        return low;
    }

    // The state the command starts from, in Old().
    void MakeOldState(const Command& command) {
        fs::remove_all(Old());
        if (!command.setup.empty()) {
            ASSERT_EQ(On(Old(), command.setup).exitCode, 0);
        }
    }

    // The old state of the command, and the new one its run makes.
    void Prepare(const Command& command, Files* before, Files* after) {
        MakeOldState(command);
        CopyState(Old(), State());
        const HostRun run = On(State(), command.args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        *before = PublishedState(Old());
        *after = PublishedState(State());
        ASSERT_NE(*before, *after);
    }

    // Each command on a disk with a little free space, less than its save
    // needs, then enough.
    void FullDiskRuns(const fs::path& disk) {
        const fs::path state = disk / "state";
        const fs::path filler = disk / "filler";
        for (const Command& command : Commands()) {
            SCOPED_TRACE(command.name);
            MakeOldState(command);
            const Files before = PublishedState(Old());
            int failed = 0;
            for (size_t free = 0;; free += 8192) {
                SCOPED_TRACE(std::to_string(free) + " bytes free");
                CopyState(Old(), state);
                FillDisk(filler, free);
                const HostRun run = On(state, command.args);
                fs::remove(filler);
                if (run.exitCode == 0)
                    break;
                ++failed;
                EXPECT_TRUE(run.err.find("No space left on device") != std::string::npos ||
                            run.err.find("cannot be written") != std::string::npos)
                    << run.err;
                EXPECT_EQ(PublishedState(state), before);
                EXPECT_EQ(On(state, {"models"}).exitCode, 0);
                EXPECT_EQ(Leftovers(state), std::set<std::string>{});
                ASSERT_LT(free, size_t(4) << 20) << "the save never succeeds";
            }
            EXPECT_GT(failed, 0);
        }
    }

    // The settings file an export would replace stays whole on a full disk.
    void FullDiskExport(const fs::path& disk) {
        const fs::path state = disk / "state";
        const fs::path file = disk / "kestrel.drvs";
        ASSERT_EQ(On(state, {"printers"}).exitCode, 0);
        std::ofstream(file, std::ios::binary) << "[Option]\r\nbtDarkness=9\r\n";
        FillDisk(disk / "filler", 0);
        const HostRun run = On(state, {"settings", kOrcaPrinter, "--export", file.string()});
        fs::remove(disk / "filler");
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_NE(run.err.find("could not write " + file.string()), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(file), "[Option]\r\nbtDarkness=9\r\n");
        EXPECT_FALSE(fs::exists(file.string() + ".new.drvs"));
    }
};

TEST_F(InterruptedSaveTest, AKillBeforeAnyStepLeavesTheOldOrTheNewStateAndTheNextRunSaves) {
    int kills = 0;
    for (const Command& command : Commands()) {
        SCOPED_TRACE(command.name);
        Files before;
        Files after;
        Prepare(command, &before, &after);
        int killed = 0;
        for (int step = 1;; ++step) {
            SCOPED_TRACE("killed before step " + std::to_string(step));
            CopyState(Old(), State());
            const HostRun run =
                On(State(), command.args, {{"ORCAUI_KILL_AT_STEP", std::to_string(step)}});
            if (run.exitCode != kKilled) {
                EXPECT_EQ(run.exitCode, 0) << run.err;
                EXPECT_EQ(PublishedState(State()), after);
                break;
            }
            ++killed;
            const Files left = PublishedState(State());
            const bool old = left == before;
            EXPECT_TRUE(old || left == after);
            // The next run loads it, clears what the kill left, and saves.
            const HostRun next =
                On(State(), old ? command.args : std::vector<std::string>{"models"});
            EXPECT_EQ(next.exitCode, 0) << next.err;
            EXPECT_EQ(PublishedState(State()), after);
            EXPECT_EQ(Leftovers(State()), std::set<std::string>{});
            ASSERT_LT(step, 200) << "the save never ends";
        }
        EXPECT_GT(killed, 10) << "the save took fewer steps than the state has files";
        kills += killed;
    }
    std::cout << "saves: " << kills << " kills injected\n";
}

// A step that fails, as on a broken disk, before the rename that publishes
// the state keeps the old state; after it, the new one is the state and the
// failure is told. Nothing published is removed either way, and a first run
// that cannot write a file of its state publishes nothing. A failed write of
// the plug-in's own (a language file) is not the run's failure: the run goes
// on, and what it saves is whole all the same.
TEST_F(InterruptedSaveTest, AFailingStepKeepsTheOldStateOrTellsThatTheNewOneIsInUse) {
    int failures = 0;
    for (const Command& command : Commands()) {
        SCOPED_TRACE(command.name);
        Files before;
        Files after;
        Prepare(command, &before, &after);
        const int steps = StepsOf(command);
        int failed = 0;
        for (int step = 1; step <= steps; ++step) {
            SCOPED_TRACE("step " + std::to_string(step) + " fails");
            CopyState(Old(), State());
            const HostRun run =
                On(State(), command.args, {{"ORCAUI_FAIL_AT_STEP", std::to_string(step)}});
            const Files left = PublishedState(State());
            failed += run.exitCode != 0;
            if (run.exitCode != 0) {
                EXPECT_TRUE(run.exitCode == kState || run.exitCode == host::kExitFailure)
                    << run.err;
                EXPECT_TRUE(run.err.find("Input/output error") != std::string::npos ||
                            run.err.find("cannot be written") != std::string::npos)
                    << run.err;
            }
            EXPECT_TRUE(left == before || left == after);
            if (left == after && run.exitCode != 0) {
                EXPECT_NE(run.err.find("the new state is in use"), std::string::npos) << run.err;
            }
            const HostRun next =
                On(State(), left == before ? command.args : std::vector<std::string>{"models"});
            EXPECT_EQ(next.exitCode, 0) << next.err;
            EXPECT_EQ(PublishedState(State()), after);
            EXPECT_EQ(Leftovers(State()), std::set<std::string>{});
        }
        EXPECT_GT(failed, 10) << "the save took fewer steps than the state has files";
        failures += steps;
    }
    std::cout << "saves: " << failures << " failures injected\n";
}

// A raw job is in the log before its first byte leaves: a run killed at any
// step leaves every job that may have reached its port listed, as being sent
// or delivered, and the next run's job is logged after it.
TEST_F(InterruptedSaveTest, ARawJobKilledAtAnyStepIsListedWheneverItMayHaveArrived) {
    const std::vector<std::string> calibrate = {"sheet", kOrcaPrinter, "tab Tools", "click 1127"};
    MakeOldState({"raw job", {"printers"}, {}});
    const fs::path port = State() / "jobs" / "orca.prn";
    int killed = 0;
    for (int step = 1;; ++step) {
        SCOPED_TRACE("killed before step " + std::to_string(step));
        CopyState(Old(), State());
        const HostRun run = On(State(), calibrate, {{"ORCAUI_KILL_AT_STEP", std::to_string(step)}});
        const bool arrived = fs::exists(port) && ReadFile(port) == "~JC";
        const HostRun listed = On(State(), {"jobs", kOrcaPrinter});
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        const bool logged = listed.out.starts_with("job 1 ");
        if (run.exitCode != kKilled) {
            EXPECT_EQ(run.exitCode, 0) << run.err;
            EXPECT_TRUE(arrived && logged) << listed.out;
            EXPECT_EQ(listed.out.find("being sent"), std::string::npos) << listed.out;
            break;
        }
        ++killed;
        EXPECT_TRUE(logged || !arrived) << listed.out;
        EXPECT_TRUE(!logged || arrived || listed.out.find("being sent") != std::string::npos)
            << listed.out;
        ASSERT_EQ(On(State(), calibrate).exitCode, 0);
        const std::string after = On(State(), {"jobs", kOrcaPrinter}).out;
        EXPECT_NE(after.find(logged ? "job 2 " : "job 1 "), std::string::npos) << after;
        ASSERT_LT(step, 100) << "the job never ends";
    }
    EXPECT_GT(killed, 0);
    std::cout << "raw job: " << killed << " kills injected\n";
}

// The side files beside an exported file.
std::set<std::string> SideFiles(const fs::path& file) {
    std::set<std::string> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(file.parent_path())) {
        const std::string name = entry.path().filename().string();
        if (name != file.filename().string() && name.starts_with(file.filename().string()))
            found.insert(name);
    }
    return found;
}

// The steps of the writes besides a save's reach the step hook too: the
// export's, the job log's and the plug-in's own (its language files). A kill
// before any of them leaves a state that loads, the old or the new, an
// exported file old or new and whole, and a job log that reads; the next run
// of the command finishes and leaves nothing beside.
TEST_F(InterruptedSaveTest, AKillBeforeAnyStepOfAnExportImportOrTheJobLogLeavesNothingBroken) {
    const fs::path exported = Scratch() / "k.drvs";
    const fs::path imported = Scratch() / "in.drvs";
    const fs::path source = Scratch() / "source";
    ASSERT_EQ(On(source, {"sheet", kOrcaPrinter, "select 1017 5", "apply"}).exitCode, 0);
    ASSERT_EQ(On(source, {"settings", kOrcaPrinter, "--export", imported.string()}).exitCode, 0);
    const std::string oldExport = "[Option]\r\nbtDarkness=9\r\n";
    const Command commands[] = {
        {"export", {"printers"}, {"settings", kOrcaPrinter, "--export", exported.string()}},
        {"import", {"printers"}, {"settings", kOrcaPrinter, "--import", imported.string()}},
        {"jobs --clear",
         {"sheet", kOrcaPrinter, "tab Tools", "click 1127"},
         {"jobs", kOrcaPrinter, "--clear"}},
    };
    int kills = 0;
    for (const Command& command : commands) {
        SCOPED_TRACE(command.name);
        const int killsBefore = kills;
        std::ofstream(exported, std::ios::binary) << oldExport;
        Files before;
        Files after;
        MakeOldState(command);
        CopyState(Old(), State());
        ASSERT_EQ(On(State(), command.args).exitCode, 0);
        before = PublishedState(Old());
        after = PublishedState(State());
        const std::string newExport = ReadFile(exported);
        const std::string newJobs = On(State(), {"jobs", kOrcaPrinter}).out;
        for (int step = 1;; ++step) {
            SCOPED_TRACE("killed before step " + std::to_string(step));
            CopyState(Old(), State());
            std::ofstream(exported, std::ios::binary) << oldExport;
            const HostRun run =
                On(State(), command.args, {{"ORCAUI_KILL_AT_STEP", std::to_string(step)}});
            if (run.exitCode != kKilled) {
                EXPECT_EQ(run.exitCode, 0) << run.err;
                break;
            }
            ++kills;
            const Files left = PublishedState(State());
            EXPECT_TRUE(left == before || left == after);
            const std::string file = ReadFile(exported);
            EXPECT_TRUE(file == oldExport || file == newExport);
            const HostRun jobs = On(State(), {"jobs", kOrcaPrinter});
            EXPECT_EQ(jobs.exitCode, 0) << jobs.err;
            EXPECT_EQ(jobs.err.find("damaged"), std::string::npos) << jobs.err;

            const HostRun next = On(State(), command.args);
            EXPECT_EQ(next.exitCode, 0) << next.err;
            EXPECT_EQ(PublishedState(State()), after);
            EXPECT_EQ(Leftovers(State()), std::set<std::string>{});
            EXPECT_EQ(ReadFile(exported), newExport);
            EXPECT_EQ(SideFiles(exported), std::set<std::string>{});
            EXPECT_EQ(On(State(), {"jobs", kOrcaPrinter}).out, newJobs);
            ASSERT_LT(step, 200) << "the command never ends";
        }
        // Each writes a file: made, written, forced, renamed, its folder forced.
        EXPECT_GE(kills - killsBefore, 5) << "the hook does not reach the command's writes";
    }
    std::cout << "export, import, jobs --clear: " << kills << " kills injected\n";
}

TEST_F(InterruptedSaveTest, TheShippedHostHasNoStepHooks) {
    const HostRun run =
        Orcaui({"printers"}, {}, {{"ORCAUI_KILL_AT_STEP", "1"}, {"ORCAUI_FAIL_AT_STEP", "2"}});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(fs::exists(StateFile("printers.ini")));
}

TEST_F(InterruptedSaveTest, WhatEarlierRunsLeftIsRemovedAndNeverStopsASave) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    // Aside folders of earlier versions (one named with the process id a
    // container's first process has), a generation never published, a link
    // never renamed.
    for (const char* folder : {".saving-1/settings", ".settings-old-1", "state-99/settings"})
        fs::create_directories(State() / folder);
    fs::create_directory_symlink("state-99", State() / "current.new");
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "select 1017 5", "apply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Leftovers(State()), std::set<std::string>{});
    EXPECT_EQ(Setting(kOrcaPrinter, "btDarkness"), "5");
}

TEST_F(InterruptedSaveTest, AFullDiskFailsTheSaveWithItsReasonAndKeepsThePreviousState) {
    const fs::path disk = Scratch() / "disk";
    fs::create_directories(disk);
    int report[2];
    ASSERT_EQ(::pipe(report), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::close(report[0]);
        const std::string refused = MountSmallDisk(disk);
        if (!refused.empty()) {
            (void)!::write(report[1], refused.data(), refused.size());
            ::_exit(2);
        }
        FullDiskRuns(disk);
        FullDiskExport(disk);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    ::close(report[1]);
    std::string refused(256, '\0');
    refused.resize(size_t(std::max<ssize_t>(0, ::read(report[0], refused.data(), refused.size()))));
    ::close(report[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 2)
        GTEST_SKIP() << "no small disk of its own for the test here (" << refused << ")";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "the runs on the full disk failed (their failures are told above)";
}

}  // namespace
}  // namespace orca::hosttest
