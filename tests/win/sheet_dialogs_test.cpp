// The windows the pages open over a real sheet, met as a person meets them:
// the barcode-font dialog with its symbology pages as borderless child
// dialogs over their placeholder, the message box of a refused name, the
// open-file dialog of a custom command, and the control-code pop-up menu.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "resources/dialog_template.h"
#include "resources/window_styles.h"
#include "sheet_fixture.h"
#include "window_watch.h"

namespace orca::wintest {
namespace {

constexpr int kBarcodeFontsTab = 3;
constexpr int kCustomCommandTab = 5;
// The Barcode Fonts page and its dialog.
constexpr int kFontList = 1192;
constexpr int kNewFont = 1194;
constexpr int kSymbology = 1141;
constexpr int kFontName = 1182;
constexpr int kPlaceholder = 1232;
constexpr int kFontOk = 1244;
constexpr int kFontCancel = 1316;
constexpr int kFontDialog = 124;
constexpr int k1DPage = 129;
constexpr int kPdf417Page = 130;
// The Custom Command page's start command.
constexpr int kStartKind = 1100;
constexpr int kStartEdit = 1102;
constexpr int kStartButton = 1104;
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
    const std::vector<int> placeholder = ScreenRect(Control(dialog, kPlaceholder));
    EXPECT_EQ(std::vector<int>(page.begin(), page.begin() + 2),
              std::vector<int>(placeholder.begin(), placeholder.begin() + 2));
}

TEST_F(SheetDialogsTest, BarcodeDialogSwitchesSymbologyPagesAndRefusesAnEmptyName) {
    for (const char16_t* printer : {kOrcaPrinter, kOnyxPrinter}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(printer)));
        OpenSheet(printer, true);
        ASSERT_TRUE(Sheet().SelectPage(kBarcodeFontsTab));
        const std::vector<std::u16string> fonts = FrontPageControl(kFontList).items;
        ASSERT_FALSE(fonts.empty());
        WindowWatch watch;
        watch
            .Then(
                "the barcode-font dialog", kDialogClass,
                [&](NativeWindow dialog) {
                    EXPECT_EQ(Caption(dialog), resources::FindDialogTemplate(kFontDialog)->caption);
                    ExpectShownPage(dialog, k1DPage);
                    Choose(dialog, kSymbology, u"PDF417");
                    ExpectShownPage(dialog, kPdf417Page);
                    Type(dialog, kFontName, u"");
                    Press(dialog, kFontOk);
                    // Refused: the dialog is still there to correct the name.
                    EXPECT_EQ(Caption(dialog), resources::FindDialogTemplate(kFontDialog)->caption);
                    Press(dialog, kFontCancel);
                })
            .Then("the refusal's message box", kDialogClass, [&](NativeWindow box) {
                EXPECT_EQ(Caption(box), u"Error");
                const std::vector<ControlState> controls = Controls(box);
                EXPECT_TRUE(std::ranges::any_of(controls, [](const ControlState& c) {
                    return c.text == u"Please enter font name!";
                }));
                Press(box, resources::IDOK);
            });
        EXPECT_TRUE(watch.Run([&] { Press(Sheet().FrontPage(), kNewFont); }));
        EXPECT_EQ(FrontPageControl(kFontList).items, fonts)
            << "a refused and cancelled font adds nothing";
    }
}

TEST_F(SheetDialogsTest, AFileChosenInTheOpenDialogBecomesTheCustomCommand) {
    const std::u16string path = TempDirectory() + u"start.prn";
    std::ofstream(std::filesystem::path(path)) << "^XA^XZ";
    OpenSheet(kOnyxPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kCustomCommandTab));
    Sheet().ChooseItem(kStartKind, u"File");
    WindowWatch watch;
    watch.Then("the open-file dialog", kDialogClass, [&](NativeWindow dialog) {
        EXPECT_TRUE(TypeInFirstEdit(dialog, path));
        Press(dialog, resources::IDOK);
    });
    EXPECT_TRUE(watch.Run([&] { Press(Sheet().FrontPage(), kStartButton); }));
    EXPECT_EQ(FrontPageControl(kStartEdit).text, path);
    EXPECT_EQ(Records().Private()[kStartKindOffset], kFileKind);
    EXPECT_EQ(Records().Private()[kStartLengthOffset], path.size());
    EXPECT_EQ(Stored(kStartDataOffset, path.size()), std::string(path.begin(), path.end()));
    RemoveFile(path);
}

TEST_F(SheetDialogsTest, AControlCodeChosenFromThePopUpMenuIsInsertedIntoTheCommand) {
    OpenSheet(kOrcaPrinter, true);
    ASSERT_TRUE(Sheet().SelectPage(kCustomCommandTab));
    Sheet().ChooseItem(kStartKind, u"Text");
    WindowWatch watch;
    watch.Then("the control-code menu", kMenuClass, [&](NativeWindow menu) {
        const std::vector<std::u16string> items = MenuItems(menu);
        ASSERT_EQ(items.size(), 32u);
        EXPECT_EQ(items.front(), u"00  <NUL>");
        EXPECT_EQ(items[0x1B], u"1B  <ESC>");
        ChooseMenuItem(menu, 0x1B);
    });
    EXPECT_TRUE(watch.Run([&] { Press(Sheet().FrontPage(), kStartButton); }));
    EXPECT_EQ(FrontPageControl(kStartEdit).text, u"<\\x1B>");
    EXPECT_EQ(Records().Private()[kStartKindOffset], kTextKind);
    EXPECT_EQ(Records().Private()[kStartLengthOffset], 6);
    EXPECT_EQ(Stored(kStartDataOffset, 6), "<\\x1B>");
}

}  // namespace
}  // namespace orca::wintest
