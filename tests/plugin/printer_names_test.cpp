// SPDX-License-Identifier: Apache-2.0
// A printer is opened and told apart by its whole name, however long; only the
// language files are keyed by the name's first 32 characters.
#include <string>

#include "plugin_fixture.h"

namespace orca::plugin {
namespace {

using driverhost::HostPrinter;

constexpr settings::FieldId kPaperSizeId = 3001;  // dmPaperSize

// 32 characters: the name the longer printers below share their start with.
const std::u16string kNamesake = u"Warehouse 4 network label printe";

struct NamedPrinter {
    std::u16string name;
    const char16_t* driver;
    uint16_t storedPaper;
    DWORD blockSize;
};

class PrinterNamesTest : public PluginTest {};

TEST_F(PrinterNamesTest, EachPrinterIsOpenedByItsWholeName) {
    ASSERT_EQ(kNamesake.size(), 32u);
    const NamedPrinter printers[] = {
        {kNamesake, u"Kestrel(ORCA)", 5, kOrcaBlockSize},
        {kNamesake + u"r", u"Kestrel(ORCA)", 9, kOrcaBlockSize},
        {kNamesake + u"r (dock B)", u"Kestrel(ONYX)", 1, kOnyxBlockSize},
        // No printer is named by its first 32 characters.
        {std::u16string(200, u'N'), u"Kestrel(ORCA)", 11, kOrcaBlockSize},
    };
    for (const NamedPrinter& p : printers) {
        platform::sim::Printer stored;
        stored.name = p.name;
        stored.driverName = p.driver;
        stored.settings = platform::sim::MakePublicRecord(p.name, p.storedPaper, u"A4");
        Env().AddPrinter(std::move(stored));
    }
    for (const NamedPrinter& p : printers) {
        SCOPED_TRACE(testing::Message() << p.name.size() << " characters");
        HostPrinter printer(p.name);
        ASSERT_NE(printer.Handle(), nullptr);
        driverhost::PluginObject object(Library().CreateObject());
        EXPECT_EQ(PrivateSize(object.get(), printer.Handle()), p.blockSize);
        // Before a sheet attaches records, reads go to the printer's own
        // stored settings.
        pages::PageContext& context = *As<pages::PageContext>(object.get());
        uint16_t paper = 0;
        EXPECT_EQ(context.AccessValue(kPaperSizeId, &paper, 0, true), 0);
        EXPECT_EQ(paper, p.storedPaper);
        EXPECT_EQ(context.PrinterName(), p.name.substr(0, 32));
    }
}

}  // namespace
}  // namespace orca::plugin
