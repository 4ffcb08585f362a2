// SPDX-License-Identifier: Apache-2.0
#include "pages/page_fixture.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/controls.h"
#include "platform/files.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"

namespace orca::pages::testing {
namespace {

constexpr int kUnitLabels[] = {control::kAdvancedTopUnitLabel, control::kAdvancedTearOffUnitLabel,
                               control::kAdvancedLeftUnitLabel};
constexpr TranslationRule kProbeRule{kSkipEdits, kUnitLabels};

}  // namespace

ProbePage::ProbePage(PageContext& context)
    : CPluginPage(context, resources::kPageAdvancedOrca, kProbeRule) {}

void ProbePage::Refresh() {
    FillFlagList(framework::ComboBox(*this, control::kAdvancedOperationList), operations,
                 operationMask, operation);
}

PageTest::PageTest() : desktop_(platform::sim::AttachDesktop(Env())), driver_(*desktop_) {}

platform::Window PageTest::OpenSheetWith(CPluginPage& page) {
    platform::Window sheet = Screen().CreateSheet(u"Label1 Printing Preferences", {u"Layout"});
    Screen().AddPage(sheet, page.Handle());
    Screen().OpenSheet(sheet, 1);
    return sheet;
}

std::u16string PageTest::ControlText(platform::Window dialog, int controlId) {
    return Screen().Text(Screen().Child(dialog, controlId));
}

std::vector<std::pair<std::u16string, intptr_t>> PageTest::Items(platform::Window dialog,
                                                                 int controlId) {
    platform::Window list = Screen().Child(dialog, controlId);
    std::vector<std::pair<std::u16string, intptr_t>> items;
    for (int i = 0; i < Screen().ItemCount(list); ++i) {
        items.emplace_back(Screen().ItemText(list, i), Screen().ItemData(list, i));
    }
    return items;
}

int PageTest::Selection(platform::Window dialog, int controlId) {
    return Screen().Selection(Screen().Child(dialog, controlId));
}

std::u16string PageTest::LanguagePath(int language) {
    std::u16string dir;
    Ports().files->TempDirectory(&dir, 4096);
    return dir + context_.printerName + (language == kLanguageChinese ? u"_CN.ini" : u"_EN.ini");
}

bool PageTest::LanguageFileExists(int language) {
    return Ports().files->Exists(LanguagePath(language));
}

void PageTest::RewriteValue(int language, std::u16string_view key, std::u16string_view value) {
    const std::filesystem::path path = Ports().files->NativePath(LanguagePath(language));
    std::string bytes;
    {
        std::ifstream in(path, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<uint8_t>(bytes[i]) |
                                             static_cast<uint8_t>(bytes[i + 1]) << 8));
    }
    const std::u16string line = u"\r\n" + std::u16string(key) + u"=";
    const size_t start = text.find(line);
    ASSERT_NE(start, text.npos);
    const size_t end = text.find(u"\r\n", start + line.size());
    text.replace(start, end - start, value.empty() ? u"" : line + std::u16string(value));

    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.put('\xFF').put('\xFE');
    for (char16_t c : text) {
        out.put(static_cast<char>(c & 0xFF)).put(static_cast<char>(c >> 8));
    }
}

}  // namespace orca::pages::testing
