// SPDX-License-Identifier: Apache-2.0
// Barcode fonts through orcaui as a person defines them in the printer folder
// (--shell): added, changed and deleted on the Barcode Fonts tab, applied, and
// read back with `orcaui settings`; refusals show their message.
#include <string>
#include <vector>

#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using BarcodeFontsTest = HostTest;

constexpr char kTab[] = "tab Barcode Fonts";

TEST_F(BarcodeFontsTest, AddChangeAndDeleteReachThePrintersSettings) {
    struct Case {
        const char* printer;
        const char* qrCode;
    };
    for (const Case& c : {Case{kOrcaPrinter, "24"}, Case{kOnyxPrinter, "21"}}) {
        SCOPED_TRACE(c.printer);
        const HostRun run = Orcaui({"sheet", c.printer, "--shell", kTab,
                                    // a new QR font at the end
                                    "answer dialog", "type 1182 \"Crate QR\"", "select 1141 QR",
                                    "click 1244", "end", "click 1194",
                                    // EAN8 turned by 90 degrees
                                    "select 1192 EAN8", "answer dialog", "select 1147 90",
                                    "click 1244", "end", "click 1196",
                                    // CODABAR gone
                                    "select 1192 CODABAR", "click 1197", "apply"});
        ASSERT_EQ(run.exitCode, 0) << run.err;
        EXPECT_NE(
            run.out.find(
                R"(list 1192 IDC_BARCODE_LIST_DEFINEDBARCODE "EAN13" "EAN8" "UPC E" "CODE39" ["CODE128"])"),
            std::string::npos)
            << run.out;
        EXPECT_EQ(Setting(c.printer, "dwBarcodeCount"), "8");
        const HostRun settings = Orcaui({"settings", c.printer});
        const std::string& out = settings.out;
        const size_t last = out.find("[Barcode8]");
        ASSERT_NE(last, std::string::npos) << out;
        EXPECT_NE(out.find("btType=" + std::string(c.qrCode), last), std::string::npos);
        EXPECT_NE(out.find("Name=Crate QR", last), std::string::npos);
        EXPECT_EQ(out.find("Name=CODABAR"), std::string::npos);
        const size_t ean8 = out.find("[Barcode2]");
        EXPECT_EQ(out.find("btRotation=1", ean8), out.find("btRotation", ean8));
    }
}

TEST_F(BarcodeFontsTest, RefusalsShowTheirMessageAndKeepTheDialogOpen) {
    const HostRun run = Orcaui({"sheet", kOnyxPrinter, "--shell", kTab, "answer dialog",
                                "click 1244", "type 1182 FontPC", "click 1244", "type 1182 Pallet",
                                "click 1244", "end", "click 1194", "apply"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.out.find(R"(message box "Error": "Please enter font name!" -> OK)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(R"(message box "Error": "This name is already in use!" -> OK)"),
              std::string::npos)
        << run.out;
    EXPECT_EQ(Setting(kOnyxPrinter, "dwBarcodeCount"), "9");
}

// The lines of one [Barcode<n>] section of `orcaui settings`.
std::string Section(const std::string& settings, int record) {
    const std::string head = "[Barcode" + std::to_string(record) + "]\n";
    const size_t start = settings.find(head);
    if (start == std::string::npos)
        return {};
    const size_t end = settings.find("\n[", start + head.size());
    return settings.substr(start, end == std::string::npos ? end : end - start);
}

TEST_F(BarcodeFontsTest, EachSymbologyPageStoresItsFields) {
    struct Case {
        const char* printer;
        std::vector<std::string> dialog;  // actions in the dialog before OK
        std::vector<std::string> stored;  // lines of the new record
    };
    const Case cases[] = {
        {kOrcaPrinter,
         {"select 1141 CODE39", "select 1149 7", "click 1153", "type 1152 12.5",
          "select 1145 Above", "select 1161 2:5"},
         {"btType=5", "btXDimensions=6", "btFontHeight=0", "btHumanReadable=2",
          "dbYDimensions=12.500", "btRatio=2"}},
        {kOrcaPrinter,
         {"select 1141 DATAMATRIX", "select 1201 3", "select 1203 \"36 x 16\""},
         {"btType=17", "btDatamatrixWidth=2", "btDatamatrixNoOfCellA=36",
          "btDatamatrixNoOfCellB=16", "btDatamatrixECC=5"}},
        {kOrcaPrinter,
         {"select 1141 QR", "select 1237 4", "select 1238 1"},
         {"btType=24", "btXDimensions=3", "bQRType=0", "btQRMask=9"}},
        {kOnyxPrinter,
         {"select 1141 PDF417", "select 1181 24", "select 1191 5", "type 1198 45", "type 1199 12",
          "select 1323 Truncated"},
         {"btType=20", "btPDF417SymbolHeight=23", "btPDF417Security=5", "btPDF417Columns=30",
          "btPDF417Rows=12", "btPDF417Truncate=1"}},
        {kOnyxPrinter,
         {"select 1141 MAXICODE", "select 1210 4"},
         {"btType=19", "btMaxicodeMode=3", "btRotation=0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored.front());
        std::vector<std::string> args = {"sheet", c.printer,       "--shell",
                                         kTab,    "answer dialog", "type 1182 Mine"};
        args.insert(args.end(), c.dialog.begin(), c.dialog.end());
        args.insert(args.end(), {"click 1244", "end", "click 1194", "apply"});
        const HostRun run = Orcaui(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::string record = Section(Orcaui({"settings", c.printer}).out, 9);
        EXPECT_NE(record.find("Name=Mine\n"), std::string::npos) << record;
        for (const std::string& line : c.stored)
            EXPECT_NE(record.find(line + "\n"), std::string::npos) << line << "\n" << record;
        // The next case adds its own font.
        ASSERT_EQ(
            Orcaui({"sheet", c.printer, "--shell", kTab, "select 1192 Mine", "click 1197", "apply"})
                .exitCode,
            0);
    }
}

TEST_F(BarcodeFontsTest, OutsideTheShellNoFontIsAdded) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, kTab, "click 1194"});
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_EQ(Setting(kOrcaPrinter, "dwBarcodeCount"), "8");
}

}  // namespace
}  // namespace orca::hosttest
