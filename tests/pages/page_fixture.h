// SPDX-License-Identifier: Apache-2.0
// A sheet's shared context and a desktop for the page-framework tests, with
// a probe page made from the ORCA Advanced template.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "pages/decimal_edit.h"
#include "pages/flag_list.h"
#include "pages/page_context.h"
#include "pages/plugin_page.h"
#include "platform/sim/desktop.h"
#include "platform/sim/desktop_driver.h"
#include "resources/control_ids.h"
#include "support/fake_page_context.h"
#include "support/sim_env.h"

namespace orca::pages::testing {

using FakeContext = testsupport::FakePageContext;

// The Advanced page's template and section: its refresh fills the operation
// list from the entries, mask and value set on it; the top adjustment is a
// decimal edit.
class ProbePage : public CPluginPage {
public:
    explicit ProbePage(PageContext& context);

    std::vector<FlagListEntry> operations;
    uint32_t operationMask = 0;
    int operation = 0;
    CDecimalEdit top{*this, control::kAdvancedTopEdit};

    using CPluginPage::Texts;

protected:
    void Refresh() override;
};

class PageTest : public testsupport::SimEnvTest {
protected:
    PageTest();

    platform::sim::Desktop& Screen() { return *desktop_; }
    // A document sheet with one host tab and the page as the second tab,
    // opened on the page.
    platform::Window OpenSheetWith(CPluginPage& page);
    // The page's window (the sheet's current page).
    platform::Window PageWindow(platform::Window sheet) { return Screen().CurrentPage(sheet); }
    std::u16string ControlText(platform::Window dialog, int controlId);
    // A combo box's items as (text, value), and its selected index.
    std::vector<std::pair<std::u16string, intptr_t>> Items(platform::Window dialog, int controlId);
    int Selection(platform::Window dialog, int controlId);

    // The language files of the context's printer.
    std::u16string LanguagePath(int language);
    bool LanguageFileExists(int language);
    // Edits a language file as another program would: one value replaced,
    // or the key's line dropped for an empty value.
    void RewriteValue(int language, std::u16string_view key, std::u16string_view value);

    FakeContext context_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    platform::sim::DesktopDriver driver_;
};

}  // namespace orca::pages::testing
