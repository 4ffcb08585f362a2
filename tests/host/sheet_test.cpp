// SPDX-License-Identifier: Apache-2.0
// The sheet command: a setting changed on a page and applied becomes the
// printer's default that the next run reads back; what is not applied, or
// what a failing command did, is not kept.
#include <algorithm>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

constexpr char kDithering[] = "btDithering";
constexpr char kToDithering[] = "tab Dithering";
constexpr char kNoDithering[] = "click IDC_DITHER_RADIO_NONO";

using SheetTest = HostTest;

TEST_F(SheetTest, AppliedChangeIsReadBackByTheNextRun) {
    ASSERT_EQ(Setting(kOrcaPrinter, kDithering), "1");
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, kToDithering, kNoDithering, "apply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find("radio 1286 IDC_DITHER_RADIO_NONO (o) \"None\""), std::string::npos)
        << run.out;
    EXPECT_EQ(Setting(kOrcaPrinter, kDithering), "0");
    // The other printer keeps its own.
    EXPECT_EQ(Setting(kOnyxPrinter, kDithering), "1");
}

TEST_F(SheetTest, ChangeWithoutApplyIsDroppedWithANote) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, kToDithering, kNoDithering});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("not applied"), std::string::npos) << run.err;
    EXPECT_EQ(Setting(kOrcaPrinter, kDithering), "1");
}

TEST_F(SheetTest, FailingCommandKeepsTheStateAsItWas) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string printersBefore = ReadFile(StateFile("printers.ini"));
    const HostRun run =
        Orcaui({"sheet", kOrcaPrinter, kToDithering, kNoDithering, "apply", "click 4242"});
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_EQ(ReadFile(StateFile("printers.ini")), printersBefore);
    EXPECT_EQ(Setting(kOrcaPrinter, kDithering), "1");
}

// A setup script that applies what already holds runs a second time.
TEST_F(SheetTest, ApplyWithNothingChangedSucceedsWithANoteAndWritesNothing) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string printersBefore = ReadFile(State() / "printers.ini");
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "apply"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("nothing has changed"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(State() / "printers.ini"), printersBefore);
}

size_t Count(const std::string& text, const std::string& part) {
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST_F(SheetTest, InteractiveScriptPrintsWhatEachActionChanged) {
    const std::string script = std::string(kToDithering) + "\n" + kNoDithering + "\nok\n";
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "-i"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // The sheet whole once; then the lines the tab changed; then those the
    // click changed (the radio buttons, their pictures, Apply enabled).
    EXPECT_EQ(Count(run.out, "Printing Preferences"), 1u) << run.out;
    EXPECT_EQ(Count(run.out, "label 1006 IDC_OPTION_STATIC_COPY"), 1u) << run.out;
    EXPECT_EQ(Count(run.out, "group 1288"), 1u) << run.out;
    const size_t clicked = run.out.find("radio 1286 IDC_DITHER_RADIO_NONO (o) \"None\"");
    ASSERT_NE(clicked, std::string::npos) << run.out;
    EXPECT_EQ(run.out.substr(clicked).find("group 1288"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  button 12321 \"Apply\"\n", clicked), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("(the sheet is closed)\n", clicked), std::string::npos) << run.out;
    EXPECT_EQ(Setting(kOrcaPrinter, kDithering), "0");
}

// From a pipe as at a terminal: a failing line is told and the lines after it
// run; what they applied is kept and the first failure gives the exit code.
TEST_F(SheetTest, InteractiveSessionGoesOnAfterAFault) {
    const std::string script =
        "tab Nowhere\nshow\n" + std::string(kToDithering) + "\n" + kNoDithering + "\napply\n";
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "-i"}, script);
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_NE(run.err.find("no tab \"Nowhere\""), std::string::npos) << run.err;
    EXPECT_EQ(Count(run.out, "Printing Preferences"), 2u) << run.out;  // opened, then `show`
    EXPECT_EQ(Setting(kOrcaPrinter, kDithering), "0");
}

TEST_F(SheetTest, AnAnswerThatNothingUsedFailsTheAction) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "answer message Yes", kToDithering});
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_NE(run.err.find("`answer message Yes` was not used"), std::string::npos) << run.err;
    EXPECT_EQ(Orcaui({"sheet", kOrcaPrinter, "answer file"}).exitCode, kRefused);
}

TEST_F(SheetTest, PrinterSheetHoldsThePrinterPages) {
    const HostRun run = Orcaui({"sheet", kOnyxPrinter, "--printer-sheet"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("\"Heron(ONYX) Properties\"\n")) << run.out;
    EXPECT_NE(run.out.find("tabs \"General\" \"Sharing\""), std::string::npos) << run.out;
}

TEST_F(SheetTest, TabsAreFoundByTheirPositionCountingFromOne) {
    // The tabs line: "  tabs "Layout" ... "Tools" ...".
    const std::string shown = Orcaui({"sheet", kOrcaPrinter}).out;
    const size_t line = shown.find("tabs ");
    const std::string tabs = shown.substr(line, shown.find('\n', line) - line);
    const size_t position =
        std::count(tabs.begin(), tabs.begin() + tabs.find("\"Tools\""), '"') / 2;
    const size_t count = std::count(tabs.begin(), tabs.end(), '"') / 2;
    const HostRun tools = Orcaui({"sheet", kOrcaPrinter, "tab #" + std::to_string(position + 1)});
    ASSERT_EQ(tools.exitCode, 0) << tools.err;
    EXPECT_NE(tools.out.find("[\"Tools\"]"), std::string::npos) << tools.out;
    for (const std::string& beyond : {std::string("tab #0"), "tab #" + std::to_string(count + 1)}) {
        const HostRun run = Orcaui({"sheet", kOrcaPrinter, beyond});
        EXPECT_EQ(run.exitCode, kRefused) << beyond;
        EXPECT_NE(run.err.find("the tabs are \"Layout\""), std::string::npos) << run.err;
    }
}

// A field the name table leaves out is named after its label; actions also
// take the texts a person reads: a label before a field, a button's own text.
TEST_F(SheetTest, ControlsAreFoundByTheirLabelsNamesAndTexts) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "select darkness: 21",
                                "type IDC_OPTION_EDIT_COPY 4", "leave Copies", "apply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    for (const char* line :
         {"edit 1014 IDC_OPTION_EDIT_COPY \"4\"", "combo 1017 IDC_OPTION_COMBO_DARKNESS \"0\"",
          "combo 1221 IDC_OPTION_COMBO_UNITS \"cm\""})
        EXPECT_NE(run.out.find(line), std::string::npos) << line << "\n" << run.out;
    EXPECT_EQ(Setting(kOrcaPrinter, "btDarkness"), "21");
    EXPECT_EQ(Setting(kOrcaPrinter, "dmCopies"), "4");

    const struct {
        const char* action;
        const char* told;
    } kRefusals[] = {
        {"click Default", "Default names more than one control here (1241, 1242, 1243)"},
        {"select Nowhere 1", "no control Nowhere on this page"},
    };
    for (const auto& c : kRefusals) {
        const HostRun refused = Orcaui({"sheet", kOrcaPrinter, "tab Advance Setup", c.action});
        EXPECT_EQ(refused.exitCode, kRefused) << c.action;
        EXPECT_NE(refused.err.find(c.told), std::string::npos) << refused.err;
    }
}

}  // namespace
}  // namespace orca::hosttest
