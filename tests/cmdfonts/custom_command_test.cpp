// SPDX-License-Identifier: Apache-2.0
// The Custom Command page through the document-sheet hooks: what a person
// types, inserts or picks lands in the custom-command blocks of the host's
// records at once.
#include <string>

#include "cmdfonts_fixture.h"
#include "platform/sim/environment.h"
#include "resources/control_ids.h"

namespace orca::cmdfonttest {
namespace {

constexpr int kKind[] = {control::kCustomCommandStartList, control::kCustomCommandEndList};
constexpr int kEdit[] = {control::kCustomCommandStartEdit, control::kCustomCommandEndEdit};
constexpr int kButton[] = {control::kCustomCommandStartButton, control::kCustomCommandEndButton};
constexpr int kStart = 0, kEnd = 1;

constexpr uint8_t kEmpty = 0, kFile = 1, kText = 2;
constexpr size_t kDataSize = 1024;
constexpr int ESC = 0x1B;

// Where the fields of one command lie in the block.
struct Place {
    size_t kind;
    size_t length;
    size_t data;
};
// By position ("Document", "Document(Data)", "Page", "Page(Data)") and side.
constexpr Place kPlaces[4][2] = {
    {{34, 36, 40}, {35, 38, 1064}},
    {{2110, 2112, 2116}, {2111, 2114, 3140}},
    {{4186, 4188, 4192}, {4187, 4190, 5216}},
    {{6262, 6264, 6268}, {6263, 6266, 7292}},
};
const char16_t* const kPositionNames[] = {u"Document", u"Document(Data)", u"Page", u"Page(Data)"};

class CustomCommandTest : public CommandSheetTest {
protected:
    void Open(std::u16string_view model = kOrcaModel) { OpenSheet(model, kCustomCommandTab); }
    uint8_t Kind(int position, int side) { return Block()[kPlaces[position][side].kind]; }
    uint16_t Length(int position, int side) {
        return U16(Block() + kPlaces[position][side].length);
    }
    std::string Command(int position, int side) {
        return Data(Block() + kPlaces[position][side].data, kDataSize);
    }
    void Store(int position, int side, uint8_t kind, std::string_view data) {
        const Place& place = kPlaces[position][side];
        Block()[place.kind] = kind;
        Block()[place.length] = static_cast<uint8_t>(data.size());
        data.copy(reinterpret_cast<char*>(Block() + place.data), data.size());
    }
    static std::string ZeroFilled(std::string_view text) {
        std::string field(text);
        field.resize(kDataSize, '\0');
        return field;
    }
    void SetCodePage(uint32_t codePage) {
        platform::sim::SystemFacts facts = Env().Facts();
        facts.ansiCodePage = codePage;
        Env().SetFacts(facts);
    }
};

TEST_F(CustomCommandTest, TypedTextAndInsertedEscapesAreStoredAtOnce) {
    struct Case {
        const char* what;
        const char16_t* model;
        int position;
        int side;
        std::u16string keys;
        int menuByte;  // -1: none
        std::string stored;
    };
    const Case cases[] = {
        {"one character", kOrcaModel, 2, kStart, u"A", -1, "A"},
        {"Enter as CR LF", kOrcaModel, 0, kStart, u"^XA\r^XZ", -1, "^XA\r\n^XZ"},
        {"ESC into an empty edit", kOrcaModel, 1, kEnd, u"", ESC, "<\\x1B>"},
        {"the data variant of a page", kOnyxModel, 3, kEnd, u"N\r", 0x02, "N\r\n<\\x02>"},
        {"outside the code page", kOnyxModel, 2, kEnd, u"\u0416x", -1, "?x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Open(c.model);
        ASSERT_TRUE(Driver().Select(Page(), control::kCustomCommandPositionList,
                                    kPositionNames[c.position]));
        ASSERT_TRUE(Driver().Select(Page(), kKind[c.side], u"Text"));
        ASSERT_TRUE(Driver().Type(Page(), kEdit[c.side], c.keys));
        if (c.menuByte >= 0) {
            AnswerMenu(c.menuByte);
            ASSERT_TRUE(Driver().Click(Page(), kButton[c.side]));
        }
        EXPECT_EQ(Kind(c.position, c.side), kText);
        EXPECT_EQ(Command(c.position, c.side), ZeroFilled(c.stored));
        EXPECT_EQ(Length(c.position, c.side), c.stored.size());
        EXPECT_EQ(Command(c.position, 1 - c.side), ZeroFilled("")) << "the other side";
        EXPECT_TRUE(ApplyEnabled());
    }
}

TEST_F(CustomCommandTest, EmptyKeepsTheStoredTextAndTextShowsItAgain) {
    Open();
    ASSERT_TRUE(Driver().Select(Page(), kKind[kEnd], u"Text"));
    ASSERT_TRUE(Driver().Type(Page(), kEdit[kEnd], u"^XZ"));
    ASSERT_TRUE(Driver().Select(Page(), kKind[kEnd], u"Empty"));
    EXPECT_EQ(Kind(0, kEnd), kEmpty);
    EXPECT_EQ(Command(0, kEnd), ZeroFilled("^XZ"));
    EXPECT_EQ(Length(0, kEnd), 3);
    EXPECT_EQ(Text(Page(), kEdit[kEnd]), u"");
    EXPECT_FALSE(Enabled(Page(), kEdit[kEnd]));
    EXPECT_FALSE(Enabled(Page(), kButton[kEnd]));
    EXPECT_EQ(Text(Page(), kButton[kEnd]), u"...");

    ASSERT_TRUE(Driver().Select(Page(), kKind[kEnd], u"Text"));
    EXPECT_EQ(Kind(0, kEnd), kText);
    EXPECT_EQ(Text(Page(), kEdit[kEnd]), u"^XZ");
    EXPECT_EQ(Text(Page(), kButton[kEnd]), u"Insert");
}

TEST_F(CustomCommandTest, APositionShowsItsOwnFieldsAndEveryShowStartsAtDocument) {
    Open();
    Store(3, kStart, kText, "^PR2");
    Store(3, kEnd, kFile, "/labels/end.prn");
    Store(0, kStart, kText, "^XA");
    Reshow();
    EXPECT_EQ(Items(Page(), control::kCustomCommandPositionList),
              (Texts{kPositionNames, kPositionNames + 4}));
    EXPECT_EQ(Text(Page(), kEdit[kStart]), u"^XA");

    ASSERT_TRUE(Driver().Select(Page(), control::kCustomCommandPositionList, u"Page(Data)"));
    EXPECT_EQ(SelectedItem(Page(), kKind[kStart]), u"Text");
    EXPECT_EQ(SelectedItem(Page(), kKind[kEnd]), u"File");
    EXPECT_EQ(Text(Page(), kEdit[kStart]), u"^PR2");
    EXPECT_EQ(Text(Page(), kEdit[kEnd]), u"/labels/end.prn");
    EXPECT_EQ(Text(Page(), kButton[kEnd]), u"Select File");
    EXPECT_TRUE(Enabled(Page(), kEdit[kEnd])) << "a path can be typed";
    EXPECT_FALSE(ApplyEnabled()) << "looking changes nothing";

    ASSERT_TRUE(Driver().Select(Page(), control::kCustomCommandPositionList, u"Page"));
    Reshow();
    EXPECT_EQ(SelectedItem(Page(), control::kCustomCommandPositionList), u"Document");
    EXPECT_EQ(Text(Page(), kEdit[kStart]), u"^XA");
}

TEST_F(CustomCommandTest, ListsKeepTheSheetsLanguageAcrossPositions) {
    OpenSheet(kOnyxModel, u"\u81EA\u5B9A\u4E49\u547D\u4EE4", true, 0);
    const Texts kinds = {u"\u7A7A", u"\u6587\u4EF6", u"\u6587\u672C"};
    ASSERT_EQ(Items(Page(), kKind[kStart]), kinds);
    ASSERT_TRUE(Driver().Select(Page(), control::kCustomCommandPositionList, u"\u9875"));
    ASSERT_TRUE(Driver().Select(Page(), kKind[kStart], 2));
    EXPECT_EQ(Items(Page(), kKind[kStart]), kinds);
    EXPECT_EQ(Items(Page(), kKind[kEnd]), kinds);
    EXPECT_EQ(Text(Page(), kButton[kStart]), u"\u63D2\u5165");
    EXPECT_EQ(Kind(2, kStart), kText);
}

TEST_F(CustomCommandTest, AChosenFileIsStoredAndACancelledDialogChangesNothing) {
    Open(kOnyxModel);
    ASSERT_TRUE(Driver().Select(Page(), control::kCustomCommandPositionList, u"Page"));
    ASSERT_TRUE(Driver().Select(Page(), kKind[kStart], u"File"));
    AnswerFile({});
    ASSERT_TRUE(Driver().Click(Page(), kButton[kStart]));
    EXPECT_EQ(Command(2, kStart), ZeroFilled(""));
    EXPECT_EQ(Length(2, kStart), 0);

    AnswerFile(u"/labels/start.prn");
    ASSERT_TRUE(Driver().Click(Page(), kButton[kStart]));
    EXPECT_EQ(Text(Page(), kEdit[kStart]), u"/labels/start.prn");
    EXPECT_EQ(Kind(2, kStart), kFile);
    EXPECT_EQ(Command(2, kStart), ZeroFilled("/labels/start.prn"));
    EXPECT_EQ(Length(2, kStart), 17);
}

TEST_F(CustomCommandTest, TheLongestTextFitsItsBlockInADoubleByteCodePage) {
    Open();
    SetCodePage(936);
    ASSERT_TRUE(Driver().Select(Page(), kKind[kStart], u"Text"));
    const std::u16string text(511, u'\u4E2D');
    ASSERT_TRUE(Driver().Type(Page(), kEdit[kStart], text + u"\u4E2D"));
    EXPECT_EQ(Text(Page(), kEdit[kStart]), text) << "the edit takes 511 characters";
    EXPECT_EQ(Length(0, kStart), 1022);
    EXPECT_EQ(Command(0, kStart).substr(0, 2), "\xD6\xD0");
    EXPECT_EQ(Command(0, kStart)[1022], '\0');
    EXPECT_EQ(Command(0, kEnd), ZeroFilled("")) << "nothing past the start command";

    AnswerMenu(ESC);
    ASSERT_TRUE(Driver().Click(Page(), kButton[kStart]));
    EXPECT_EQ(Length(0, kStart), 1022) << "an escape past 511 characters is refused";
}

}  // namespace
}  // namespace orca::cmdfonttest
