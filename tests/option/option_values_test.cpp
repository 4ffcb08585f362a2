// SPDX-License-Identifier: Apache-2.0
// The Option page's values: copies with the limit of the printer's language,
// speed and darkness lists of each model, the unit of measure, orientation
// and rotation, and the texts of both UI languages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "option/option_fixture.h"
#include "resources/control_ids.h"

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
        ASSERT_EQ(Text(control::kOptionCopiesEdit), u"1");

        ASSERT_TRUE(Retype(control::kOptionCopiesEdit, u"40000"));
        EXPECT_EQ(Text(control::kOptionCopiesEdit), c.limit);
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), 1) << "typing alone stores nothing";
        EXPECT_TRUE(ApplyEnabled());
        ASSERT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), c.stored);

        // A cleared edit counts as no copies, and so as one.
        ASSERT_TRUE(Retype(control::kOptionCopiesEdit, u"\b"));
        EXPECT_EQ(Text(control::kOptionCopiesEdit), u"");
        ASSERT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
        EXPECT_EQ(Text(control::kOptionCopiesEdit), u"1");
        EXPECT_EQ(Sheet().Get<int16_t>(kCopiesField), 1);

        // Zero is below the range, not above it.
        ASSERT_TRUE(Retype(control::kOptionCopiesEdit, u"0"));
        EXPECT_EQ(Text(control::kOptionCopiesEdit), u"1");
    }
}

TEST_F(OptionPageTest, CopiesMarkTheSheetChangedOnlyWhenTheyDifferFromTheStoredCopies) {
    MakeSheet(kOrcaModel).Set<int16_t>(kCopiesField, 12);
    Open();
    ASSERT_EQ(Text(control::kOptionCopiesEdit), u"12");
    ASSERT_FALSE(ApplyEnabled()) << "showing the stored copies is no change";

    // The last digit typed over by itself.
    ASSERT_TRUE(Driver().SelectText(Page(), control::kOptionCopiesEdit, 1, 2));
    ASSERT_TRUE(Driver().Type(Page(), control::kOptionCopiesEdit, u"2"));
    ASSERT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Retype(control::kOptionCopiesEdit, u"13"));
    EXPECT_TRUE(ApplyEnabled());
    ASSERT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
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
        ASSERT_TRUE(Retype(control::kOptionCopiesEdit, c.keys));
        EXPECT_EQ(Text(control::kOptionCopiesEdit), c.shown);
        ASSERT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
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
        EXPECT_EQ(ItemTexts(control::kOptionSpeedList), c.speeds);
        EXPECT_EQ(Text(control::kOptionSpeedUnitLabel), u"mm/s");
    }
}

TEST_F(OptionPageTest, ChoosingASpeedStoresItsCodesBitNumberAndDefaultStores255) {
    MakeSheet(u"Merlin Plus(ONYX)").Set<uint8_t>(kSpeedUnitField, 0);
    Sheet().Set<uint8_t>(kSpeed, 4);
    Open();
    EXPECT_EQ(ItemTexts(control::kOptionSpeedList), (Texts{u"Default", u"5.1", u"6.3", u"7.6"}));
    EXPECT_EQ(SelectedText(control::kOptionSpeedList), u"6.3");

    ASSERT_TRUE(Select(control::kOptionSpeedList, u"7.6"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 5);
    EXPECT_TRUE(ApplyEnabled());
    ASSERT_TRUE(Select(control::kOptionSpeedList, u"Default"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 255);
}

TEST_F(OptionPageTest, OnyxSpeedTextsAreShownAsWritten) {
    MakeSheet(u"Heron(ONYX)").Set<uint8_t>(kSpeedUnitField, 0);
    Open();
    EXPECT_EQ(ItemTexts(control::kOptionSpeedList),
              (Texts{u"Default", u"7.6", u"8.9", u"10.2", u"11.4", u"12.7", u"14.0", u"15.2"}));
}

TEST_F(OptionPageTest, ASpeedTheModelDoesNotOfferShowsTheFirstButStaysStored) {
    MakeSheet(kOrcaModel).Set<uint8_t>(kSpeed, 9);
    Open();
    EXPECT_EQ(Screen().Selection(Screen().Child(Page(), control::kOptionSpeedList)), 0);
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 9);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(OptionPageTest, SwitchingUnitsRelabelsTheSpeedsAndKeepsTheStoredSpeed) {
    MakeSheet(kAllOrcaSpeeds).Set<uint8_t>(kSpeedUnitField, 1);
    Sheet().Set<uint8_t>(kSpeed, 3);
    Open();
    ASSERT_EQ(SelectedText(control::kOptionSpeedList), u"127");

    ASSERT_TRUE(Select(control::kOptionUnitsList, u"inch"));
    EXPECT_EQ(ItemTexts(control::kOptionSpeedList),
              (Texts{u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"10", u"11", u"12"}));
    EXPECT_EQ(SelectedText(control::kOptionSpeedList), u"5");
    EXPECT_EQ(Text(control::kOptionSpeedUnitLabel), u"inch/s");
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeed), 3);
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeedUnitField), 2);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionPageTest, AStoredUnitOfNoKnownCodeShowsAsMillimetresUntilOneIsChosen) {
    MakeSheet(kOrcaModel).Set<uint8_t>(kSpeedUnitField, 7);
    Open();
    EXPECT_EQ(SelectedText(control::kOptionUnitsList), u"mm");
    EXPECT_EQ(Text(control::kOptionSpeedUnitLabel), u"mm/s");
    EXPECT_EQ(ItemTexts(control::kOptionSpeedList).front(), u"50");
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeedUnitField), 7);
    EXPECT_FALSE(ApplyEnabled());
    ASSERT_TRUE(Select(control::kOptionUnitsList, u"cm"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kSpeedUnitField), 0);
}

TEST_F(OptionPageTest, DarknessListsFollowTheLanguage) {
    MakeSheet(kOnyxModel).Set<uint8_t>(kDarknessField, 255);
    Open();
    const Texts items = ItemTexts(control::kOptionDarknessList);
    ASSERT_EQ(items.size(), 32u);
    EXPECT_EQ(items.front(), u"Default");
    EXPECT_EQ(items[1], u"0");
    EXPECT_EQ(items.back(), u"30");
    EXPECT_EQ(SelectedText(control::kOptionDarknessList), u"Default");
    ASSERT_TRUE(Select(control::kOptionDarknessList, u"0"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kDarknessField), 0);
    ASSERT_TRUE(Select(control::kOptionDarknessList, u"Default"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kDarknessField), 255);

    MakeSheet(kOrcaModel).Set<uint8_t>(kDarknessField, 12);
    Open();
    EXPECT_EQ(ItemTexts(control::kOptionDarknessList).size(), 31u);
    EXPECT_EQ(ItemTexts(control::kOptionDarknessList).front(), u"0");
    EXPECT_EQ(SelectedText(control::kOptionDarknessList), u"12");
    ASSERT_TRUE(Select(control::kOptionDarknessList, u"30"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kDarknessField), 30);

    // Beyond the model's darkness nothing is selected.
    MakeSheet(kOrcaModel).Set<uint8_t>(kDarknessField, 31);
    Open();
    EXPECT_EQ(SelectedText(control::kOptionDarknessList), u"(none)");
}

TEST_F(OptionPageTest, ChoosingTheOrientationInForceTellsTheSheetNothingChanged) {
    MakeSheet(kOrcaModel).hostOrientation = 1;
    Open();
    ASSERT_EQ(SelectedText(control::kOptionOrientationList), u"Landscape");

    ASSERT_TRUE(Select(control::kOptionOrientationList, u"Landscape"));
    EXPECT_EQ(Sheet().orientationUpdates, 0);
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(Select(control::kOptionOrientationList, u"Portrait"));
    EXPECT_EQ(Sheet().hostOrientation, 0);
    EXPECT_EQ(Sheet().orientationUpdates, 1);
    EXPECT_EQ(Sheet().Get<int16_t>(kOrientation), 1);
    EXPECT_TRUE(ApplyEnabled());

    // The orientation in force again, while the copies wait for Apply: the
    // sheet keeps its change.
    ASSERT_TRUE(Select(control::kOptionOrientationList, u"Portrait"));
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionPageTest, ThePreviewShowsOnePictureForOrientationAndRotation) {
    struct Case {
        const char16_t* orientation;
        const char16_t* rotation;
        int picture;
    };
    const Case cases[] = {
        {u"Portrait", u"0", control::kOptionPortraitPicture},
        {u"Portrait", u"180", control::kOptionPortrait180Picture},
        {u"Landscape", u"0", control::kOptionLandscapePicture},
        {u"Landscape", u"180", control::kOptionLandscape180Picture},
    };
    Open(kOrcaModel);
    for (const Case& c : cases) {
        ASSERT_TRUE(Select(control::kOptionOrientationList, c.orientation));
        ASSERT_TRUE(Select(control::kOptionRotationList, c.rotation));
        for (int picture : {control::kOptionPortraitPicture, control::kOptionLandscape180Picture,
                            control::kOptionPortrait180Picture, control::kOptionLandscapePicture}) {
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
    EXPECT_EQ(SelectedText(control::kOptionRotationList), u"180");
    EXPECT_TRUE(Visible(control::kOptionPortrait180Picture));
    ASSERT_TRUE(Select(control::kOptionRotationList, u"180"));
    EXPECT_FALSE(ApplyEnabled());
    ASSERT_TRUE(Select(control::kOptionRotationList, u"0"));
    EXPECT_EQ(Sheet().Get<uint8_t>(kRotate180), 0);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(OptionPageTest, TextsFollowTheSheetsLanguageButSpeedsAndDarknessAreNeverRelabelled) {
    MakeSheet(u"Merlin Plus(ONYX)").Set<uint8_t>(kSpeedUnitField, 2);
    Open();
    EXPECT_EQ(Text(control::kOptionCopiesLabel), u"Copies:");
    EXPECT_EQ(ItemTexts(control::kOptionUnitsList), (Texts{u"cm", u"mm", u"inch"}));
    EXPECT_EQ(ItemTexts(control::kOptionOrientationList), (Texts{u"Portrait", u"Landscape"}));
    EXPECT_EQ(ItemTexts(control::kOptionRotationList), (Texts{u"0", u"180"}));

    Sheet().SetCurrentLanguage(0);
    Reshow();
    EXPECT_EQ(Text(control::kOptionCopiesLabel), u"份数:");
    EXPECT_EQ(Text(control::kOptionSpeedUnitLabel), u"英寸/秒");
    EXPECT_EQ(ItemTexts(control::kOptionUnitsList), (Texts{u"厘米", u"毫米", u"英寸"}));
    EXPECT_EQ(ItemTexts(control::kOptionOrientationList), (Texts{u"纵向", u"横向"}));
    EXPECT_EQ(ItemTexts(control::kOptionSpeedList), (Texts{u"默认", u"2", u"2.5", u"3"}));
    EXPECT_EQ(ItemTexts(control::kOptionDarknessList).front(), u"默认");
    EXPECT_EQ(Text(control::kOptionWidthEdit), u"0.00") << "edits keep their values";
}

TEST_F(OptionPageTest, AnUnsupportedPrinterFillsNeitherSpeedNorDarkness) {
    Open(u"No Such Model");
    EXPECT_TRUE(ItemTexts(control::kOptionSpeedList).empty());
    EXPECT_TRUE(ItemTexts(control::kOptionDarknessList).empty());
    EXPECT_EQ(ItemTexts(control::kOptionUnitsList).size(), 3u);
    ASSERT_TRUE(Select(control::kOptionUnitsList, u"inch"));
    EXPECT_TRUE(ItemTexts(control::kOptionSpeedList).empty());
    ASSERT_TRUE(Retype(control::kOptionCopiesEdit, u"40000"));
    EXPECT_EQ(Text(control::kOptionCopiesEdit), u"32767");
    EXPECT_TRUE(Driver().Leave(Page(), control::kOptionCopiesEdit));
    Reshow();
    EXPECT_TRUE(ItemTexts(control::kOptionDarknessList).empty());
}

}  // namespace
}  // namespace orca::pages::testing
