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

TEST_F(SheetTest, ApplyWithNothingChangedIsRefused) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "apply"});
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_NE(run.err.find("Apply is disabled"), std::string::npos) << run.err;
}

TEST_F(SheetTest, InteractiveScriptPrintsThePageAfterEachActionAndStopsAtAFault) {
    const std::string script = std::string(kToDithering) + "\n" + kNoDithering + "\nok\n";
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, "-i"}, script);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    // Once on opening and once after each action but the last, which closes it.
    size_t prints = 0;
    for (size_t at = run.out.find("Printing Preferences"); at != std::string::npos;
         at = run.out.find("Printing Preferences", at + 1))
        ++prints;
    EXPECT_EQ(prints, 3u) << run.out;
    EXPECT_NE(run.out.find("(the sheet is closed)"), std::string::npos) << run.out;
    EXPECT_EQ(Setting(kOrcaPrinter, kDithering), "0");

    const HostRun faulty = Orcaui({"sheet", kOrcaPrinter, "-i"}, "tab Nowhere\nshow\n");
    EXPECT_EQ(faulty.exitCode, kRefused);
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

}  // namespace
}  // namespace orca::hosttest
