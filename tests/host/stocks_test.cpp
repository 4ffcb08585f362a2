// SPDX-License-Identifier: Apache-2.0
// The Stocks tab of the printer properties: forms added, changed and deleted
// there are the spooler's at once, kept in the state directory, and offered
// by the next run's Option page, in both command languages and both UI
// languages.
#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using StocksTest = HostTest;

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(StocksTest, FormsMadeOnTheStocksTabAreTheOptionPagesStocksInTheNextRuns) {
    struct Case {
        const char* printer;
        const char* language;  // chosen on the Language page first, unless null
        const char* tab;
        const char* defaultForm;
    };
    const Case cases[] = {
        {kOrcaPrinter, nullptr, "tab Stocks", "Custom Paper-Kestrel"},
        {kOnyxPrinter, "Chinese", "tab 纸张", "Custom Paper-Heron"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.printer);
        if (c.language != nullptr) {
            const HostRun chosen = Orcaui({"sheet", c.printer, "tab Language",
                                           std::string("select 1310 ") + c.language, "apply"});
            ASSERT_EQ(chosen.exitCode, 0) << chosen.err;
        }
        const auto stocks = [&](std::vector<std::string> actions) {
            actions.insert(actions.begin(), {"sheet", c.printer, "--printer-sheet", c.tab});
            return Orcaui(actions);
        };
        const auto optionStocks = [&] {
            const HostRun run = Orcaui({"sheet", c.printer});
            EXPECT_EQ(run.exitCode, 0) << run.err;
            const size_t line = run.out.find("combo 1018");
            return run.out.substr(line, run.out.find('\n', line) - line);
        };

        const HostRun added = stocks({"type 1088 'Label 50'", "type 1089 500", "type 1026 300",
                                      "click IDC_STOCKS_BUTTON_SAVE"});
        ASSERT_EQ(added.exitCode, 0) << added.err;
        const std::string forms = ReadFile(StateFile("forms.ini"));
        EXPECT_TRUE(Has(forms, "Name=Custom Paper-Label 50\n") && Has(forms, "Size=50000,30000\n"))
            << forms;
        EXPECT_TRUE(Has(optionStocks(),
                        std::string("\"") + c.defaultForm + "\" \"Custom Paper-Label 50\""));

        const HostRun changed = stocks({"select 1082 'Custom Paper-Label 50'", "type 1089 600",
                                        "click IDC_STOCKS_BUTTON_SAVE"});
        ASSERT_EQ(changed.exitCode, 0) << changed.err;
        EXPECT_TRUE(Has(ReadFile(StateFile("forms.ini")), "Size=60000,30000"));

        const HostRun deleted =
            stocks({"select 1082 'Custom Paper-Label 50'", "click IDC_STOCKS_BUTTON_DELETE"});
        ASSERT_EQ(deleted.exitCode, 0) << deleted.err;
        EXPECT_FALSE(Has(ReadFile(StateFile("forms.ini")), "Label 50"));
        EXPECT_FALSE(Has(optionStocks(), "Label 50"));
    }
}

TEST_F(StocksTest, ARefusedSaveIsShownAndTheDefaultFormCannotBeDeleted) {
    const HostRun refused = Orcaui({"sheet", kOrcaPrinter, "--printer-sheet", "tab Stocks",
                                    "type 1088", "click IDC_STOCKS_BUTTON_SAVE"});
    ASSERT_EQ(refused.exitCode, 0) << refused.err;
    EXPECT_TRUE(Has(refused.out, "message box \"Error\": \"Add failed!\"")) << refused.out;

    const HostRun undeletable = Orcaui(
        {"sheet", kOrcaPrinter, "--printer-sheet", "tab Stocks", "click IDC_STOCKS_BUTTON_DELETE"});
    EXPECT_EQ(undeletable.exitCode, kRefused);
    EXPECT_TRUE(Has(ReadFile(StateFile("forms.ini")), "Name=Custom Paper-Kestrel"));
}

}  // namespace
}  // namespace orca::hosttest
