// Names a person gives compare without regard to the case of any letter, by
// simple case folding: one unit folds to one unit, so nothing expands.
#include <gtest/gtest.h>

#include <string>

#include "text/case_fold.h"
#include "text/utf.h"

namespace orca::text {
namespace {

TEST(CaseFold, EveryLetterFoldsButNothingExpands) {
    struct Case {
        std::u16string_view a;
        std::u16string_view b;
        bool equal;
    };
    const Case cases[] = {
        {u"Cutter", u"cUTTER", true},
        {u"Ölfass", u"öLFASS", true},
        {u"GRÖSSE", u"gröSSE", true},
        {u"Größe", u"GRÖẞE", true},      // the capital sharp s
        {u"Größe", u"GRÖSSE", false},    // ß would expand to ss
        {u"ΣΊΣΥΦΟΣ", u"σίσυφος", true},  // final sigma too
        {u"ПРИВЕТ", u"привет", true},
        {u"ǄEMAL", u"ǅemal", true},         // title case
        {u"\u212Aelvin", u"kelvin", true},  // the Kelvin sign
        {u"İstanbul", u"istanbul", false},  // dotted I has no simple folding
        {u"ıi", u"II", false},              // nor does dotless i fold to i
        {u"Ａ", u"ａ", true},               // fullwidth letters have case
        {u"Ａ", u"A", false},
        {u"abc", u"abcd", false},
        {u"", u"", true},
        {u"1-2_3", u"1-2_3", true},
        {u"\U00010400", u"\U00010428", false},  // beyond the first 65536: by value
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.a) + " / " + Utf16ToUtf8(c.b));
        EXPECT_EQ(EqualsIgnoringCase(c.a, c.b), c.equal);
        EXPECT_EQ(EqualsIgnoringCase(c.b, c.a), c.equal);
    }
}

}  // namespace
}  // namespace orca::text
