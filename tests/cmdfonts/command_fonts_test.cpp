// SPDX-License-Identifier: Apache-2.0
// The Command Fonts page and its dialog through the document-sheet hooks:
// what a person defines lands in the host's records, byte for byte.
#include <cstring>
#include <string>
#include <vector>

#include "cmdfonts_fixture.h"
#include "resources/control_ids.h"

namespace orca::cmdfonttest {
namespace {

// The page.
// The dialog.

// Fields by their place in a record.
constexpr size_t kPrefixTypeAt = 80;
constexpr size_t kPostfixTypeAt = 81;
constexpr size_t kPositionAt = 82;
constexpr size_t kMergeTypeAt = 83;
constexpr size_t kPrefixDataAt = 84;
constexpr size_t kPostfixDataAt = 608;
constexpr size_t kDataSize = 524;
constexpr size_t kPrefixLengthAt = 1132;
constexpr size_t kPostfixLengthAt = 1134;
constexpr size_t kRecordSize = 1168;

constexpr uint8_t kEmpty = 0, kFile = 1, kText = 2;
constexpr int ESC = 0x1B;

constexpr char16_t kNameInUse[] = u"This name is already in use!";

class CommandFontsTest : public CommandSheetTest {
protected:
    void Open(std::u16string_view model = kOrcaModel, bool shell = true) {
        OpenSheet(model, kCommandFontsTab, shell);
    }
    // A font stored as the host hands it in, with a text start command.
    void StoreTextFont(std::u16string_view name, std::string_view start) {
        StoreCommandFonts({std::u16string(name)});
        uint8_t* record = CommandFont(0);
        record[kPrefixTypeAt] = kText;
        std::memcpy(record + kPrefixDataAt, start.data(), start.size());
        record[kPrefixLengthAt] = static_cast<uint8_t>(start.size());
        Reshow();
    }
    std::string Field(int index, size_t at, size_t size) {
        return Data(CommandFont(index) + at, size);
    }
    static std::string ZeroFilled(std::string_view text) {
        std::string field(text);
        field.resize(kDataSize, '\0');
        return field;
    }
    std::vector<uint8_t> BlockCopy() { return {Block(), Block() + 50496}; }
};

TEST_F(CommandFontsTest, ANewFontStoresItsTextAndFileCommandsInBothLanguages) {
    for (const char16_t* model : {kOrcaModel, kOnyxModel}) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(model)));
        Open(model);
        ASSERT_FALSE(ApplyEnabled());
        ASSERT_TRUE(InDialog(control::kCommandFontsNewButton, [&](Window dialog) {
            EXPECT_EQ(Screen().Text(dialog), u"Command Font");
            EXPECT_EQ(Items(dialog, control::kCommandFontPositionList),
                      (Texts{u"Element Position", u"Before Page End", u"After Page End"}));
            EXPECT_EQ(Text(dialog, control::kCommandFontStartButton), u"...");
            ASSERT_TRUE(Driver().Type(dialog, control::kCommandFontNameEdit, u"Cutter"));
            ASSERT_TRUE(
                Driver().Select(dialog, control::kCommandFontPositionList, u"After Page End"));
            ASSERT_TRUE(Driver().Select(dialog, control::kCommandFontStartList, u"Text"));
            EXPECT_EQ(Text(dialog, control::kCommandFontStartButton), u"Insert");
            ASSERT_TRUE(Driver().Type(dialog, control::kCommandFontStartEdit, u"^XA"));
            AnswerMenu(ESC);
            ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontStartButton));
            ASSERT_TRUE(Driver().Select(dialog, control::kCommandFontEndList, u"File"));
            EXPECT_EQ(Text(dialog, control::kCommandFontEndButton), u"Select File");
            EXPECT_FALSE(Enabled(dialog, control::kCommandFontEndEdit));
            AnswerFile(u"/labels/cut end.prn");
            ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontEndButton));
            EXPECT_EQ(Text(dialog, control::kCommandFontEndEdit), u"/labels/cut end.prn");
            ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
        }));
        EXPECT_EQ(Items(Page(), control::kCommandFontsList), Texts{u"Cutter"});
        EXPECT_EQ(SelectedItem(Page(), control::kCommandFontsList), u"Cutter");
        ASSERT_EQ(CommandFontCount(), 1);
        EXPECT_EQ(FontName(0), u"Cutter");
        const uint8_t* record = CommandFont(0);
        EXPECT_EQ(record[kPrefixTypeAt], kText);
        EXPECT_EQ(record[kPostfixTypeAt], kFile);
        EXPECT_EQ(record[kPositionAt], 2);
        EXPECT_EQ(record[kMergeTypeAt], 0);
        EXPECT_EQ(Field(0, kPrefixDataAt, kDataSize), ZeroFilled("^XA<\\x1B>"));
        EXPECT_EQ(U16(record + kPrefixLengthAt), 9);
        EXPECT_EQ(Field(0, kPostfixDataAt, kDataSize), ZeroFilled("/labels/cut end.prn"));
        EXPECT_EQ(U16(record + kPostfixLengthAt), 19);
        EXPECT_TRUE(ApplyEnabled());
    }
}

TEST_F(CommandFontsTest, ChangeStoresOnlyWhatChangedAndAnUnchangedDialogMarksNothing) {
    Open();
    StoreTextFont(u"Cutter", "^XA");
    const std::vector<uint8_t> before = BlockCopy();

    ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
        EXPECT_EQ(Text(dialog, control::kCommandFontNameEdit), u"Cutter");
        EXPECT_EQ(Text(dialog, control::kCommandFontStartEdit), u"^XA");
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
    }));
    EXPECT_EQ(BlockCopy(), before);
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
        ASSERT_TRUE(Driver().Select(dialog, control::kCommandFontPositionList, u"Before Page End"));
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
    }));
    std::vector<uint8_t> expected = before;
    expected[CommandFont(0) - Block() + kPositionAt] = 1;
    EXPECT_EQ(BlockCopy(), expected);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(CommandFontsTest, AnEmptyKindHidesTheTextUntilConfirmedEmpty) {
    Open();
    StoreTextFont(u"Cutter", "ABC");

    ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
        ASSERT_TRUE(Driver().Retype(dialog, control::kCommandFontStartEdit, u"XYZ"));
        ASSERT_TRUE(Driver().Select(dialog, control::kCommandFontStartList, u"Empty"));
        EXPECT_EQ(Text(dialog, control::kCommandFontStartEdit), u"");
        EXPECT_FALSE(Enabled(dialog, control::kCommandFontStartEdit));
        EXPECT_FALSE(Enabled(dialog, control::kCommandFontStartButton));
        EXPECT_EQ(Text(dialog, control::kCommandFontStartButton), u"...");
        ASSERT_TRUE(Driver().Select(dialog, control::kCommandFontStartList, u"Text"));
        EXPECT_EQ(Text(dialog, control::kCommandFontStartEdit), u"XYZ");
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontCancelButton));
    }));
    EXPECT_EQ(Field(0, kPrefixDataAt, kDataSize), ZeroFilled("ABC"));
    EXPECT_FALSE(ApplyEnabled());

    ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
        ASSERT_TRUE(Driver().Select(dialog, control::kCommandFontStartList, u"Empty"));
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
    }));
    EXPECT_EQ(CommandFont(0)[kPrefixTypeAt], kEmpty);
    EXPECT_EQ(Field(0, kPrefixDataAt, kDataSize), ZeroFilled(""));
    EXPECT_EQ(U16(CommandFont(0) + kPrefixLengthAt), 0);
    EXPECT_TRUE(ApplyEnabled());
}

TEST_F(CommandFontsTest, NamesAreRefusedWhenEmptyInUseOrAPrinterFontInBothLanguages) {
    struct Case {
        const char16_t* model;
        const char16_t* name;
        const char16_t* message;  // null: accepted
    };
    const Case cases[] = {
        {kOrcaModel, u"", u"Please enter font name!"},
        {kOrcaModel, u"FontGS", kNameInUse},
        {kOnyxModel, u"FontGS", kNameInUse},
        {kOnyxModel, u"fontocra", kNameInUse},
        {kOrcaModel, u"FONTQ", kNameInUse},
        {kOnyxModel, u"font1", kNameInUse},
        {kOrcaModel, u"ean13", kNameInUse},  // a barcode font of the defaults
        {kOnyxModel, u"Ean8", kNameInUse},
        {kOrcaModel, u"my code", kNameInUse},  // a barcode font the user named
        {kOnyxModel, u"CUTTER", kNameInUse},   // a command font
        {kOrcaModel, u"FontPC", nullptr},
        {kOnyxModel, u"FontPC", nullptr},
        {kOnyxModel, u"Fonts1", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::u16string(c.model) + u" " + c.name));
        Open(c.model);
        StoreBarcodeFont(8, u"My Code");
        StoreTextFont(u"Cutter", "^XA");
        const size_t shown = Messages().size();
        ASSERT_TRUE(InDialog(control::kCommandFontsNewButton, [&](Window dialog) {
            ASSERT_TRUE(Driver().Type(dialog, control::kCommandFontNameEdit, c.name));
            ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
            if (c.message != nullptr) {
                EXPECT_TRUE(Screen().Exists(dialog)) << "the dialog stays open";
                EXPECT_EQ(Text(dialog, control::kCommandFontNameEdit), c.name)
                    << "the input is kept";
                EXPECT_TRUE(Screen().Focus() ==
                            Screen().Child(dialog, control::kCommandFontNameEdit));
            }
        }));
        const Texts messages = Messages();
        if (c.message == nullptr) {
            EXPECT_EQ(messages.size(), shown);
            EXPECT_EQ(Items(Page(), control::kCommandFontsList), (Texts{u"Cutter", c.name}));
        } else {
            ASSERT_EQ(messages.size(), shown + 1);
            EXPECT_EQ(messages.back(), c.message);
            EXPECT_EQ(CommandFontCount(), 1);
        }
    }
}

TEST_F(CommandFontsTest, AFontsOwnNameInAnotherCaseIsInUse) {
    // Every letter has its case, not only A-Z.
    for (const auto& names : {std::pair{u"Cutter", u"CUTTER"}, std::pair{u"Ölfass", u"öLFASS"},
                              std::pair{u"Σίσυφος", u"ΣΊΣΥΦΟΣ"}}) {
        const char16_t* stored = names.first;
        const char16_t* typed = names.second;
        SCOPED_TRACE(::testing::PrintToString(std::u16string(typed)));
        Open();
        StoreTextFont(stored, "^XA");
        ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
            ASSERT_TRUE(Driver().Retype(dialog, control::kCommandFontNameEdit, typed));
            ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
            EXPECT_TRUE(Screen().Exists(dialog));
        }));
        EXPECT_EQ(Messages(), Texts{kNameInUse});
        EXPECT_EQ(FontName(0), stored);
    }
}

TEST_F(CommandFontsTest, ThePasteOfALineBreakIntoTheNameIsRefused) {
    Open();
    StoreTextFont(u"Cutter", "^XA");
    ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
        ASSERT_TRUE(Driver().Retype(dialog, control::kCommandFontNameEdit, u"Cutter"));
        ASSERT_TRUE(Driver().Paste(dialog, control::kCommandFontNameEdit, u"\r\n2"));
        EXPECT_EQ(Text(dialog, control::kCommandFontNameEdit), u"Cutter2");
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
    }));
    EXPECT_EQ(FontName(0), u"Cutter2");
}

TEST_F(CommandFontsTest, NewStopsAtThirtyTwoFonts) {
    Open();
    Texts names;
    for (int i = 0; i < 31; ++i) {
        names.push_back(u"Font " + std::u16string(1, static_cast<char16_t>(u'A' + i)));
    }
    StoreCommandFonts(names);
    Reshow();
    ASSERT_TRUE(Enabled(Page(), control::kCommandFontsNewButton));
    ASSERT_TRUE(InDialog(control::kCommandFontsNewButton, [&](Window dialog) {
        ASSERT_TRUE(Driver().Type(dialog, control::kCommandFontNameEdit, u"Last"));
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
    }));
    EXPECT_EQ(Items(Page(), control::kCommandFontsList).size(), 32u);
    EXPECT_EQ(SelectedItem(Page(), control::kCommandFontsList), u"Last");
    EXPECT_EQ(CommandFontCount(), 32);
    EXPECT_FALSE(Enabled(Page(), control::kCommandFontsNewButton));
    EXPECT_TRUE(Enabled(Page(), control::kCommandFontsChangeButton));
}

TEST_F(CommandFontsTest, DeleteRemovesTheSelectedFontAtOnceAndSelectsTheNewLastLine) {
    Open();
    StoreCommandFonts({u"One", u"Two", u"Three"});
    Reshow();
    ASSERT_EQ(SelectedItem(Page(), control::kCommandFontsList), u"Three");
    ASSERT_TRUE(Driver().Click(Page(), control::kCommandFontsDeleteButton));
    EXPECT_EQ(Items(Page(), control::kCommandFontsList), (Texts{u"One", u"Two"}));
    EXPECT_EQ(SelectedItem(Page(), control::kCommandFontsList), u"Two");
    EXPECT_EQ(CommandFontCount(), 2);
    EXPECT_EQ(Data(CommandFont(2), kRecordSize), std::string(kRecordSize, '\0'));
    EXPECT_TRUE(ApplyEnabled());

    ASSERT_TRUE(Driver().Select(Page(), control::kCommandFontsList, u"One"));
    ASSERT_TRUE(Driver().Click(Page(), control::kCommandFontsDeleteButton));
    EXPECT_EQ(FontName(0), u"Two");
    EXPECT_EQ(SelectedItem(Page(), control::kCommandFontsList), u"Two");
}

TEST_F(CommandFontsTest, OutsideTheShellFontsCanBeChangedButNotMadeRenamedOrDeleted) {
    Open(kOrcaModel, false);
    StoreTextFont(u"Cutter", "^XA");
    EXPECT_FALSE(Enabled(Page(), control::kCommandFontsNewButton));
    EXPECT_FALSE(Enabled(Page(), control::kCommandFontsDeleteButton));
    EXPECT_TRUE(Enabled(Page(), control::kCommandFontsChangeButton));
    ASSERT_TRUE(InDialog(control::kCommandFontsChangeButton, [&](Window dialog) {
        EXPECT_FALSE(Enabled(dialog, control::kCommandFontNameEdit));
        ASSERT_TRUE(Driver().SelectText(dialog, control::kCommandFontStartEdit, 3, 3));
        ASSERT_TRUE(Driver().Type(dialog, control::kCommandFontStartEdit, u"\r^XZ"));
        ASSERT_TRUE(Driver().Click(dialog, control::kCommandFontOkButton));
    }));
    EXPECT_EQ(Field(0, kPrefixDataAt, kDataSize), ZeroFilled("^XA\r\n^XZ"));
    EXPECT_EQ(U16(CommandFont(0) + kPrefixLengthAt), 8);
    EXPECT_TRUE(ApplyEnabled());
}

}  // namespace
}  // namespace orca::cmdfonttest
