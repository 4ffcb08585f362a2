// SPDX-License-Identifier: Apache-2.0
// --json: what the text shows, as one JSON document a program can read, with
// the pages' values beside the stored codes; text tables line up by the
// width a terminal gives their characters.
#include <nlohmann/json.hpp>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using Json = nlohmann::json;
using JsonOutputTest = HostTest;

constexpr char kWideName[] = "Étiquette 标签机";

Json Parsed(const HostRun& run) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return Json::parse(run.out, nullptr, false);
}

TEST_F(JsonOutputTest, ListsReadAsJson) {
    ASSERT_EQ(Orcaui({"printer", "add", kWideName, "--driver", "ORCA Kestrel"}).exitCode, 0);
    ASSERT_EQ(Orcaui({"sheet", kOrcaPrinter, "tab Tools", "click 1127"}).exitCode, 0);

    const Json printers = Parsed(Orcaui({"printers", "--json"}));
    ASSERT_TRUE(printers.is_array()) << printers;
    ASSERT_EQ(printers.size(), 3u);
    const Json added = {{"name", kWideName},
                        {"model", "Kestrel(ORCA)"},
                        {"language", "ORCA"},
                        {"port", "null:"},
                        {"driver", "ORCA Kestrel"}};
    EXPECT_EQ(printers[2], added);

    const Json models = Parsed(Orcaui({"models", "--json"}));
    EXPECT_NE(std::find(models.begin(), models.end(),
                        Json{{"name", "Heron(ONYX)"}, {"language", "ONYX"}}),
              models.end())
        << models;

    const Json jobs = Parsed(Orcaui({"jobs", kOrcaPrinter, "--json"}));
    ASSERT_EQ(jobs.size(), 1u) << jobs;
    EXPECT_EQ(jobs[0]["number"], 1);
    EXPECT_EQ(jobs[0]["complete"], true);
    EXPECT_EQ(jobs[0]["bytes"].get<std::string>().size() >= jobs[0]["size"].get<size_t>(), true)
        << jobs;
    EXPECT_EQ(Parsed(Orcaui({"jobs", kOnyxPrinter, "--json"})), Json::array());
}

TEST_F(JsonOutputTest, SettingsShowThePagesValuesBesideTheStoredCodes) {
    const Json before = Parsed(Orcaui({"settings", kOnyxPrinter, "--json"}));
    const Json& option = before["settings"]["Option"];
    const Json speed = {{"stored", 255}, {"option", "speed"}, {"shown", "Default"}};
    EXPECT_EQ(option["btSpeed"], speed) << option;
    EXPECT_EQ(option["btSpeedUnit"], (Json{{"stored", 1}}));
    EXPECT_EQ(before["settings"]["Public"]["dmFormName"]["stored"], "4 x 6 in");

    ASSERT_EQ(Orcaui({"set", kOnyxPrinter, "speed=89", "top-adjust=1.5"}).exitCode, 0);
    const Json after = Parsed(Orcaui({"settings", kOnyxPrinter, "--json"}));
    EXPECT_EQ(after["settings"]["Option"]["btSpeed"]["shown"], "89 mm/s") << after;
    EXPECT_EQ(after["settings"]["Option"]["dbAdjustTop"]["shown"], "1.50 mm") << after;

    const Json options = Parsed(Orcaui({"options", kOnyxPrinter, "--json"}));
    ASSERT_TRUE(options.is_array()) << options;
    const auto copies = std::find_if(options.begin(), options.end(),
                                     [](const Json& o) { return o["name"] == "copies"; });
    ASSERT_NE(copies, options.end());
    // The ONYX page's own limit, and numbers as numbers.
    EXPECT_EQ((*copies)["range"], Json::array({1, 9999}));
    EXPECT_EQ((*copies)["value"], 1);
    EXPECT_EQ((*copies)["stored_as"], "dmCopies");
    EXPECT_EQ((*copies)["dialog"], nullptr);
    const auto replay = std::find_if(options.begin(), options.end(),
                                     [](const Json& o) { return o["name"] == "error-replay"; });
    ASSERT_NE(replay, options.end());
    EXPECT_EQ((*replay)["dialog"], "Other");
    EXPECT_EQ((*replay)["values"], Json::array({"Disable", "Enable"}));
    EXPECT_EQ((*replay)["keywords"], Json::array({"Disable", "Enable"}));
    EXPECT_EQ(after["settings"]["Option"]["btErrRePrint"]["shown"], "Enable") << after;
}

TEST_F(JsonOutputTest, SettingsTextShowsThePagesValueAfterEachCodeItDiffersFrom) {
    ASSERT_EQ(Orcaui({"set", kOnyxPrinter, "speed=89", "darkness=0"}).exitCode, 0);
    const HostRun run = Orcaui({"settings", kOnyxPrinter});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto lineOf = [&run](const std::string& key) {
        const size_t at = run.out.find("\n" + key + "=");
        return at == std::string::npos
                   ? std::string()
                   : run.out.substr(at + 1, run.out.find('\n', at + 1) - at - 1);
    };
    const struct {
        const char* key;
        const char* code;
        const char* column;  // after the code and its padding; empty: none
    } kCases[] = {
        {"btSpeed", "6", "; speed: 89 mm/s"},
        {"btErrRePrint", "1", "; error-replay: Enable"},
        {"dbAdjustTop", "0.000", "; top-adjust: 0.00 mm"},
        {"dmOrientation", "1", "; orientation: Portrait"},
        {"btDarkness", "0", ""},
        {"dmCopies", "1", ""},
        {"btSpeedUnit", "1", ""},
    };
    for (const auto& c : kCases) {
        const std::string line = lineOf(c.key);
        const std::string code = std::string(c.key) + "=" + c.code;
        const std::string_view column = c.column;
        ASSERT_TRUE(line.starts_with(code)) << line << "\n" << run.out;
        if (column.empty()) {
            EXPECT_EQ(line, code);
        } else {
            EXPECT_TRUE(line.ends_with(column)) << line;
            EXPECT_EQ(line.find_first_not_of(' ', code.size()), line.size() - column.size())
                << line;
        }
    }
    // The columns of the option area line up.
    EXPECT_EQ(lineOf("btSpeed").find(';'), lineOf("dbAdjustTop").find(';')) << run.out;
    EXPECT_EQ(lineOf("btErrRePrint").find(';'), lineOf("dbAdjustTop").find(';')) << run.out;
    // Each setting's line still reads as key=code, as before the column.
    EXPECT_EQ(Setting(kOnyxPrinter, "btSpeed"), "6");
    EXPECT_EQ(Setting(kOnyxPrinter, "btDarkness"), "0");
}

TEST_F(JsonOutputTest, TextTableColumnsLineUpByDisplayWidth) {
    ASSERT_EQ(Orcaui({"printer", "add", kWideName, "--driver", "ORCA Kestrel"}).exitCode, 0);
    const HostRun run = Orcaui({"printers"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The MODEL column starts after the same number of terminal columns on
    // every line: "Étiquette 标签机" is 16 columns wide (É one, 标签机 two each).
    const size_t header = run.out.find("MODEL");
    const size_t wide = run.out.find(kWideName);
    ASSERT_NE(wide, std::string::npos) << run.out;
    const std::string line = run.out.substr(wide, run.out.find('\n', wide) - wide);
    const std::string after = line.substr(std::string(kWideName).size());
    EXPECT_EQ(16 + after.find_first_not_of(' '), header) << run.out;
}

}  // namespace
}  // namespace orca::hosttest
