// SPDX-License-Identifier: Apache-2.0
// What follows the operation mode: the ORCA cutter's group quantity and the
// ONYX out-paper distance, and the ONYX out-paper unit with its spinner.
#include "advanced/advanced_fixture.h"
#include "resources/control_ids.h"

namespace orca::advanced::testing {
namespace {

TEST_F(AdvancedPageTest, TheGroupQuantityCountsOnlyForTheCutter) {
    Open(kOrca, [](const Settings& s) { s.Set<uint32_t>(kCutterGroup, 12); });
    EXPECT_EQ(Text(control::kAdvancedGroupQuantityEdit), u"12");
    EXPECT_FALSE(Enabled(control::kAdvancedGroupQuantityEdit));

    ASSERT_TRUE(Select(control::kAdvancedOperationList, u"Cutter"));
    ASSERT_TRUE(Type(control::kAdvancedGroupQuantityEdit, u"25x"));
    EXPECT_EQ(Text(control::kAdvancedGroupQuantityEdit), u"25") << "digits only";
    EXPECT_EQ(Fields().Get<uint32_t>(kCutterGroup), 25u);

    ASSERT_TRUE(Type(control::kAdvancedGroupQuantityEdit, u"12345678"));
    EXPECT_EQ(Text(control::kAdvancedGroupQuantityEdit), u"123456") << "six digits at most";
    EXPECT_EQ(Fields().Get<uint32_t>(kCutterGroup), 123456u);

    // Cleared, it counts 0 until left; then it cuts after every label.
    ASSERT_TRUE(Type(control::kAdvancedGroupQuantityEdit, u"\b"));
    EXPECT_EQ(Fields().Get<uint32_t>(kCutterGroup), 0u);
    ASSERT_TRUE(Leave(control::kAdvancedGroupQuantityEdit));
    EXPECT_EQ(Text(control::kAdvancedGroupQuantityEdit), u"1");
    EXPECT_EQ(Fields().Get<uint32_t>(kCutterGroup), 1u);

    ASSERT_TRUE(Select(control::kAdvancedOperationList, u"Peel Off"));
    EXPECT_FALSE(Enabled(control::kAdvancedGroupQuantityEdit));
    Open(kOrca, [](const Settings& s) { s.Set<uint8_t>(kOperationMode, 4); });
    EXPECT_TRUE(Enabled(control::kAdvancedGroupQuantityEdit))
        << "a stored cutter enables it on showing";
}

struct LockCase {
    const char16_t* operation;
    bool locked;
};

TEST_F(AdvancedPageTest, OnyxModesWithoutAnOutPaperDistanceLockItsEditAndBox) {
    const LockCase cases[] = {
        {u"Cutter", true},
        {u"Tear Off", false},
        {u"Peel Off", false},
        {u"Rewind", true},
        {u"Tear Off(unconfirmed)", false},
        {u"Peel Off(unconfirmed)", true},
    };
    Open(kOnyx);
    for (const LockCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.operation)));
        ASSERT_TRUE(Select(control::kAdvancedOperationList, c.operation));
        EXPECT_EQ(Enabled(control::kAdvancedOutPaperEdit), !c.locked);
        EXPECT_EQ(Enabled(control::kAdvancedOutPaperDefaultCheck), !c.locked);
        EXPECT_TRUE(Enabled(control::kAdvancedTopEdit));
    }

    // A distance left to the printer stays locked when the mode frees the box.
    ASSERT_TRUE(Select(control::kAdvancedOperationList, u"Tear Off"));
    ASSERT_TRUE(Click(control::kAdvancedOutPaperDefaultCheck));
    ASSERT_TRUE(Select(control::kAdvancedOperationList, u"Rewind"));
    ASSERT_TRUE(Select(control::kAdvancedOperationList, u"Tear Off"));
    EXPECT_TRUE(Enabled(control::kAdvancedOutPaperDefaultCheck));
    EXPECT_FALSE(Enabled(control::kAdvancedOutPaperEdit));

    // A stored locking mode locks them when the page is shown.
    Open(kOnyx, [](const Settings& s) { s.Set<uint8_t>(kOperationMode, 3); });
    EXPECT_EQ(Selected(control::kAdvancedOperationList), u"Rewind");
    EXPECT_FALSE(Enabled(control::kAdvancedOutPaperEdit));
    EXPECT_FALSE(Enabled(control::kAdvancedOutPaperDefaultCheck));
}

struct PaperUnitCase {
    const char16_t* keys;
    const char16_t* left;  // the edit after leaving it
    uint32_t stored;
};

TEST_F(AdvancedPageTest, TheOutPaperUnitStaysWithinOneTo9999) {
    const PaperUnitCase cases[] = {
        {u"250", u"250", 250}, {u"12345", u"1234", 1234},  // four digits at most
        {u"\b", u"1", 1},      {u"0", u"1", 1},
        {u"01", u"1", 1},      {u"-7", u"7", 7},  // digits only
    };
    for (const PaperUnitCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.keys)));
        Open(kOnyx, [](const Settings& s) { s.Set<uint32_t>(kPaperUnitField, 40); });
        ASSERT_EQ(Text(control::kAdvancedPaperUnitEdit), u"40");
        ASSERT_TRUE(Type(control::kAdvancedPaperUnitEdit, c.keys));
        ASSERT_TRUE(Leave(control::kAdvancedPaperUnitEdit));
        EXPECT_EQ(Text(control::kAdvancedPaperUnitEdit), c.left);
        EXPECT_EQ(Fields().Get<uint32_t>(kPaperUnitField), c.stored);
        EXPECT_TRUE(ApplyEnabled());
    }
}

}  // namespace
}  // namespace orca::advanced::testing
