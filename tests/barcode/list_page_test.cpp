// SPDX-License-Identifier: Apache-2.0
// The Barcode Fonts list: New appends a record written from the language's
// default record, Change edits one in place and stores only what changed,
// Delete closes the gap; the count and the records agree after each, and the
// sheet hears of a change only when something was stored.
#include <string>

#include "barcode_fixture.h"
#include "resources/control_ids.h"

namespace orca::barcodetest {
namespace {

using ListPageTest = BarcodeSheetTest;

const Names kDefaultFonts = {u"EAN13",   u"EAN8",    u"UPC E",  u"CODE39",
                             u"CODABAR", u"CODE128", u"CODE93", u"PDF417"};

TEST_F(ListPageTest, ListsTheRecordsInOrderAndAddsANewFontFromTheDefaultRecord) {
    for (const char16_t* model : {kOrcaModel, kOnyxModel}) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(model)));
        OpenSheet(model);
        EXPECT_EQ(Lines(), kDefaultFonts);
        EXPECT_EQ(SelectedLine(), u"PDF417");
        EXPECT_FALSE(ApplyEnabled());

        ASSERT_TRUE(AddFont(u"Pallet"));
        ASSERT_EQ(Count(), 9);
        EXPECT_EQ(Lines().back(), u"Pallet");
        EXPECT_EQ(SelectedLine(), u"Pallet");
        EXPECT_TRUE(ApplyEnabled());
        // The language's default record, with the name and the dialog's first
        // symbology (code 0).
        const uint8_t* added = Record(8);
        EXPECT_EQ(added[kTypeOffset], 0);
        EXPECT_EQ(added[4], 1) << "btFontHeight";
        EXPECT_EQ(added[5], 1) << "btHumanReadable";
        EXPECT_EQ(added[100], 1) << "btPDF417Columns";
        EXPECT_EQ(RecordName(8), u"Pallet");
    }
}

TEST_F(ListPageTest, DeleteRemovesTheRecordAndClosesTheGap) {
    struct Case {
        int line;
        const char16_t* selectedAfter;
    };
    // The selection stays on its line; deleting the last line selects the new last.
    for (const Case c : {Case{0, u"EAN8"}, Case{4, u"CODE128"}, Case{7, u"CODE93"}}) {
        SCOPED_TRACE(c.line);
        OpenSheet(kOnyxModel);
        Names expected = kDefaultFonts;
        expected.erase(expected.begin() + c.line);
        const std::vector<uint8_t> lastRecord(Record(7), Record(7) + kRecordSize);
        ASSERT_TRUE(Driver().Select(Page(), control::kBarcodeFontsList, c.line));
        ASSERT_TRUE(Driver().Click(Page(), control::kBarcodeFontsDeleteButton));
        EXPECT_EQ(Count(), 7);
        EXPECT_EQ(RecordNames(), expected);
        EXPECT_EQ(Lines(), expected);
        EXPECT_EQ(SelectedLine(), c.selectedAfter);
        EXPECT_EQ(std::vector<uint8_t>(Record(7), Record(7) + kRecordSize),
                  std::vector<uint8_t>(kRecordSize, 0))
            << "the freed record is zeroed";
        if (c.line < 7) {
            EXPECT_EQ(std::vector<uint8_t>(Record(6), Record(6) + kRecordSize), lastRecord)
                << "later records move down whole";
        }
        EXPECT_TRUE(ApplyEnabled());
    }
}

TEST_F(ListPageTest, NewIsDisabledOnceThe32ndFontIsAdded) {
    OpenSheet(kOrcaModel);
    Names names;
    for (int i = 0; i < 31; ++i) {
        names.push_back(u"Font number " + std::u16string(1, char16_t(u'A' + i)));
    }
    StoreNames(names);
    Reshow();
    ASSERT_EQ(Lines().size(), 31u);
    EXPECT_TRUE(Enabled(Page(), control::kBarcodeFontsNewButton));

    ASSERT_TRUE(AddFont(u"Last one"));
    EXPECT_EQ(Count(), 32);
    EXPECT_EQ(Lines().size(), 32u);
    EXPECT_FALSE(Enabled(Page(), control::kBarcodeFontsNewButton));
    EXPECT_FALSE(Driver().Click(Page(), control::kBarcodeFontsNewButton));

    // Room again after a delete.
    ASSERT_TRUE(Driver().Click(Page(), control::kBarcodeFontsDeleteButton));
    EXPECT_EQ(Count(), 31);
    EXPECT_TRUE(Enabled(Page(), control::kBarcodeFontsNewButton));
}

TEST_F(ListPageTest, ChangeStoresOnlyWhatChangedAndMarksTheSheetOnlyThen) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Driver().Select(Page(), control::kBarcodeFontsList, u"CODE39"));
    const std::vector<uint8_t> before(Block(), Block() + 50496);

    // Opened and confirmed without a change: nothing stored, nothing marked.
    ASSERT_TRUE(InDialog(control::kBarcodeFontsChangeButton, [&](Window dialog) {
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_EQ(std::vector<uint8_t>(Block(), Block() + 50496), before);
    EXPECT_FALSE(ApplyEnabled());
    // Cancelled after changes: nothing stored either.
    ASSERT_TRUE(InDialog(control::kBarcodeFontsChangeButton, [&](Window dialog) {
        Driver().Select(dialog, control::kBarcodeFontRotationList, u"90");
        Driver().Retype(dialog, control::kBarcodeFontNameEdit, u"Other");
        Driver().Click(dialog, control::kBarcodeFontCancelButton);
    }));
    EXPECT_EQ(std::vector<uint8_t>(Block(), Block() + 50496), before);
    EXPECT_FALSE(ApplyEnabled());

    // Only the rotation changed: only btRotation differs.
    ASSERT_TRUE(InDialog(control::kBarcodeFontsChangeButton, [&](Window dialog) {
        Driver().Select(dialog, control::kBarcodeFontRotationList, u"270");
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    std::vector<uint8_t> expected = before;
    expected[Record(3) - Block() + kRotationOffset] = 3;
    EXPECT_EQ(std::vector<uint8_t>(Block(), Block() + 50496), expected);
    EXPECT_TRUE(ApplyEnabled());
    EXPECT_EQ(SelectedLine(), u"CODE39");

    // A double click opens the dialog on that line's font.
    std::u16string opened;
    Driver().OnNextDialog(
        [&](Window dialog) { opened = Text(dialog, control::kBarcodeFontNameEdit); });
    ASSERT_TRUE(Driver().DoubleClick(Page(), control::kBarcodeFontsList, 1));
    EXPECT_EQ(opened, u"EAN8");
}

TEST_F(ListPageTest, TheSymbologyDecidesTheCheckDigitAndRotationChoices) {
    struct Case {
        const char16_t* model;
        const char16_t* symbology;
        Names checkDigits;
        Names rotations;
    };
    const Names all = {u"0", u"90", u"180", u"270"};
    const Case cases[] = {
        {kOrcaModel, u"EAN13", {u"No", u"Yes"}, all},
        {kOrcaModel, u"CODE128", {u"Yes"}, all},
        {kOrcaModel, u"PDF417", {u"No"}, all},
        {kOrcaModel, u"QR", {u"No"}, {u"0"}},
        {kOrcaModel, u"MAXICODE", {u"No"}, {u"0"}},
        {kOnyxModel, u"CODE39 Regular", {u"No", u"Yes"}, all},
        {kOnyxModel, u"CODABAR", {u"No"}, all},
        {kOnyxModel, u"EAN13", {u"Yes"}, all},
        {kOnyxModel, u"QR", {u"No"}, {u"0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.model) + u" " + c.symbology));
        OpenSheet(c.model);
        ASSERT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            ASSERT_TRUE(Driver().Select(dialog, control::kBarcodeFontSymbologyList, c.symbology));
            EXPECT_EQ(Items(dialog, control::kBarcodeFontCheckDigitList), c.checkDigits);
            EXPECT_EQ(Items(dialog, control::kBarcodeFontRotationList), c.rotations);
        }));
    }
}

TEST_F(ListPageTest, TheChosenSymbologyCheckDigitAndRotationAreStored) {
    OpenSheet(kOnyxModel);
    ASSERT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
        Driver().Type(dialog, control::kBarcodeFontNameEdit, u"Crate");
        // A rotation picked for a symbology that turns is given up for QR.
        Driver().Select(dialog, control::kBarcodeFontRotationList, u"180");
        Driver().Select(dialog, control::kBarcodeFontSymbologyList, u"QR");
        EXPECT_EQ(SelectedItem(dialog, control::kBarcodeFontRotationList), u"0");
        Driver().Select(dialog, control::kBarcodeFontSymbologyList, u"CODE39 Regular");
        Driver().Select(dialog, control::kBarcodeFontCheckDigitList, u"Yes");
        Driver().Select(dialog, control::kBarcodeFontRotationList, u"90");
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    ASSERT_EQ(Count(), 9);
    EXPECT_EQ(Record(8)[kTypeOffset], 0);
    EXPECT_EQ(Record(8)[kCheckDigitOffset], 1);
    EXPECT_EQ(Record(8)[kRotationOffset], 1);
}

TEST_F(ListPageTest, OutsideTheShellFontsCanBeChangedButNotMadeDeletedOrRenamed) {
    OpenSheet(kOrcaModel, false);
    EXPECT_FALSE(Enabled(Page(), control::kBarcodeFontsNewButton));
    EXPECT_FALSE(Enabled(Page(), control::kBarcodeFontsDeleteButton));
    EXPECT_TRUE(Enabled(Page(), control::kBarcodeFontsChangeButton));
    ASSERT_TRUE(InDialog(control::kBarcodeFontsChangeButton, [&](Window dialog) {
        EXPECT_FALSE(Enabled(dialog, control::kBarcodeFontNameEdit));
        Driver().Select(dialog, control::kBarcodeFontRotationList, u"90");
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_EQ(Record(7)[kRotationOffset], 1);
    EXPECT_EQ(RecordName(7), u"PDF417");
}

}  // namespace
}  // namespace orca::barcodetest
