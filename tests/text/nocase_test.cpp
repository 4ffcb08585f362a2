// SPDX-License-Identifier: Apache-2.0
#include "text/nocase.h"

#include <gtest/gtest.h>

namespace orca::text {
namespace {

TEST(NoCase, FoldsAsciiLettersOnly) {
    EXPECT_TRUE(EqualsNoCase(u"PrinterMap", u"PRINTERMAP"));
    EXPECT_TRUE(EqualsNoCase(u"btSpeed", u"BTSPEED"));
    EXPECT_FALSE(EqualsNoCase(u"é", u"É"));
    EXPECT_FALSE(EqualsNoCase(u"[", u"{")) << "'[' and '{' differ by 0x20 but are not letters";
    EXPECT_FALSE(EqualsNoCase(u"@", u"`"));
    EXPECT_FALSE(EqualsNoCase(u"ab", u"abc"));
}

TEST(NoCase, OrdersByFoldedUnitsThenLength) {
    EXPECT_EQ(CompareNoCase(u"abc", u"ABC"), 0);
    EXPECT_LT(CompareNoCase(u"abc", u"ABD"), 0);
    EXPECT_GT(CompareNoCase(u"b", u"A"), 0);
    EXPECT_LT(CompareNoCase(u"ab", u"AB_"), 0);
    EXPECT_GT(CompareNoCase(u"_", u"a"), 0)
        << "letters fold to upper case, so '_' sorts after them";
}

TEST(NoCase, FindsFirstOccurrence) {
    EXPECT_EQ(FindNoCase(u"Label1_cn.INI", u"_CN.ini"), 6u);
    EXPECT_EQ(FindNoCase(u"aXaX", u"xa"), 1u);
    EXPECT_EQ(FindNoCase(u"abc", u""), 0u);
    EXPECT_EQ(FindNoCase(u"ab", u"abc"), std::u16string_view::npos);
    EXPECT_EQ(FindNoCase(u"abc", u"é"), std::u16string_view::npos);
}

}  // namespace
}  // namespace orca::text
