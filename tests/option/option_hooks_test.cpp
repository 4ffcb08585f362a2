// The Option page as the host meets it: made by the plug-in's document-sheet
// hook, shown in the host's sheet and driven by a person. What it changes
// lands in the host's records, the host's own option items and the printer's
// stored settings.
#include <memory>
#include <string>

#include "platform/sim/desktop_driver.h"
#include "plugin/plugin_fixture.h"
#include "resources/window_styles.h"
#include "support/host_sheets.h"

namespace orca::plugin {
namespace {

using testsupport::HostDevMode;
using testsupport::HostPrinter;

constexpr char16_t kPrinter[] = u"Label Printer";
// The Option page is the first plug-in tab, behind the host's two.
constexpr int kOptionTab = 2;

constexpr int kCopies = 1014;
constexpr int kSpeeds = 1016;
constexpr int kStocks = 1018;
constexpr int kOrientations = 1224;

using Papers = std::vector<platform::sim::Paper>;

const Papers kPapers = {
    {.number = 1, .name = u"Letter", .width = 2159, .length = 2794},
    {.number = 9, .name = u"A4", .width = 2100, .length = 2970},
    {.number = 300, .name = u"Custom Paper-Label", .width = 1000, .length = 500},
};

class OptionHooksTest : public PluginLibraryTest {
protected:
    void TearDown() override {
        CloseSheet();
        PluginLibraryTest::TearDown();
    }

    // A new plug-in object shows the host's document sheet for a printer of
    // that model, stored on A4, with the Option page in front.
    void OpenSheet(std::u16string_view model, const Papers& papers = kPapers) {
        CloseSheet();
        AddPrinter(kPrinter, std::u16string(model), papers);
        desktop_ = std::make_shared<platform::sim::Desktop>();
        Env().SetWindowSystem(desktop_);
        driver_ = std::make_unique<platform::sim::DesktopDriver>(*desktop_);
        object_.Reset(Library().CreateObject());
        ASSERT_TRUE(object_);
        printer_ = std::make_unique<HostPrinter>(kPrinter);

        OEMDMPARAM size = testsupport::DevModeParams(printer_->Handle(), nullptr, nullptr);
        ASSERT_EQ(object_->DevMode(OEMDM_SIZE, &size), S_OK);
        records_ = std::make_unique<HostDevMode>(size.cbBufSize, kPrinter);
        OEMDMPARAM defaults =
            testsupport::DevModeParams(printer_->Handle(), nullptr, records_.get());
        defaults.pPublicDMIn = records_->Public();
        ASSERT_EQ(object_->DevMode(OEMDM_DEFAULT, &defaults), S_OK);
        records_->Public()->dmCopies = 1;
        ASSERT_EQ(object_->PublishDriverInterface(&driverUI_), S_OK);
        ui_ = testsupport::CommonUIParams(printer_->Handle(), *records_, items_.Items(),
                                          items_.Count());
        ASSERT_EQ(object_->CommonUIProp(OEMCUIP_DOCPROP, &ui_), S_OK);

        sheet_ = testsupport::CreateDocumentSheet(*desktop_, kPrinter);
        testsupport::HostPropertySheet host(desktop_.get(), sheet_);
        PROPSHEETUI_INFO info = host.Info(PROPSHEETUI_REASON_INIT);
        ASSERT_EQ(object_->DocumentPropertySheets(&info, 0), S_OK);
        ASSERT_EQ(testsupport::TabTitles(*desktop_, sheet_).at(kOptionTab), u"Options");
        ASSERT_TRUE(desktop_->OpenSheet(sheet_, kOptionTab));
    }

    void CloseSheet() {
        object_.Reset();
        printer_.reset();
        sheet_ = nullptr;
    }

    platform::Window Page() { return desktop_->PageWindow(sheet_, kOptionTab); }
    platform::sim::DesktopDriver& Driver() { return *driver_; }
    bool ApplyEnabled() {
        return desktop_->IsEnabled(desktop_->Child(sheet_, resources::kSheetApplyId));
    }
    std::u16string SelectedText(int controlId) {
        const platform::Window list = desktop_->Child(Page(), controlId);
        const int selected = desktop_->Selection(list);
        return selected < 0 ? u"(none)" : desktop_->ItemText(list, selected);
    }
    uint16_t StoredPaperSize() {
        const std::vector<uint8_t> stored = StoredPrinter(kPrinter).settings;
        return static_cast<uint16_t>(stored[PublicOffset(3001)] | stored[PublicOffset(3001) + 1]
                                                                      << 8);
    }

    // The host's driver interface outlives the plug-in object.
    testsupport::RecordingDriverUI driverUI_;
    testsupport::HostOptionItems items_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    std::unique_ptr<platform::sim::DesktopDriver> driver_;
    std::unique_ptr<HostPrinter> printer_;
    std::unique_ptr<HostDevMode> records_;
    OEMCUIPPARAM ui_{};
    testsupport::PluginObject object_;
    platform::Window sheet_ = nullptr;
};

TEST_F(OptionHooksTest, CopiesReachTheHostsRecordHeldToTheLanguagesLimit) {
    struct Case {
        const char16_t* model;
        int16_t copies;
    };
    for (const Case& c : {Case{u"Kestrel(ORCA)", 32767}, Case{u"Kestrel(ONYX)", 9999}}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.model)));
        OpenSheet(c.model);
        ASSERT_TRUE(Driver().Retype(Page(), kCopies, u"40000"));
        ASSERT_TRUE(Driver().Leave(Page(), kCopies));
        EXPECT_EQ(records_->Public()->dmCopies, c.copies);
    }
}

TEST_F(OptionHooksTest, TheSpeedListFollowsTheModelAndTheChoiceLandsInThePrivateBlock) {
    OpenSheet(u"Merlin Plus(ONYX)");
    const platform::Window speeds = desktop_->Child(Page(), kSpeeds);
    ASSERT_EQ(desktop_->ItemCount(speeds), 4);
    EXPECT_EQ(desktop_->ItemText(speeds, 0), u"Default");
    ASSERT_TRUE(Driver().Select(Page(), kSpeeds, 2));
    EXPECT_EQ(records_->Private()[OptionOffset(settings::kLayoutOnyx, kSpeedId)], 4);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionHooksTest, OrientationGoesToTheHostsItemAndTheRecord) {
    OpenSheet(u"Kestrel(ORCA)");
    ASSERT_TRUE(Driver().Select(Page(), kOrientations, u"Portrait"));
    EXPECT_TRUE(driverUI_.Calls().empty());
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Driver().Select(Page(), kOrientations, u"Landscape"));
    EXPECT_EQ(items_.Orientation().Sel, 1);
    ASSERT_EQ(driverUI_.Calls().size(), 1u);
    EXPECT_EQ(driverUI_.Calls()[0].optionItem, static_cast<void*>(&items_.Orientation()));
    EXPECT_EQ(records_->Public()->dmOrientation, 2);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionHooksTest, ApplyMakesTheChosenStockThePrintersAndTheDocumentsPaper) {
    OpenSheet(u"Kestrel(ORCA)");
    ASSERT_EQ(SelectedText(kStocks), u"A4");

    ASSERT_TRUE(Driver().Select(Page(), kStocks, u"Custom Paper-Label"));
    EXPECT_EQ(StoredPaperSize(), 9) << "nothing reaches the printer before Apply";
    ASSERT_TRUE(Driver().Apply(sheet_));
    EXPECT_EQ(StoredPaperSize(), 300);
    const DEVMODEW& document = *records_->Public();
    EXPECT_EQ(document.dmPaperSize, 300);
    EXPECT_EQ(document.dmPaperWidth, 1000);
    EXPECT_EQ(document.dmPaperLength, 500);
    EXPECT_EQ(std::u16string_view(document.dmFormName), u"Custom Paper-Label");
    EXPECT_NE(document.dmFields & DM_PAPERSIZE, 0u);

    // The stock in force, chosen and applied again, leaves the printer as it is.
    const std::vector<uint8_t> stored = StoredPrinter(kPrinter).settings;
    ASSERT_TRUE(Driver().Select(Page(), kStocks, u"Custom Paper-Label"));
    ASSERT_TRUE(Driver().Apply(sheet_));
    EXPECT_EQ(StoredPrinter(kPrinter).settings, stored);
}

TEST_F(OptionHooksTest, WithoutTheStoredPaperInTheListTheHostsFormNamePicksTheStock) {
    const Papers withoutA4 = {kPapers[0], kPapers[2]};
    items_.FormName().Sel = 0;  // "Letter"
    OpenSheet(u"Kestrel(ORCA)", withoutA4);
    EXPECT_EQ(SelectedText(kStocks), u"Letter");

    items_.FormName().Sel = 1;  // "A4", which the printer does not list
    OpenSheet(u"Kestrel(ORCA)", withoutA4);
    EXPECT_EQ(SelectedText(kStocks), u"(none)");
}

}  // namespace
}  // namespace orca::plugin
