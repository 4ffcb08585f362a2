// SPDX-License-Identifier: Apache-2.0
// The embedded UI language texts: the bytes the pages write out as files.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "resources/language_text.h"
#include "resources/language_texts_parsed.h"
#include "text/utf.h"

namespace orca::resources {
namespace {

constexpr int kBothTexts[] = {kLanguageTextChinese, kLanguageTextEnglish};

TEST(LanguageText, IsUtf16WithByteOrderMarkAndCrLfLines) {
    for (int id : kBothTexts) {
        SCOPED_TRACE(id);
        const auto bytes = LanguageText(id);
        ASSERT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes[0], std::byte{0xFF});
        EXPECT_EQ(bytes[1], std::byte{0xFE});
        EXPECT_EQ(bytes.size() % 2, 0u);
        const std::u16string text = testing::DecodeLanguageText(bytes);
        ASSERT_FALSE(text.empty());
        EXPECT_TRUE(text.ends_with(u"\r\n"));
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << "lone CR at " << i;
            } else if (text[i] == u'\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == u'\r') << "bare LF at " << i;
            }
        }
    }
}

TEST(LanguageText, OtherIdentifiersHaveNoText) {
    EXPECT_TRUE(LanguageText(151).empty());
    EXPECT_TRUE(LanguageText(0).empty());
}

TEST(LanguageText, BothLanguagesHoldTheSameSectionsAndKeys) {
    const auto chinese = testing::ParseLanguageText(LanguageText(kLanguageTextChinese));
    const auto english = testing::ParseLanguageText(LanguageText(kLanguageTextEnglish));
    ASSERT_EQ(chinese.size(), english.size());
    for (size_t s = 0; s < english.size(); ++s) {
        EXPECT_EQ(chinese[s].name, english[s].name);
        ASSERT_EQ(chinese[s].entries.size(), english[s].entries.size())
            << text::Utf16ToUtf8(english[s].name);
        for (size_t k = 0; k < english[s].entries.size(); ++k) {
            EXPECT_EQ(chinese[s].entries[k].key, english[s].entries[k].key);
        }
    }
}

TEST(LanguageText, EveryKeyIsUniqueInItsSectionAndItsValueFitsTheLookupBuffer) {
    for (int id : kBothTexts) {
        for (const auto& section : testing::ParseLanguageText(LanguageText(id))) {
            std::map<std::u16string, int> seen;
            for (const auto& entry : section.entries) {
                SCOPED_TRACE(text::Utf16ToUtf8(section.name + u"/" + entry.key));
                EXPECT_EQ(seen[testing::Folded(entry.key)]++, 0) << "duplicate key";
                EXPECT_LE(entry.value.size(), 255u) << "the lookup would cut it";
            }
        }
    }
}

// English values the pages depend on, spelled as the pages must show them.
struct Quoted {
    const char16_t* section;
    const char16_t* key;
    const char16_t* value;
};

constexpr Quoted kQuoted[] = {
    {u"IDD_DOC_OPTION_ORCA", u"WINDOW_TITLE", u"Options"},
    {u"IDD_DOC_OPTION_ORCA", u"IDC_OPTION_STATIC_SPEEDUNIT2", u"inch/s"},
    {u"IDD_DOC_OPTION_ORCA", u"IDC_OPTION_COMBO_ORIENTATION1", u"Landscape"},
    {u"IDD_DOC_ADVANCED_SETUP_ORCA", u"IDC_ADVANCED_COMBO_OPERATION255", u"Default"},
    {u"IDD_DOC_ADVANCED_SETUP_ORCA", u"IDC_ADVANCED_COMBO_OPERATION9", u"KIOSK"},
    {u"IDD_DOC_ADVANCED_SETUP_ORCA", u"IDC_ADVANCED_STATIC_GROUPQUANTITY", u"Group Quantity:"},
    {u"IDD_DOC_ADVANCED_SETUP_ONYX", u"IDC_ADVANCED_COMBO_OPERATION0", u"Cutter"},
    {u"IDD_DOC_ADVANCED_SETUP_ONYX", u"IDC_ADVANCED_COMBO_OPERATION5", u"Peel Off(unconfirmed)"},
    {u"IDD_DOC_OTHER_ORCA", u"IDC_OTHER_STATIC_CANCELBEFOREPRINT", u"Cancel before print:"},
    {u"IDD_DOC_OTHER_ORCA", u"IDC_OTHER_COMBO_BACKFEED2", u"Default Back"},
    {u"IDD_DOC_OTHER_ONYX", u"IDC_ADVANCED_STATIC_ERROR", u"Error Replay:"},
    {u"IDD_DOC_BARCODE_ORCA", u"MSG_BARCODE_YDIMENSION", u"Y Dimensions should between:"},
    {u"IDD_DOC_BARCODE_ORCA", u"IDC_BARCODE_COMBO_QR_ERROR3", u"High Density"},
    {u"IDD_DOC_CMD_ORCA", u"MSG_CMD_BOXTITILE", u"Error"},
    {u"IDD_DOC_CMD_ORCA", u"IDC_CMD_COMBO_POSITION1", u"Before Page End"},
    {u"IDD_DOC_CUSTOM_COMMAND_ORCA", u"IDC_COMMAND_COMBO_POSITION3", u"Page(Data)"},
    {u"IDD_DOC_IMPORT_ORCA", u"MSG_IMPORT_WRONGECOMMAND",
     u"The current printer does not support this profile.The import operation has been "
     u"cancelled."},
    {u"IDD_DOC_TOOLS_ORCA", u"IDC_TOOLS_LIST_COMMANDNAME_ORCA_258", u"Print object list"},
    {u"IDD_DOC_TOOLS_ORCA", u"IDC_TOOLS_LIST_COMMANDNAME_ONYX_257", u"Print configuration label"},
    {u"IDD_DOC_DITHERING", u"IDC_DITHER_RADIO_NONO", u"None"},
    {u"IDD_DOC_LANGUAGE", u"IDD_DOC_ADVANCED_SETUP_ORCA", u"Advance Setup"},
    {u"IDD_DOC_LANGUAGE", u"IDD_VERSION", u"Version"},
    {u"IDD_PRN_STOCKS_ORCA", u"MSG_STOCKS_SETFORMFAILED", u"Failed to modify parameters!"},
    {u"IDD_VERSION", u"IDC_VERSION_STATIC_VER5", u"Product: Windows driver for BarCode printer"},
};

TEST(LanguageText, EnglishValuesAreTheOnesThePagesQuote) {
    const auto english = testing::ParseLanguageText(LanguageText(kLanguageTextEnglish));
    for (const Quoted& quoted : kQuoted) {
        SCOPED_TRACE(text::Utf16ToUtf8(quoted.key));
        EXPECT_EQ(testing::Lookup(english, quoted.section, quoted.key), quoted.value);
    }
}

}  // namespace
}  // namespace orca::resources
