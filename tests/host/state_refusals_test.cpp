// SPDX-License-Identifier: Apache-2.0
// A state directory that is not as orcaui makes it is refused before anything
// is read, written or removed: a symbolic link planted in its tree, a
// "current" that names no generation beside it, a folder that holds other
// things than a state. Nothing outside changes and nothing inside is lost.
#include <sys/stat.h>
#include <unistd.h>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

namespace fs = std::filesystem;

// Each entry under dir, links not followed: a file's bytes, a link's target,
// a folder's mark.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
    std::map<std::string, std::string> entries;
    if (!fs::exists(fs::symlink_status(dir)))
        return entries;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(dir)) {
        const std::string name = fs::relative(entry.path(), dir).string();
        if (entry.is_symlink())
            entries[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            entries[name] = "folder";
        else
            entries[name] = ReadFile(entry.path());
    }
    return entries;
}

class StateRefusalsTest : public HostTest {
protected:
    // A file and a folder outside the state that a run must never touch.
    fs::path Outside() const { return Scratch() / "outside"; }
    void MakeOutside() {
        fs::create_directories(Outside() / "folder");
        std::ofstream(Outside() / "file") << "precious";
        std::ofstream(Outside() / "folder" / "kept") << "kept";
    }

    // A new first-run state, and the path of entry in it, GEN standing for
    // its generation.
    fs::path FreshStateWith(std::string entry) {
        fs::remove_all(State());
        EXPECT_EQ(Orcaui({"printers"}).exitCode, 0);
        if (entry.starts_with("GEN"))
            entry.replace(0, 3, fs::read_symlink(State() / "current").string());
        return entry.empty() ? State() : State() / entry;
    }

    // Runs a command that would write every part of the state and expects
    // it refused with message, leaving the state and the outside as they were.
    void ExpectRefusedUntouched(const std::string& message) {
        const auto state = Snapshot(State());
        const auto outside = Snapshot(Outside());
        const HostRun run = Orcaui({"sheet", kOrcaPrinter, "select 1017 5", "apply"});
        EXPECT_EQ(run.exitCode, kState) << run.err;
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        EXPECT_EQ(Snapshot(State()), state);
        EXPECT_EQ(Snapshot(Outside()), outside);
    }
};

TEST_F(StateRefusalsTest, ALinkPlantedAnywhereInTheStateIsRefused) {
    struct Case {
        const char* link;    // inside the state; GEN is the published generation
        const char* target;  // inside Outside(), or a missing name
    };
    const Case cases[] = {
        {"GEN/Windows/system32/spool/drivers/x64/3/evil", "file"},
        {"GEN/Windows/system32/spool/drivers/x64/3/labels.lbpm", "file"},
        {"GEN/Windows/system32/spool/drivers/w32x86", "folder"},
        {"GEN/printers.ini", "missing"},
        {"GEN/settings/printer1.bin", "file"},
        {"Temp/Kestrel(ORCA)_EN.ini", "file"},
        {"Temp/Kestrel(ORCA)_CN.ini", "missing"},
        {"job-log.txt.new", "file"},
        {"job-log.txt", "file"},
        {"jobs/orca.prn", "file"},
        {"jobs/spool", "folder"},
    };
    MakeOutside();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.link);
        const fs::path link = FreshStateWith(c.link);
        fs::remove_all(link);
        fs::create_directories(link.parent_path());
        fs::create_symlink(Outside() / c.target, link);
        ExpectRefusedUntouched(link.string() + ": is a symbolic link");
    }
}

TEST_F(StateRefusalsTest, ACurrentThatNamesNoGenerationBesideItIsRefused) {
    struct Case {
        const char* target;  // of the link "current"; empty: a folder named current
        const char* message;
    };
    const Case cases[] = {
        {"state-1/", "names state-1/, not a generation"},
        {"./state-1", "names ./state-1, not a generation"},
        {"state-1/../state-1", "names state-1/../state-1, not a generation"},
        {"state-7", "names state-7, which is not a folder there"},
        {"..", "names .., not a generation"},
        {"OUTSIDE", "names /"},
        {"", "is not a symbolic link to a generation"},
    };
    MakeOutside();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        FreshStateWith("");
        // The outside folder holds a state that a save there would replace.
        fs::remove_all(Outside() / "state-1");
        fs::copy(State() / "state-1", Outside() / "state-1", fs::copy_options::recursive);
        const std::string target = c.target;
        fs::remove(State() / "current");
        if (target.empty())
            fs::create_directory(State() / "current");
        else
            fs::create_symlink(target == "OUTSIDE" ? (Outside() / "state-1").string() : target,
                               State() / "current");
        ExpectRefusedUntouched("current: " + std::string(c.message));
        EXPECT_FALSE(fs::exists(Scratch() / "Windows"));
    }
}

TEST_F(StateRefusalsTest, AFolderWithoutAStateKeepsEverythingItHolds) {
    const std::vector<std::vector<std::string>> cases = {
        {"state-2/notes.txt", "current.new/draft.txt", ".saving-old/old.txt", "Temp/"},
        {"Temp/photo.jpg"},
        {"jobs/", "state-1/", "letter.txt"},
        {"current.new/"},
    };
    for (const std::vector<std::string>& entries : cases) {
        SCOPED_TRACE(entries.front());
        fs::remove_all(State());
        for (const std::string& entry : entries) {
            fs::create_directories((State() / entry).parent_path());
            if (!entry.ends_with('/'))
                std::ofstream(State() / entry) << entry;
        }
        ExpectRefusedUntouched("holds files but no orcaui state");
    }
}

TEST_F(StateRefusalsTest, AStateAnotherUserCouldChangeIsRefused) {
    struct Case {
        const char* entry;  // inside the state; GEN is the published generation
        fs::perms add;
        bool otherOwner;  // given to another user (only root can)
        const char* message;
    };
    const Case cases[] = {
        {"", fs::perms::group_write, false, "others may write in it (mode 0"},
        {"GEN", fs::perms::others_write, false, "others may write in it"},
        {"GEN/Windows/system32", fs::perms::group_write, false, "others may write in it"},
        {"jobs", fs::perms::all, false, "others may write in it"},
        {"GEN/printers.ini", fs::perms::none, true, "belongs to another user"},
        {"Temp", fs::perms::none, true, "belongs to another user"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        if (c.otherOwner && ::geteuid() != 0)
            continue;
        const fs::path path = FreshStateWith(c.entry);
        fs::permissions(path, c.add, fs::perm_options::add);
        if (c.otherOwner) {
            ASSERT_EQ(::chown(path.c_str(), 65534, 65534), 0);
        }
        ExpectRefusedUntouched(path.string() + ": " + c.message);
    }
}

// The state is the user's alone whatever the umask; an exported file is the
// user's document and follows it.
TEST_F(StateRefusalsTest, TheStateIsMadeForItsOwnerAloneAndAnExportFollowsTheUmask) {
    const auto mode = [](const fs::path& path) {
        struct stat status {};
        ::lstat(path.c_str(), &status);
        return status.st_mode & 07777;
    };
    const auto expectOwnersAlone = [&] {
        EXPECT_EQ(mode(State()), 0700u);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(State())) {
            if (!entry.is_symlink()) {
                EXPECT_EQ(mode(entry.path()) & 077, 0u) << entry.path();
            }
        }
    };
    const mode_t before = ::umask(0);
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    expectOwnersAlone();
    ASSERT_EQ(
        Orcaui({"printer", "add", "Dock", "--driver", "ACME", "--model", "Heron(ONYX)"}).exitCode,
        0);
    expectOwnersAlone();
    const fs::path exported = Scratch() / "kestrel.drvs";
    ::umask(027);
    const HostRun run = Orcaui({"settings", kOrcaPrinter, "--export", exported.string()});
    ::umask(before);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(mode(exported), 0640u);
}

// Root reads what a mode forbids only through its capabilities: the run
// goes without them (as root, which is how CI runs, too), so the generation
// cannot be read whoever runs the test.
TEST_F(StateRefusalsTest, AStateThatCannotBeReadIsRefusedNotTakenForAnEmptyOne) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const fs::path generation = State() / fs::read_symlink(State() / "current");
    fs::permissions(generation, fs::perms::none);
    const std::vector<std::string> add = {"--state", State().string(), "printer", "add",
                                          "Dock",    "--driver",       "ACME 4x6"};
    std::vector<std::string> withoutCapabilities = {"--bounding-set=-all", "--", ORCAUI_HOST_PATH};
    withoutCapabilities.insert(withoutCapabilities.end(), add.begin(), add.end());
    const HostRun run = ::geteuid() == 0
                            ? RunHost({withoutCapabilities, {}, {}}, Scratch(), "/usr/bin/setpriv")
                            : RunHost({add, {}, {}}, Scratch());
    fs::permissions(generation, fs::perms::owner_all);
    EXPECT_EQ(run.exitCode, kState) << run.err;
    EXPECT_NE(run.err.find("Permission denied"), std::string::npos) << run.err;
    const HostRun printers = Orcaui({"printers"});
    EXPECT_NE(printers.out.find(kOrcaPrinter), std::string::npos) << printers.out;
    EXPECT_EQ(printers.out.find("Dock"), std::string::npos) << printers.out;
}

}  // namespace
}  // namespace orca::hosttest
