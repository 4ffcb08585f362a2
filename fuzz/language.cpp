// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as a UI language file, read as a page reads its own: every
// key of one section of the plug-in's own English file is looked up, in the
// western or the Chinese code page (the first byte picks both), and each
// answer fits the pages' text buffer.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pages/language_file.h"
#include "resources/language_text.h"
#include "text/ini_document.h"
#include "text/ini_profile.h"
#include "text/utf.h"

namespace {

using namespace orca::text::ini::detail;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

struct PageKeys {
    std::u16string section;
    std::vector<std::u16string> keys;
};

// The sections and keys of the embedded English file: what the pages ask for.
std::vector<PageKeys> AllPageKeys() {
    const auto text = orca::resources::LanguageText(orca::resources::kLanguageTextEnglish);
    const Document document =
        LoadDocument(std::string(reinterpret_cast<const char*>(text.data()), text.size()),
                     orca::text::kCodePageWestern);
    std::vector<PageKeys> pages;
    for (const Line& line : document.lines) {
        const std::u16string_view trimmed = TrimBlanks(line.text);
        if (trimmed.starts_with(u'[')) {
            pages.push_back({std::u16string(trimmed.substr(1, trimmed.find(u']') - 1)), {}});
        } else if (const size_t equals = trimmed.find(u'=');
                   equals != std::u16string::npos && !pages.empty()) {
            pages.back().keys.emplace_back(TrimBlanks(trimmed.substr(0, equals)));
        }
    }
    return pages;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::vector<PageKeys> pages = AllPageKeys();
    if (size == 0)
        return 0;
    const PageKeys& page = pages[(data[0] >> 1) % pages.size()];
    const unsigned codePage = data[0] & 1 ? orca::text::kCodePageGbk : orca::text::kCodePageWestern;
    const Document document(
        LoadDocument(std::string(reinterpret_cast<const char*>(data + 1), size - 1), codePage));
    const Profile profile(document);
    for (const std::u16string& key : page.keys) {
        const std::u16string value =
            ReadValue(profile, page.section, key, u"", orca::pages::kTextBufferSize);
        Check(value.size() < orca::pages::kTextBufferSize);
        Check(value.find(u'\0') == std::u16string::npos);
    }
    return 0;
}
