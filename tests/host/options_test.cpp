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
          "group-quantity/Group Quantity: *1 (a whole number of at most 6 digits) [disabled now]",
          "top-adjust/Top (mm): *0.00 (a number from -10.00 to 10.00 mm, or Default)",
          "left-adjust/Left (mm): *0.00 (a number from -999.90 to 999.90 mm, or Default)",
          "dithering/Dithering Type: *Halftone None"},
         "outpaper-adjust/"},
        {kOnyxPrinter,
         {"copies/Copies: *1 (a whole number from 1 to 9999)",
          "speed/Speed (mm/s): *Default 76 89 102 114 127 140 152",
          "outpaper-adjust/OutPaper (mm): *0.00 (a number from -8.00 to 8.00 mm, or Default)"},
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

TEST_F(OptionsTest, DefaultLeavesAnAdjustmentToThePrinter) {
    ASSERT_EQ(Orcaui({"set", kOrcaPrinter, "top-adjust=1.5"}).exitCode, 0);
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
                  .out.find("pause-interval/Interval: *30 (a whole number of at most 6 digits)\n"),
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
                                          "left-margin=249"};
    // The page keeps a tenth of a millimetre printable between the margins,
    // against the width the same command sets: no room is refused whole.
    std::vector<std::string> noRoom = set;
    noRoom.back() = "left-margin=300";
    const HostRun refused = Orcaui(noRoom);
    EXPECT_EQ(refused.exitCode, kRefused);
    EXPECT_NE(refused.err.find("right-margin=250: outside the Stocks page's limits, which would "
                               "make it 199"),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(refused.out, "");
    const HostRun first = Orcaui(set);
    ASSERT_EQ(first.exitCode, 0) << first.err;
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

// Every value is checked against what its field holds before anything is
// stored: a refusal names what is allowed, prints no change and stores nothing.
TEST_F(OptionsTest, RefusalsNameWhatIsAllowedAndChangeNothing) {
    const struct {
        const char* printer;
        std::vector<std::string> args;
        int exitCode;
        const char* told;
    } kCases[] = {
        {kOrcaPrinter,
         {"darkness=20", "colour=red"},
         kRefused,
         "no option \"colour\"; the options are copies,"},
        {kOrcaPrinter, {"darknes=20"}, kRefused, "no option \"darknes\"; did you mean darkness?"},
        {kOrcaPrinter, {"darkness=45"}, kRefused, "darkness takes a whole number from 0 to 30"},
        {kOrcaPrinter, {"orientation=Sideways"}, kRefused, "takes \"Portrait\", \"Landscape\""},
        {kOrcaPrinter, {"copies=0"}, kRefused, "copies takes a whole number from 1 to 32767"},
        // The ONYX Options page keeps copies to 9999.
        {kOnyxPrinter, {"copies=20000"}, kRefused, "copies takes a whole number from 1 to 9999"},
        {kOrcaPrinter, {"top-adjust=high"}, kRefused, "not a number as set reads one"},
        // Written otherwise than digits and a point between digits, a
        // number would be read by the page as another one.
        {kOrcaPrinter, {"top-adjust=.5"}, kRefused, "top-adjust=.5: not a number as set reads"},
        {kOrcaPrinter, {"top-adjust=5."}, kRefused, "top-adjust=5.: not a number as set reads"},
        {kOrcaPrinter, {"top-adjust=1e-1"}, kRefused, "top-adjust=1e-1: not a number as set"},
        {kOrcaPrinter, {"darkness=+1"}, kRefused, "not one of the values offered"},
        // An adjustment reaches as far either way as its language's page holds it.
        {kOrcaPrinter,
         {"top-adjust=999"},
         kRefused,
         "top-adjust=999: out of range; top-adjust takes a number from -10.00 to 10.00 mm"},
        {kOnyxPrinter,
         {"top-adjust=-8.01"},
         kRefused,
         "top-adjust=-8.01: out of range; top-adjust takes a number from -8.00 to 8.00 mm"},
        {kOrcaPrinter,
         {"units=inch", "top-adjust=0.5"},
         kRefused,
         "top-adjust=0.5: outside the Advance Setup page's limits, which would make it 0.393701"},
        {kOrcaPrinter,
         {"operation-mode=Cutter", "group-quantity=1234567"},
         kRefused,
         "group-quantity takes a whole number of at most 6 digits"},
        {kOrcaPrinter,
         {"pause=After Interval", "pause-interval=99999999"},
         kRefused,
         "pause-interval takes a whole number of at most 6 digits"},
        {kOrcaPrinter, {"darkness=10", "darkness=20"}, kUsage, "darkness is given twice"},
        {kOrcaPrinter, {"darkness=25", "group-quantity=7"}, kRefused, "has it disabled"},
        {kOrcaPrinter, {"outpaper-adjust=1"}, kRefused, "this printer's pages have no outpaper"},
        {kOrcaPrinter,
         {"compression=Maybe"},
         kRefused,
         "compression takes \"Disable\", \"Enable\""},
        {kOrcaPrinter,
         {"pause-interval=5"},
         kRefused,
         "pause-interval cannot be changed now: the Other dialog of the Advance Setup page"},
        {kOrcaPrinter,
         {"pause=After Interval", "pause-interval=2.5"},
         kRefused,
         "the field takes digits only; pause-interval takes a whole number of at most 6 digits"},
        {kOrcaPrinter,
         {"paper-width=500"},
         kRefused,
         "paper-width is an option of the printer's properties"},
        {kOrcaPrinter, {"darkness"}, kUsage, "is not NAME=VALUE"},
    };
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const auto before = StateFiles(State());
    for (const auto& c : kCases) {
        std::vector<std::string> args = {"set", c.printer};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const HostRun run = Orcaui(args);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.told;
        EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << c.told;
        EXPECT_EQ(StateFiles(State()), before) << c.told;
    }
    EXPECT_EQ(Orcaui({"get", kOrcaPrinter, "colour"}).exitCode, kRefused);
}

// Options that enable or scale others come first whatever the order given,
// and what is compared on a second run is what is stored.
TEST_F(OptionsTest, OrderAndStartStateDoNotChangeWhatIsStored) {
    const struct {
        std::vector<std::string> start;  // set first, from a new state
        std::vector<std::string> set;    // run in this order and reversed
        std::vector<std::pair<const char*, const char*>> stored;
        const char* got;  // get of the set's names, in the set's order
    } kCases[] = {
        {{"units=inch"}, {"top-adjust=0.3", "units=mm"}, {{"dbAdjustTop", "0.300"}}, "0.30\nmm\n"},
        {{"units=mm"},
         {"top-adjust=0.3", "units=inch"},
         {{"dbAdjustTop", "7.620"}},
         "0.30\ninch\n"},
        {{},
         {"group-quantity=7", "operation-mode=Cutter"},
         {{"dwCutterGroup", "7"}, {"btOperationMode", "4"}},
         "7\nCutter\n"},
        {{},
         {"pause-interval=30", "pause=After Interval"},
         {{"dwInterval", "30"}, {"btPause", "3"}},
         "30\nAfter Interval\n"},
        // Finer than the page's two decimals: stored and read back as set.
        {{}, {"top-adjust=0.123"}, {{"dbAdjustTop", "0.123"}}, "0.123\n"},
    };
    for (const auto& c : kCases) {
        for (const bool reversed : {false, true}) {
            std::filesystem::remove_all(State());
            if (!c.start.empty()) {
                std::vector<std::string> start = {"set", kOrcaPrinter};
                start.insert(start.end(), c.start.begin(), c.start.end());
                ASSERT_EQ(Orcaui(start).exitCode, 0);
            }
            std::vector<std::string> set = {"set", kOrcaPrinter};
            if (reversed)
                set.insert(set.end(), c.set.rbegin(), c.set.rend());
            else
                set.insert(set.end(), c.set.begin(), c.set.end());
            const HostRun first = Orcaui(set);
            ASSERT_EQ(first.exitCode, 0) << first.err;
            for (const auto& [key, value] : c.stored)
                EXPECT_EQ(Setting(kOrcaPrinter, key), value) << key << " " << c.set[0];
            std::vector<std::string> get = {"get", kOrcaPrinter};
            for (const std::string& assignment : c.set)
                get.push_back(assignment.substr(0, assignment.find('=')));
            EXPECT_EQ(Orcaui(get).out, c.got);
            const HostRun again = Orcaui(set);
            EXPECT_EQ(again.exitCode, 0) << again.err;
            EXPECT_EQ(again.out, "nothing changed: every value already holds\n") << c.set[0];
        }
    }
}

// The change lines come after the save, with units: a length the units
// changed is a change though its number is the same.
TEST_F(OptionsTest, ChangesAreToldOnceStored) {
    ASSERT_EQ(Orcaui({"set", kOrcaPrinter, "top-adjust=0.3"}).exitCode, 0);
    const HostRun run = Orcaui({"set", kOrcaPrinter, "top-adjust=0.3", "units=inch"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "units: mm -> inch\ntop-adjust: 0.30 mm -> 0.30 inch\n");
}

// Each choice keeps its English keyword in any language the sheet shows.
TEST_F(OptionsTest, ChoicesTakeTheirKeywordWhateverTheLanguage) {
    ASSERT_EQ(Orcaui({"set", kOrcaPrinter, "language=Chinese"}).exitCode, 0);
    const HostRun run = Orcaui(
        {"set", kOrcaPrinter, "operation-mode=Cutter", "group-quantity=2", "language=English"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Setting(kOrcaPrinter, "dwCutterGroup"), "2");
    ASSERT_EQ(Orcaui({"set", kOrcaPrinter, "language=Chinese"}).exitCode, 0);
    const HostRun listed = Orcaui({"options", kOrcaPrinter});
    EXPECT_NE(listed.out.find(" *Cutter="), std::string::npos) << listed.out;
    const HostRun json = Orcaui({"options", kOrcaPrinter, "--json"});
    EXPECT_NE(json.out.find("\"keyword\": \"Cutter\""), std::string::npos) << json.out;
    const HostRun again = Orcaui({"set", kOrcaPrinter, "operation-mode=cutter"});
    EXPECT_EQ(again.out, "nothing changed: every value already holds\n") << again.err;
}

}  // namespace
}  // namespace orca::hosttest
