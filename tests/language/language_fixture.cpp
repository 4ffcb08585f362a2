#include "language_fixture.h"

#include <cstring>

#include "resources/window_styles.h"

namespace orca::pages::testing {

int32_t SheetContext::AccessValue(uint32_t fieldId, void* buffer, int, bool get) {
    const auto found = byteFields.find(fieldId);
    if (get) {
        if (found == byteFields.end()) {
            return -7;
        }
        std::memcpy(buffer, &found->second, 1);
        return 0;
    }
    uint8_t value = 0;
    std::memcpy(&value, buffer, 1);
    byteFields[fieldId] = value;
    writes.emplace_back(fieldId, value);
    return 0;
}

LanguageTest::LanguageTest() : desktop_(platform::sim::AttachDesktop(Env())), driver_(*desktop_) {}

void LanguageTest::AddPages(platform::Window sheet, const std::vector<CPluginPage*>& pages) {
    for (CPluginPage* page : pages) {
        ASSERT_TRUE(Screen().AddPage(sheet, page->Handle()));
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
