// SPDX-License-Identifier: Apache-2.0
#include "resources/language_texts_parsed.h"

#include "text/nocase.h"

namespace orca::resources::testing {

std::u16string DecodeLanguageText(std::span<const std::byte> bytes) {
    std::u16string text;
    for (size_t i = 2; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(std::to_integer<unsigned>(bytes[i]) |
                                             std::to_integer<unsigned>(bytes[i + 1]) << 8));
    }
    return text;
}

std::vector<Section> ParseLanguageText(std::span<const std::byte> bytes) {
    const std::u16string text = DecodeLanguageText(bytes);
    std::vector<Section> sections;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) {
            end = text.size();
        }
        const std::u16string_view line(text.data() + start, end - start);
        start = end + 2;
        if (line.starts_with(u'[') && line.ends_with(u']')) {
            sections.push_back({std::u16string(line.substr(1, line.size() - 2)), {}});
        } else if (const size_t equals = line.find(u'=');
                   equals != line.npos && !sections.empty()) {
            sections.back().entries.push_back(
                {std::u16string(line.substr(0, equals)), std::u16string(line.substr(equals + 1))});
        }
    }
    return sections;
}

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded) {
        c = text::FoldCase(c);
    }
    return folded;
}

std::optional<std::u16string> Lookup(const std::vector<Section>& sections,
                                     std::u16string_view section, std::u16string_view key) {
    for (const Section& s : sections) {
        if (text::EqualsNoCase(s.name, section)) {
            for (const Entry& entry : s.entries) {
                if (text::EqualsNoCase(entry.key, key)) {
                    return entry.value;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace orca::resources::testing
