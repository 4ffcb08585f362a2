// SPDX-License-Identifier: Apache-2.0
// The UI language files of a page: placement, writing, lookups, life cycle.
#include "pages/language_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/files.h"
#include "resources/control_ids.h"
#include "resources/language_text.h"
#include "support/sim_env.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

class LanguageFileTest : public testsupport::SimEnvTest {
protected:
    std::u16string TempDir() {
        std::u16string dir;
        Ports().files->TempDirectory(&dir, 4096);
        return dir;
    }
    std::filesystem::path Native(std::u16string_view path) {
        return Ports().files->NativePath(path);
    }
    bool Exists(std::u16string_view path) { return std::filesystem::exists(Native(path)); }
    std::vector<std::byte> Bytes(std::u16string_view path) {
        std::ifstream in(Native(path), std::ios::binary);
        std::vector<std::byte> bytes;
        for (std::istreambuf_iterator<char> it(in), end; it != end; ++it) {
            bytes.push_back(static_cast<std::byte>(*it));
        }
        return bytes;
    }
    // Every language file anywhere under the environment's root.
    std::vector<std::filesystem::path> LanguageFilesUnderRoot() {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(Root())) {
            if (entry.path().extension() == ".ini") {
                found.push_back(entry.path());
            }
        }
        return found;
    }
};

std::vector<std::byte> Embedded(int resourceId) {
    const auto text = resources::LanguageText(resourceId);
    return {text.begin(), text.end()};
}

TEST_F(LanguageFileTest, WritesBothFilesOfThePrinterByteForByte) {
    CLanguageFile file(u"IDD_DOC_LANGUAGE", u"Label1", kLanguageEnglish);
    EXPECT_EQ(file.Path(kLanguageChinese), TempDir() + u"Label1_CN.ini");
    EXPECT_EQ(file.Path(kLanguageEnglish), TempDir() + u"Label1_EN.ini");
    EXPECT_EQ(Bytes(file.Path(kLanguageChinese)), Embedded(resources::kLanguageTextChinese));
    EXPECT_EQ(Bytes(file.Path(kLanguageEnglish)), Embedded(resources::kLanguageTextEnglish));
}

TEST_F(LanguageFileTest, LooksTextsUpInItsSectionOfTheCurrentLanguage) {
    CLanguageFile file(u"IDD_DOC_LANGUAGE", u"Label1", kLanguageEnglish);
    EXPECT_EQ(file.Text(u"WINDOW_TITLE"), u"Language");
    EXPECT_EQ(file.Text(u"idd_doc_import_orca"), u"Import/Export") << "keys ignore case";
    EXPECT_EQ(file.Text(u"IDC_NO_SUCH_CONTROL"), u"");
    EXPECT_EQ(file.Text(u""), u"");
    file.SelectLanguage(kLanguageChinese);
    EXPECT_EQ(file.Text(u"WINDOW_TITLE"), u"语言");

    CLanguageFile unnamed(u"", u"Label1", kLanguageEnglish);
    EXPECT_EQ(unnamed.Text(u"WINDOW_TITLE"), u"");
    CLanguageFile unknown(u"IDD_NO_SUCH_PAGE", u"Label1", kLanguageEnglish);
    EXPECT_EQ(unknown.Text(u"WINDOW_TITLE"), u"");
}

TEST_F(LanguageFileTest, ItemTextsFollowTheFirstKeyGivenForAnItem) {
    CLanguageFile file(u"IDD_DOC_ADVANCED_SETUP_ORCA", u"Label1", kLanguageEnglish);
    EXPECT_EQ(file.ItemText(control::kAdvancedOperationList, 255), u"") << "no key remembered yet";
    file.AddItemKey(control::kAdvancedOperationList, 255, u"IDC_ADVANCED_COMBO_OPERATION255");
    file.AddItemKey(control::kAdvancedOperationList, 255, u"IDC_ADVANCED_COMBO_OPERATION0");
    EXPECT_EQ(file.ItemText(control::kAdvancedOperationList, 255), u"Default");
}

TEST_F(LanguageFileTest, DestroyDeletesBothFilesEvenWhileOthersReadThem) {
    CLanguageFile page(u"IDD_DOC_LANGUAGE", u"Label1", kLanguageEnglish);
    { CLanguageFile dialog(u"IDD_DOC_CMD_ORCA", u"Label1", kLanguageEnglish); }
    EXPECT_FALSE(Exists(page.Path(kLanguageChinese)));
    EXPECT_FALSE(Exists(page.Path(kLanguageEnglish)));
    EXPECT_EQ(page.Text(u"WINDOW_TITLE"), u"");

    // Selecting a language heals its own file only.
    page.SelectLanguage(kLanguageEnglish);
    EXPECT_TRUE(Exists(page.Path(kLanguageEnglish)));
    EXPECT_FALSE(Exists(page.Path(kLanguageChinese)));
    EXPECT_EQ(page.Text(u"WINDOW_TITLE"), u"Language");
}

TEST_F(LanguageFileTest, AnUnknownLanguageCodeReadsEnglish) {
    CLanguageFile file(u"IDD_DOC_LANGUAGE", u"Label1", 255);
    EXPECT_EQ(file.Language(), kLanguageEnglish);
    EXPECT_EQ(file.Text(u"WINDOW_TITLE"), u"Language");
}

TEST_F(LanguageFileTest, PathsLongerThan259CharactersAreNeitherWrittenNorRead) {
    const size_t room = 259 - TempDir().size() - std::u16string_view(u"_CN.ini").size();
    {
        CLanguageFile fits(u"IDD_DOC_LANGUAGE", std::u16string(room, u'p'), kLanguageEnglish);
        EXPECT_EQ(fits.Path(kLanguageEnglish).size(), 259u);
        EXPECT_EQ(fits.Text(u"WINDOW_TITLE"), u"Language");
    }
    CLanguageFile tooLong(u"IDD_DOC_LANGUAGE", std::u16string(room + 1, u'p'), kLanguageEnglish);
    EXPECT_EQ(tooLong.Path(kLanguageEnglish), u"");
    EXPECT_EQ(tooLong.Text(u"WINDOW_TITLE"), u"");
    tooLong.SelectLanguage(kLanguageChinese);
    EXPECT_EQ(tooLong.Text(u"WINDOW_TITLE"), u"");
    EXPECT_TRUE(LanguageFilesUnderRoot().empty());
}

TEST_F(LanguageFileTest, ATemporaryDirectoryBeyondTheBufferLeavesTheTextsEmpty) {
    const std::filesystem::path deep = Root() / std::string(200, 'd') / std::string(100, 'e');
    platform::sim::Environment env(deep);
    platform::sim::ScopedInstall install(env);
    CLanguageFile file(u"IDD_DOC_LANGUAGE", u"Label1", kLanguageEnglish);
    EXPECT_EQ(file.Path(kLanguageEnglish), u"");
    EXPECT_EQ(file.Text(u"WINDOW_TITLE"), u"");
    EXPECT_TRUE(LanguageFilesUnderRoot().empty());
}

// Printer names are file names here: separators, drive colons and ".." stay
// inside the temporary directory.
TEST_F(LanguageFileTest, PrinterNamesNeverPlaceFilesOutsideTheTemporaryDirectory) {
    const std::filesystem::path temp = Native(TempDir()).parent_path();
    const struct {
        std::u16string_view printer;
        std::u16string_view chineseFile;
        std::u16string_view englishFile;
    } kCases[] = {
        {u"..\\..\\escape", u".._.._escape_CN.ini", u".._.._escape_EN.ini"},
        {u"../../escape", u".._.._escape_CN.ini", u".._.._escape_EN.ini"},
        {u"\\\\server\\Label1", u"__server_Label1_CN.ini", u"__server_Label1_EN.ini"},
        {u"C:label", u"C_label_CN.ini", u"C_label_EN.ini"},
        {u"..", u".._CN.ini", u".._EN.ini"},
        {u"A_CN.ini", u"A_CN.ini_CN.ini", u"A_EN.ini"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(text::Utf16ToUtf8(c.printer));
        CLanguageFile file(u"IDD_DOC_LANGUAGE", c.printer, kLanguageEnglish);
        EXPECT_EQ(file.Path(kLanguageChinese), TempDir() + std::u16string(c.chineseFile));
        EXPECT_EQ(file.Path(kLanguageEnglish), TempDir() + std::u16string(c.englishFile));
        EXPECT_EQ(file.Text(u"WINDOW_TITLE"), u"Language");
        const auto written = LanguageFilesUnderRoot();
        EXPECT_EQ(written.size(), 2u);
        for (const auto& path : written) {
            EXPECT_EQ(path.parent_path(), temp) << path;
        }
    }
}

}  // namespace
}  // namespace orca::pages
