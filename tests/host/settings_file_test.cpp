// SPDX-License-Identifier: Apache-2.0
// orcaui settings --export and --import: one printer's settings, papers and
// fonts copied to another printer of the same language through the
// Import/Export page, and refusals with their exit codes.
#include <sys/wait.h>
#include <unistd.h>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using SettingsFileTest = HostTest;

constexpr int kFailure = 1;

TEST_F(SettingsFileTest, SettingsCopyToAPrinterOfTheSameLanguage) {
    ASSERT_EQ(Orcaui({"printer", "add", "Dock 2", "--driver", "ORCA Kestrel"}).exitCode, 0);
    const HostRun changed =
        Orcaui({"sheet", kOrcaPrinter, "select 1017 20", "type 1014 3", "leave 1014", "apply"});
    ASSERT_EQ(changed.exitCode, 0) << changed.err;

    const HostRun exported =
        Orcaui({"settings", kOrcaPrinter, "--export", (Scratch() / "kestrel").string()});
    ASSERT_EQ(exported.exitCode, 0) << exported.err;
    EXPECT_NE(exported.out.find("kestrel.drvs"), std::string::npos) << exported.out;
    EXPECT_NE(ReadFile(Scratch() / "kestrel.drvs").find("btDarkness=20\r\n"), std::string::npos);

    const HostRun imported =
        Orcaui({"settings", "Dock 2", "--import", (Scratch() / "kestrel.drvs").string()});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_EQ(Setting("Dock 2", "btDarkness"), Setting(kOrcaPrinter, "btDarkness"));
    EXPECT_EQ(Setting("Dock 2", "dmCopies"), "3");
}

TEST_F(SettingsFileTest, AnExportReplacesTheOldFileWholeAndLeavesNothingBeside) {
    const std::filesystem::path file = Scratch() / "k.drvs";
    std::ofstream(file, std::ios::binary) << "[Stale]\r\nKey=1\r\n";
    const HostRun run = Orcaui({"settings", kOrcaPrinter, "--export", file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string written = ReadFile(file);
    EXPECT_EQ(written.find("Stale"), std::string::npos) << written;
    EXPECT_NE(written.find("btDarkness="), std::string::npos) << written;
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(Scratch()))
        files += entry.path().extension() == ".drvs";
    EXPECT_EQ(files, 1u);
}

// The id of a process that has ended.
std::string EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return std::to_string(child);
}

// What a killed export left beside its file goes with the next export of
// that name: regular files of the side-file pattern of processes that are
// gone, nothing else.
TEST_F(SettingsFileTest, AnExportRemovesTheSideFilesKilledExportsLeftAndNothingElse) {
    namespace fs = std::filesystem;
    const fs::path file = Scratch() / "k.drvs";
    const fs::path target = Scratch() / "target.txt";
    std::ofstream(target) << "kept";
    const std::string gone = EndedProcess();
    struct Entry {
        std::string name;
        enum { kFile, kLink, kFolder } kind;
        bool removed;
    };
    const Entry entries[] = {
        {"k.drvs.~" + gone + "-0", Entry::kFile, true},
        {"k.drvs.~" + gone + "-17", Entry::kFile, true},
        {"k.drvs.~1-0", Entry::kFile, false},  // a process that runs
        {"k.drvs.~" + gone + "-1", Entry::kLink, false},
        {"k.drvs.~" + gone + "-2", Entry::kFolder, false},
        {"k.drvs.~" + gone + "-3.bak", Entry::kFile, false},
        {"k.drvs.~" + gone, Entry::kFile, false},
        {"k.drvs.~" + gone + "-", Entry::kFile, false},
        {"k.drvs.~x" + gone + "-0", Entry::kFile, false},
        {"k.drvs.new", Entry::kFile, false},
        {"other.drvs.~" + gone + "-0", Entry::kFile, false},
    };
    for (const Entry& e : entries) {
        const fs::path path = Scratch() / e.name;
        if (e.kind == Entry::kLink)
            fs::create_symlink(target, path);
        else if (e.kind == Entry::kFolder)
            fs::create_directory(path);
        else
            std::ofstream(path) << "left";
    }
    const HostRun run = Orcaui({"settings", kOrcaPrinter, "--export", file.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const Entry& e : entries)
        EXPECT_EQ(fs::exists(fs::symlink_status(Scratch() / e.name)), !e.removed) << e.name;
    EXPECT_EQ(ReadFile(target), "kept");
    EXPECT_NE(ReadFile(file).find("btDarkness="), std::string::npos);
}

TEST_F(SettingsFileTest, RefusalsTellWhyWithTheirExitCodeAndChangeNothing) {
    ASSERT_EQ(
        Orcaui({"settings", kOrcaPrinter, "--export", (Scratch() / "k.drvs").string()}).exitCode,
        0);
    std::filesystem::create_directories(Scratch() / "folder.drvs");
    const std::string before = Orcaui({"settings", kOnyxPrinter}).out;
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"settings", kOnyxPrinter, "--import", (Scratch() / "k.drvs").string()},
         kRefused,
         "The current printer does not support this profile."},
        {{"settings", kOnyxPrinter, "--import", (Scratch() / "none.drvs").string()},
         kFailure,
         "no such file"},
        {{"settings", kOnyxPrinter, "--import", (Scratch() / "folder.drvs").string()},
         kFailure,
         "cannot be read"},
        {{"settings", kOnyxPrinter, "--export", (Scratch() / "missing" / "x.drvs").string()},
         kFailure,
         "could not write"},
        {{"settings", kOnyxPrinter, "--export", "a", "--import", "b"}, kUsage, "not both"},
        {{"settings", kOnyxPrinter, "--export", ""}, kUsage, "--export needs a file name"},
        {{"settings", kOnyxPrinter, "--json", "--export", (Scratch() / "j.drvs").string()},
         kUsage,
         "--json shows the settings"},
    };
    for (const Case& c : cases) {
        const HostRun run = Orcaui(c.args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.args.back();
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(Orcaui({"settings", kOnyxPrinter}).out, before);
}

// A file chosen as an older .ds file is ORCA unless it names its language,
// and what the printer's model cannot hold is told, not changed silently.
TEST_F(SettingsFileTest, ImportsTellWhatTheyCouldNotTake) {
    const std::filesystem::path onyx = Scratch() / "heron.ds";
    ASSERT_EQ(
        Orcaui({"settings", kOnyxPrinter, "--export", (Scratch() / "heron").string()}).exitCode, 0);
    std::filesystem::rename(Scratch() / "heron.drvs", onyx);
    const std::string before = Orcaui({"settings", kOrcaPrinter}).out;
    const HostRun renamed = Orcaui({"settings", kOrcaPrinter, "--import", onyx.string()});
    EXPECT_EQ(renamed.exitCode, kRefused) << renamed.out;
    EXPECT_EQ(Orcaui({"settings", kOrcaPrinter}).out, before);

    ASSERT_EQ(
        Orcaui({"settings", kOrcaPrinter, "--export", (Scratch() / "k.drvs").string()}).exitCode,
        0);
    std::string file = ReadFile(Scratch() / "k.drvs");
    const size_t speed = file.find("btSpeed=");
    file.replace(speed, file.find('\r', speed) - speed, "btSpeed=31");
    std::ofstream(Scratch() / "k.drvs", std::ios::binary) << file;
    const HostRun run =
        Orcaui({"settings", kOrcaPrinter, "--import", (Scratch() / "k.drvs").string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("not taken, the printer's model cannot hold it: btSpeed=31 (kept "),
              std::string::npos)
        << run.out;
}

}  // namespace
}  // namespace orca::hosttest
