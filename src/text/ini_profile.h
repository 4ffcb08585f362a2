// SPDX-License-Identifier: Apache-2.0
// The sections and keys of a loaded INI document, indexed by folded name.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "text/ini_document.h"

namespace orca::text::ini::detail {

// Folded names to their index; looked up with a view, without a string of its own.
struct NameHash {
    using is_transparent = void;
    size_t operator()(std::u16string_view name) const {
        return std::hash<std::u16string_view>{}(name);
    }
};
using NameIndex = std::unordered_map<std::u16string, size_t, NameHash, std::equal_to<>>;

struct Entry {
    std::u16string key;    // as spelled in the file
    std::u16string value;  // blanks and one pair of surrounding quotes removed
    size_t line;
};

struct Section {
    std::u16string name;
    size_t header;  // line of "[name]"
    size_t last;    // last non-blank line of the section (the header when it is empty)
    std::vector<Entry> entries;
    NameIndex firstEntry;  // folded key -> entry
};

class Profile {
public:
    explicit Profile(const Document& document);

    // First section or entry of that name (surrounding spaces ignored), or nullptr.
    const Section* FindSection(std::u16string_view name) const;
    const Entry* FindEntry(std::u16string_view section, std::u16string_view key) const;

private:
    std::vector<Section> sections_;
    NameIndex firstSection_;  // folded name -> section
};

// ReadString's answer from a parse (ini.h): the entry's value or def, cut to
// bufferSize - 1 units. In memory, so a parse can serve many reads.
std::u16string ReadValue(const Profile& profile, std::u16string_view section,
                         std::u16string_view key, std::u16string_view def, size_t bufferSize);

// Blanks around names and values in the file: space, tab, vertical tab.
std::u16string_view TrimBlanks(std::u16string_view text);
// Names passed by a caller lose surrounding spaces only, and end at a NUL.
std::u16string_view CallerName(std::u16string_view name);
// Text up to its first NUL.
std::u16string_view UpToNul(std::u16string_view text);
// A name with its letters folded, as the indexes hold it.
std::u16string Folded(std::u16string_view name);
// Text without one matching pair of surrounding ' or ".
std::u16string_view StripQuotes(std::u16string_view text);

}  // namespace orca::text::ini::detail
