// SPDX-License-Identifier: Apache-2.0
// The windows the pages open over a real sheet, met as a person meets them:
// the barcode-font dialog with its symbology pages as borderless child
// dialogs over their placeholder, the save and open dialogs and the message
// boxes of the settings file, the open dialog of a custom command, and the
// control-code pop-up menu.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/control_ids.h"
#include "resources/dialog_template.h"
#include "resources/window_styles.h"
#include "settings/field_map.h"
#include "sheet_fixture.h"
#include "window_watch.h"

namespace orca::wintest {
namespace {

constexpr int kBarcodeFontsTab = 3;
constexpr int kCustomCommandTab = 5;
constexpr int kImportTab = 7;
// The Import/Export page.
constexpr char16_t kImportWarning[] =
    u"This action will override the current settings! Are you sure you want to go next?";
constexpr char16_t kWrongLanguage[] =
    u"The current printer does not support this profile.The import operation has been "
    u"cancelled.";
// The Barcode Fonts page and its dialog.
constexpr int kFontDialog = 124;
constexpr int k1DPage = 129;
constexpr int kPdf417Page = 130;
// The Custom Command page's start command.
constexpr size_t kStartKindOffset = 34;
constexpr size_t kStartLengthOffset = 36;
constexpr size_t kStartDataOffset = 40;
constexpr uint8_t kFileKind = 1, kTextKind = 2;

std::vector<int> Ids(const std::vector<ControlState>& controls) {
    std::vector<int> ids;
    std::ranges::transform(controls, std::back_inserter(ids), &ControlState::id);
    return ids;
}

std::vector<int> TemplateIds(int dialogId) {
    std::vector<int> ids;
    if (const resources::DialogTemplate* dialog = resources::FindDialogTemplate(dialogId))
        std::ranges::transform(dialog->controls, std::back_inserter(ids),
                               &resources::ControlTemplate::id);
    return ids;
}

class SheetDialogsTest : public PropertySheetTest {
protected:
    ControlState FrontPageControl(int controlId) {
        const std::vector<ControlState> controls = Sheet().FrontPageControls();
        auto found = std::ranges::find(controls, controlId, &ControlState::id);
        return found != controls.end() ? *found : ControlState{};
    }
    std::string Stored(size_t offset, size_t length) {
        const uint8_t* at = Records().Private() + offset;
        return std::string(at, at + length);
    }
};

// The one symbology page shown in the barcode-font dialog: a borderless
// child dialog lying over the placeholder, with the controls of its template.
void ExpectShownPage(NativeWindow dialog, int pageTemplate) {
    const std::vector<NativeWindow> shown = VisibleChildDialogs(dialog);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(Ids(Controls(shown[0])), TemplateIds(pageTemplate));
    EXPECT_EQ(Style(shown[0]) & (resources::WS_CAPTION | resources::WS_BORDER), 0u);
    const std::vector<int> page = ScreenRect(shown[0]);
    const std::vector<int> placeholder =
        ScreenRect(Control(dialog, control::kBarcodeFontPlaceholder));
    EXPECT_EQ(std::vector<int>(page.begin(), page.begin() + 2),
              std::vector<int>(placeholder.begin(), placeholder.begin() + 2));
}

TEST_F(SheetDialogsTest, BarcodeDialogShowsTheSymbologysPageOverThePlaceholder) {
    for (const char16_t* printer : {kOrcaPrinter, kOnyxPrinter}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(printer)));
        OpenSheet(printer, true);
        ASSERT_TRUE(Sheet().SelectPage(kBarcodeFontsTab));
        ASSERT_TRUE(Sheet().ChooseItem(control::kBarcodeFontsList, u"EAN13"));
        const std::vector<std::u16string> fonts =
            FrontPageControl(control::kBarcodeFontsList).items;
        WindowWatch watch;
        watch.Then("the barcode-font dialog", kDialogClass, [&](NativeWindow dialog) {
            EXPECT_EQ(Caption(dialog), resources::FindDialogTemplate(kFontDialog)->caption);
            ExpectShownPage(dialog, k1DPage);
            EXPECT_TRUE(Choose(dialog, control::kBarcodeFontSymbologyList, u"PDF417"));
            ExpectShownPage(dialog, kPdf417Page);
            EXPECT_TRUE(Choose(dialog, control::kBarcodeFontSymbologyList, u"CODE128"));
            ExpectShownPage(dialog, k1DPage);
            EXPECT_TRUE(Press(dialog, control::kBarcodeFontCancelButton));
        });
        EXPECT_TRUE(watch.Run(
            [&] { EXPECT_TRUE(Press(Sheet().FrontPage(), control::kBarcodeFontsChangeButton)); }));
        EXPECT_EQ(FrontPageControl(control::kBarcodeFontsList).items, fonts);
    }
}

// Tab and Shift+Tab pressed on the keyboard in the barcode-font dialog: from
// the rotation into the shown symbology page, through it to OK and Cancel and
// round to the symbology; Shift+Tab goes back the same way. MaxiCode's page
// holds one control.
TEST_F(SheetDialogsTest, TabKeysGoThroughTheShownSymbologyPage) {
    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kBarcodeFontsTab));
    ASSERT_TRUE(Sheet().ChooseItem(control::kBarcodeFontsList, u"EAN13"));
    WindowWatch watch;
    watch.Then("the barcode-font dialog", kDialogClass, [&](NativeWindow dialog) {
        for (const char16_t* symbology : {u"CODE128", u"PDF417", u"MAXICODE"}) {
            SCOPED_TRACE(testing::PrintToString(std::u16string(symbology)));
            ASSERT_TRUE(Choose(dialog, control::kBarcodeFontSymbologyList, symbology));
            const std::vector<NativeWindow> shown = VisibleChildDialogs(dialog);
            ASSERT_EQ(shown.size(), 1u);
            FocusOn(Control(dialog, control::kBarcodeFontRotationList));
            ASSERT_EQ(Focused(), Control(dialog, control::kBarcodeFontRotationList));
            std::vector<NativeWindow> forward;
            for (int i = 0;
                 i < 40 && Focused() != Control(dialog, control::kBarcodeFontSymbologyList); ++i) {
                PressTab(dialog, false);
                forward.push_back(Focused());
            }
            ASSERT_GE(forward.size(), 4u);
            ASSERT_EQ(forward.back(), Control(dialog, control::kBarcodeFontSymbologyList));
            const size_t inPage = forward.size() - 3;
            for (size_t i = 0; i < inPage; ++i)
                EXPECT_EQ(ParentOf(forward[i]), shown[0]) << "stop " << i;
            EXPECT_EQ(forward[inPage], Control(dialog, control::kBarcodeFontOkButton));
            EXPECT_EQ(forward[inPage + 1], Control(dialog, control::kBarcodeFontCancelButton));

            std::vector<NativeWindow> backward;
            for (size_t i = 0; i < forward.size(); ++i) {
                PressTab(dialog, true);
                backward.push_back(Focused());
            }
            std::vector<NativeWindow> expected(forward.rbegin() + 1, forward.rend());
            expected.push_back(Control(dialog, control::kBarcodeFontRotationList));
            EXPECT_EQ(backward, expected);
        }
        EXPECT_TRUE(Press(dialog, control::kBarcodeFontCancelButton));
    });
    EXPECT_TRUE(watch.Run(
        [&] { EXPECT_TRUE(Press(Sheet().FrontPage(), control::kBarcodeFontsChangeButton)); }));
}

// Settings saved through the save dialog from an ORCA printer's sheet: the
// ONYX printer's sheet refuses them with a message, and another ORCA sheet
// takes them after its warning, through the open dialog.
TEST_F(SheetDialogsTest, SettingsExportedAndImportedThroughTheFileDialogs) {
    const std::u16string path = TempDirectory() + u"shipping";
    const std::u16string file = path + u".drvs";
    RemoveFile(file);
    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().ChooseItem(control::kOptionDarknessList, u"10"));
    ASSERT_TRUE(Sheet().SelectPage(kImportTab));
    auto chooseFile = [](std::u16string caption, std::u16string typed) {
        return [caption, typed](NativeWindow dialog) {
            EXPECT_EQ(Caption(dialog), caption);
            EXPECT_TRUE(TypeInFirstEdit(dialog, typed));
            EXPECT_TRUE(Press(dialog, resources::IDOK));
        };
    };
    auto answerMessage = [](std::u16string text) {
        return [text](NativeWindow box) {
            EXPECT_EQ(Caption(box), u"Warning");
            const std::vector<ControlState> controls = Controls(box);
            EXPECT_TRUE(std::ranges::any_of(controls,
                                            [&](const ControlState& c) { return c.text == text; }));
            // Made in the plug-in's context, as its pages' other windows.
            EXPECT_TRUE(IsVersion6Button(Control(box, resources::IDOK)));
            EXPECT_TRUE(Press(box, resources::IDOK));
        };
    };
    auto pressImport = [&] {
        EXPECT_TRUE(Press(Sheet().FrontPage(), control::kImportImportButton));
    };

    WindowWatch save;
    save.Then("the save dialog", kDialogClass, chooseFile(u"Save As...", path));
    EXPECT_TRUE(
        save.Run([&] { EXPECT_TRUE(Press(Sheet().FrontPage(), control::kImportExportButton)); }));
    ASSERT_FALSE(FileBytes(file).empty());

    OpenSheet(kOnyxPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kImportTab));
    const std::vector<uint8_t> onyx(Records().Bytes().begin(), Records().Bytes().end());
    WindowWatch refused;
    refused.Then("the import warning", kDialogClass, answerMessage(kImportWarning))
        .Then("the open dialog", kDialogClass, chooseFile(u"Open", file))
        .Then("the refusal", kDialogClass, answerMessage(kWrongLanguage));
    EXPECT_TRUE(refused.Run(pressImport));
    EXPECT_TRUE(std::ranges::equal(Records().Bytes(), onyx));
    EXPECT_FALSE(Sheet().ApplyEnabled());

    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kImportTab));
    WindowWatch taken;
    taken.Then("the import warning", kDialogClass, answerMessage(kImportWarning))
        .Then("the open dialog", kDialogClass, chooseFile(u"Open", file));
    EXPECT_TRUE(taken.Run(pressImport));
    EXPECT_EQ(
        Records()
            .Private()[settings::FindRow(settings::kLayoutOrca.fields, kDarknessField)->offset],
        10);
    EXPECT_TRUE(Sheet().ApplyEnabled());
    RemoveFile(file);
}

TEST_F(SheetDialogsTest, AFileChosenInTheOpenDialogBecomesTheCustomCommand) {
    const std::u16string path = TempDirectory() + u"start.prn";
    std::ofstream(std::filesystem::path(path)) << "^XA^XZ";
    OpenSheet(kOnyxPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kCustomCommandTab));
    ASSERT_TRUE(Sheet().ChooseItem(control::kCustomCommandStartList, u"File"));
    WindowWatch watch;
    watch.Then("the open-file dialog", kDialogClass, [&](NativeWindow dialog) {
        EXPECT_TRUE(TypeInFirstEdit(dialog, path));
        EXPECT_TRUE(Press(dialog, resources::IDOK));
    });
    EXPECT_TRUE(watch.Run(
        [&] { EXPECT_TRUE(Press(Sheet().FrontPage(), control::kCustomCommandStartButton)); }));
    EXPECT_EQ(FrontPageControl(control::kCustomCommandStartEdit).text, path);
    EXPECT_EQ(Records().Private()[kStartKindOffset], kFileKind);
    EXPECT_EQ(Records().Private()[kStartLengthOffset], path.size());
    EXPECT_EQ(Stored(kStartDataOffset, path.size()), std::string(path.begin(), path.end()));
    RemoveFile(path);
}

TEST_F(SheetDialogsTest, AControlCodeChosenFromThePopUpMenuIsInsertedIntoTheCommand) {
    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kCustomCommandTab));
    ASSERT_TRUE(Sheet().ChooseItem(control::kCustomCommandStartList, u"Text"));
    WindowWatch watch;
    watch.Then("the control-code menu", kMenuClass, [&](NativeWindow menu) {
        const std::vector<std::u16string> items = MenuItems(menu);
        ASSERT_EQ(items.size(), 32u);
        EXPECT_EQ(items.front(), u"00  <NUL>");
        EXPECT_EQ(items[0x1B], u"1B  <ESC>");
        ChooseMenuItem(menu, 0x1B);
    });
    EXPECT_TRUE(watch.Run(
        [&] { EXPECT_TRUE(Press(Sheet().FrontPage(), control::kCustomCommandStartButton)); }));
    EXPECT_EQ(FrontPageControl(control::kCustomCommandStartEdit).text, u"<\\x1B>");
    EXPECT_EQ(Records().Private()[kStartKindOffset], kTextKind);
    EXPECT_EQ(Records().Private()[kStartLengthOffset], 6);
    EXPECT_EQ(Stored(kStartDataOffset, 6), "<\\x1B>");
}

}  // namespace
}  // namespace orca::wintest
