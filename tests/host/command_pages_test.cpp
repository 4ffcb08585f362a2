// SPDX-License-Identifier: Apache-2.0
// The Command Fonts and Custom Command tabs through the built orcaui: what a
// person defines there and applies is what `orcaui settings` shows next.
#include <string>
#include <vector>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

class CommandPagesTest : public HostTest {
protected:
    // The value of key in the first command font as `orcaui settings` shows it.
    std::string FontSetting(const std::string& printer, const std::string& key) {
        const HostRun run = Orcaui({"settings", printer});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        const size_t section = run.out.find("[CommandFont1]");
        const size_t at = run.out.find("\n" + key + "=", section);
        if (section == std::string::npos || at == std::string::npos) {
            ADD_FAILURE() << "no " << key << " of a command font in\n" << run.out;
            return {};
        }
        const size_t start = at + key.size() + 2;
        return run.out.substr(start, run.out.find('\n', start) - start);
    }
};

TEST_F(CommandPagesTest, CommandFontsAreDefinedChangedAndDeletedInBothLanguages) {
    const std::string file = (Scratch() / "cut.prn").string();
    for (const char* printer : {kOrcaPrinter, kOnyxPrinter}) {
        SCOPED_TRACE(printer);
        HostRun run =
            Orcaui({"sheet", printer, "--shell", "tab Command Fonts", "answer dialog",
                    "type 1275 Cutter", "select 1277 Text", "type 1278 ^XA", "answer menu #28",
                    "click 1279", "select 1281 File", "answer file " + file, "click 1283",
                    "click 1314", "end", "click 1270", "apply"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Setting(printer, "dwCMDFontCount"), "1");
        EXPECT_EQ(FontSetting(printer, "Name"), "Cutter");
        EXPECT_EQ(FontSetting(printer, "btCMDPrefixType"), "2");
        EXPECT_EQ(FontSetting(printer, "strCMDPrefixData"), "^XA<\\\\x1B>");
        EXPECT_EQ(FontSetting(printer, "wCMDPrefixDataLength"), "9");
        EXPECT_EQ(FontSetting(printer, "btCMDPostfixType"), "1");
        EXPECT_EQ(FontSetting(printer, "strCMDPostfixData"), file);

        run = Orcaui({"sheet", printer, "--shell", "tab Command Fonts", "answer dialog",
                      "select 1289 After Page End", "select 1277 Empty", "click 1314", "end",
                      "dblclick 1265 Cutter", "apply"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(FontSetting(printer, "btCMDPosition"), "2");
        EXPECT_EQ(FontSetting(printer, "btCMDPrefixType"), "0");
        EXPECT_EQ(FontSetting(printer, "wCMDPrefixDataLength"), "0");

        run = Orcaui({"sheet", printer, "--shell", "tab Command Fonts", "click 1272", "apply"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Setting(printer, "dwCMDFontCount"), "0");
    }
}

TEST_F(CommandPagesTest, OutsideTheShellNoFontCanBeMade) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "tab Command Fonts", "click 1270"});
    EXPECT_EQ(run.exitCode, kRefused) << run.err;
}

TEST_F(CommandPagesTest, AllEightCustomCommandsOfBothLanguagesAreSet) {
    const std::vector<std::string> positions = {"Document", "Document(Data)", "Page", "Page(Data)"};
    const std::vector<std::string> keys = {"DocStart",       "DocEnd",      "DocStart_Data",
                                           "DocEnd_Data",    "PageStart",   "PageEnd",
                                           "PageStart_Data", "PageEnd_Data"};
    for (const char* printer : {kOrcaPrinter, kOnyxPrinter}) {
        SCOPED_TRACE(printer);
        std::vector<std::string> args = {"sheet", printer, "tab Custom Command"};
        for (size_t p = 0; p < positions.size(); ++p) {
            args.push_back("select 1097 " + positions[p]);
            args.push_back("select 1100 Text");
            args.push_back("type 1102 S" + std::to_string(p));
            args.push_back("select 1101 Text");
            args.push_back("type 1103 E" + std::to_string(p));
        }
        args.push_back("apply");
        const HostRun run = Orcaui(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        for (size_t k = 0; k < keys.size(); ++k) {
            const std::string name = keys[k];
            const std::string command = std::string(k % 2 == 0 ? "S" : "E") + std::to_string(k / 2);
            const size_t cut = name.find('_');
            const std::string base = name.substr(0, cut);
            const std::string data = cut == std::string::npos ? "" : name.substr(cut);
            EXPECT_EQ(Setting(printer, "b" + name), "2") << name;
            EXPECT_EQ(Setting(printer, "b" + base + "CommandLength" + data), "2") << name;
            EXPECT_EQ(Setting(printer, "c" + base + "Command" + data), command) << name;
        }
    }
}

}  // namespace
}  // namespace orca::hosttest
