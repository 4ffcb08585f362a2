// SPDX-License-Identifier: Apache-2.0
// The position adjustments: stored in millimetres, shown and typed in the
// unit chosen on the Option page, held to their limits, and the "default"
// boxes that hand an adjustment back to the printer.
#include "advanced/advanced_fixture.h"
#include "resources/control_ids.h"

namespace orca::advanced::testing {
namespace {

struct TypedCase {
    const char16_t* printer;
    uint8_t unit;
    int edit;
    uint32_t field;
    const char16_t* keys;
    double stored;          // millimetres
    const char16_t* shown;  // the edit afterwards
};

TEST_F(AdvancedPageTest, TypedAdjustmentsAreConvertedFromTheUnitAndHeldToTheirLimits) {
    const TypedCase cases[] = {
        {kOrca, kInch, control::kAdvancedTopEdit, kAdjustTop, u"0.3", 0.3 * 25.4, u"0.3"},
        // 10 mm is 0.39 inch.
        {kOrca, kInch, control::kAdvancedTopEdit, kAdjustTop, u"0.5", 10.0, u"0.39"},
        {kOrca, kInch, control::kAdvancedTearOffEdit, kAdjustTearOff, u"1", 10.0, u"0.39"},
        {kOrca, kInch, control::kAdvancedTearOffEdit, kAdjustTearOff, u"-1", -10.0, u"-0.39"},
        {kOrca, kCm, control::kAdvancedTearOffEdit, kAdjustTearOff, u"0.55", 5.5, u"0.55"},
        {kOrca, kMm, control::kAdvancedLeftEdit, kAdjustPosition, u"999.9", 999.9, u"999.9"},
        {kOrca, kMm, control::kAdvancedLeftEdit, kAdjustPosition, u"1000", 999.9, u"999.90"},
        {kOrca, kCm, control::kAdvancedLeftEdit, kAdjustPosition, u"-100", -999.9, u"-99.99"},
        // ONYX adjustments stop at 8 mm.
        {kOnyx, kCm, control::kAdvancedTopEdit, kAdjustTop, u"1", 8.0, u"0.80"},
        {kOnyx, kMm, control::kAdvancedOutPaperEdit, kAdjustTearOff, u"-8.5", -8.0, u"-8.00"},
        {kOnyx, kInch, control::kAdvancedOutPaperEdit, kAdjustTearOff, u"0.25", 6.35, u"0.25"},
    };
    for (const TypedCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "edit " << c.edit << " unit " << int(c.unit) << " keys "
                     << ::testing::PrintToString(std::u16string(c.keys).substr(0, 10)));
        Open(c.printer, [&](const Settings& s) { s.Set<uint8_t>(kSpeedUnit, c.unit); });
        ASSERT_TRUE(Type(c.edit, c.keys));
        EXPECT_DOUBLE_EQ(Fields().Get<double>(c.field), c.stored);
        EXPECT_EQ(Text(c.edit), c.shown);
        EXPECT_TRUE(ApplyEnabled());
    }
}

struct ShownCase {
    uint8_t unit;
    double stored;
    const char16_t* shown;
    const char16_t* unitText;
};

TEST_F(AdvancedPageTest, StoredAdjustmentsShowInTheOptionPagesUnit) {
    const ShownCase cases[] = {
        {kCm, -2.5, u"-0.25", u"cm"},
        {kMm, 7.625, u"7.62", u"mm"},  // millimetres show as stored, not rounded first
        {kInch, 7.62, u"0.30", u"inch"},
        {kInch, -10.0, u"-0.39", u"inch"},
        // A unit of no known code shows millimetres.
        {7, 3.5, u"3.50", u"mm"},
    };
    for (const ShownCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "unit " << int(c.unit) << " value " << c.stored);
        Open(kOrca, [&](const Settings& s) {
            s.Set<uint8_t>(kSpeedUnit, c.unit);
            s.Set<double>(kAdjustTearOff, c.stored);
        });
        EXPECT_EQ(Text(control::kAdvancedTearOffEdit), c.shown);
        for (int label : {control::kAdvancedTopUnitLabel, control::kAdvancedTearOffUnitLabel,
                          control::kAdvancedLeftUnitLabel}) {
            EXPECT_EQ(Text(label), c.unitText);
        }
        EXPECT_FALSE(ApplyEnabled()) << "showing is no change";
    }
}

TEST_F(AdvancedPageTest, AUnitChosenOnTheOptionPageShowsOnTheNextVisit) {
    Open(kOnyx, [](const Settings& s) {
        s.Set<uint8_t>(kSpeedUnit, kMm);
        s.Set<double>(kAdjustTop, 5.0);
    });
    ASSERT_EQ(Text(control::kAdvancedTopEdit), u"5.00");
    ShowTab(u"Options");
    ASSERT_TRUE(Driver().Select(Page(), control::kOptionUnitsList, u"cm"));
    ShowTab(u"Advance Setup");
    EXPECT_EQ(Text(control::kAdvancedTopEdit), u"0.50");
    EXPECT_EQ(Text(control::kAdvancedTopUnitLabel), u"cm");
    EXPECT_EQ(Text(control::kAdvancedOutPaperUnitLabel), u"cm");
    EXPECT_DOUBLE_EQ(Fields().Get<double>(kAdjustTop), 5.0);
}

struct EditingCase {
    const char16_t* keys;
    const char16_t* typed;  // the edit after typing
    const char16_t* left;   // after leaving it
    double stored;
};

TEST_F(AdvancedPageTest, WhatCannotBeANumberIsDroppedOrCountsAsZero) {
    const EditingCase cases[] = {
        {u"1a.2.5", u"1.25", u"1.25", 1.25},  // letters and a second point are dropped
        {u"3-", u"3", u"3", 3.0},             // a sign goes only in front
        {u"-", u"-", u"0.00", 0.0},
        {u"-0", u"-0", u"0.00", 0.0},
        {u"-0.", u"-0.", u"0.00", 0.0},
        {u".5", u"5", u"5", 5.0},  // no point in front
        {u"\b", u"", u"0.00", 0.0},
    };
    for (const EditingCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.keys)));
        Open(kOrca, [](const Settings& s) {
            s.Set<uint8_t>(kSpeedUnit, kMm);
            s.Set<double>(kAdjustTop, 2.0);
        });
        ASSERT_TRUE(Type(control::kAdvancedTopEdit, c.keys));
        EXPECT_EQ(Text(control::kAdvancedTopEdit), c.typed);
        ASSERT_TRUE(Leave(control::kAdvancedTopEdit));
        EXPECT_EQ(Text(control::kAdvancedTopEdit), c.left);
        EXPECT_DOUBLE_EQ(Fields().Get<double>(kAdjustTop), c.stored);
    }
}

struct BoxCase {
    const char16_t* printer;
    int box;
    int edit;
    uint32_t field;
};

TEST_F(AdvancedPageTest, TheDefaultBoxHandsTheAdjustmentToThePrinterAndBack) {
    const BoxCase cases[] = {
        {kOrca, control::kAdvancedTopDefaultCheck, control::kAdvancedTopEdit, kAdjustTop},
        {kOrca, control::kAdvancedTearOffDefaultCheck, control::kAdvancedTearOffEdit,
         kAdjustTearOff},
        {kOrca, control::kAdvancedLeftDefaultCheck, control::kAdvancedLeftEdit, kAdjustPosition},
        {kOnyx, control::kAdvancedTopDefaultCheck, control::kAdvancedTopEdit, kAdjustTop},
        {kOnyx, control::kAdvancedOutPaperDefaultCheck, control::kAdvancedOutPaperEdit,
         kAdjustTearOff},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "box " << c.box);
        Open(c.printer, [&](const Settings& s) { s.Set<double>(c.field, 3.0); });
        ASSERT_FALSE(Checked(c.box));
        ASSERT_TRUE(Click(c.box));
        EXPECT_EQ(Fields().Get<double>(c.field), kPrinterDefault);
        EXPECT_EQ(Text(c.edit), u"N/A");
        EXPECT_FALSE(Enabled(c.edit));
        EXPECT_TRUE(ApplyEnabled());

        Reshow();
        EXPECT_TRUE(Checked(c.box));
        EXPECT_EQ(Text(c.edit), u"N/A");
        EXPECT_FALSE(Enabled(c.edit));

        ASSERT_TRUE(Click(c.box));
        EXPECT_EQ(Fields().Get<double>(c.field), 0.0);
        EXPECT_EQ(Text(c.edit), u"0.00");
        EXPECT_TRUE(Enabled(c.edit));
        ASSERT_TRUE(Type(c.edit, u"-1"));
        EXPECT_EQ(Fields().Get<double>(c.field), -1.0);
    }
}

}  // namespace
}  // namespace orca::advanced::testing
