// SPDX-License-Identifier: Apache-2.0
// The symbology pages inside the Define Barcode Font dialog: one page shown
// for the chosen symbology, each page's lists and edits with their rules, and
// the record fields they store on OK.
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "barcode_fixture.h"
#include "resources/control_ids.h"

namespace orca::barcodetest {
namespace {

// Symbology pages' controls.

// Fields.
constexpr uint32_t kFontHeightField = 2027;
constexpr uint32_t kSecurityField = 2032;
constexpr uint32_t kColumnsField = 2033;
constexpr uint32_t kRowsField = 2034;
constexpr uint32_t kCellsA = 2036;
constexpr uint32_t kCellsB = 2037;
constexpr uint32_t kTruncateField = 2077;
constexpr uint32_t kModeField = 2040;
constexpr uint32_t kQrErrorField = 2042;
constexpr uint32_t kQrMaskField = 2043;

constexpr uint8_t kCm = 0, kMm = 1, kInch = 2;

class SymbologyPagesTest : public BarcodeSheetTest {
protected:
    // The symbology page shown in the dialog, and that no other is.
    Window ShownPage(Window dialog) {
        Window shown = nullptr;
        int visible = 0;
        for (Window child : Screen().Children(dialog)) {
            if (Screen().ClassName(child) == u"#32770" && Screen().IsVisible(child)) {
                shown = child;
                ++visible;
            }
        }
        EXPECT_EQ(visible, 1) << "exactly one symbology page is shown";
        return shown;
    }
    // Opens the dialog on the font of that line and acts in it and its page.
    bool Change(int line, const std::function<void(Window dialog, Window page)>& act) {
        EXPECT_TRUE(Driver().Select(Page(), control::kBarcodeFontsList, line));
        return InDialog(control::kBarcodeFontsChangeButton,
                        [&](Window dialog) { act(dialog, ShownPage(dialog)); });
    }
    // New font of that symbology; act runs on its page before OK.
    bool Define(std::u16string_view name, std::u16string_view symbology,
                const std::function<void(Window page)>& act) {
        return InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            EXPECT_TRUE(Driver().Type(dialog, control::kBarcodeFontNameEdit, name));
            EXPECT_TRUE(Driver().Select(dialog, control::kBarcodeFontSymbologyList, symbology));
            act(ShownPage(dialog));
            EXPECT_TRUE(Driver().Click(dialog, control::kBarcodeFontOkButton));
        });
    }
    // Unchecks "Use Font Height" and types the bar height; the message OK
    // shows, "" when the dialog closed.
    std::u16string TryHeight(std::u16string_view typed) {
        const size_t before = Messages().size();
        EXPECT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            Driver().Type(dialog, control::kBarcodeFontNameEdit, u"Tall");
            const Window page = ShownPage(dialog);
            Driver().Click(page, control::kSymbologyFontHeightCheck);
            Driver().Retype(page, control::kSymbologyYEdit, typed);
            Driver().Click(dialog, control::kBarcodeFontOkButton);
        }));
        return Messages().size() == before ? u"" : Messages().back();
    }
};

TEST_F(SymbologyPagesTest, TheSymbologyPicksTheOnePageShown) {
    struct Case {
        const char16_t* model;
        const char16_t* symbology;
        int control;  // one control of the page that must be shown
    };
    const Case cases[] = {
        {kOrcaModel, u"CODE128", control::kSymbologyXList},
        {kOrcaModel, u"PDF417", control::kPdf417ColumnsEdit},
        {kOrcaModel, u"DATAMATRIX", control::kDatamatrixCellsList},
        {kOrcaModel, u"MAXICODE", control::kMaxicodeModeList},
        {kOrcaModel, u"QR", control::kQrMaskList},
        {kOnyxModel, u"UPC5", control::kSymbologyXList},
        {kOnyxModel, u"PDF417", control::kPdf417ColumnsEdit},
        {kOnyxModel, u"MAXICODE", control::kMaxicodeModeList},
        {kOnyxModel, u"QR", control::kQrMaskList},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.model) + u" " + c.symbology));
        OpenSheet(c.model);
        ASSERT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            ASSERT_TRUE(Driver().Select(dialog, control::kBarcodeFontSymbologyList, c.symbology));
            EXPECT_NE(Screen().Child(ShownPage(dialog), c.control), nullptr);
        }));
    }
}

// Tab goes from the rotation through the shown page's controls to OK and
// Cancel and round to the symbology; Shift+Tab goes back the same way.
TEST_F(SymbologyPagesTest, TabGoesThroughTheShownPageBetweenTheRotationAndOk) {
    struct Case {
        const char16_t* model;
        const char16_t* symbology;
    };
    const Case cases[] = {
        {kOrcaModel, u"CODE128"},  {kOrcaModel, u"PDF417"}, {kOrcaModel, u"DATAMATRIX"},
        {kOrcaModel, u"MAXICODE"}, {kOrcaModel, u"QR"},     {kOnyxModel, u"UPC5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.model) + u" " + c.symbology));
        OpenSheet(c.model);
        ASSERT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            ASSERT_TRUE(Driver().Select(dialog, control::kBarcodeFontSymbologyList, c.symbology));
            const Window page = ShownPage(dialog);
            Screen().SetFocus(Screen().Child(dialog, control::kBarcodeFontRotationList));
            std::vector<Window> forward;
            for (int i = 0;
                 i < 40 &&
                 Screen().Focus() != Screen().Child(dialog, control::kBarcodeFontSymbologyList);
                 ++i) {
                ASSERT_TRUE(Driver().PressTab(dialog));
                forward.push_back(Screen().Focus());
            }
            ASSERT_GE(forward.size(), 4u);
            ASSERT_EQ(forward.back(), Screen().Child(dialog, control::kBarcodeFontSymbologyList));
            const size_t inPage = forward.size() - 3;
            for (size_t i = 0; i < inPage; ++i)
                EXPECT_EQ(Screen().Parent(forward[i]), page) << "stop " << i;
            EXPECT_EQ(forward[inPage], Screen().Child(dialog, control::kBarcodeFontOkButton));
            EXPECT_EQ(forward[inPage + 1],
                      Screen().Child(dialog, control::kBarcodeFontCancelButton));

            std::vector<Window> backward;
            for (size_t i = 0; i < forward.size(); ++i) {
                ASSERT_TRUE(Driver().PressTab(dialog, true));
                backward.push_back(Screen().Focus());
            }
            std::vector<Window> expected(forward.rbegin() + 1, forward.rend());
            expected.push_back(Screen().Child(dialog, control::kBarcodeFontRotationList));
            EXPECT_EQ(backward, expected);
        }));
    }
}

TEST_F(SymbologyPagesTest, XDimensionShowsItsWidthInMils) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Change(0, [&](Window, Window page) {
        for (const auto& [position, mils] : {std::pair{0, u"5 mils"}, std::pair{5, u"30 mils"},
                                             std::pair{6, u"34 mils"}, std::pair{9, u"49 mils"}}) {
            ASSERT_TRUE(Driver().Select(page, control::kSymbologyXList, position));
            EXPECT_EQ(Text(page, control::kSymbologyMilsLabel), mils);
        }
    }));
}

TEST_F(SymbologyPagesTest, TheHeightEditTakesNoSignAndTwoDecimals) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Change(0, [&](Window, Window page) {
        ASSERT_TRUE(Driver().Click(page, control::kSymbologyFontHeightCheck));
        for (const auto& [typed, shown] :
             {std::pair{u"12.345", u"12.34"}, std::pair{u"-5", u"5"}, std::pair{u"7.5", u"7.5"}}) {
            SCOPED_TRACE(::testing::PrintToString(std::u16string(typed)));
            ASSERT_TRUE(Driver().Retype(page, control::kSymbologyYEdit, typed));
            EXPECT_EQ(Text(page, control::kSymbologyYEdit), shown);
        }
    }));
}

TEST_F(SymbologyPagesTest, TheHeightIsCheckedInTheUnitAndLanguageRangeAndStoredInMillimetres) {
    struct Case {
        const char16_t* model;
        uint8_t unit;
        std::u16string typed;
        const char16_t* message;  // "" when accepted
        double stored;            // millimetres, when accepted
    };
    const Case cases[] = {
        {kOnyxModel, kInch, u"3.15", u"", 3.15 * 25.4},
        {kOnyxModel, kInch, u"3.16", u"Y Dimensions should between: 0.06 - 3.15inch!", 0},
        {kOrcaModel, kInch, u"3.16", u"", 3.16 * 25.4},
        {kOrcaModel, kMm, u"500", u"", 500},
        {kOrcaModel, kMm, u"500.01", u"Y Dimensions should between: 1.60 - 500.00mm!", 0},
        {kOnyxModel, kMm, u"1.59", u"Y Dimensions should between: 1.60 - 80.00mm!", 0},
        {kOnyxModel, kCm, u"8", u"", 80},
        {kOnyxModel, kCm, u"0.15", u"Y Dimensions should between: 0.16 - 8.00cm!", 0},
        // No number at all reads as 0.
        {kOrcaModel, kMm, u"\b", u"Y Dimensions should between: 1.60 - 500.00mm!", 0},
        // Beyond any double, and beyond it with decimals: too large, not a crash.
        {kOrcaModel, kMm, std::u16string(309, u'9'),
         u"Y Dimensions should between: 1.60 - 500.00mm!", 0},
        {kOrcaModel, kMm, std::u16string(400, u'7') + u".25",
         u"Y Dimensions should between: 1.60 - 500.00mm!", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(
            ::testing::PrintToString(std::u16string(c.model) + u" " + c.typed.substr(0, 12)));
        OpenSheet(c.model);
        SetUnit(c.unit);
        EXPECT_EQ(TryHeight(c.typed), c.message);
        if (*c.message == u'\0') {
            ASSERT_EQ(Count(), 9);
            EXPECT_DOUBLE_EQ(RecordHeight(8), c.stored);
            EXPECT_EQ(RecordByte(8, kFontHeightField), 0);
        } else {
            EXPECT_EQ(Count(), 8) << "a refused height adds nothing";
        }
    }
}

TEST_F(SymbologyPagesTest, AnInchHeightIsShownAgainInMillimetres) {
    OpenSheet(kOrcaModel);
    SetUnit(kInch);
    ASSERT_EQ(TryHeight(u"1.0"), u"");
    EXPECT_DOUBLE_EQ(RecordHeight(8), 25.4);
    SetUnit(kMm);
    ASSERT_TRUE(Change(8, [&](Window dialog, Window page) {
        EXPECT_EQ(Text(page, control::kSymbologyYEdit), u"25.40");
        EXPECT_EQ(Text(page, control::kSymbologyYUnitLabel), u"mm");
        Driver().Click(dialog, control::kBarcodeFontCancelButton);
    }));
}

TEST_F(SymbologyPagesTest, AnUntouchedHeightKeepsItsExactValue) {
    // 20 mm shows as 0.79 inch; confirming without a change keeps 20 mm and
    // marks nothing.
    OpenSheet(kOrcaModel);
    SetUnit(kInch);
    SetRecordByte(0, kFontHeightField, 0);
    ASSERT_TRUE(Change(0, [&](Window dialog, Window page) {
        EXPECT_EQ(Text(page, control::kSymbologyYEdit), u"0.79");
        EXPECT_TRUE(Enabled(page, control::kSymbologyYEdit));
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_DOUBLE_EQ(RecordHeight(0), 20.0);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SymbologyPagesTest, WithTheFontsHeightTheBarHeightIsNeitherCheckedNorStored) {
    OpenSheet(kOnyxModel);
    // CODE39, whose lists offer every stored value: OK alone changes nothing.
    const std::vector<uint8_t> before(Record(3), Record(3) + kRecordSize);
    ASSERT_TRUE(Change(3, [&](Window dialog, Window page) {
        ASSERT_TRUE(Driver().Click(page, control::kSymbologyFontHeightCheck));
        ASSERT_TRUE(Driver().Retype(page, control::kSymbologyYEdit, u"999"));
        ASSERT_TRUE(Driver().Click(page, control::kSymbologyFontHeightCheck));
        EXPECT_FALSE(Enabled(page, control::kSymbologyYEdit));
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(std::vector<uint8_t>(Record(3), Record(3) + kRecordSize), before);
    EXPECT_FALSE(ApplyEnabled());
}

TEST_F(SymbologyPagesTest, HumanReadableAndRatioChoicesFollowTheSymbology) {
    struct Case {
        const char16_t* model;
        const char16_t* symbology;
        Names readable;
        Names ratios;
    };
    const Case cases[] = {
        {kOrcaModel, u"EAN13", {u"None", u"Below"}, {u"1:2"}},
        {kOrcaModel, u"CODE39", {u"None", u"Below", u"Above"}, {u"1:2", u"1:3", u"2:5"}},
        {kOrcaModel, u"BOOKLAND5", {u"None", u"Above"}, {u"1:3"}},
        {kOrcaModel, u"POSTNET32", {u"None"}, {u"1:3"}},
        {kOnyxModel, u"UPC2", {u"None", u"Above"}, {u"1:2"}},
        {kOnyxModel, u"CODE39 Regular", {u"None", u"Below"}, {u"1:2", u"1:3", u"2:5"}},
        {kOnyxModel, u"POSTNET", {u"None"}, {u"1:3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.model) + u" " + c.symbology));
        OpenSheet(c.model);
        ASSERT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            ASSERT_TRUE(Driver().Select(dialog, control::kBarcodeFontSymbologyList, c.symbology));
            const Window page = ShownPage(dialog);
            EXPECT_EQ(Items(page, control::kSymbologyHumanReadableList), c.readable);
            EXPECT_EQ(Items(page, control::kSymbologyRatioList), c.ratios);
            EXPECT_EQ(Text(page, control::kSymbologyBarWideEdit),
                      c.ratios[0] == u"1:2" ? u"2" : u"3");
        }));
    }
}

TEST_F(SymbologyPagesTest, Pdf417EditsAreHeldToTheirRanges) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Change(7, [&](Window dialog, Window page) {
        for (const auto& [control, typed, shown] :
             {std::tuple{control::kPdf417ColumnsEdit, u"45", u"30"},
              std::tuple{control::kPdf417ColumnsEdit, u"0", u"1"},
              std::tuple{control::kPdf417ColumnsEdit, u"12", u"12"},
              std::tuple{control::kPdf417RowsEdit, u"95", u"90"},
              std::tuple{control::kPdf417RowsEdit, u"0", u"0"},
              std::tuple{control::kPdf417RowsEdit, u"17", u"17"}}) {
            SCOPED_TRACE(::testing::PrintToString(std::u16string(typed)));
            ASSERT_TRUE(Driver().Retype(page, control, typed));
            EXPECT_EQ(Text(page, control), shown);
        }
        EXPECT_EQ(Items(page, control::kPdf417SymbolHeightList).size(), 99u);
        EXPECT_FALSE(Screen().IsVisible(Screen().Child(page, control::kPdf417TruncateList)));
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_EQ(RecordByte(7, kColumnsField), 12);
    EXPECT_EQ(RecordByte(7, kRowsField), 17);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(SymbologyPagesTest, OnyxPdf417OffersTruncatedSymbols) {
    OpenSheet(kOnyxModel);
    ASSERT_TRUE(Change(7, [&](Window dialog, Window page) {
        EXPECT_EQ(Items(page, control::kPdf417TruncateList), (Names{u"Standard", u"Truncated"}));
        EXPECT_EQ(Items(page, control::kPdf417SymbolHeightList).size(), 24u);
        ASSERT_TRUE(Driver().Select(page, control::kPdf417TruncateList, u"Truncated"));
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_EQ(RecordByte(7, kTruncateField), 1);
}

TEST_F(SymbologyPagesTest, AStoredValueOutsideAListSelectsTheFirstItem) {
    OpenSheet(kOrcaModel);
    SetRecordByte(7, kSecurityField, 20);
    ASSERT_TRUE(Change(7, [&](Window dialog, Window page) {
        EXPECT_EQ(SelectedItem(page, control::kPdf417SecurityList), u"0");
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_EQ(RecordByte(7, kSecurityField), 0);
}

TEST_F(SymbologyPagesTest, DataMatrixSizesMapToTheirCellCounts) {
    struct Case {
        uint8_t a, b;
        const char16_t* shown;
        const char16_t* chosen;
        uint8_t storedA, storedB;
    };
    const Case cases[] = {
        {36, 16, u"36 x 16", u"Auto", 0, 0},
        {0, 0, u"Auto", u"18 x 8", 18, 8},
        {24, 24, u"24 x 24", u"144 x 144", 144, 144},
        // A size with no item of its own shows as "Auto".
        {11, 11, u"Auto", u"10 x 10", 10, 10},
        {20, 30, u"Auto", u"48 x 16", 48, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.shown) + u" -> " + c.chosen));
        OpenSheet(kOrcaModel);
        SetRecordByte(7, 2023, 17);  // DATAMATRIX
        SetRecordByte(7, kCellsA, c.a);
        SetRecordByte(7, kCellsB, c.b);
        ASSERT_TRUE(Change(7, [&](Window dialog, Window page) {
            EXPECT_EQ(SelectedItem(page, control::kDatamatrixCellsList), c.shown);
            ASSERT_TRUE(Driver().Select(page, control::kDatamatrixCellsList, c.chosen));
            Driver().Click(dialog, control::kBarcodeFontOkButton);
        }));
        EXPECT_EQ(RecordByte(7, kCellsA), c.storedA);
        EXPECT_EQ(RecordByte(7, kCellsB), c.storedB);
    }
}

TEST_F(SymbologyPagesTest, TheFormatIdAppliesToEveryEccLevelButTheLast) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Define(u"Matrix", u"DATAMATRIX", [&](Window page) {
        EXPECT_EQ(SelectedItem(page, control::kDatamatrixEccList), u"200");
        EXPECT_FALSE(Enabled(page, control::kDatamatrixEccList));
        EXPECT_FALSE(Enabled(page, control::kDatamatrixFormatIdList));
    }));
    SetRecordByte(8, 2038, 2);  // ECC "080"
    ASSERT_TRUE(Change(8, [&](Window dialog, Window page) {
        EXPECT_TRUE(Enabled(page, control::kDatamatrixFormatIdList));
        ASSERT_TRUE(Driver().Select(page, control::kDatamatrixFormatIdList, u"04"));
        Driver().Click(dialog, control::kBarcodeFontOkButton);
    }));
    EXPECT_EQ(RecordByte(8, 2039), 3);
}

TEST_F(SymbologyPagesTest, QrAndMaxicodeStoreTheirChoices) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Define(u"Square", u"QR", [&](Window page) {
        EXPECT_EQ(SelectedItem(page, control::kQrMaskList), u"Auto");
        EXPECT_FALSE(Enabled(page, control::kQrMaskList))
            << "ORCA printers choose the mask themselves";
        EXPECT_EQ(SelectedItem(page, control::kQrModelList), u"2");
        EXPECT_EQ(Items(page, control::kQrErrorList),
                  (Names{u"Extra High", u"Standard", u"High", u"High Density"}));
        Driver().Select(page, control::kQrErrorList, u"High Density");
    }));
    EXPECT_EQ(RecordByte(8, kQrErrorField), 3);
    EXPECT_EQ(RecordByte(8, kQrMaskField), 9);

    OpenSheet(kOnyxModel);
    ASSERT_TRUE(Define(u"Square", u"QR", [&](Window page) {
        ASSERT_TRUE(Driver().Select(page, control::kQrMaskList, u"None"));
    }));
    EXPECT_EQ(RecordByte(8, kQrMaskField), 8);
    ASSERT_TRUE(Define(u"Parcel", u"MAXICODE", [&](Window page) {
        ASSERT_TRUE(Driver().Select(page, control::kMaxicodeModeList, u"3"));
    }));
    EXPECT_EQ(RecordByte(9, kModeField), 2);
    EXPECT_EQ(RecordByte(9, 2023), 19);
}

}  // namespace
}  // namespace orca::barcodetest
