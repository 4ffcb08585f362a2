// SPDX-License-Identifier: Apache-2.0
// A small page as a person reads it, in both languages.
#include <gtest/gtest.h>

#include "framework/controls.h"
#include "pages/page_fixture.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"

namespace orca::pages::testing {
namespace {

constexpr int kSeparator[] = {control::kLanguageSeparator};
constexpr FlagListEntry kLanguages[] = {{1, u"Chinese"}, {2, u"English"}};

// The Language page's template: a label, a separator and a combo box whose
// items are re-labelled from the file.
class SmallPage : public CPluginPage {
public:
    explicit SmallPage(PageContext& context)
        : CPluginPage(context, resources::kPageLanguage, {kSkipEdits, kSeparator}) {}

protected:
    void Refresh() override {
        FillFlagList(framework::ComboBox(*this, control::kLanguageList), kLanguages, 3, 1);
    }
};

TEST_F(PageTest, ASmallPageReadsInTheSheetLanguage) {
    SmallPage page(context_);
    platform::Window sheet = OpenSheetWith(page);
    EXPECT_EQ(Screen().Render(sheet),
              "\"Label1 Printing Preferences\"\n"
              "  tabs \"Layout\" [\"Language\"] (focus)\n"
              "  dialog\n"
              "    label 1308 \"Dialog box language\"\n"
              "    line 1309\n"
              "    combo 1310 \"Chinese\" [\"English\"]\n"
              "  button 1 \"OK\"\n"
              "  button 2 \"Cancel\"\n"
              "  button 12321 \"Apply\" (disabled)\n");

    // The tab keeps the title it was made with; the page follows the sheet.
    context_.language = kLanguageChinese;
    Screen().SendShownNotice(PageWindow(sheet));
    EXPECT_EQ(Screen().Render(sheet),
              "\"Label1 Printing Preferences\"\n"
              "  tabs \"Layout\" [\"Language\"] (focus)\n"
              "  dialog\n"
              "    label 1308 \"对话框语言\"\n"
              "    line 1309\n"
              "    combo 1310 \"中文\" [\"English\"]\n"
              "  button 1 \"OK\"\n"
              "  button 2 \"Cancel\"\n"
              "  button 12321 \"Apply\" (disabled)\n");
}

}  // namespace
}  // namespace orca::pages::testing
