// SPDX-License-Identifier: Apache-2.0
// `ok` and `cancel` inside `answer dialog ... end` press the dialog's own OK
// and Cancel, whatever their control numbers, and every control name that
// the printed dialog shows is accepted in actions.
#include <string>
#include <vector>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using DialogButtonsTest = HostTest;

struct DialogCase {
    const char* name;
    const char* printer;
    std::vector<std::string> before;  // up to the dialog's block
    std::vector<std::string> inside;  // the dialog's actions before ok or cancel
    std::string opener;               // the action that opens the dialog
    const char* key;
    const char* confirmed;  // the key's value once the dialog is confirmed with ok
    const char* listed;     // the font's name in the tab's list; none: no Cancel button
};

const std::vector<DialogCase>& Dialogs() {
    static const std::vector<DialogCase> cases = {
        {"Other (ORCA)",
         kOrcaPrinter,
         {"tab Advance Setup"},
         {"select 1301 'After Interval'", "type 1306 30"},
         "click 1307",
         "dwInterval",
         "30",
         nullptr},
        {"Other (ONYX)",
         kOnyxPrinter,
         {"tab Advance Setup"},
         {"select 1329 Disable"},
         "click 1307",
         "btErrRePrint",
         "0",
         nullptr},
        {"Command Font",
         kOrcaPrinter,
         {"--shell", "tab Command Fonts"},
         {"type 1275 Cutter", "select 1277 Text", "type 1278 ^XA"},
         "click 1270",
         "dwCMDFontCount",
         "1",
         "\"Cutter\""},
        {"Barcode Font",
         kOnyxPrinter,
         {"--shell", "tab Barcode Fonts"},
         {"type 1182 Crate", "select 1141 QR"},
         "click 1194",
         "dwBarcodeCount",
         "9",
         "\"Crate\""},
    };
    return cases;
}

std::vector<std::string> SheetRun(const DialogCase& c, const std::string& button) {
    std::vector<std::string> args = {"sheet", c.printer};
    args.insert(args.end(), c.before.begin(), c.before.end());
    args.push_back("answer dialog");
    args.insert(args.end(), c.inside.begin(), c.inside.end());
    args.insert(args.end(), {button, "end", c.opener, "ok"});
    return args;
}

TEST_F(DialogButtonsTest, OkConfirmsEachDialogThroughItsOwnOkButton) {
    for (const DialogCase& c : Dialogs()) {
        SCOPED_TRACE(c.name);
        const HostRun run = Orcaui(SheetRun(c, "ok"));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(Setting(c.printer, c.key), c.confirmed);
    }
}

TEST_F(DialogButtonsTest, CancelLeavesTheFontsAsTheyWere) {
    for (const DialogCase& c : Dialogs()) {
        if (c.listed == nullptr)
            continue;
        SCOPED_TRACE(c.name);
        const std::string before = Setting(c.printer, c.key);
        const HostRun run = Orcaui(SheetRun(c, "cancel"));
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out.find(c.listed), std::string::npos) << run.out;
        EXPECT_EQ(Setting(c.printer, c.key), before);
    }
}

TEST_F(DialogButtonsTest, EveryNameThePrintedDialogShowsIsAccepted) {
    struct Case {
        const char* printer;
        const char* tab;
        const char* opener;
        const char* nameField;
        const char* button;  // a name of the dialog's OK or Cancel
        const char* shown;   // the button's line as the dialog is printed
        const char* key;
        int added;  // fonts the button adds
    };
    const Case cases[] = {
        {kOrcaPrinter, "tab Command Fonts", "click 1270", "1275", "IDOK_CMD_Define",
         "button 1314 IDOK_CMD_Define \"OK\"", "dwCMDFontCount", 1},
        {kOrcaPrinter, "tab Command Fonts", "click 1270", "1275", "id_cmd_cancel",
         "button 1313 ID_CMD_CANCEL \"Cancel\"", "dwCMDFontCount", 0},
        {kOnyxPrinter, "tab Barcode Fonts", "click 1194", "1182", "IDOK_Define",
         "button 1244 IDOK_Define \"OK\"", "dwBarcodeCount", 1},
        {kOnyxPrinter, "tab Barcode Fonts", "click 1194", "1182", "ID_BARCODE_CANCEL",
         "button 1316 ID_BARCODE_CANCEL \"Cancel\"", "dwBarcodeCount", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.button);
        const int before = std::stoi(Setting(c.printer, c.key));
        const HostRun run = Orcaui({"sheet", c.printer, "--shell", c.tab, "answer dialog", "show",
                                    "type " + std::string(c.nameField) + " Mine",
                                    "click " + std::string(c.button), "end", c.opener, "ok"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(run.out.find(c.shown), std::string::npos) << run.out;
        EXPECT_EQ(Setting(c.printer, c.key), std::to_string(before + c.added));
    }
}

}  // namespace
}  // namespace orca::hosttest
