// SPDX-License-Identifier: Apache-2.0
// The control-code menu's escapes put into a command editor's text.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pages/commands/command_editor.h"
#include "resources/page_resources.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

constexpr int kFirst = resources::kControlCodeCommandFirst;

TEST(EscapeInsertionTest, TheEscapeGoesOverTheSelectionAndTheCaretFollowsIt) {
    const std::u16string full(255, u'a');
    struct Case {
        const char* what;
        std::u16string text;
        platform::TextSelection selection;
        int command;
        int limit;
        std::optional<std::u16string> result;  // nothing: refused
        int caret;
    };
    const Case cases[] = {
        {"caret at the start", u"ABC", {0, 0}, kFirst + 0x1B, 261, u"<\\x1B>ABC", 6},
        {"over a selection", u"ABC", {1, 2}, kFirst + 0x0D, 261, u"A<\\x0D>C", 7},
        {"at the end", u"ABC", {3, 3}, kFirst + 0x00, 511, u"ABC<\\x00>", 9},
        {"the last item", u"", {0, 0}, kFirst + 0x1F, 511, u"<\\x1F>", 6},
        {"a selection past the end counts to the end",
         u"ABC",
         {2, 9},
         kFirst + 0x0A,
         261,
         u"AB<\\x0A>",
         8},
        {"exactly the limit", full, {0, 0}, kFirst + 0x02, 261, u"<\\x02>" + full, 6},
        {"one past the limit", full + u"a", {0, 0}, kFirst + 0x02, 261, std::nullopt, 0},
        {"a selection makes the room",
         u"abcdef" + full,
         {0, 6},
         kFirst + 0x02,
         261,
         u"<\\x02>" + full,
         6},
        {"before the menu's first item", u"ABC", {0, 0}, kFirst - 1, 261, std::nullopt, 0},
        {"after the menu's last item", u"ABC", {0, 0}, kFirst + 32, 261, std::nullopt, 0},
        {"the menu dismissed", u"ABC", {0, 0}, 0, 261, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<EscapeInsertion> got =
            InsertControlEscape(c.text, c.selection, c.command, c.limit);
        ASSERT_EQ(got.has_value(), c.result.has_value());
        if (got) {
            EXPECT_EQ(text::Utf16ToUtf8(got->text), text::Utf16ToUtf8(*c.result));
            EXPECT_EQ(got->caret, c.caret);
        }
    }
}

}  // namespace
}  // namespace orca::pages
