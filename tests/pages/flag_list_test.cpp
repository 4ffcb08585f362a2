// SPDX-License-Identifier: Apache-2.0
// The flag-list fill and the rounding of the unit conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "pages/page_fixture.h"
#include "resources/control_ids.h"

namespace orca::pages::testing {
namespace {

struct FillCase {
    const char* name;
    std::vector<FlagListEntry> entries;
    uint32_t mask;
    int current;
    std::vector<intptr_t> values;  // of the items, in order
    int selected;
};

TEST_F(PageTest, FlagListFillOffersTheMaskedCodesAndSelectsTheCurrentValue) {
    const FillCase kCases[] = {
        {"Default entry first, codes by the mask",
         {{0, u"Default"}, {1, u"a"}, {2, u"b"}, {4, u"c"}},
         5,
         2,
         {255, 0, 2},
         2},
        {"Default selected by 255", {{0, u"Default"}, {1, u"a"}}, 1, 255, {255, 0}, 0},
        {"nothing matches: the first item",
         {{0, u"Default"}, {1, u"a"}, {2, u"b"}},
         3,
         9,
         {255, 0, 1},
         0},
        {"code 0 after the first entry is never listed",
         {{1, u"a"}, {0, u"z"}, {2, u"b"}},
         3,
         1,
         {0, 1},
         1},
        {"the last match wins", {{1, u"a"}, {2, u"b"}, {2, u"b again"}}, 3, 1, {0, 1, 1}, 2},
        {"a code of several bits rounds its logarithm",
         {{3, u"three"}, {4, u"four"}},
         7,
         2,
         {2, 2},
         1},
        {"high bits", {{0x40000, u"x"}, {0x80000, u"y"}}, 0xFFFFF, 19, {18, 19}, 1},
        {"an empty mask without Default lists nothing", {{1, u"a"}}, 0, 0, {}, -1},
    };
    ProbePage page(context_);
    platform::Window self = PageWindow(OpenSheetWith(page));
    for (const FillCase& c : kCases) {
        SCOPED_TRACE(c.name);
        page.operations = c.entries;
        page.operationMask = c.mask;
        page.operation = c.current;
        Screen().SendShownNotice(self);
        std::vector<intptr_t> values;
        for (const auto& item : Items(self, control::kAdvancedOperationList)) {
            values.push_back(item.second);
        }
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(Selection(self, control::kAdvancedOperationList), c.selected);
    }
}

TEST(RoundHalfAwayFromZero, RoundsHalvesOutwardAndHoldsTheIntRange) {
    const struct {
        double x;
        int rounded;
    } kCases[] = {
        {2.5, 3},
        {2.4999, 2},
        {-2.5, -3},
        {-2.4999, -2},
        {0.5, 1},
        {-0.5, -1},
        {0.0, 0},
        {-0.2, 0},
        {393.7007874, 394},
        {1e12, std::numeric_limits<int>::max()},
        {-1e12, std::numeric_limits<int>::min()},
        {std::nan(""), 0},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(RoundHalfAwayFromZero(c.x), c.rounded) << c.x;
    }
}

}  // namespace
}  // namespace orca::pages::testing
