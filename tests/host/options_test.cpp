// SPDX-License-Identifier: Apache-2.0
// options, get and set: settings by name, read off the printer's pages and
// changed through them, so the page's lists, ranges and rules hold.
#include <filesystem>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using OptionsTest = HostTest;

// Every file of the state directory, to show that a run wrote nothing.
std::map<std::string, std::string> StateFiles(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        if (entry.is_regular_file())
            files[entry.path().string()] = ReadFile(entry.path());
    }
    return files;
}

TEST_F(OptionsTest, ListsEachModelsSettingsAsItsPagesShowThem) {
    const struct {
        const char* printer;
        std::vector<std::string> lines;  // whole lines of the listing
        const char* absent;              // a name the model's pages do not show
    } kCases[] = {
        {kOrcaPrinter,
         {"copies/Copies: *1 (a whole number from 1 to 32767)",
          "speed/Speed (mm/s): 50 76 *101 127", "units/Units: cm *mm inch",
          "operation-mode/Operation Mode: Default *\"Tear Off\" \"Peel Off\" Rewind Cutter",
          "group-quantity/Group Quantity: *1 (a whole number, digits only) [disabled now]",
          "top-adjust/Top (mm): *0.00 (a number or Default)",
          "dithering/Dithering Type: *Halftone None"},
         "outpaper-adjust/"},
        {kOnyxPrinter,
         {"speed/Speed (mm/s): *Default 76 89 102 114 127 140 152",
          "outpaper-adjust/OutPaper (mm): *0.00 (a number or Default)"},
         "tear-off-adjust/"},
    };
    for (const auto& c : kCases) {
        const HostRun run = Orcaui({"options", c.printer});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        for (const std::string& line : c.lines)
            EXPECT_NE(run.out.find(line + "\n"), std::string::npos) << line << "\n" << run.out;
        EXPECT_EQ(run.out.find(c.absent), std::string::npos) << run.out;
    }
}

TEST_F(OptionsTest, SetAppliesThroughThePagesAndASecondRunChangesNothing) {
    const std::vector<std::string> set = {"set",           kOrcaPrinter,     "darkness=20",
                                          "speed=76",      "top-adjust=0.5", "copies=3",
                                          "dithering=none"};
    const HostRun first = Orcaui(set);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    EXPECT_NE(first.out.find("darkness: 15 -> 20\n"), std::string::npos) << first.out;
    EXPECT_EQ(Setting(kOrcaPrinter, "btDarkness"), "20");
    EXPECT_EQ(Setting(kOrcaPrinter, "dmCopies"), "3");
    EXPECT_EQ(Setting(kOrcaPrinter, "btDithering"), "0");
    const HostRun got = Orcaui({"get", kOrcaPrinter, "darkness", "speed", "top-adjust"});
    ASSERT_EQ(got.exitCode, 0) << got.err;
    EXPECT_EQ(got.out, "20\n76\n0.50\n");

    const auto before = StateFiles(State());
    const HostRun again = Orcaui(set);
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_NE(again.out.find("nothing changed"), std::string::npos) << again.out;
    EXPECT_EQ(StateFiles(State()), before);
}

TEST_F(OptionsTest, PageRulesHold) {
    // The Advance Setup page enables the group quantity for the cutter only,
    // and keeps an adjustment within its limits.
    const HostRun run = Orcaui(
        {"set", kOrcaPrinter, "operation-mode=Cutter", "group-quantity=5", "top-adjust=999"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("the page made 999 10.00"), std::string::npos) << run.out;
    const HostRun got = Orcaui({"get", kOrcaPrinter, "group-quantity", "top-adjust"});
    EXPECT_EQ(got.out, "5\n10.00\n") << got.err;
    const HostRun back = Orcaui({"set", kOrcaPrinter, "top-adjust=default"});
    ASSERT_EQ(back.exitCode, 0) << back.err;
    EXPECT_EQ(Orcaui({"get", kOrcaPrinter, "top-adjust"}).out, "Default\n");
}

TEST_F(OptionsTest, OtherDialogSettingsAreChangedInTheDialogThePageOpens) {
    const struct {
        const char* printer;
        std::vector<std::string> set;
        std::vector<std::pair<const char*, const char*>> stored;
        std::vector<std::string> get;
        const char* got;
    } kCases[] = {
        {kOrcaPrinter,
         {"pause=After Interval", "pause-interval=30", "backfeed=None", "compression=enable",
          "cancel-before-print=Enable"},
         {{"btPause", "3"},
          {"dwInterval", "30"},
          {"btBackFeed", "0"},
          {"btZip", "1"},
          {"btCancelBeforePrint", "1"}},
         {"pause", "pause-interval", "backfeed", "compression"},
         "After Interval\n30\nNone\nEnable\n"},
        {kOnyxPrinter,
         {"error-replay=Disable"},
         {{"btErrRePrint", "0"}},
         {"error-replay"},
         "Disable\n"},
    };
    for (const auto& c : kCases) {
        std::vector<std::string> set = {"set", c.printer};
        set.insert(set.end(), c.set.begin(), c.set.end());
        const HostRun first = Orcaui(set);
        ASSERT_EQ(first.exitCode, 0) << first.err;
        for (const auto& [key, value] : c.stored)
            EXPECT_EQ(Setting(c.printer, key), value) << key;
        std::vector<std::string> get = {"get", c.printer};
        get.insert(get.end(), c.get.begin(), c.get.end());
        EXPECT_EQ(Orcaui(get).out, c.got);

        const auto before = StateFiles(State());
        const HostRun again = Orcaui(set);
        EXPECT_EQ(again.exitCode, 0) << again.err;
        EXPECT_EQ(again.out, "nothing changed: every value already holds\n");
        EXPECT_EQ(StateFiles(State()), before);
    }
    EXPECT_NE(Orcaui({"options", kOrcaPrinter})
                  .out.find("pause-interval/Interval: *30 (a whole number, digits only)\n"),
              std::string::npos);
}

// The printer sheet's options are the Stocks page's fields of the printer's
// own custom paper; Save Paper Size stores them in its spooler form.
TEST_F(OptionsTest, PrinterSheetOptionsChangeThePrintersOwnCustomPaper) {
    const HostRun listed = Orcaui({"options", kOnyxPrinter, "--printer-sheet"});
    ASSERT_EQ(listed.exitCode, 0) << listed.err;
    EXPECT_NE(listed.out.find("paper-width/Width: *1040 (a whole number from 160 to 1040)\n"),
              std::string::npos)
        << listed.out;
    EXPECT_EQ(listed.out.find("darkness"), std::string::npos) << listed.out;

    const std::vector<std::string> set = {"set",
                                          kOnyxPrinter,
                                          "--printer-sheet",
                                          "paper-width=500",
                                          "paper-height=300",
                                          "right-margin=250",
                                          "left-margin=300"};
    const HostRun first = Orcaui(set);
    ASSERT_EQ(first.exitCode, 0) << first.err;
    // The page keeps a tenth of a millimetre printable between the margins.
    EXPECT_NE(first.out.find("note: left-margin: the page made 300 249\n"), std::string::npos)
        << first.out;
    const HostRun got = Orcaui({"get", kOnyxPrinter, "--printer-sheet", "paper-width",
                                "paper-height", "left-margin", "right-margin"});
    EXPECT_EQ(got.out, "500\n300\n249\n250\n") << got.err;
    // The Option page offers the form at its new size.
    const HostRun stock =
        Orcaui({"sheet", kOnyxPrinter, "select 1018 'Custom Paper-Heron'", "show"});
    EXPECT_NE(stock.out.find("IDC_OPTION_EDIT_WIDTH \"50.00\""), std::string::npos) << stock.out;
    EXPECT_NE(stock.out.find("IDC_OPTION_EDIT_HEIGHT \"30.00\""), std::string::npos) << stock.out;

    const auto before = StateFiles(State());
    const HostRun again = Orcaui({"set", kOnyxPrinter, "--printer-sheet", "paper-width=500"});
    EXPECT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(again.out, "nothing changed: every value already holds\n");
    const HostRun wide = Orcaui({"set", kOnyxPrinter, "--printer-sheet", "paper-width=5000"});
    EXPECT_EQ(wide.exitCode, kRefused);
    EXPECT_NE(wide.err.find("paper-width takes a whole number from 160 to 1040 (see: orcaui "
                            "options PRINTER --printer-sheet)"),
              std::string::npos)
        << wide.err;
    EXPECT_NE(Orcaui({"get", kOnyxPrinter, "--printer-sheet", "darkness"})
                  .err.find("darkness is an option of the printer's printing preferences"),
              std::string::npos);
    EXPECT_EQ(StateFiles(State()), before);
}

TEST_F(OptionsTest, RefusalsNameWhatIsAllowedAndChangeNothing) {
    const struct {
        std::vector<std::string> args;
        int exitCode;
        const char* told;
    } kCases[] = {
        {{"darkness=20", "colour=red"}, kRefused, "no option \"colour\"; the options are copies,"},
        {{"darkness=45"}, kRefused, "darkness takes a whole number from 0 to 30"},
        {{"orientation=Sideways"}, kRefused, "takes \"Portrait\", \"Landscape\""},
        {{"copies=0"}, kRefused, "copies takes a whole number from 1 to 32767"},
        {{"top-adjust=high"}, kRefused, "not a number; top-adjust takes a number or Default"},
        {{"darkness=20", "group-quantity=4"}, kRefused, "the Advance Setup page has it disabled"},
        {{"outpaper-adjust=1"}, kRefused, "this printer's pages have no outpaper-adjust"},
        {{"compression=Maybe"}, kRefused, "compression takes \"Disable\", \"Enable\""},
        {{"pause-interval=5"},
         kRefused,
         "pause-interval cannot be changed now: the Other dialog of the Advance Setup page"},
        {{"pause=After Interval", "pause-interval=2.5"},
         kRefused,
         "the field takes digits only; pause-interval takes a whole number, digits only"},
        {{"paper-width=500"}, kRefused, "paper-width is an option of the printer's properties"},
        {{"darkness"}, kUsage, "is not NAME=VALUE"},
    };
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const auto before = StateFiles(State());
    for (const auto& c : kCases) {
        std::vector<std::string> args = {"set", kOrcaPrinter};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const HostRun run = Orcaui(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.told;
        EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
        EXPECT_EQ(StateFiles(State()), before) << c.told;
    }
    EXPECT_EQ(Orcaui({"get", kOrcaPrinter, "colour"}).exitCode, kRefused);
}

}  // namespace
}  // namespace orca::hosttest
