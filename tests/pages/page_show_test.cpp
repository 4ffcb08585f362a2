// SPDX-License-Identifier: Apache-2.0
// What every page does when it is made and shown: its tab title, the texts of
// its controls in the sheet's language, and its language file.
#include <gtest/gtest.h>

#include <string>

#include "pages/page_fixture.h"
#include "resources/control_ids.h"

namespace orca::pages::testing {
namespace {

using ItemList = std::vector<std::pair<std::u16string, intptr_t>>;

constexpr FlagListEntry kOrcaOperations[] = {
    {0, u"Default"}, {1, u"Tear Off"}, {2, u"Peel Off"}, {4, u"Rewind"},  {8, u"Applicator"},
    {16, u"Cutter"}, {32, u"Delayed"}, {64, u"RFID"},    {128, u"Spare"}, {512, u"KIOSK"},
};

TEST_F(PageTest, TheTabTitleIsTheSheetLanguageAtConstruction) {
    context_.language = kLanguageChinese;
    ProbePage chinese(context_);
    context_.language = kLanguageEnglish;
    ProbePage english(context_);
    EXPECT_EQ(chinese.Title(), u"高级设置");
    EXPECT_EQ(english.Title(), u"Advance Setup");

    // A later change of the sheet's language leaves the title as it was.
    context_.language = kLanguageChinese;
    platform::Window sheet = OpenSheetWith(english);
    EXPECT_NE(Screen().Render(sheet).find("[\"Advance Setup\"]"), std::string::npos);
}

TEST_F(PageTest, ShowingTranslatesEachControlByThePageRule) {
    ProbePage page(context_);
    platform::Window sheet = OpenSheetWith(page);
    platform::Window self = PageWindow(sheet);
    EXPECT_EQ(ControlText(self, control::kAdvancedMirrorLabel), u"Mirror:");
    EXPECT_EQ(ControlText(self, control::kAdvancedTopDefaultCheck), u"Default") << "check box";
    EXPECT_EQ(ControlText(self, control::kAdvancedCalibrateButton), u"Calibrate") << "button";
    EXPECT_EQ(ControlText(self, control::kAdvancedTopUnitLabel), u"mm")
        << "skipped by the rule: template text";

    context_.language = kLanguageChinese;
    driver_.SelectTab(sheet, 0);
    driver_.SelectTab(sheet, 1);
    EXPECT_EQ(ControlText(self, control::kAdvancedMirrorLabel), u"镜像:");
    EXPECT_EQ(ControlText(self, control::kAdvancedCalibrateButton), u"校准");
}

TEST_F(PageTest, ComboItemsAreRelabelledByValueAndAMissingKeyLeavesAnEmptyItemInPlace) {
    ProbePage page(context_);
    page.operations.assign(std::begin(kOrcaOperations), std::end(kOrcaOperations));
    page.operationMask = 1 | 16 | 128 | 512;
    page.operation = 7;  // the item of code 128, whose key the file lacks
    platform::Window self = PageWindow(OpenSheetWith(page));
    EXPECT_EQ(
        Items(self, control::kAdvancedOperationList),
        (ItemList{{u"Default", 255}, {u"Tear Off", 0}, {u"Cutter", 4}, {u"", 7}, {u"KIOSK", 9}}));
    EXPECT_EQ(Selection(self, control::kAdvancedOperationList), 3);
}

TEST_F(PageTest, MissingKeysShowEmptyAndLongValuesShowTheirFirst255Characters) {
    ProbePage page(context_);
    RewriteValue(kLanguageEnglish, u"IDC_ADVANCED_STATIC_MIRROR", std::u16string(300, u'm'));
    RewriteValue(kLanguageEnglish, u"IDC_ADVANCED_STATIC_REVERSE", u"");
    platform::Window self = PageWindow(OpenSheetWith(page));
    EXPECT_EQ(ControlText(self, control::kAdvancedMirrorLabel), std::u16string(255, u'm'));
    EXPECT_EQ(ControlText(self, control::kAdvancedReverseLabel), u"");
}

TEST_F(PageTest, DeletedLanguageFilesComeBackOnTheNextShowForTheCurrentLanguageOnly) {
    ProbePage page(context_);
    platform::Window sheet = OpenSheetWith(page);
    ASSERT_TRUE(LanguageFileExists(kLanguageChinese));
    {
        // A dialog of the same printer closes: both files go.
        ProbePage dialog(context_);
    }
    ASSERT_FALSE(LanguageFileExists(kLanguageEnglish));

    driver_.SelectTab(sheet, 0);
    driver_.SelectTab(sheet, 1);
    EXPECT_TRUE(LanguageFileExists(kLanguageEnglish));
    EXPECT_FALSE(LanguageFileExists(kLanguageChinese));
    EXPECT_EQ(ControlText(PageWindow(sheet), control::kAdvancedMirrorLabel), u"Mirror:");
}

TEST_F(PageTest, ADocumentPageRecordsItselfAsTheLastShown) {
    ProbePage page(context_);
    platform::Window sheet = OpenSheetWith(page);
    EXPECT_EQ(context_.lastShown, PageWindow(sheet));
}

TEST_F(PageTest, APrinterSheetPageTakesTheStoredLanguageInsteadOfTheSheets) {
    context_.byteFields[2014] = kLanguageChinese;  // btLanguage
    ProbePage page(context_);
    page.SetInDocumentSheet(false);
    platform::Window self = PageWindow(OpenSheetWith(page));
    EXPECT_EQ(ControlText(self, control::kAdvancedMirrorLabel), u"镜像:");
    EXPECT_EQ(context_.lastShown, nullptr);
    EXPECT_TRUE(LanguageFileExists(kLanguageChinese));
}

}  // namespace
}  // namespace orca::pages::testing
