// SPDX-License-Identifier: Apache-2.0
// What an installed orcaui relies on: it tells its version, and it finds the
// plug-in from its own folder (../lib/orcaui/ beside bin/, also through a
// symbolic link to it), unless ORCAUI_PLUGIN or --plugin names another.
#include <regex>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

namespace fs = std::filesystem;

class InstallLayoutTest : public HostTest {
protected:
    // A copy of orcaui in PREFIX/bin, with the plug-in in PREFIX/lib/orcaui
    // when withPlugin.
    fs::path Install(const fs::path& prefix, bool withPlugin) {
        fs::create_directories(prefix / "bin");
        fs::copy_file(ORCAUI_HOST_PATH, prefix / "bin" / "orcaui");
        if (withPlugin) {
            fs::create_directories(prefix / "lib" / "orcaui");
            fs::copy_file(ORCAUI_PATH, prefix / "lib" / "orcaui" / "libORCAUI.so");
        }
        return prefix / "bin" / "orcaui";
    }
};

TEST_F(InstallLayoutTest, VersionIsTold) {
    const HostRun run = RunHost({{"--version"}, {}, {}}, Scratch());
    EXPECT_EQ(run.exitCode, 0) << run.err;
    // The version on the first line, for scripts and help2man, then the
    // copyright and the licence, as GNU programs tell them.
    EXPECT_TRUE(std::regex_search(
        run.out,
        std::regex(R"(^orcaui \d+\.\d+\.\d+\nCopyright \d{4}(-\d{4})? The ORCAUI authors\.\n)"
                   R"(License Apache-2\.0: <https://www\.apache\.org/licenses/LICENSE-2\.0>\.\n)")))
        << run.out;
}

TEST_F(InstallLayoutTest, PluginIsFoundFromOrcauisOwnFolderUnlessNamed) {
    const fs::path installed = Install(Scratch() / "usr", true);
    const fs::path bare = Install(Scratch() / "bare", false);
    const fs::path link = Scratch() / "link-to-orcaui";
    fs::create_symlink(installed, link);
    const std::string missing = (Scratch() / "missing.so").string();
    struct Case {
        const char* name;
        fs::path program;
        std::map<std::string, std::string> environment;
        std::vector<std::string> options;
        int exitCode;
        std::string message;  // on standard error
    };
    const Case cases[] = {
        {"installed", installed, {}, {}, 0, ""},
        {"through a link", link, {}, {}, 0, ""},
        {"none beside it", bare, {}, {}, 1, (Scratch() / "bare/lib/orcaui/libORCAUI.so").string()},
        {"ORCAUI_PLUGIN", installed, {{"ORCAUI_PLUGIN", missing}}, {}, 1, missing},
        {"--plugin over ORCAUI_PLUGIN",
         bare,
         {{"ORCAUI_PLUGIN", missing}},
         {"--plugin", ORCAUI_PATH},
         0,
         ""},
        {"--plugin empty", installed, {}, {"--plugin="}, kUsage, "--plugin needs a path"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<std::string> args = c.options;
        args.insert(args.end(), {"--state", State().string(), "sheet", kOrcaPrinter});
        const HostRun run = RunHost({args, {}, c.environment}, Scratch(), c.program);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err;
        if (c.exitCode == 0) {
            EXPECT_NE(run.out.find("Printing Preferences"), std::string::npos) << run.out;
        } else {
            EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        }
    }
}

}  // namespace
}  // namespace orca::hosttest
