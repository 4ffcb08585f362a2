// SPDX-License-Identifier: Apache-2.0
// ORCAUI.dll's sheets as a Windows driver host shows them: the platform's own
// sheet UI calls the plug-in's sheet hook, copies the page descriptions it is
// handed and shows them under the system's window manager; every tab is
// brought to the front, read back through Win32 and compared with the same
// pages on the headless desktop, the pages' dialogs too, before and after the same
// changes, and a person's changes on the Option page reach the host's records
// when Apply is pressed.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

#include "resources/bitmaps.h"
#include "resources/control_ids.h"
#include "resources/dialog_template.h"
#include "settings/field_map.h"
#include "sheet_fixture.h"
#include "window_watch.h"

namespace orca::wintest {
namespace {

constexpr int kCancel = 2;
constexpr short kLandscape = 2;

// Each tab of a sheet and the template its page is made from.
struct TabCase {
    const char16_t* title;
    int dialogId;
};

struct SheetCase {
    const char16_t* printer;
    bool documentSheet;
    std::vector<TabCase> tabs;
};

std::vector<TabCase> DocumentTabs(int advancedPage) {
    return {{u"Options", 106},       {u"Advance Setup", advancedPage}, {u"Dithering", 134},
            {u"Barcode Fonts", 126}, {u"Command Fonts", 135},          {u"Custom Command", 120},
            {u"Tools", 122},         {u"Import/Export", 128},          {u"Language", 148},
            {u"Version", 103}};
}

const SheetCase kSheets[] = {
    {kOrcaPrinter, true, DocumentTabs(116)},
    {kOnyxPrinter, true, DocumentTabs(149)},
    {kOrcaPrinter, false, {{u"Stocks", 118}, {u"Version", 103}}},
    {kOnyxPrinter, false, {{u"Stocks", 118}, {u"Version", 103}}},
};

// "Shipping ORCA", "Import/Export" -> "shipping-orca", "import-export".
// The folder for the pictures: the Windows stage shows the sheets at a
// second screen resolution too and names a folder of its own for those.
std::u16string ScreenshotDir() {
    if (const wchar_t* dir = _wgetenv(L"ORCA_SCREENSHOT_DIR"))
        return std::u16string(dir, dir + std::wcslen(dir));
    return ORCA_SCREENSHOT_DIR;
}

std::u16string FileNamePart(std::u16string_view text) {
    std::u16string part;
    for (char16_t ch : text) {
        const bool letter = (ch >= u'a' && ch <= u'z') || (ch >= u'0' && ch <= u'9');
        if (ch >= u'A' && ch <= u'Z')
            part += static_cast<char16_t>(ch - u'A' + u'a');
        else
            part += letter ? ch : u'-';
    }
    return part;
}

// Every tab comes to the front with the controls of its template, in window
// order, each of the template's class, and a picture of it is saved.
TEST_F(PropertySheetTest, EveryPageShowsInTheRealSheetWithItsTemplatesControls) {
    for (const SheetCase& sheet : kSheets) {
        const std::u16string sheetName =
            FileNamePart(sheet.printer) + (sheet.documentSheet ? u"-document" : u"-printer");
        SCOPED_TRACE(testing::PrintToString(sheetName));
        OpenSheet(sheet.printer, sheet.documentSheet);
        ASSERT_EQ(Sheet().PageCount(), static_cast<int>(sheet.tabs.size()));
        for (size_t tab = 0; tab < sheet.tabs.size(); ++tab) {
            const TabCase& expected = sheet.tabs[tab];
            SCOPED_TRACE(testing::PrintToString(std::u16string(expected.title)));
            EXPECT_EQ(Sheet().TabText(static_cast<int>(tab)), expected.title);
            ASSERT_TRUE(Sheet().SelectPage(static_cast<int>(tab)));
            const resources::DialogTemplate* dialog =
                resources::FindDialogTemplate(expected.dialogId);
            ASSERT_NE(dialog, nullptr);
            const std::vector<ControlState> controls = Sheet().FrontPageControls();
            ASSERT_EQ(controls.size(), dialog->controls.size());
            for (size_t i = 0; i < controls.size(); ++i) {
                EXPECT_EQ(controls[i].id, dialog->controls[i].id) << "control " << i;
                EXPECT_EQ(controls[i].className, dialog->controls[i].className)
                    << "control " << controls[i].id;
            }
            EXPECT_TRUE(Sheet().SaveScreenshot(ScreenshotDir() + u"/" + sheetName + u"-" +
                                               FileNamePart(expected.title) + u".png"));
        }
    }
}

// The Options page's orientation previews and the Dithering page's samples
// fill the boxes their templates give them at the sheet's resolution: each
// bitmap drawn at the largest whole scale that fits, centred in its box.
TEST_F(PropertySheetTest, PicturesFillTheirBoxesByTheLargestWholeScale) {
    OpenSheet(kOrcaPrinter, true);
    for (const auto& [tab, dialogId] : {std::pair{0, 106}, std::pair{2, 134}}) {
        ASSERT_TRUE(Sheet().SelectPage(tab));
        const NativeWindow page = Sheet().FrontPage();
        for (const resources::ControlTemplate& control :
             resources::FindDialogTemplate(dialogId)->controls) {
            const resources::BitmapResource* bitmap = resources::NamedBitmap(control.text);
            if (bitmap == nullptr)
                continue;
            SCOPED_TRACE("picture " + std::to_string(control.id));
            const std::vector<int> box =
                DialogUnitsToPixels(page, control.x, control.y, control.cx, control.cy);
            const int boxWidth = box[2] - box[0];
            const int boxHeight = box[3] - box[1];
            const std::vector<int> size = PictureSize(Control(page, control.id));
            ASSERT_EQ(size.size(), 2u);
            const int scale = size[0] / bitmap->width;
            EXPECT_EQ(size, (std::vector<int>{bitmap->width * scale, bitmap->height * scale}));
            EXPECT_TRUE(size[0] <= boxWidth && size[1] <= boxHeight);
            EXPECT_TRUE(bitmap->width * (scale + 1) > boxWidth ||
                        bitmap->height * (scale + 1) > boxHeight);
            const std::vector<int> place = PlaceInParent(Control(page, control.id));
            EXPECT_EQ(place[2] - place[0], size[0]);
            EXPECT_EQ(place[3] - place[1], size[1]);
            EXPECT_LE(std::abs((place[0] - box[0]) - (box[2] - place[2])), 1);
            EXPECT_LE(std::abs((place[1] - box[1]) - (box[3] - place[3])), 1);
            std::printf("picture %d: %d x %d pixels (scale %d) in a box of %d x %d\n", control.id,
                        size[0], size[1], scale, boxWidth, boxHeight);
        }
    }
}

// Every page of both sheets shows in the real sheet as the headless desktop
// shows it for the same printer and records: each control's class, text,
// state, items and selection, read page by page from both.
TEST_F(PropertySheetTest, EveryPageShowsWhatTheHeadlessDesktopShows) {
    for (const SheetCase& sheet : kSheets) {
        OpenSheet(sheet.printer, sheet.documentSheet);
        OpenHeadlessSheet();
        for (size_t tab = 0; tab < sheet.tabs.size(); ++tab) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(sheet.printer) + u" " +
                                                sheet.tabs[tab].title));
            ASSERT_TRUE(Sheet().SelectPage(static_cast<int>(tab)));
            ASSERT_TRUE(Headless().SelectPage(static_cast<int>(tab)));
            const std::vector<ControlState> real = Sheet().FrontPageControls();
            EXPECT_FALSE(real.empty());
            for (const std::string& difference : Differences(real, Headless().FrontPageControls()))
                ADD_FAILURE() << difference;
        }
    }
}

// The modal dialogs the document sheet's pages run read as the headless
// desktop reads them, the barcode-font dialog's symbology pages included, and
// a picture of each is saved. (In
// an application's process, as here, a command font can be neither added nor,
// with none stored, changed, so its dialog does not open.)
TEST_F(PropertySheetTest, EveryDialogShowsWhatTheHeadlessDesktopShows) {
    struct Case {
        int tab;
        int button;
        const char* what;
        const char16_t* picture;  // the screenshot's name
    };
    const Case dialogs[] = {
        {1, control::kAdvancedOtherButton, "the Other dialog", u"other-dialog"},
        {3, control::kBarcodeFontsChangeButton, "the barcode-font dialog", u"barcode-font-dialog"},
    };
    for (const char16_t* printer : {kOrcaPrinter, kOnyxPrinter}) {
        OpenSheet(printer, true);
        OpenHeadlessSheet();
        for (const Case& c : dialogs) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(printer)) + " " + c.what);
            ASSERT_TRUE(Sheet().SelectPage(c.tab));
            ASSERT_TRUE(Headless().SelectPage(c.tab));
            DialogReading real;
            WindowWatch watch;
            watch.Then(c.what, kDialogClass, [&](NativeWindow dialog) {
                real = ReadDialog(dialog);
                EXPECT_TRUE(SaveScreenshot(dialog, ScreenshotDir() + u"/" + FileNamePart(printer) +
                                                       u"-document-" + c.picture + u".png"));
                EXPECT_TRUE(Press(dialog, kCancel));
            });
            EXPECT_TRUE(watch.Run([&] { EXPECT_TRUE(Press(Sheet().FrontPage(), c.button)); }));
            DialogReading headless;
            ASSERT_TRUE(Headless().ReadModal(c.button, &headless));
            EXPECT_FALSE(real.controls.empty());
            for (const std::string& difference : Differences(real, headless))
                ADD_FAILURE() << difference;
        }
    }
}

// A person's change on a page of the document sheet.
struct Change {
    int tab;
    int control;
    bool typed;  // typed into an edit, else chosen from a list
    const char16_t* value;
};

// The same changes made on both sheets, then Apply: the records hold the
// same bytes, and every page and tab title still reads the same, the pages
// now relabelled in the language chosen.
TEST_F(PropertySheetTest, AfterTheSameChangesAndApplyBothSheetsStillShowTheSame) {
    constexpr int kCommandKind = control::kCustomCommandStartList,
                  kCommandText = control::kCustomCommandStartEdit,
                  kLanguage = control::kLanguageList;
    const Change changes[] = {
        {0, control::kOptionDarknessList, false, u"10"},
        {0, control::kOptionOrientationList, false, u"Landscape"},
        {0, control::kOptionCopiesEdit, true, u"3"},
        {5, kCommandKind, false, u"Text"},
        {5, kCommandText, true, u"^XA^FS"},
        {8, kLanguage, false, u"Chinese"},
    };
    for (const char16_t* printer : {kOrcaPrinter, kOnyxPrinter}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(printer)));
        OpenSheet(printer, true);
        OpenHeadlessSheet();
        for (const Change& change : changes) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(change.value)));
            ASSERT_TRUE(Sheet().SelectPage(change.tab));
            ASSERT_TRUE(Headless().SelectPage(change.tab));
            if (change.typed) {
                ASSERT_TRUE(Sheet().TypeText(change.control, change.value));
                ASSERT_TRUE(Headless().TypeText(change.control, change.value));
            } else {
                ASSERT_TRUE(Sheet().ChooseItem(change.control, change.value));
                ASSERT_TRUE(Headless().ChooseItem(change.control, change.value));
            }
        }
        ASSERT_TRUE(Sheet().Apply());
        ASSERT_TRUE(Headless().Apply());
        EXPECT_TRUE(std::ranges::equal(Records().Bytes(), HeadlessRecords().Bytes()));
        for (int tab = 0; tab < Sheet().PageCount(); ++tab) {
            SCOPED_TRACE(tab);
            EXPECT_EQ(Sheet().TabText(tab), Headless().TabText(tab));
            ASSERT_TRUE(Sheet().SelectPage(tab));
            ASSERT_TRUE(Headless().SelectPage(tab));
            for (const std::string& difference :
                 Differences(Sheet().FrontPageControls(), Headless().FrontPageControls()))
                ADD_FAILURE() << difference;
        }
    }
}

// The Option page of each printer on its defaults, read back through Win32:
// the model's command language decides the darkness and speed lists.
TEST_F(PropertySheetTest, OptionPageShowsThePrintersSettings) {
    struct Case {
        const char16_t* printer;
        std::vector<std::u16string> darknessEnds;  // first, second, last
        size_t darknessCount;
        std::u16string darkness;
        std::vector<std::u16string> speeds;
        std::u16string speed;
    };
    const Case cases[] = {
        {kOrcaPrinter, {u"0", u"1", u"30"}, 31, u"15", {u"50", u"76", u"101", u"127"}, u"101"},
        {kOnyxPrinter,
         {u"Default", u"0", u"30"},
         32,
         u"Default",
         {u"Default", u"76", u"89", u"102", u"114", u"127", u"140", u"152"},
         u"Default"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.printer)));
        OpenSheet(c.printer, true);
        ASSERT_TRUE(Sheet().SelectPage(0));
        const std::vector<ControlState> controls = Sheet().FrontPageControls();
        auto control = [&](int id) {
            auto found = std::ranges::find(controls, id, &ControlState::id);
            return found != controls.end() ? *found : ControlState{};
        };
        EXPECT_EQ(control(control::kOptionCopiesEdit).text, u"1");
        EXPECT_EQ(control(control::kOptionCopiesLabel).text, u"Copies:");
        const ControlState darkness = control(control::kOptionDarknessList);
        ASSERT_EQ(darkness.items.size(), c.darknessCount);
        EXPECT_EQ((std::vector<std::u16string>{darkness.items[0], darkness.items[1],
                                               darkness.items.back()}),
                  c.darknessEnds);
        EXPECT_EQ(darkness.text, c.darkness);
        EXPECT_TRUE(darkness.enabled);
        EXPECT_EQ(control(control::kOptionSpeedList).items, c.speeds);
        EXPECT_EQ(control(control::kOptionSpeedList).text, c.speed);
        EXPECT_EQ(control(control::kOptionOrientationList).items,
                  (std::vector<std::u16string>{u"Portrait", u"Landscape"}));
        EXPECT_EQ(control(control::kOptionOrientationList).selection, 0);
        // The paper size is the stock's own and cannot be typed while it is chosen.
        EXPECT_FALSE(control(control::kOptionWidthEdit).enabled);
    }
}

// The Advance Setup page's Other button runs its dialog modally over the
// sheet; Escape (IDCANCEL with no control) ends it and the sheet carries on.
TEST_F(PropertySheetTest, OtherButtonRunsItsModalDialogUntilEscapeEndsIt) {
    const std::pair<const char16_t*, int> cases[] = {{kOrcaPrinter, 141}, {kOnyxPrinter, 150}};
    for (const auto& [printer, dialogId] : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(printer)));
        OpenSheet(printer, true);
        ASSERT_TRUE(Sheet().SelectPage(1));
        const resources::DialogTemplate* dialog = resources::FindDialogTemplate(dialogId);
        ASSERT_NE(dialog, nullptr);
        WindowWatch watch;
        watch.Then("the Other dialog", kDialogClass, [&](NativeWindow shown) {
            EXPECT_EQ(Caption(shown), dialog->caption);
            const std::vector<ControlState> controls = Controls(shown);
            ASSERT_EQ(controls.size(), dialog->controls.size());
            for (size_t i = 0; i < controls.size(); ++i)
                EXPECT_EQ(controls[i].id, dialog->controls[i].id) << "control " << i;
            // The sheet waits while the dialog runs.
            EXPECT_FALSE(Sheet().Enabled());
            EXPECT_TRUE(Press(shown, kCancel));
        });
        EXPECT_TRUE(watch.Run(
            [&] { EXPECT_TRUE(Press(Sheet().FrontPage(), control::kAdvancedOtherButton)); }));
        // The sheet is usable again: its front page answers.
        EXPECT_TRUE(Sheet().Enabled());
        EXPECT_TRUE(Sheet().SelectPage(0));
    }
}

TEST_F(PropertySheetTest, OptionPageChangesReachTheRecordsOnApply) {
    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(0));
    ASSERT_TRUE(Sheet().ChooseItem(control::kOptionDarknessList, u"10"));
    ASSERT_TRUE(Sheet().TypeText(control::kOptionCopiesEdit, u"3"));
    ASSERT_TRUE(Sheet().ChooseItem(control::kOptionOrientationList, u"Landscape"));
    EXPECT_TRUE(Sheet().ApplyEnabled());
    EXPECT_TRUE(Sheet().Apply());
    EXPECT_EQ(Records().Public()->dmCopies, 3);
    EXPECT_EQ(Records().Public()->dmOrientation, kLandscape);
    EXPECT_EQ(
        Records()
            .Private()[settings::FindRow(settings::kLayoutOrca.fields, kDarknessField)->offset],
        10);
}

// The core driver's own items follow the pages, each change reported
// through the driver interface: orientation on the Option page, the
// dithering list on the Dithering page; the form-name item names the paper.
TEST_F(PropertySheetTest, TheCoreDriversItemsFollowTheOptionAndDitheringPages) {
    constexpr int kDitheringTab = 2;
    OpenSheet(kOrcaPrinter, true);
    driverhost::HostOptionItems& items = Hooks().HostItems();
    ASSERT_TRUE(Sheet().SelectPage(0));
    ASSERT_TRUE(Sheet().ChooseItem(control::kOptionOrientationList, u"Landscape"));
    EXPECT_EQ(items.Orientation().Sel, 1);
    EXPECT_NE(items.Orientation().Flags & plugin::OPTIF_CHANGED, 0u);
    ASSERT_TRUE(Sheet().SelectPage(kDitheringTab));
    ASSERT_TRUE(Press(Sheet().FrontPage(), control::kDitheringNoneRadio));
    EXPECT_EQ(items.Dithering().Sel, 1);
    const std::vector<driverhost::UISettingCall>& calls = Hooks().DriverUI().Calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].optionItem, &items.Orientation());
    EXPECT_EQ(calls[1].optionItem, &items.Dithering());
    for (const driverhost::UISettingCall& call : calls)
        EXPECT_EQ(call.mode, plugin::OEMCUIP_DOCPROP);
}

}  // namespace
}  // namespace orca::wintest
