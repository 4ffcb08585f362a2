// SPDX-License-Identifier: Apache-2.0
// The host's own option items that the pages keep in step with theirs
// (orientation, dithering, form name), and the host-process check: reached
// through the interfaces the pages use.
#include "pages/dithering/dithering_page.h"
#include "pages/option_services.h"
#include "plugin/host_process.h"
#include "plugin_fixture.h"

namespace orca::plugin {
namespace {

using driverhost::HostDevMode;
using driverhost::HostOptionItems;
using driverhost::HostPrinter;

class HostItemsTest : public PluginTest {
protected:
    // The sheet of the ORCA printer with the host's items.
    void OpenSheet(HostOptionItems& items) {
        printer_ = std::make_unique<HostPrinter>(kOrcaPrinter);
        records_ = std::make_unique<HostDevMode>(kOrcaBlockSize, kOrcaPrinter);
        Defaults(printer_->Handle(), *records_);
        ui_ =
            driverhost::CommonUIParams(printer_->Handle(), *records_, items.Items(), items.Count());
        ASSERT_EQ(Object()->PublishDriverInterface(&driver_), S_OK);
        ASSERT_EQ(Object()->CommonUIProp(OEMCUIP_DOCPROP, &ui_), S_OK);
    }

    pages::OptionServices& Option() { return *As<pages::OptionServices>(Object()); }

    // Asserts that the host was told about item, once, as the host expects.
    void ExpectToldAbout(const OPTITEM& item) {
        ASSERT_EQ(driver_.Calls().size(), 1u);
        const driverhost::UISettingCall& call = driver_.Calls()[0];
        EXPECT_EQ(call.uiObject, static_cast<void*>(driverhost::HostUIObject()));
        EXPECT_EQ(call.optionItem, static_cast<const void*>(&item));
        EXPECT_EQ(call.previousSelection, 0u);
        EXPECT_EQ(call.mode, OEMCUIP_DOCPROP);
    }

    // The host's driver interface outlives the object, which the base
    // fixture releases first.
    driverhost::RecordingDriverUI driver_;
    std::unique_ptr<HostPrinter> printer_;
    std::unique_ptr<HostDevMode> records_;
    OEMCUIPPARAM ui_{};
};

TEST_F(HostItemsTest, OrientationIsSyncedIntoTheHostsItemAndTheSheetsRecord) {
    HostOptionItems items;
    OpenSheet(items);
    OPTITEM& orientation = items.Orientation();

    // Asking only, and applying the selection it has, change nothing.
    EXPECT_EQ(Option().SyncOrientation(1, false), 0);
    EXPECT_EQ(Option().SyncOrientation(0, true), 0);
    EXPECT_TRUE(driver_.Calls().empty());
    EXPECT_EQ(orientation.Flags, 0u);

    EXPECT_EQ(Option().SyncOrientation(1, true), 0);
    EXPECT_EQ(orientation.Sel, 1);
    EXPECT_EQ(orientation.Flags, OPTIF_CHANGED);
    EXPECT_EQ(orientation.pOptType->Flags, 1);
    ExpectToldAbout(orientation);
    EXPECT_EQ(records_->Public()->dmOrientation, 2);
    EXPECT_EQ(items.Dithering().Flags, 0u);

    EXPECT_EQ(Option().SyncOrientation(0, true), 1);
    EXPECT_EQ(records_->Public()->dmOrientation, 1);
}

TEST_F(HostItemsTest, WithoutAnOrientationItemNothingIsSynced) {
    HostOptionItems items(false);
    OpenSheet(items);
    records_->Public()->dmOrientation = 1;
    EXPECT_EQ(Option().SyncOrientation(1, true), 0);
    EXPECT_TRUE(driver_.Calls().empty());
    EXPECT_EQ(records_->Public()->dmOrientation, 1);
    EXPECT_EQ(items.Dithering().Sel, 0);
    EXPECT_EQ(items.FormName().Sel, 0);
}

TEST_F(HostItemsTest, DitheringIsMirroredIntoTheHostsListOnly) {
    HostOptionItems items;
    OpenSheet(items);
    As<pages::HostDitheringOption>(Object())->MirrorDithering(1);
    EXPECT_EQ(items.Dithering().Sel, 1);
    EXPECT_EQ(items.Dithering().Flags, OPTIF_CHANGED);
    EXPECT_EQ(items.Dithering().pOptType->Flags, 1);
    ExpectToldAbout(items.Dithering());
    EXPECT_EQ(items.Orientation().Sel, 0);

    // A host whose list is not on the first level has no dithering item.
    HostOptionItems nested;
    nested.Dithering().Level = 2;
    ui_.pDrvOptItems = nested.Items();
    As<pages::HostDitheringOption>(Object())->MirrorDithering(1);
    EXPECT_EQ(nested.Dithering().Sel, 0);
    EXPECT_EQ(driver_.Calls().size(), 1u);
}

TEST_F(HostItemsTest, FormNameIsTheHostsSelectedForm) {
    HostOptionItems items;
    OpenSheet(items);
    EXPECT_EQ(Option().HostFormName(), u"Letter");
    items.FormName().Sel = 1;
    EXPECT_EQ(Option().HostFormName(), u"A4");
    items.FormName().Sel = 2;  // beyond the host's choices
    EXPECT_EQ(Option().HostFormName(), u"");

    driverhost::PluginObject withoutSheet(Library().CreateObject());
    EXPECT_EQ(As<pages::OptionServices>(withoutSheet.get())->HostFormName(), u"");
}

TEST_F(HostItemsTest, ShellHostIsTheShellOrTheControlPanelRunner) {
    struct Case {
        const char16_t* process;
        bool shell;
    };
    const Case cases[] = {
        {u"explorer.exe", true},      {u"RUNDLL32.EXE", true},
        {u"Explorer.Exe", true},      {u"winword.exe", false},
        {u"explorer.exe.bak", false}, {u"", false},  // the process snapshot failed
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.process)));
        platform::sim::SystemFacts facts = Env().Facts();
        facts.processName = c.process;
        Env().SetFacts(facts);
        EXPECT_EQ(As<HostProcess>(Object())->IsShellHost(), c.shell);
    }
}

}  // namespace
}  // namespace orca::plugin
