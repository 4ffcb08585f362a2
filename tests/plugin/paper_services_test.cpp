// SPDX-License-Identifier: Apache-2.0
// The paper services of the plug-in object, reached as the Option page
// reaches them: the paper list with form margins, the stored paper and the
// paper choice written into the printer's and the sheet's records.
#include "pages/option_services.h"
#include "plugin_fixture.h"
#include "settings/byte_access.h"

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostPrinter;
using pages::PaperRecord;

constexpr char16_t kPaperPrinter[] = u"Paper Printer";

class PaperServicesTest : public PluginTest {
protected:
    void SetUp() override {
        PluginTest::SetUp();
        AddPrinter(kPaperPrinter, u"Kestrel(ORCA)",
                   {{.number = 1, .name = u"Letter", .width = 2159, .length = 2794},
                    {.number = 9, .name = u"A4", .width = 2100, .length = 2970}});
        // 100 x 50 mm; imageable area 2 mm in from left and right, 1 mm from
        // top and bottom.
        ASSERT_TRUE(Env().AddForm({.name = u"Custom Paper-Label",
                                   .width = 100000,
                                   .height = 50000,
                                   .left = 2000,
                                   .top = 1000,
                                   .right = 98000,
                                   .bottom = 49000},
                                  300));
        ASSERT_TRUE(Env().AddForm({.name = u"Shelf Tag",
                                   .width = 60000,
                                   .height = 30000,
                                   .right = 60000,
                                   .bottom = 30000},
                                  301));
        printer_ = std::make_unique<HostPrinter>(kPaperPrinter);
        records_ = std::make_unique<HostDevMode>(kOrcaBlockSize, kPaperPrinter);
        Defaults(printer_->Handle(), *records_);
        ui_ = driverhost::CommonUIParams(printer_->Handle(), *records_, items_.Items(),
                                         items_.Count());
        ASSERT_EQ(Object()->CommonUIProp(OEMCUIP_DOCPROP, &ui_), S_OK);
    }

    pages::OptionServices& Services() { return *As<pages::OptionServices>(Object()); }

    std::vector<uint8_t> StoredRecord() { return StoredPrinter(kPaperPrinter).settings; }
    uint32_t StoredValue(settings::FieldId id, uint32_t width) {
        const std::vector<uint8_t> stored = StoredRecord();
        const uint8_t* at = stored.data() + PublicOffset(id);
        return width == 2 ? settings::LoadU16(at) : settings::LoadU32(at);
    }

    std::unique_ptr<HostPrinter> printer_;
    std::unique_ptr<HostDevMode> records_;
    driverhost::HostOptionItems items_;
    OEMCUIPPARAM ui_{};
};

TEST_F(PaperServicesTest, PaperListHoldsEveryPaperWithItsFormMargins) {
    std::vector<PaperRecord> papers = {{.name = u"stale"}};
    Services().BuildPaperList(papers, false);
    const std::vector<PaperRecord> expected = {
        {.name = u"Letter", .width = 2159, .length = 2794, .paperId = 1},
        {.name = u"A4", .width = 2100, .length = 2970, .paperId = 9},
        {.name = u"Custom Paper-Label",
         .width = 1000,
         .length = 500,
         .left = 20,
         .top = 10,
         .right = 20,
         .bottom = 10,
         .paperId = 300},
        {.name = u"Shelf Tag", .width = 600, .length = 300, .paperId = 301},
    };
    EXPECT_EQ(papers, expected);

    Services().BuildPaperList(papers, true);
    EXPECT_EQ(papers, std::vector<PaperRecord>{expected[2]});
}

TEST_F(PaperServicesTest, WithoutAPrinterThereAreNoPapersAndNoStoredPaper) {
    driverhost::PluginObject unbound(Library().CreateObject());
    auto* services = As<pages::OptionServices>(unbound.get());
    std::vector<PaperRecord> papers = {{.name = u"stale"}};
    services->BuildPaperList(papers, false);
    EXPECT_TRUE(papers.empty());
    EXPECT_EQ(services->StoredPaperSize(), -1);
    EXPECT_EQ(services->ApplyPaperToPrinter({.name = u"A4", .paperId = 9}), 0);
}

TEST_F(PaperServicesTest, ApplyingThePaperInUseChangesNothing) {
    EXPECT_EQ(Services().StoredPaperSize(), 9);
    const std::vector<uint8_t> before = StoredRecord();
    EXPECT_EQ(Services().ApplyPaperToPrinter(
                  {.name = u"A4", .width = 2100, .length = 2970, .paperId = 9}),
              0);
    EXPECT_EQ(StoredRecord(), before);
}

TEST_F(PaperServicesTest, ApplyingANewPaperUpdatesStoredAndSheetRecords) {
    struct Case {
        PaperRecord paper;
        uint32_t fieldsAdded;
    };
    const Case cases[] = {
        {{.name = u"Custom Paper-Label", .width = 1000, .length = 500, .paperId = 300},
         DM_PAPERSIZE},
        {{.name = u"A paper name longer than the thirty-one units a form name keeps",
          .width = 800,
          .length = 1000,
          .paperId = 256},
         DM_PAPERSIZE | DM_PAPERLENGTH | DM_PAPERWIDTH},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.paper.name));
        const uint32_t fieldsBefore = StoredValue(kFieldsId, 4);
        EXPECT_EQ(Services().ApplyPaperToPrinter(c.paper), 1);
        EXPECT_EQ(Services().StoredPaperSize(), c.paper.paperId);

        const std::u16string formName = c.paper.name.substr(0, 31);
        EXPECT_EQ(StoredValue(3002, 2), c.paper.length);
        EXPECT_EQ(StoredValue(3003, 2), c.paper.width);
        const std::vector<uint8_t> stored = StoredRecord();
        std::u16string storedName;
        for (uint32_t at = PublicOffset(44001); settings::LoadU16(stored.data() + at) != 0; at += 2)
            storedName.push_back(settings::LoadU16(stored.data() + at));
        EXPECT_EQ(storedName, formName);
        const uint32_t fields = StoredValue(kFieldsId, 4);
        EXPECT_EQ(fields, fieldsBefore | c.fieldsAdded);

        const DEVMODEW& sheet = *records_->Public();
        EXPECT_EQ(static_cast<uint16_t>(sheet.dmPaperSize), c.paper.paperId);
        EXPECT_EQ(sheet.dmPaperLength, c.paper.length);
        EXPECT_EQ(sheet.dmPaperWidth, c.paper.width);
        EXPECT_EQ(std::u16string_view(sheet.dmFormName), formName);
        EXPECT_EQ(sheet.dmFields, fields);
    }
}

}  // namespace
}  // namespace orca::plugin
