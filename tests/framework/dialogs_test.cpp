// SPDX-License-Identifier: Apache-2.0
// Modal dialogs, message boxes, file dialogs and menus answered by
// responders; child dialogs; the desktop's top-level windows; the text
// rendering of a sheet.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/desktop_windows.h"
#include "recording_dialog.h"
#include "resources/control_ids.h"
#include "text/utf.h"

namespace orca::testing {
namespace {

using platform::FileDialogRequest;
using platform::FileDialogResult;
using platform::Window;
using platform::sim::MessageRecord;

// Go asks whether to keep the typed number; OK there ends the dialog with 7.
class AskingDialog : public framework::Dialog {
public:
    AskingDialog() : Dialog(&TestTemplate()) {
        On(kGo, platform::Notification::kClicked, [this] {
            std::u16string question = u"Keep " + digits.Text() + u"?";
            int answer =
                framework::ShowMessage(window(), question, u"Question",
                                       resources::MB_OKCANCEL | resources::MB_ICONQUESTION);
            if (answer == resources::IDOK) {
                EndDialog(7);
            }
        });
    }
    DigitsEdit digits{*this, kDigits};
};

TEST_F(DesktopTest, ModalDialogIsAnsweredByItsResponderAndEndsAsThePersonLeavesIt) {
    struct Case {
        const char* name;
        bool respond;       // the responder types "4x2" and presses Go
        int messageAnswer;  // 0: no message responder
        int expected;
        std::u16string expectedTyped;
    };
    const Case cases[] = {
        {"confirmed", true, resources::IDOK, 7, u"42"},
        {"message refused, then Escape", true, resources::IDCANCEL, resources::IDCANCEL, u"42"},
        {"a button the box lacks counts as Enter", true, resources::IDYES, 7, u"42"},
        {"nobody answers: Escape", false, 0, resources::IDCANCEL, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AskingDialog dialog;
        std::u16string typed;
        Window opened = nullptr;
        if (c.respond) {
            driver_.OnNextDialog([&](Window self) {
                opened = self;
                EXPECT_EQ(framework::TopLevelWindows().front(), self);
                driver_.Type(self, kDigits, u"4x2");
                typed = dialog.digits.Text();
                driver_.Click(self, kGo);
            });
        }
        if (c.messageAnswer != 0) {
            driver_.OnNextMessage([&](const MessageRecord& message) {
                EXPECT_EQ(message.text, u"Keep 42?");
                EXPECT_EQ(message.owner, opened);
                return c.messageAnswer;
            });
        }
        EXPECT_EQ(dialog.DoModal(nullptr), c.expected);
        EXPECT_EQ(typed, c.expectedTyped);
        EXPECT_EQ(dialog.window(), nullptr);
        EXPECT_FALSE(Screen().Exists(opened));
    }
    ASSERT_EQ(Screen().Messages().size(), 3u);
    EXPECT_EQ(Screen().Messages()[1].answer, resources::IDCANCEL);
    EXPECT_EQ(Screen().Messages()[2].answer, resources::IDOK);
}

TEST_F(DesktopTest, FileDialogKeepsOnlyWhatFitsAndAFilterThatExists) {
    FileDialogRequest request;
    request.filters = {{u"Config Files (*.drvs)", u"*.drvs"}, {u"Other Files (*.ds)", u"*.ds"}};
    request.bufferChars = 16;
    struct Case {
        const char* name;
        FileDialogResult answer;
        FileDialogResult expected;
    };
    const Case cases[] = {
        {"chosen with the second filter", {true, u"C:\\a\\b.ds", 2}, {true, u"C:\\a\\b.ds", 2}},
        {"filter out of range keeps the request's",
         {true, u"C:\\b.drvs", 9},
         {true, u"C:\\b.drvs", 1}},
        {"path must fit with its terminator", {true, u"C:\\0123456789abc", 1}, {}},
        {"cancelled", {false, u"C:\\x", 1}, {}},
        {"empty path", {true, u"", 1}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        driver_.OnNextFileDialog([&](const FileDialogRequest& asked) {
            EXPECT_EQ(asked.filters.size(), 2u);
            return c.answer;
        });
        FileDialogResult result = framework::ChooseFile(request);
        EXPECT_EQ(result.chosen, c.expected.chosen);
        EXPECT_EQ(result.path, c.expected.path);
        EXPECT_EQ(result.filterIndex, c.expected.filterIndex);
    }
    EXPECT_FALSE(framework::ChooseFile(request).chosen);
}

TEST_F(DesktopTest, MenuAnswersOnlyWithItsOwnCommands) {
    static constexpr resources::MenuItemTemplate kItems[] = {{40001, u"00  <NUL>"},
                                                             {40028, u"1B  <ESC>"}};
    constexpr resources::MenuTemplate kMenu{154, kItems};
    driver_.OnNextMenu([](const resources::MenuTemplate& menu) { return menu.items[1].command; });
    driver_.OnNextMenu([](const resources::MenuTemplate&) { return 40002; });
    EXPECT_EQ(framework::PopupMenu(kMenu, nullptr, {10, 20}), 40028);
    EXPECT_EQ(framework::PopupMenu(kMenu, nullptr, {10, 20}), 0);
    EXPECT_EQ(framework::PopupMenu(kMenu, nullptr, {10, 20}), 0);
    EXPECT_TRUE(framework::OpenWithShell(u"http://example.invalid/"));
    EXPECT_FALSE(framework::OpenWithShell(u""));
    EXPECT_EQ(Screen().ShellOpened(), std::vector<std::u16string>{u"http://example.invalid/"});
}

TEST_F(DesktopTest, SheetsAreFoundAmongTopLevelWindowsAndTheirTabsRelabelled) {
    RecordingPage page;
    Window ours = OpenSheetWith(page);
    Window foreign = Screen().CreateSheet(u"Label1 Properties", {u"General", u"Ports"}, false);
    std::vector<Window> windows = framework::TopLevelWindows();
    EXPECT_EQ(windows, (std::vector<Window>{foreign, ours}));
    EXPECT_TRUE(framework::InCurrentProcess(ours));
    EXPECT_FALSE(framework::InCurrentProcess(foreign));
    EXPECT_EQ(framework::Control(ours).Text(), u"Label1 Printing Preferences");

    framework::TabControl tabs(framework::FirstChildOfClass(ours, resources::kClassTabControl));
    ASSERT_EQ(tabs.Count(), 3);
    EXPECT_EQ(tabs.TabText(2), u"Recorder");
    tabs.SetTabText(2, u"Options");
    tabs.SetTabText(3, u"Nothing");
    EXPECT_EQ(tabs.TabText(2), u"Options");
    EXPECT_EQ(tabs.TabText(3), u"");

    // The window-shown notice makes a page refresh without any change of state.
    page.log.clear();
    framework::SendShownNotice(page.window());
    EXPECT_THAT(page.log, ::testing::ElementsAre("shown"));
}

TEST_F(DesktopTest, PageSeesTheMouseAndKeepsFontsCursorAndPlacesAsState) {
    RecordingPage page;
    OpenSheetWith(page);
    page.log.clear();
    ASSERT_TRUE(driver_.MoveMouse(page.window(), {12, 30}));
    ASSERT_TRUE(driver_.Hover(page.window(), {12, 31}));
    ASSERT_TRUE(driver_.ReleaseLeftButton(page.window(), {13, 31}));
    EXPECT_THAT(page.log, ::testing::ElementsAre("move 12,30", "hover 12,31", "release 13,31"));

    framework::Control label(page, kLabel);
    platform::Font font = label.GetFont();
    font.underline = true;
    label.SetFont(font);
    EXPECT_TRUE(label.GetFont().underline);
    framework::SetCursor(platform::Cursor::kHand);
    EXPECT_EQ(framework::CurrentCursor(), platform::Cursor::kHand);

    // Places follow the page inside its framed sheet; a move keeps the size.
    framework::Control pageWindow(page.window());
    platform::Rect before = label.WindowRect();
    label.MoveTo({0, 35});
    platform::Rect moved = label.PlaceInParent();
    EXPECT_EQ(moved, (platform::Rect{0, 35, before.Width(), 35 + before.Height()}));
    platform::Rect onScreen = label.WindowRect();
    EXPECT_EQ(onScreen.left - pageWindow.WindowRect().left, 0);
    EXPECT_EQ(onScreen.top - pageWindow.WindowRect().top, 35);
    platform::Rect pagePlace = pageWindow.PlaceInParent();
    EXPECT_EQ(pagePlace.left, 7);
    EXPECT_EQ(pagePlace.top, 29);
    EXPECT_EQ(pageWindow.ClientRect().Width(), pagePlace.Width());
    platform::Rect sheetRect = framework::Control(page.Sheet()).WindowRect();
    EXPECT_EQ(pageWindow.WindowRect().top - sheetRect.top, 3 + 23 + 29);
}

// A picture shows the bitmap its template names at the largest whole scale
// that fits the box the template gives it, centred there and of the scaled
// bitmap's size: the Option page's orientation previews (12 x 16 and 16 x 12
// pixels), the Dithering page's samples (16 x 16) and the test's picture.
TEST_F(DesktopTest, PicturesShowTheirBitmapsAtTheLargestWholeScaleCentredInTheirBoxes) {
    struct Case {
        int dialogId;  // 0: the test's template
        int picture;
        platform::Rect place;
    };
    const Case cases[] = {
        // 24 x 32 units: a box of 36 x 52 pixels, three times the bitmap.
        {106, control::kOptionPortraitPicture, {285, 164, 321, 212}},
        {106, control::kOptionPortrait180Picture, {285, 164, 321, 212}},
        // 32 x 24 units: 48 x 39 pixels.
        {106, control::kOptionLandscape180Picture, {285, 163, 333, 199}},
        {106, control::kOptionLandscapePicture, {285, 163, 333, 199}},
        // 32 x 32 units: 48 x 52 pixels.
        {134, control::kDitheringHalftonePicture, {285, 24, 333, 72}},
        {134, control::kDitheringNonePicture, {285, 24, 333, 72}},
        // 20 x 20 units: 30 x 32 pixels, twice the bitmap.
        {0, kPicture, {9, 182, 33, 214}},
    };
    RecordingPage page;
    OpenSheetWith(page);
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "picture " << c.picture);
        framework::Dialog dialog(c.dialogId != 0 ? resources::FindDialogTemplate(c.dialogId)
                                                 : &TestTemplate());
        ASSERT_TRUE(dialog.CreateChild(page.window()));
        EXPECT_EQ(framework::Control(dialog, c.picture).PlaceInParent(), c.place);
    }
}

TEST_F(DesktopTest, ChildDialogLivesInsideItsParentAndGoesWithItsObject) {
    RecordingPage page;
    Window sheet = OpenSheetWith(page);
    auto child = std::make_unique<AskingDialog>();
    ASSERT_TRUE(child->CreateChild(page.window()));
    Window inner = child->window();
    EXPECT_EQ(framework::Parent(inner), page.window());
    EXPECT_FALSE(framework::Control(inner).IsVisible());
    EXPECT_EQ(Screen().Render(sheet).find("    dialog\n"), std::string::npos);
    framework::Control(inner).Show();
    EXPECT_NE(Screen().Render(sheet).find("    dialog\n      label 100 \"Name:\""),
              std::string::npos);
    child.reset();
    EXPECT_FALSE(Screen().Exists(inner));
}

TEST_F(DesktopTest, RenderingReadsLikeTheSheetLooks) {
    RecordingPage page;
    Window sheet = OpenSheetWith(page);
    Window self = page.window();
    ASSERT_TRUE(driver_.Type(self, kDigits, u"12"));
    ASSERT_TRUE(driver_.Click(self, kRadioB));
    ASSERT_TRUE(driver_.Type(self, kNotes, u"a\"b\rc"));
    framework::Control(page, kGo).Enable(false);
    page.SetModified();
    EXPECT_EQ(Screen().Render(sheet),
              "\"Label1 Printing Preferences\"\n"
              "  tabs \"Layout\" \"Paper/Quality\" [\"Recorder\"]\n"
              "  dialog\n"
              "    label 100 \"Name:\"\n"
              "    edit 101 \"12\"\n"
              "    combo 102 \"cm\" [\"mm\"] \"inch\"\n"
              "    list 103 \"first\" \"second\"\n"
              "    check 104 [ ] \"Twice\"\n"
              "    radio 105 ( ) \"A\"\n"
              "    radio 106 (o) \"B\"\n"
              "    button 107 \"Go\" (disabled)\n"
              "    edit 108 \"\"\n"
              "    updown 109 1 (1..50)\n"
              "    picture 110 \"#115\" (hidden)\n"
              "    edit 111 \"a\\\"b\\r\\nc\" (focus)\n"
              "    button 1 \"OK\"\n"
              "    button 2 \"Cancel\"\n"
              "  button 1 \"OK\"\n"
              "  button 2 \"Cancel\"\n"
              "  button 12321 \"Apply\"\n");
}

}  // namespace
}  // namespace orca::testing
