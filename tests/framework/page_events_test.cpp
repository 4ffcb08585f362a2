// SPDX-License-Identifier: Apache-2.0
// A page in a property sheet, driven as a person would: what it hears and in
// which order, how typed keys pass its filter and the edit's own rules, and
// how the sheet's tabs and Apply button follow it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>
#include <stdexcept>
#include <string>

#include "framework/desktop_windows.h"
#include "recording_dialog.h"

namespace orca::testing {
namespace {

using platform::Notification;
using platform::Window;
using ::testing::ElementsAre;

// An empty value leaves the barrier quiet.
void SetFatalEscapes(const char* value) {
#ifdef _WIN32
    _putenv_s("ORCAUI_FATAL_ESCAPES", value);
#else
    setenv("ORCAUI_FATAL_ESCAPES", value, 1);
#endif
}

class PageEventsTest : public DesktopTest {
protected:
    RecordingPage page_;
};

TEST_F(PageEventsTest, SheetMakesThePageWhenFirstShownAndTellsItOfEveryTabChange) {
    Window sheet = OpenSheetWith(page_);
    EXPECT_THAT(page_.log, ElementsAre("init", "active", "shown"));
    EXPECT_EQ(Screen().CurrentPage(sheet), page_.window());
    EXPECT_EQ(page_.Sheet(), sheet);

    // Typing, then clicking another tab: the field loses the focus first.
    page_.log.clear();
    ASSERT_TRUE(driver_.Type(page_.window(), kDigits, u"7"));
    ASSERT_TRUE(driver_.SelectTab(sheet, u"Layout"));
    EXPECT_THAT(page_.log,
                ElementsAre("101 set-focus", "101 text 7", "101 kill-focus", "inactive", "hidden"));
    EXPECT_EQ(Screen().CurrentPage(sheet), Screen().PageWindow(sheet, 0));

    // Coming back does not make the page again.
    page_.log.clear();
    ASSERT_TRUE(driver_.SelectTab(sheet, 2));
    EXPECT_THAT(page_.log, ElementsAre("active", "shown"));
    EXPECT_FALSE(driver_.SelectTab(sheet, 3));
    EXPECT_FALSE(driver_.SelectTab(sheet, u"Nowhere"));
}

TEST_F(PageEventsTest, ControlsReportWhatAPersonDoesAndRefuseWhatNobodyCould) {
    OpenSheetWith(page_);
    Window self = page_.window();
    page_.log.clear();

    ASSERT_TRUE(driver_.Select(self, kChoice, u"inch"));
    EXPECT_EQ(page_.choice.ItemValue(page_.choice.Selected()), 12);
    EXPECT_EQ(page_.choice.Text(), u"inch");
    ASSERT_TRUE(driver_.Click(self, kCheck));
    EXPECT_TRUE(page_.check.IsChecked());
    ASSERT_TRUE(driver_.DoubleClick(self, kLines, 1));
    EXPECT_EQ(page_.lines.ItemValue(page_.lines.Selected()), 8);
    EXPECT_THAT(page_.log,
                ElementsAre("102 set-focus", "102 selection", "102 kill-focus", "104 clicked",
                            "103 set-focus", "103 selection", "103 double-clicked"));

    // Radio buttons of one group exclude each other.
    framework::Button a(page_, kRadioA), b(page_, kRadioB);
    ASSERT_TRUE(driver_.Click(self, kRadioA));
    ASSERT_TRUE(driver_.Click(self, kRadioB));
    EXPECT_FALSE(a.IsChecked());
    EXPECT_TRUE(b.IsChecked());

    // Leaving a field moves on to the next control that takes the focus.
    page_.log.clear();
    ASSERT_TRUE(driver_.Leave(self, kDigits));
    EXPECT_THAT(page_.log, ElementsAre("101 set-focus", "101 kill-focus", "102 set-focus"));

    // Selecting from code tells nobody; a disabled or hidden control or the
    // wrong kind cannot be used.
    page_.log.clear();
    page_.choice.Select(0);
    framework::Control(page_, kGo).Enable(false);
    EXPECT_FALSE(driver_.Click(self, kGo));
    EXPECT_FALSE(driver_.Click(self, kPicture));
    EXPECT_FALSE(driver_.Type(self, kChoice, u"1"));
    EXPECT_FALSE(driver_.Select(self, kChoice, 3));
    EXPECT_FALSE(driver_.Select(self, kChoice, u"yard"));
    EXPECT_TRUE(page_.log.empty());

    // A later route replaces the earlier one.
    framework::Control(page_, kGo).Enable(true);
    int clicks = 0;
    page_.On(kGo, Notification::kClicked, [&] { ++clicks; });
    ASSERT_TRUE(driver_.Click(self, kGo));
    EXPECT_EQ(clicks, 1);
    EXPECT_THAT(page_.log, ElementsAre("102 kill-focus"));
}

TEST_F(PageEventsTest, AnEventThatRunsOutOfMemoryFailsAloneAndThePageGoesOn) {
    Window sheet = OpenSheetWith(page_);
    Window self = page_.window();
    int clicks = 0;
    page_.On(kGo, Notification::kClicked, [&] {
        if (++clicks == 1)
            throw std::bad_alloc();
    });
    ASSERT_TRUE(driver_.Click(self, kGo));
    ASSERT_TRUE(driver_.Click(self, kGo));
    EXPECT_EQ(clicks, 2);

    // An apply that runs out of memory is refused: the sheet keeps the changes.
    framework::Control apply(Screen().Child(sheet, resources::kSheetApplyId));
    page_.SetModified();
    page_.applyRunsOutOfMemory = true;
    ASSERT_TRUE(driver_.Apply(sheet));
    EXPECT_TRUE(apply.IsEnabled());
    page_.applyRunsOutOfMemory = false;
    ASSERT_TRUE(driver_.Apply(sheet));
    EXPECT_FALSE(apply.IsEnabled());
    ASSERT_TRUE(driver_.PressOk(sheet));
    EXPECT_FALSE(Screen().Exists(sheet));
}

// Any other exception is a fault of the page: the host's process still
// lives on, but the fault is told on standard error, and it ends the process
// where ORCAUI_FATAL_ESCAPES asks for that, as it does in every test.
TEST_F(PageEventsTest, AHandlerThatThrowsIsToldAndFatalInTests) {
    OpenSheetWith(page_);
    Window self = page_.window();
    page_.On(kGo, Notification::kClicked, [] { throw std::out_of_range("row 12 of 4"); });

    const char* setting = std::getenv("ORCAUI_FATAL_ESCAPES");
    const std::string fatal = setting != nullptr ? setting : "";
    SetFatalEscapes("1");
    EXPECT_DEATH(driver_.Click(self, kGo),
                 "programming error: an exception reached the caller's barrier: row 12 of 4");

    SetFatalEscapes("");
    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(driver_.Click(self, kGo));
    const std::string told = ::testing::internal::GetCapturedStderr();
    SetFatalEscapes(fatal.c_str());
    EXPECT_THAT(told, ::testing::HasSubstr("row 12 of 4"));
}

struct TypingCase {
    const char* name;
    int control;
    std::u16string start;
    int selectFrom, selectTo;  // -1: the end
    int limit;                 // 0: none
    std::u16string keys;
    std::u16string expected;
    int notices;  // text notices from the keys
};

TEST_F(PageEventsTest, TypedKeysPassTheFilterThenTheEditsOwnRules) {
    const TypingCase cases[] = {
        {"filter drops a letter", kDigits, u"", 0, 0, 0, u"12a-3", u"12-3", 4},
        {"typing replaces the selection", kDigits, u"1234", 1, 3, 0, u"9", u"194", 1},
        {"backspace past the start", kDigits, u"12", -1, -1, 0, u"\b\b\b", u"", 2},
        {"backspace removes the selection", kDigits, u"12345", 1, 4, 0, u"\b", u"15", 1},
        {"single line ignores Enter", kDigits, u"1", -1, -1, 0, u"\r2", u"12", 1},
        {"number edit takes digits only", kNumber, u"", 0, 0, 0, u"4x2", u"42", 2},
        {"limit refuses more", kNumber, u"", 0, 0, 3, u"12345", u"123", 3},
        {"limit counts the selection", kNumber, u"123", 0, 1, 3, u"9", u"923", 1},
        {"Enter breaks the line", kNotes, u"", 0, 0, 0, u"^XA\r^XZ", u"^XA\r\n^XZ", 7},
        {"backspace takes the line break", kNotes, u"A", -1, -1, 0, u"\r\b", u"A", 2},
    };
    OpenSheetWith(page_);
    Window self = page_.window();
    for (const TypingCase& c : cases) {
        SCOPED_TRACE(c.name);
        framework::Edit edit(Screen().Child(self, c.control));
        edit.LimitText(c.limit);
        edit.SetText(c.start);
        ASSERT_TRUE(driver_.SelectText(self, c.control, c.selectFrom, c.selectTo));
        page_.log.clear();
        ASSERT_TRUE(driver_.Type(self, c.control, c.keys));
        EXPECT_EQ(edit.Text(), c.expected);
        int notices =
            static_cast<int>(std::ranges::count_if(page_.log, [](const std::string& entry) {
                return entry.find(" text") != std::string::npos;
            }));
        EXPECT_EQ(notices, c.notices);
        EXPECT_EQ(edit.Selection().start, edit.Selection().end);
    }
}

TEST_F(PageEventsTest, SettingAnEditsTextNotifiesAsTypingDoes) {
    OpenSheetWith(page_);
    page_.log.clear();
    page_.digits.SetText(u"55");
    EXPECT_THAT(page_.log, ElementsAre("101 text 55"));
    // The spinner writes its position into its buddy the same way.
    page_.log.clear();
    framework::UpDown(page_, kSpin).SetPosition(60);
    EXPECT_THAT(page_.log, ElementsAre("108 text 50"));
}

TEST_F(PageEventsTest, SpinnerReadsItsBuddyAndKeepsTheLastGoodPosition) {
    OpenSheetWith(page_);
    Window self = page_.window();
    framework::Edit buddy(page_, kNumber);
    buddy.SetText(u"25");
    EXPECT_EQ(page_.spin.Position().value, 25);
    EXPECT_TRUE(page_.spin.Position().valid);
    for (std::u16string bad : {u"99", u"", u"2x", u"-3"}) {
        buddy.SetText(bad);
        platform::SpinPosition position = page_.spin.Position();
        EXPECT_FALSE(position.valid);
        EXPECT_EQ(position.value, 25);
    }
    buddy.SetText(u"48");
    ASSERT_TRUE(driver_.Spin(self, kSpin, 5));
    EXPECT_EQ(buddy.Text(), u"50");
    ASSERT_TRUE(driver_.Spin(self, kSpin, -7));
    EXPECT_EQ(buddy.Text(), u"43");
}

TEST_F(PageEventsTest, ApplyFollowsTheChangedNoticesOfThePages) {
    RecordingPage unseen;
    Window sheet = OpenSheetWith(page_);
    Screen().AddPage(sheet, unseen.Handle());
    framework::Control apply(Screen().Child(sheet, resources::kSheetApplyId));
    EXPECT_FALSE(apply.IsEnabled());
    EXPECT_FALSE(driver_.Apply(sheet));

    page_.SetModified();
    EXPECT_TRUE(apply.IsEnabled());
    page_.SetModified(false);
    EXPECT_FALSE(apply.IsEnabled());

    // A page that refuses keeps its changes and the button.
    page_.SetModified();
    page_.acceptApply = false;
    page_.log.clear();
    ASSERT_TRUE(driver_.Apply(sheet));
    EXPECT_THAT(page_.log, ElementsAre("apply"));
    EXPECT_TRUE(apply.IsEnabled());

    // Only pages that were shown hear of Apply.
    page_.acceptApply = true;
    ASSERT_TRUE(driver_.Apply(sheet));
    EXPECT_FALSE(apply.IsEnabled());
    EXPECT_TRUE(unseen.log.empty());

    // OK applies even without changes, then the sheet goes.
    page_.log.clear();
    ASSERT_TRUE(driver_.PressOk(sheet));
    EXPECT_THAT(page_.log, ElementsAre("apply", "destroy"));
    EXPECT_FALSE(Screen().Exists(sheet));
    EXPECT_EQ(page_.window(), nullptr);
}

TEST_F(PageEventsTest, PageObjectGoneBeforeItsSheetIsNeverCalledAgain) {
    auto early = std::make_unique<RecordingPage>();
    Window sheet = OpenSheetWith(*early);
    Window pageWindow = early->window();
    early.reset();
    ASSERT_TRUE(driver_.SelectTab(sheet, 0));
    ASSERT_TRUE(driver_.SelectTab(sheet, 2));
    framework::SendShownNotice(pageWindow);
    ASSERT_TRUE(driver_.Type(pageWindow, kDigits, u"1"));
    ASSERT_TRUE(driver_.PressOk(sheet));
    EXPECT_FALSE(Screen().Exists(sheet));
}

}  // namespace
}  // namespace orca::testing
