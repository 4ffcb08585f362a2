// SPDX-License-Identifier: Apache-2.0
// Adding printers: a driver keeps the model its printers have, a new printer
// always gets its model's papers, and the models and the command family are
// there to read before adding.
#include "host_fixture.h"

namespace orca::hosttest {
namespace {

using PrintersTest = HostTest;

// The stock list of the printer's Option page, as printed.
std::string StockList(const HostRun& sheet) {
    const size_t at = sheet.out.find("combo 1018 ");
    return at == std::string::npos ? "" : sheet.out.substr(at, sheet.out.find('\n', at) - at);
}

TEST_F(PrintersTest, ADriverKeepsTheModelOfItsPrinters) {
    ASSERT_EQ(Orcaui({"printers"}).exitCode, 0);
    const std::string map = ReadFile(StateFile("Windows/system32/spool/drivers/x64/3/labels.lbpm"));
    const HostRun refused =
        Orcaui({"printer", "add", "Dock", "--driver", "ONYX Heron", "--model", "Kestrel(ORCA)"});
    EXPECT_EQ(refused.exitCode, kUsage);
    EXPECT_NE(refused.err.find("the driver \"ONYX Heron\" is the model \"Heron(ONYX)\" for its "
                               "printers \"Heron(ONYX)\""),
              std::string::npos)
        << refused.err;
    EXPECT_EQ(ReadFile(StateFile("Windows/system32/spool/drivers/x64/3/labels.lbpm")), map);
    EXPECT_EQ(Setting(kOnyxPrinter, "dmDeviceName"), "Heron(ONYX)");
    EXPECT_NE(Orcaui({"printers"}).out.find("Heron(ONYX)    Heron(ONYX)    ONYX"),
              std::string::npos);

    // The model the driver has already, and a new driver with a model of its own.
    EXPECT_EQ(Orcaui({"printer", "add", "Dock", "--driver", "ONYX Heron", "--model", "Heron(ONYX)"})
                  .exitCode,
              0);
    const HostRun added =
        Orcaui({"printer", "add", "Bay", "--driver", "ORCA Bay", "--model", "Kestrel(ORCA)"});
    ASSERT_EQ(added.exitCode, 0) << added.err;
    EXPECT_NE(Orcaui({"printers"}).out.find("Bay            Kestrel(ORCA)  ORCA"),
              std::string::npos);
}

TEST_F(PrintersTest, NewPrinterGetsThePapersThatFitItsModel) {
    struct Case {
        const char* model;
        const char* stock;
    };
    // A6 is wider than a Kestrel prints, not than a Crane.
    const Case cases[] = {
        {"Kestrel(ORCA)",
         "combo 1018 IDC_OPTION_COMBO_STOCK [\"4 x 6 in\"] \"4 x 4 in\" \"2 x 1 in\" \"100 x 150 "
         "mm\""},
        {"Crane",
         "combo 1018 IDC_OPTION_COMBO_STOCK [\"4 x 6 in\"] \"4 x 4 in\" \"2 x 1 in\" \"100 x 150 "
         "mm\" \"A6\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        const std::string driver = std::string("Drv ") + c.model;
        ASSERT_EQ(
            Orcaui({"printer", "add", "New", "--driver", driver, "--model", c.model}).exitCode, 0);
        EXPECT_EQ(StockList(Orcaui({"sheet", "New"})), c.stock);
        // Re-added after its driver's last printer went: the same papers.
        ASSERT_EQ(Orcaui({"printer", "remove", "New"}).exitCode, 0);
        ASSERT_EQ(Orcaui({"printer", "add", "New", "--driver", driver}).exitCode, 0);
        EXPECT_EQ(StockList(Orcaui({"sheet", "New"})), c.stock);
        ASSERT_EQ(Orcaui({"printer", "remove", "New"}).exitCode, 0);
    }
}

TEST_F(PrintersTest, ModelsAndTheCommandFamilyAreListed) {
    const HostRun models = Orcaui({"models"});
    ASSERT_EQ(models.exitCode, 0) << models.err;
    EXPECT_TRUE(models.out.starts_with("Kestrel(ORCA)\tORCA\n")) << models.out;
    EXPECT_NE(models.out.find("\nHeron(ONYX)\tONYX\n"), std::string::npos) << models.out;
    EXPECT_NE(models.out.find("\nCrane\tORCA\n"), std::string::npos) << models.out;

    for (const char* help : {"--help", "-h"}) {
        const HostRun family = Orcaui({"printer", help});
        EXPECT_EQ(family.exitCode, 0) << family.err;
        EXPECT_NE(family.out.find("orcaui printer add NAME"), std::string::npos) << family.out;
        EXPECT_NE(family.out.find("orcaui printer remove NAME"), std::string::npos) << family.out;
    }
    EXPECT_NE(Orcaui({"sheet", "--help"}).out.find("#N: the Nth item, counting from 1"),
              std::string::npos);
}

}  // namespace
}  // namespace orca::hosttest
