// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll's windows take the system's visual styles whatever the host
// asked for: the DLL carries a manifest naming version 6 of the common
// controls, every page it hands a host asks the sheet to make it in the
// activation context built from that manifest, and the dialogs its pages run
// are made in that context. (Wine's sheets make pages in the host's own
// context, so there a page's controls stay the first version; the page
// descriptions are checked instead.)
#include "resources/control_ids.h"
#include "sheet_fixture.h"
#include "window_watch.h"

namespace orca::wintest {
namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;

// Both sheets' pages name one context, in which a button is version 6, while
// the test program, which has no manifest, makes the first version.
TEST_F(PropertySheetTest, EveryPageAsksItsSheetForTheDllsVersion6Context) {
    for (const bool documentSheet : {true, false}) {
        SCOPED_TRACE(documentSheet ? "document sheet" : "printer sheet");
        SheetHooks hooks(CreateObject(), kOrcaPrinter, documentSheet);
        ASSERT_TRUE(hooks.Opened());
        ASSERT_TRUE(hooks.AddPages());
        ASSERT_FALSE(hooks.Pages().empty());
        void* const context = PageActivationContext(hooks.Pages()[0]);
        ASSERT_NE(context, nullptr);
        for (const void* page : hooks.Pages())
            EXPECT_EQ(PageActivationContext(page), context);
        EXPECT_FALSE(NewButtonIsVersion6());
        EXPECT_TRUE(NewButtonIsVersion6(context));
    }
}

// A page's modal dialog is made of version-6 controls over a sheet whose own
// buttons are the first version.
TEST_F(PropertySheetTest, APagesDialogIsMadeOfVersion6Controls) {
    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(1));
    const NativeWindow page = Sheet().FrontPage();
    EXPECT_FALSE(IsVersion6Button(Control(ParentOf(page), kOk)));
    WindowWatch watch;
    watch.Then("the Other dialog", kDialogClass, [&](NativeWindow shown) {
        EXPECT_TRUE(IsVersion6Button(Control(shown, control::kOtherOkButton)));
        EXPECT_TRUE(Press(shown, kCancel));
    });
    EXPECT_TRUE(watch.Run([&] { EXPECT_TRUE(Press(page, control::kAdvancedOtherButton)); }));
}

}  // namespace
}  // namespace orca::wintest
