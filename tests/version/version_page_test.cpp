// SPDX-License-Identifier: Apache-2.0
// The Version page: the neutral variant's hidden and moved lines, the full
// variant's web address as a hyperlink, and the printer-sheet page's language
// and registration.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "host/driver_host/host_sheets.h"
#include "pages/printer_sheet_pages.h"
#include "pages/version/version_page.h"
#include "resources/control_ids.h"
#include "settings/field_ids.h"
#include "support/language_fixture.h"

namespace orca::pages::testing {
namespace {

using platform::Cursor;
using platform::Point;
using platform::Rect;
using platform::Window;

constexpr char16_t kAddressText[] = u"http://www.example.com";

class VersionPageTest : public LanguageTest {
protected:
    VersionPageTest() { context_.language = kLanguageEnglish; }

    Window Open(CVersionPage& page) {
        sheet_ = page.InDocumentSheet() ? driverhost::CreateDocumentSheet(Screen(), kPrinter)
                                        : driverhost::CreatePrinterSheet(Screen(), kPrinter);
        AddPages(sheet_, {&page});
        const int last = static_cast<int>(driverhost::TabTitles(Screen(), sheet_).size()) - 1;
        Screen().OpenSheet(sheet_, last);
        return Screen().CurrentPage(sheet_);
    }

    // Where a control lies on the page.
    Rect Place(Window page, int controlId) {
        const Rect screen = Screen().WindowRect(Screen().Child(page, controlId));
        const Point origin = Screen().ClientOrigin(page);
        return {screen.left - origin.x, screen.top - origin.y, screen.right - origin.x,
                screen.bottom - origin.y};
    }

    // A point on the first characters of the web address.
    Point OnAddress(Window page) {
        const Rect line = Place(page, control::kVersionAddressLine);
        return {line.left + 2, line.top + 2};
    }

    bool Underlined(Window page) {
        return Screen().GetFont(Screen().Child(page, control::kVersionAddressLine)).underline;
    }

    SheetContext context_;
    Window sheet_ = nullptr;
};

// The lines below the maker's move up into the place of the first hidden
// line, keeping their left edge and their spacing as the full page lays them
// out (so they scale with the page).
TEST_F(VersionPageTest, TheNeutralPageHidesTheMakersLinesAndClosesUpTheRest) {
    CProperty_Version full(context_);
    const Window fullPage = Open(full);
    const int up = Place(fullPage, control::kVersionProductHeading).top -
                   Place(fullPage, control::kVersionFirstMakerLine).top;
    ASSERT_GT(up, 0);
    CProperty_VersionOEM version(context_);
    const Window page = Open(version);
    for (int hidden : {control::kVersionFirstMakerLine, control::kVersionSecondMakerLine,
                       control::kVersionAdditionalHeading, control::kVersionAddressLine}) {
        EXPECT_FALSE(Visible(page, hidden)) << hidden;
    }
    for (int moved : {control::kVersionProductHeading, control::kVersionProductLine,
                      control::kVersionSeparator, control::kVersionNoticeLine}) {
        const Rect template_ = Place(fullPage, moved);
        const Rect now = Place(page, moved);
        EXPECT_EQ((Point{now.left, now.top}), (Point{template_.left, template_.top - up})) << moved;
    }
    // Shown again, the lines stay where they are.
    const Rect before = Place(page, control::kVersionNoticeLine);
    Screen().SendShownNotice(page);
    EXPECT_EQ(Place(page, control::kVersionNoticeLine).top, before.top);
    EXPECT_EQ(Text(page, control::kVersionTitleLine), u"Label Printer Driver");
    EXPECT_EQ(Text(page, control::kVersionProductLine),
              u"Product: Windows driver for BarCode printer");

    // Where the web address would be, nothing answers.
    const Rect line = Place(page, control::kVersionAddressLine);
    ASSERT_TRUE(Driver().MoveMouse(page, {line.left + 2, line.top + 2}));
    ASSERT_TRUE(Driver().ReleaseLeftButton(page, {line.left + 2, line.top + 2}));
    EXPECT_TRUE(Screen().ShellOpened().empty());
    EXPECT_EQ(Screen().CurrentCursor(), Cursor::kArrow);
    EXPECT_FALSE(Underlined(page));
}

TEST_F(VersionPageTest, TheWebAddressUnderlinesUnderThePointerAndOpensOnAClick) {
    CProperty_Version version(context_);
    const Window page = Open(version);
    EXPECT_EQ(Text(page, control::kVersionAddressLine), kAddressText);
    const Point on = OnAddress(page);
    const Rect line = Place(page, control::kVersionAddressLine);
    // Inside the line but past the end of its text.
    const Point pastText{line.right - 2, line.top + 2};

    ASSERT_TRUE(Driver().MoveMouse(page, on));
    EXPECT_EQ(Screen().CurrentCursor(), Cursor::kHand);
    EXPECT_TRUE(Underlined(page));

    ASSERT_TRUE(Driver().MoveMouse(page, pastText));
    EXPECT_EQ(Screen().CurrentCursor(), Cursor::kArrow);
    EXPECT_FALSE(Underlined(page));
    ASSERT_TRUE(Driver().ReleaseLeftButton(page, pastText));
    EXPECT_TRUE(Screen().ShellOpened().empty());

    ASSERT_TRUE(Driver().Hover(page, on));
    EXPECT_TRUE(Underlined(page));
    ASSERT_TRUE(Driver().ReleaseLeftButton(page, on));
    EXPECT_EQ(Screen().ShellOpened(), std::vector<std::u16string>{kAddressText});
    EXPECT_EQ(Screen().CurrentCursor(), Cursor::kHand);
}

TEST_F(VersionPageTest, APrinterSheetPageFollowsTheStoredLanguageAndIsListedWhileOnScreen) {
    context_.language = kLanguageChinese;
    context_.byteFields[settings::field::kLanguage] = kLanguageEnglish;
    CProperty_Version version(context_);
    version.SetInDocumentSheet(false);
    const Window page = Open(version);
    EXPECT_EQ(Text(page, control::kVersionTitleLine), u"Label Printer Driver");
    EXPECT_EQ(PrinterSheetPages(), std::vector<Window>{page});
    EXPECT_EQ(context_.lastShown, nullptr);

    ASSERT_TRUE(Driver().PressCancel(sheet_));
    EXPECT_TRUE(PrinterSheetPages().empty());
}

TEST_F(VersionPageTest, ADocumentSheetPageIsNotListed) {
    CProperty_Version version(context_);
    const Window page = Open(version);
    EXPECT_EQ(context_.lastShown, page);
    EXPECT_TRUE(PrinterSheetPages().empty());
}

}  // namespace
}  // namespace orca::pages::testing
