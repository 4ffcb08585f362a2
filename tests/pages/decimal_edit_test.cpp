// SPDX-License-Identifier: Apache-2.0
// The decimal edit's typing rule, key by key, as a person types.
#include <gtest/gtest.h>

#include "pages/page_fixture.h"
#include "resources/control_ids.h"
#include "text/utf.h"

namespace orca::pages::testing {
namespace {

struct KeyCase {
    std::u16string_view before;
    int start;
    int end;
    char16_t key;
    std::u16string_view after;
};

constexpr KeyCase kKeys[] = {
    // Digits and backspace are always taken, anything else never.
    {u"", 0, 0, u'5', u"5"},
    {u"12", 1, 1, u'7', u"172"},
    {u"12", 2, 2, u'\b', u"1"},
    {u"12", 2, 2, u'a', u"12"},
    {u"12", 2, 2, u'+', u"12"},
    {u"12", 2, 2, u',', u"12"},
    // The sign only in front, and only once.
    {u"", 0, 0, u'-', u"-"},
    {u"5", 0, 0, u'-', u"-5"},
    {u"5", 1, 1, u'-', u"5"},
    {u"-5", 2, 2, u'-', u"-5"},
    {u"-5", 0, 1, u'-', u"-5"},
    {u"-5", 0, 2, u'-', u"-"},
    {u"-5", 1, 2, u'-', u"-5"},
    // Nothing in front of the sign, though a selected sign can be replaced.
    {u"-5", 0, 0, u'1', u"-5"},
    {u"-5", 0, 0, u'\b', u"-5"},
    {u"-5", 0, 1, u'3', u"35"},
    // One point, never at the start.
    {u"12", 2, 2, u'.', u"12."},
    {u"12", 0, 0, u'.', u"12"},
    {u"1.2", 3, 3, u'.', u"1.2"},
    {u"1.2", 1, 2, u'.', u"1.2"},
    {u"1.2", 1, 3, u'.', u"1."},
    {u"1.2", 0, 3, u'.', u"1.2"},
    {u"-1", 2, 2, u'.', u"-1."},
    {u"-1.5", 4, 4, u'\b', u"-1."},
};

TEST_F(PageTest, DecimalEditTakesSignedDecimalsKeyByKey) {
    ProbePage page(context_);
    platform::Window self = PageWindow(OpenSheetWith(page));
    for (const KeyCase& c : kKeys) {
        SCOPED_TRACE(text::Utf16ToUtf8(c.before) + " [" + std::to_string(c.start) + "," +
                     std::to_string(c.end) + ") key " + std::to_string(int{c.key}));
        page.top.SetText(c.before);
        ASSERT_TRUE(driver_.SelectText(self, control::kAdvancedTopEdit, c.start, c.end));
        driver_.Type(self, control::kAdvancedTopEdit, std::u16string(1, c.key));
        EXPECT_EQ(page.top.Text(), c.after);
    }
}

TEST_F(PageTest, DecimalEditKeepsANumberWhateverIsTyped) {
    ProbePage page(context_);
    platform::Window self = PageWindow(OpenSheetWith(page));
    driver_.Type(self, control::kAdvancedTopEdit, u".-1x2.3.4-");
    EXPECT_EQ(page.top.Text(), u"-12.34");
    // Text set by code is not checked.
    page.top.SetText(u"abc");
    EXPECT_EQ(page.top.Text(), u"abc");
}

}  // namespace
}  // namespace orca::pages::testing
