// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/choice_keywords.h"

#include <map>
#include <span>

#include "resources/language_text.h"
#include "text/utf.h"

namespace orca::host {
namespace {

// Section and key, to the value.
using LanguageTexts = std::map<std::pair<std::u16string, std::u16string>, std::u16string>;

// The lines of a language text: UTF-16LE behind its byte-order mark, in INI
// sections of key=value lines.
LanguageTexts ReadLanguageText(int resourceId) {
    const std::span<const std::byte> bytes = resources::LanguageText(resourceId);
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2)
        text += static_cast<char16_t>(std::to_integer<unsigned>(bytes[i]) |
                                      std::to_integer<unsigned>(bytes[i + 1]) << 8);
    LanguageTexts texts;
    std::u16string section;
    for (size_t start = 0; start < text.size();) {
        size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos)
            end = text.size();
        std::u16string line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with(u'\r'))
            line.pop_back();
        const size_t equals = line.find(u'=');
        if (line.starts_with(u'[') && line.ends_with(u']'))
            section = line.substr(1, line.size() - 2);
        else if (equals != std::u16string::npos)
            texts.emplace(std::pair(section, line.substr(0, equals)), line.substr(equals + 1));
    }
    return texts;
}

// Each text of the other language to its English text; the first key that
// has a text gives it.
std::map<std::u16string, std::u16string> BuildKeywords() {
    const LanguageTexts english = ReadLanguageText(resources::kLanguageTextEnglish);
    std::map<std::u16string, std::u16string> keywords;
    for (const auto& [key, text] : ReadLanguageText(resources::kLanguageTextChinese)) {
        const auto found = english.find(key);
        if (found != english.end())
            keywords.emplace(text, found->second);
    }
    return keywords;
}

}  // namespace

std::string ChoiceKeyword(std::string_view shown) {
    static const std::map<std::u16string, std::u16string> kKeywords = BuildKeywords();
    const auto found = kKeywords.find(text::Utf8ToUtf16(shown));
    return found != kKeywords.end() ? text::Utf16ToUtf8(found->second) : std::string(shown);
}

}  // namespace orca::host
