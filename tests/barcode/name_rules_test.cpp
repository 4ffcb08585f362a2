// SPDX-License-Identifier: Apache-2.0
// The names the Define Barcode Font dialog refuses: empty names, names of
// fonts in use of either kind in any letter case, and the names each printer
// language keeps for its own fonts. A refusal shows its message and keeps the
// dialog open with what the user typed.
#include "barcode_fixture.h"
#include "resources/control_ids.h"

namespace orca::barcodetest {
namespace {

constexpr char16_t kEnterName[] = u"Please enter font name!";
constexpr char16_t kInUse[] = u"This name is already in use!";

class NameRules : public BarcodeSheetTest {
protected:
    // Types name into a new font's dialog and presses OK. Answers the message
    // shown, "" when none. A refused dialog must still be open with the name
    // typed: a second OK with a free name then adds the font.
    std::u16string TryNew(std::u16string_view name) {
        const size_t before = Messages().size();
        const uint8_t count = Count();
        const std::u16string retry = u"Retry " + std::u16string(1, char16_t(u'A' + count));
        std::u16string message;
        EXPECT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
            Driver().Type(dialog, control::kBarcodeFontNameEdit, name);
            EXPECT_TRUE(Driver().Click(dialog, control::kBarcodeFontOkButton));
            if (Messages().size() == before) {
                return;
            }
            message = Messages().back();
            EXPECT_EQ(Text(dialog, control::kBarcodeFontNameEdit), name);
            EXPECT_EQ(Count(), count) << "a refused name adds no record";
            EXPECT_TRUE(Driver().Retype(dialog, control::kBarcodeFontNameEdit, retry));
            EXPECT_TRUE(Driver().Click(dialog, control::kBarcodeFontOkButton));
        }));
        EXPECT_EQ(Count(), count + 1);
        EXPECT_EQ(RecordName(count), message.empty() ? std::u16string(name) : retry);
        return message;
    }
};

TEST_F(NameRules, ReservedAndUsedNamesAreRefusedByLanguage) {
    struct Case {
        const char16_t* name;
        const char16_t* orca;  // the message, "" when accepted
        const char16_t* onyx;
    };
    const Case cases[] = {
        {u"", kEnterName, kEnterName},
        {u"FONTA", kInUse, kInUse},
        {u"font1", kInUse, kInUse},
        {u"Fonts2", u"", u""},  // six characters
        {u"Fon1", u"", u""},
        {u"FontGS", kInUse, u""},
        {u"fontocrb", kInUse, u""},
        {u"FontCG Triumvirate BC", kInUse, u""},
        {u"FontPC", u"", kInUse},
        {u"fontrussian", u"", kInUse},
        {u"FontPC-B", u"", kInUse},
        {u"code128", kInUse, kInUse},   // a predefined font, other letter case
        {u"fontruſſian", u"", kInUse},  // the long s is an s of another case
        {u"Ship Label", u"", u""},
    };
    for (const char16_t* model : {kOrcaModel, kOnyxModel}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(::testing::PrintToString(std::u16string(model) + u" " + c.name));
            OpenSheet(model);
            EXPECT_EQ(TryNew(c.name), model == std::u16string_view(kOrcaModel) ? c.orca : c.onyx);
        }
    }
}

TEST_F(NameRules, ANameJustAddedOrUsedByACommandFontIsTaken) {
    OpenSheet(kOnyxModel);
    StoreCommandFont(u"Cutter");
    EXPECT_EQ(TryNew(u"CUTTER"), kInUse);
    EXPECT_EQ(TryNew(u"Pallet"), u"");
    EXPECT_EQ(TryNew(u"pallet"), kInUse);
    // Every letter has its case; simple folding keeps ß one letter.
    EXPECT_EQ(TryNew(u"Ölfass"), u"");
    EXPECT_EQ(TryNew(u"öLFASS"), kInUse);
    EXPECT_EQ(TryNew(u"Größe"), u"");
    EXPECT_EQ(TryNew(u"GRÖẞE"), kInUse);
    EXPECT_EQ(TryNew(u"GRÖSSE"), u"");
}

TEST_F(NameRules, TheOwnNameCountsUnlessItIsKeptExactly) {
    OpenSheet(kOrcaModel);
    ASSERT_TRUE(Driver().Select(Page(), control::kBarcodeFontsList, u"EAN13"));
    struct Case {
        const char16_t* typed;
        const char16_t* message;
        const char16_t* stored;
    };
    for (const Case& c : {Case{u"ean13", kInUse, u"EAN13"}, Case{u"EAN13", u"", u"EAN13"},
                          Case{u"EAN-13", u"", u"EAN-13"}}) {
        SCOPED_TRACE(::testing::PrintToString(std::u16string(c.typed)));
        const size_t before = Messages().size();
        ASSERT_TRUE(InDialog(control::kBarcodeFontsChangeButton, [&](Window dialog) {
            Driver().Retype(dialog, control::kBarcodeFontNameEdit, c.typed);
            Driver().Click(dialog, control::kBarcodeFontOkButton);
        }));
        const Names messages = Messages();
        EXPECT_EQ(messages.size() == before ? u"" : messages.back(), c.message);
        EXPECT_EQ(RecordName(0), c.stored);
    }
    EXPECT_EQ(Count(), 8);
}

TEST_F(NameRules, ThePasteOfALineBreakIntoTheNameIsRefused) {
    OpenSheet(kOrcaModel);
    const uint8_t count = Count();
    ASSERT_TRUE(InDialog(control::kBarcodeFontsNewButton, [&](Window dialog) {
        ASSERT_TRUE(Driver().Type(dialog, control::kBarcodeFontNameEdit, u"Ship"));
        ASSERT_TRUE(Driver().Paste(dialog, control::kBarcodeFontNameEdit, u"\r\nLa\nbel\r"));
        EXPECT_EQ(Text(dialog, control::kBarcodeFontNameEdit), u"ShipLabel");
        ASSERT_TRUE(Driver().Type(dialog, control::kBarcodeFontNameEdit, u"s"));
        ASSERT_TRUE(Driver().Click(dialog, control::kBarcodeFontOkButton));
    }));
    ASSERT_EQ(Count(), count + 1);
    EXPECT_EQ(RecordName(count), u"ShipLabels");
}

}  // namespace
}  // namespace orca::barcodetest
