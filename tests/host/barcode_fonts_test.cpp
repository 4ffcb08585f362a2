// Barcode fonts through orcaui as a person defines them in the printer folder
// (--shell): added, changed and deleted on the Barcode Fonts tab, applied, and
// read back with `orcaui settings`; refusals show their message.
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
        EXPECT_NE(run.out.find(R"(list 1192 "EAN13" "EAN8" "UPC E" "CODE39" ["CODE128"])"),
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

TEST_F(BarcodeFontsTest, OutsideTheShellNoFontIsAdded) {
    const HostRun run = Orcaui({"sheet", kOrcaPrinter, kTab, "click 1194"});
    EXPECT_EQ(run.exitCode, kRefused);
    EXPECT_EQ(Setting(kOrcaPrinter, "dwBarcodeCount"), "8");
}

}  // namespace
}  // namespace orca::hosttest
