// SPDX-License-Identifier: Apache-2.0
// The Option page as the host meets it: made by the plug-in's document-sheet
// hook, shown in the host's sheet and driven by a person. What it changes
// lands in the host's records, the host's own option items and the printer's
// stored settings.
#include <memory>
#include <optional>
#include <string>

#include "plugin/plugin_fixture.h"
#include "resources/control_ids.h"
#include "support/sheet_session.h"

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostPrinter;

constexpr char16_t kPrinter[] = u"Label Printer";
// The Option page is the first plug-in tab, behind the host's two.
constexpr int kOptionTab = 2;

using Papers = std::vector<platform::sim::Paper>;

const Papers kPapers = {
    {.number = 1, .name = u"Letter", .width = 2159, .length = 2794},
    {.number = 9, .name = u"A4", .width = 2100, .length = 2970},
    {.number = 300, .name = u"Custom Paper-Label", .width = 1000, .length = 500},
};

class OptionHooksTest : public PluginLibraryTest {
protected:
    void TearDown() override {
        session_.reset();
        PluginLibraryTest::TearDown();
    }

    // A new plug-in object shows the host's document sheet for a printer of
    // that model, stored on A4, with the Option page in front; formName is
    // the selection of the host's form-name item, when given.
    void OpenSheet(std::u16string_view model, const Papers& papers = kPapers,
                   std::optional<int32_t> formName = std::nullopt) {
        session_.reset();
        AddPrinter(kPrinter, std::u16string(model), papers);
        testsupport::SheetOpening opening;
        opening.prepare = [formName](testsupport::PluginSheet& sheet) {
            sheet.Records().Public()->dmCopies = 1;
            if (formName) {
                sheet.Items().FormName().Sel = *formName;
            }
        };
        opening.tab = testsupport::TabTitled({u"Options"});
        session_ = std::make_unique<testsupport::SheetSession>(Env(), Library(), kPrinter, opening);
        ASSERT_TRUE(session_->Opened());
        ASSERT_EQ(session_->Sheet().OpenedTab(), kOptionTab);
    }

    platform::Window Page() { return session_->Page(); }
    platform::sim::Desktop& Screen() { return session_->Screen(); }
    platform::sim::DesktopDriver& Driver() { return session_->Driver(); }
    HostDevMode& Records() { return session_->Sheet().Records(); }
    driverhost::HostOptionItems& Items() { return session_->Sheet().Items(); }
    driverhost::RecordingDriverUI& DriverUI() { return session_->Sheet().DriverUI(); }
    bool ApplyEnabled() { return session_->Sheet().ApplyEnabled(); }
    bool Apply() { return Driver().Apply(session_->Sheet().Window()); }
    std::u16string SelectedText(int controlId) {
        const std::u16string selected = testsupport::SelectedItemText(Screen(), Page(), controlId);
        return selected.empty() ? u"(none)" : selected;
    }
    uint16_t StoredPaperSize() {
        const std::vector<uint8_t> stored = StoredPrinter(kPrinter).settings;
        return static_cast<uint16_t>(stored[PublicOffset(3001)] | stored[PublicOffset(3001) + 1]
                                                                      << 8);
    }

    std::unique_ptr<testsupport::SheetSession> session_;
};

TEST_F(OptionHooksTest, CopiesReachTheHostsRecordHeldToTheLanguagesLimit) {
    struct Case {
        const char16_t* model;
        int16_t copies;
    };
    for (const Case& c : {Case{u"Kestrel(ORCA)", 32767}, Case{u"Kestrel(ONYX)", 9999}}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.model)));
        OpenSheet(c.model);
        ASSERT_TRUE(Driver().Retype(Page(), control::kOptionCopiesEdit, u"40000"));
        ASSERT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
        EXPECT_EQ(Records().Public()->dmCopies, c.copies);
    }
}

TEST_F(OptionHooksTest, TheSpeedListFollowsTheModelAndTheChoiceLandsInThePrivateBlock) {
    OpenSheet(u"Merlin Plus(ONYX)");
    const platform::Window speeds = Screen().Child(Page(), control::kOptionSpeedList);
    ASSERT_EQ(Screen().ItemCount(speeds), 4);
    EXPECT_EQ(Screen().ItemText(speeds, 0), u"Default");
    ASSERT_TRUE(Driver().Select(Page(), control::kOptionSpeedList, 2));
    EXPECT_EQ(Records().Private()[OptionOffset(settings::kLayoutOnyx, kSpeedId)], 4);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionHooksTest, OrientationGoesToTheHostsItemAndTheRecord) {
    OpenSheet(u"Kestrel(ORCA)");
    ASSERT_TRUE(Driver().Select(Page(), control::kOptionOrientationList, u"Portrait"));
    EXPECT_TRUE(DriverUI().Calls().empty());
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Driver().Select(Page(), control::kOptionOrientationList, u"Landscape"));
    EXPECT_EQ(Items().Orientation().Sel, 1);
    ASSERT_EQ(DriverUI().Calls().size(), 1u);
    EXPECT_EQ(DriverUI().Calls()[0].optionItem, static_cast<void*>(&Items().Orientation()));
    EXPECT_EQ(Records().Public()->dmOrientation, 2);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionHooksTest, ApplyMakesTheChosenStockThePrintersAndTheDocumentsPaper) {
    OpenSheet(u"Kestrel(ORCA)");
    ASSERT_EQ(SelectedText(control::kOptionStockList), u"A4");

    ASSERT_TRUE(Driver().Select(Page(), control::kOptionStockList, u"Custom Paper-Label"));
    EXPECT_EQ(StoredPaperSize(), 9) << "nothing reaches the printer before Apply";
    ASSERT_TRUE(Apply());
    EXPECT_EQ(StoredPaperSize(), 300);
    const DEVMODEW& document = *Records().Public();
    EXPECT_EQ(document.dmPaperSize, 300);
    EXPECT_EQ(document.dmPaperWidth, 1000);
    EXPECT_EQ(document.dmPaperLength, 500);
    EXPECT_EQ(std::u16string_view(document.dmFormName), u"Custom Paper-Label");
    EXPECT_NE(document.dmFields & DM_PAPERSIZE, 0u);

    // The stock in force, chosen and applied again, leaves the printer as it is.
    const std::vector<uint8_t> stored = StoredPrinter(kPrinter).settings;
    ASSERT_TRUE(Driver().Select(Page(), control::kOptionStockList, u"Custom Paper-Label"));
    ASSERT_TRUE(Apply());
    EXPECT_EQ(StoredPrinter(kPrinter).settings, stored);
}

TEST_F(OptionHooksTest, WithoutTheStoredPaperInTheListTheHostsFormNamePicksTheStock) {
    const Papers withoutA4 = {kPapers[0], kPapers[2]};
    OpenSheet(u"Kestrel(ORCA)", withoutA4, 0);  // "Letter"
    EXPECT_EQ(SelectedText(control::kOptionStockList), u"Letter");

    OpenSheet(u"Kestrel(ORCA)", withoutA4, 1);  // "A4", which the printer does not list
    EXPECT_EQ(SelectedText(control::kOptionStockList), u"(none)");
}

}  // namespace
}  // namespace orca::plugin
