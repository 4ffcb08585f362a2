// SPDX-License-Identifier: Apache-2.0
// The Option page's values: copies with the limit of the printer's language,
// speed and darkness lists of each model, the unit of measure, orientation
// and rotation, and the texts of both UI languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option/option_fixture.h"

namespace orca::pages::testing {
namespace {

constexpr char16_t kOrcaModel[] = u"Kestrel(ORCA)";
constexpr char16_t kOnyxModel[] = u"Kestrel(ONYX)";
constexpr char16_t kAllOrcaSpeeds[] = u"Condor(203DPI)(ORCA)";

struct CopiesCase {
    const char16_t* model;
    const char16_t* limit;
    int16_t stored;
};
constexpr CopiesCase kCopiesCases[] = {
    {kOrcaModel, u"32767", 32767},
    {kOnyxModel, u"9999", 9999},
};

TEST_F(OptionPageTest, CopiesAreHeldToTheLanguagesLimitAndStoredWhenTheEditIsLeft) {
    for (const CopiesCase& c : kCopiesCases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.model)));
        Open(c.model);
        ASSERT_EQ(Text(kCopies), u"1");

        ASSERT_TRUE(Retype(kCopies, u"40000"));
        EXPECT_EQ(Text(kCopies), c.limit);
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), 1) << "typing alone stores nothing";
        EXPECT_TRUE(ApplyEnabled());
        ASSERT_TRUE(Driver().Leave(Page(), kCopies));
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), c.stored);

        // A cleared edit counts as no copies, and so as one.
        ASSERT_TRUE(Retype(kCopies, u"\b"));
        EXPECT_EQ(Text(kCopies), u"");
        ASSERT_TRUE(Driver().Leave(Page(), kCopies));
        EXPECT_EQ(Text(kCopies), u"1");
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), 1);

        // Zero is below the range, not above it.
        ASSERT_TRUE(Retype(kCopies, u"0"));
        EXPECT_EQ(Text(kCopies), u"1");
    }
}

TEST_F(OptionPageTest, CopiesMarkTheSheetChangedOnlyWhenTheyDifferFromTheStoredCopies) {
    MakeSheet(kOrcaModel).Set<int16_t>(kCopiesField, 12);
    Open();
    ASSERT_EQ(Text(kCopies), u"12");
    ASSERT_FALSE(ApplyEnabled()) << "showing the stored copies is no change";

    // The last digit typed over by itself.
    ASSERT_TRUE(Driver().SelectText(Page(), kCopies, 1, 2));
    ASSERT_TRUE(Driver().Type(Page(), kCopies, u"2"));
    ASSERT_TRUE(Driver().Leave(Page(), kCopies));
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Retype(kCopies, u"13"));
    EXPECT_TRUE(ApplyEnabled());
    ASSERT_TRUE(Driver().Leave(Page(), kCopies));
    EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), 13);
}

// Leading zeros as a person types them: each zero turns into a 1 that the
// next digit replaces.
struct LeadingZerosCase {
    const char16_t* keys;
    const char16_t* shown;
    int16_t stored;
};

TEST_F(OptionPageTest, ADigitTypedAfterARewrittenOneReplacesIt) {
    const LeadingZerosCase cases[] = {
        {u"05", u"5", 5},
        {u"007", u"7", 7},
        {u"0", u"1", 1},
        {u"0\b3", u"3", 3},
    };
    for (const LeadingZerosCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.keys)));
        MakeSheet(kOrcaModel).Set<int16_t>(kCopiesField, 2);
        Open();
        ASSERT_TRUE(Retype(kCopies, c.keys));
        EXPECT_EQ(Text(kCopies), c.shown);
        ASSERT_TRUE(Driver().Leave(Page(), kCopies));
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), c.stored);
    }
}

struct SpeedListCase {
    const char16_t* model;
    Texts speeds;  // in mm/s
};

TEST_F(OptionPageTest, SpeedListsOfferTheSpeedsOfTheModelsMask) {
    const SpeedListCase cases[] = {
        {u"Merlin Plus(ONYX)", {u"Default", u"51", u"63", u"76"}},
        {u"Heron(ONYX)", {u"Default", u"76", u"89", u"102", u"114", u"127", u"140", u"152"}},
        {kOrcaModel, {u"50", u"76", u"101", u"127"}},
        {kAllOrcaSpeeds,
         {u"50", u"76", u"101", u"127", u"152", u"178", u"203", u"229", u"254", u"279", u"305"}},
    };
    for (const SpeedListCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.model)));
        MakeSheet(c.model).Set<uint8_t>(kSpeedUnitField, 1);
        Open();
        EXPECT_EQ(ItemTexts(kSpeeds), c.speeds);
        EXPECT_EQ(Text(kSpeedUnit), u"mm/s");
    }
}

TEST_F(OptionPageTest, ChoosingASpeedStoresItsCodesBitNumberAndDefaultStores255) {
    MakeSheet(u"Merlin Plus(ONYX)").Set<uint8_t>(kSpeedUnitField, 0);
    Sheet().Set<uint8_t>(kSpeed, 4);
    Open();
    EXPECT_EQ(ItemTexts(kSpeeds), (Texts{u"Default", u"5.1", u"6.3", u"7.6"}));
    EXPECT_EQ(SelectedText(kSpeeds), u"6.3");

    ASSERT_TRUE(Select(kSpeeds, u"7.6"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 5);
    EXPECT_TRUE(ApplyEnabled());
    ASSERT_TRUE(Select(kSpeeds, u"Default"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 255);
}

TEST_F(OptionPageTest, OnyxSpeedTextsAreShownAsWritten) {
    MakeSheet(u"Heron(ONYX)").Set<uint8_t>(kSpeedUnitField, 0);
    Open();
    EXPECT_EQ(ItemTexts(kSpeeds),
              (Texts{u"Default", u"7.6", u"8.9", u"10.2", u"11.4", u"12.7", u"14.0", u"15.2"}));
}

TEST_F(OptionPageTest, ASpeedTheModelDoesNotOfferShowsTheFirstButStaysStored) {
    MakeSheet(kOrcaModel).Set<uint8_t>(kSpeed, 9);
    Open();
    EXPECT_EQ(Screen().Selection(Screen().Child(Page(), kSpeeds)), 0);
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 9);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OptionPageTest, SwitchingUnitsRelabelsTheSpeedsAndKeepsTheStoredSpeed) {
    MakeSheet(kAllOrcaSpeeds).Set<uint8_t>(kSpeedUnitField, 1);
    Sheet().Set<uint8_t>(kSpeed, 3);
    Open();
    ASSERT_EQ(SelectedText(kSpeeds), u"127");

    ASSERT_TRUE(Select(kUnits, u"inch"));
    EXPECT_EQ(ItemTexts(kSpeeds),
              (Texts{u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11", u"12"}));
    EXPECT_EQ(SelectedText(kSpeeds), u"5");
    EXPECT_EQ(Text(kSpeedUnit), u"inch/s");
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 3);
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeedUnitField), 2);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionPageTest, AStoredUnitOfNoKnownCodeShowsAsMillimetresUntilOneIsChosen) {
    MakeSheet(kOrcaModel).Set<uint8_t>(kSpeedUnitField, 7);
    Open();
    EXPECT_EQ(SelectedText(kUnits), u"mm");
    EXPECT_EQ(Text(kSpeedUnit), u"mm/s");
    EXPECT_EQ(ItemTexts(kSpeeds).front(), u"50");
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeedUnitField), 7);
    EXPECT_FALSE(ApplyEnabled());
    ASSERT_TRUE(Select(kUnits, u"cm"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeedUnitField), 0);
}

TEST_F(OptionPageTest, DarknessListsFollowTheLanguage) {
    MakeSheet(kOnyxModel).Set<uint8_t>(kDarknessField, 255);
    Open();
    const Texts items = ItemTexts(kDarkness);
    ASSERT_EQ(items.size(), 32u);
    EXPECT_EQ(items.front(), u"Default");
    EXPECT_EQ(items[1], u"0");
    EXPECT_EQ(items.back(), u"30");
    EXPECT_EQ(SelectedText(kDarkness), u"Default");
    ASSERT_TRUE(Select(kDarkness, u"0"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kDarknessField), 0);
    ASSERT_TRUE(Select(kDarkness, u"Default"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kDarknessField), 255);

    MakeSheet(kOrcaModel).Set<uint8_t>(kDarknessField, 12);
    Open();
    EXPECT_EQ(ItemTexts(kDarkness).size(), 31u);
    EXPECT_EQ(ItemTexts(kDarkness).front(), u"0");
    EXPECT_EQ(SelectedText(kDarkness), u"12");
    ASSERT_TRUE(Select(kDarkness, u"30"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kDarknessField), 30);

    // Beyond the model's darkness nothing is selected.
    MakeSheet(kOrcaModel).Set<uint8_t>(kDarknessField, 31);
    Open();
    EXPECT_EQ(SelectedText(kDarkness), u"(none)");
}

TEST_F(OptionPageTest, ChoosingTheOrientationInForceTellsTheSheetNothingChanged) {
    MakeSheet(kOrcaModel).hostOrientation = 1;
    Open();
    ASSERT_EQ(SelectedText(kOrientations), u"Landscape");

    ASSERT_TRUE(Select(kOrientations, u"Landscape"));
    EXPECT_EQ(Sheet().orientationUpdates, 0);
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Select(kOrientations, u"Portrait"));
    EXPECT_EQ(Sheet().hostOrientation, 0);
    EXPECT_EQ(Sheet().orientationUpdates, 1);
    EXPECT_EQ(Sheet().Get<int16_t>(kOrientation), 1);
    EXPECT_TRUE(ApplyEnabled());

    // The orientation in force again, while the copies wait for Apply: the
    // sheet keeps its change.
    ASSERT_TRUE(Select(kOrientations, u"Portrait"));
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionPageTest, ThePreviewShowsOnePictureForOrientationAndRotation) {
    struct Case {
        const char16_t* orientation;
        const char16_t* rotation;
        int picture;
    };
    const Case cases[] = {
        {u"Portrait", u"0", 1021},
        {u"Portrait", u"180", 1039},
        {u"Landscape", u"0", 1040},
        {u"Landscape", u"180", 1033},
    };
    Open(kOrcaModel);
    for (const Case& c : cases) {
        ASSERT_TRUE(Select(kOrientations, c.orientation));
        ASSERT_TRUE(Select(kRotations, c.rotation));
        for (int picture : {1021, 1033, 1039, 1040}) {
            EXPECT_EQ(Visible(picture), picture == c.picture)
                << "picture " << picture << " for " << c.picture;
        }
    }
    EXPECT_EQ(Sheet().Get<uint8_t>(kRotate180), 1);
    EXPECT_EQ(Sheet().Get<int16_t>(kOrientation), 2);
}

TEST_F(OptionPageTest, TheStoredRotationIsShownAndOnlyAChangeIsStored) {
    MakeSheet(kOrcaModel).Set<uint8_t>(kRotate180, 1);
    Open();
    EXPECT_EQ(SelectedText(kRotations), u"180");
    EXPECT_TRUE(Visible(1039));
    ASSERT_TRUE(Select(kRotations, u"180"));
    EXPECT_FALSE(ApplyEnabled());
    ASSERT_TRUE(Select(kRotations, u"0"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kRotate180), 0);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionPageTest, TextsFollowTheSheetsLanguageButSpeedsAndDarknessAreNeverRelabelled) {
    MakeSheet(u"Merlin Plus(ONYX)").Set<uint8_t>(kSpeedUnitField, 2);
    Open();
    EXPECT_EQ(Text(1006), u"Copies:");
    EXPECT_EQ(ItemTexts(kUnits), (Texts{u"cm", u"mm", u"inch"}));
    EXPECT_EQ(ItemTexts(kOrientations), (Texts{u"Portrait", u"Landscape"}));
    EXPECT_EQ(ItemTexts(kRotations), (Texts{u"0", u"180"}));

    Sheet().SetCurrentLanguage(0);
    Reshow();
    EXPECT_EQ(Text(1006), u"份数:");
    EXPECT_EQ(Text(kSpeedUnit), u"英寸/秒");
    EXPECT_EQ(ItemTexts(kUnits), (Texts{u"厘米", u"毫米", u"英寸"}));
    EXPECT_EQ(ItemTexts(kOrientations), (Texts{u"纵向", u"横向"}));
    EXPECT_EQ(ItemTexts(kSpeeds), (Texts{u"默认", u"2", u"2.5", u"3"}));
    EXPECT_EQ(ItemTexts(kDarkness).front(), u"默认");
    EXPECT_EQ(Text(1025), u"0.00") << "edits keep their values";
}

TEST_F(OptionPageTest, AnUnsupportedPrinterFillsNeitherSpeedNorDarkness) {
    Open(u"No Such Model");
    EXPECT_TRUE(ItemTexts(kSpeeds).empty());
    EXPECT_TRUE(ItemTexts(kDarkness).empty());
    EXPECT_EQ(ItemTexts(kUnits).size(), 3u);
    ASSERT_TRUE(Select(kUnits, u"inch"));
    EXPECT_TRUE(ItemTexts(kSpeeds).empty());
    ASSERT_TRUE(Retype(kCopies, u"40000"));
    EXPECT_EQ(Text(kCopies), u"32767");
    EXPECT_TRUE(Driver().Leave(Page(), kCopies));
    Reshow();
    EXPECT_TRUE(ItemTexts(kDarkness).empty());
}

}  // namespace
}  // namespace orca::pages::testing
