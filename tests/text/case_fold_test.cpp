// SPDX-License-Identifier: Apache-2.0
// Names a person gives compare without regard to the case of any letter, by
// simple case folding: one unit folds to one unit, so nothing expands.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "text/case_fold.h"
#include "text/utf.h"

namespace orca::text {
namespace {

struct Case {
    std::u16string_view a;
    std::u16string_view b;
    bool equal;
};

void ExpectCases(std::span<const Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.a) + " / " + Utf16ToUtf8(c.b));
        EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.equal);
        EXPECT_EQ(EqualsIgnoringCase(c.b, c.a), c.equal);
    }
}

TEST(CaseFold, EveryLetterHasItsCase) {
    const Case cases[] = {
        {u"Cutter", u"cUTTER", true},
        {u"Ölfass", u"öLFASS", true},
        {u"GRÖSSE", u"gröSSE", true},
        {u"Größe", u"GRÖSSE", false},  // ß would expand to ss
        {u"ПРИВЕТ", u"привет", true},
        {u"ΣΟΦΟΣ", u"σοφοσ", true},
        {u"İstanbul", u"istanbul", false},
        {u"ıi", u"II", false},
        {u"Ａ", u"ａ", true},  // fullwidth letters have case
        {u"Ａ", u"A", false},
        {u"abc", u"abcd", false},
        {u"", u"", true},
        {u"1-2_3", u"1-2_3", true},
    };
    ExpectCases(cases);
}

#ifndef _WIN32
// Where simple case folding goes beyond the system's upper-case table (the
// Windows build compares as the system does).
TEST(CaseFold, SimpleFoldingCoversTitleCaseAndLetterVariants) {
    const Case cases[] = {
        {u"Größe", u"GRÖẞE", true},             // the capital sharp s
        {u"ΣΊΣΥΦΟΣ", u"σίσυφος", true},         // final sigma, accented capitals
        {u"ǄEMAL", u"ǅemal", true},             // title case
        {u"\u212Aelvin", u"kelvin", true},      // the Kelvin sign
        {u"\U00010400", u"\U00010428", false},  // beyond the first 65536: by value
    };
    ExpectCases(cases);
}
#endif

}  // namespace
}  // namespace orca::text
