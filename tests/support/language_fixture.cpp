// SPDX-License-Identifier: Apache-2.0
#include "support/language_fixture.h"

#include <cstring>

#include "resources/window_styles.h"

namespace orca::pages::testing {

LanguageTest::LanguageTest() : desktop_(platform::sim::AttachDesktop(Env())), driver_(*desktop_) {}

void LanguageTest::AddPages(platform::Window sheet, const std::vector<CPluginPage*>& pages) {
    for (CPluginPage* page : pages) {
        ASSERT_TRUE(Screen().AddPage(sheet, page->SheetHandle()));
    }
}

std::u16string LanguageTest::Text(platform::Window dialog, int controlId) {
    return Screen().Text(Screen().Child(dialog, controlId));
}

bool LanguageTest::Visible(platform::Window dialog, int controlId) {
    return Screen().IsVisible(Screen().Child(dialog, controlId));
}

bool LanguageTest::Checked(platform::Window dialog, int controlId) {
    return Screen().IsChecked(Screen().Child(dialog, controlId));
}

bool LanguageTest::ApplyEnabled(platform::Window sheet) {
    return Screen().IsEnabled(Screen().Child(sheet, resources::kSheetApplyId));
}

}  // namespace orca::pages::testing
