// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_ini.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <unordered_map>

#include "text/utf.h"

namespace orca::platform::sim {
namespace {

constexpr std::string_view kBlanks = " \t\v\r";

std::string_view Trim(std::string_view s) {
    const size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameName(text.substr(0, prefix.size()), prefix);
}

// A control character other than a tab: no line of a state file holds one.
bool HasControl(std::string_view text) {
    return std::ranges::any_of(text, [](char c) {
        return c != '\t' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7F);
    });
}

// Whether text reads back as itself: not empty, no blanks at either end
// (reading drops them) and no control character (a line break would end
// the line).
bool ReadsBack(std::string_view text) {
    return !text.empty() && Trim(text) == text && !HasControl(text);
}

bool AllDigits(std::string_view s) {
    return !s.empty() && std::ranges::all_of(s, [](char c) { return c >= '0' && c <= '9'; });
}

// Malformed UTF-8 does not come back from the round trip: its bytes turn
// into U+FFFD on the way.
bool IsUtf8(std::string_view text) {
    return text::Utf16ToUtf8(text::Utf8ToUtf16(text)) == text;
}

std::string Folded(std::string_view name) {
    std::string folded(name);
    std::ranges::transform(folded, folded.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return folded;
}

// The lines of the names read so far, by their letters without case: the
// sections of the file, and the keys of the section being read.
struct SeenNames {
    std::unordered_map<std::string, size_t> sections;
    std::unordered_map<std::string, size_t> keys;
};

bool ParseLine(std::string_view text, size_t line, std::vector<StateSection>* sections,
               SeenNames* seen, StateError* error) {
    if (!IsUtf8(text)) {
        return error->At(line, "not UTF-8 text");
    }
    if (text.empty() || text.front() == ';' || text.front() == '#') {
        return true;
    }
    if (HasControl(text)) {
        return error->At(line, "a control character");
    }
    if (text.front() == '[') {
        if (text.back() != ']' || text.size() < 3) {
            return error->At(line, "a section header must be \"[name]\"");
        }
        const std::string name(Trim(text.substr(1, text.size() - 2)));
        const auto [earlier, added] = seen->sections.try_emplace(Folded(name), line);
        if (!added) {
            return error->At(line, "section [" + name + "] repeats the one of line " +
                                       std::to_string(earlier->second));
        }
        seen->keys.clear();
        sections->push_back(StateSection{.name = name, .line = line, .entries = {}});
        return true;
    }
    const size_t equals = text.find('=');
    if (equals == std::string_view::npos || Trim(text.substr(0, equals)).empty()) {
        return error->At(line, "expected \"key=value\", \"[section]\" or a comment");
    }
    if (sections->empty()) {
        return error->At(line, "a key before the first section");
    }
    StateSection& section = sections->back();
    const std::string key(Trim(text.substr(0, equals)));
    const auto [earlier, added] = seen->keys.try_emplace(Folded(key), line);
    if (!added) {
        return error->At(
            line, "key " + key + " repeats the one of line " + std::to_string(earlier->second));
    }
    section.entries.push_back(
        StateEntry{.key = key, .value = std::string(Trim(text.substr(equals + 1))), .line = line});
    return true;
}

}  // namespace

bool StateError::At(size_t line, const std::string& what) {
    if (message_.empty()) {
        message_ = file_ + (line == 0 ? "" : ":" + std::to_string(line)) + ": " + what;
    }
    return false;
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

bool ParseStateText(std::string_view text, std::vector<StateSection>* sections, StateError* error) {
    sections->clear();
    SeenNames seen;
    for (size_t number = 1; !text.empty(); ++number) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (!ParseLine(Trim(line), number, sections, &seen, error)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> FormatStateText(const std::vector<StateSection>& sections,
                                           StateError* error) {
    std::string out;
    for (const StateSection& section : sections) {
        if (!ReadsBack(section.name) || section.name.find(']') != std::string::npos) {
            error->At(0, "the section name \"" + section.name + "\" would not read back");
            return std::nullopt;
        }
        out += (out.empty() ? "[" : "\n[") + section.name + "]\n";
        for (const StateEntry& e : section.entries) {
            if (!ReadsBack(e.key) || e.key.find('=') != std::string::npos || !ReadsBack(e.value) ||
                e.key.front() == ';' || e.key.front() == '#' || e.key.front() == '[') {
                error->At(0, "[" + section.name + "] " + e.key + "=" + e.value +
                                 ": a value must not be empty, hold a control character or "
                                 "start or end with a blank");
                return std::nullopt;
            }
            out += e.key + '=' + e.value + '\n';
        }
    }
    return out;
}

std::optional<uint32_t> ParseNumber(std::string_view text, uint32_t max) {
    int base = 10;
    if (StartsWithNoCase(text, "0x")) {
        text.remove_prefix(2);
        base = 16;
    }
    uint32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value > max) {
        return std::nullopt;
    }
    return value;
}

const StateEntry* SectionReader::Find(std::string_view key) {
    asked_.emplace_back(key);
    for (const StateEntry& e : section_.entries) {
        if (SameName(e.key, key)) {
            return &e;
        }
    }
    return nullptr;
}

size_t SectionReader::LineOf(std::string_view key) const {
    for (const StateEntry& e : section_.entries) {
        if (SameName(e.key, key)) {
            return e.line;
        }
    }
    return section_.line;
}

std::optional<std::u16string> SectionReader::Text(std::string_view key) {
    const StateEntry* e = Find(key);
    if (e == nullptr || e->value.empty()) {
        NeedsValue(e == nullptr ? section_.line : e->line, key);
        return std::nullopt;
    }
    return text::Utf8ToUtf16(e->value);
}

std::optional<uint32_t> SectionReader::Number(std::string_view key, uint32_t def, uint32_t max) {
    const StateEntry* e = Find(key);
    if (e == nullptr) {
        return def;
    }
    const auto value = ParseNumber(e->value, max);
    if (!value) {
        Fail(e->line, std::string(key) + " must be a number from 0 to " + std::to_string(max));
    }
    return value;
}

std::optional<std::vector<int32_t>> SectionReader::Numbers(std::string_view key, size_t count) {
    const StateEntry* e = Find(key);
    if (e == nullptr) {
        Fail(section_.line, "section [" + section_.name + "] needs " + std::string(key));
        return std::nullopt;
    }
    std::vector<int32_t> values;
    const std::string_view all = e->value;
    for (size_t start = 0; start <= all.size();) {
        const size_t comma = std::min(all.find(',', start), all.size());
        const std::string_view item = Trim(all.substr(start, comma - start));
        int32_t v = 0;
        const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), v);
        if (item.empty() || ec != std::errc() || end != item.data() + item.size()) {
            values.clear();
            break;
        }
        values.push_back(v);
        start = comma + 1;
    }
    if (values.size() != count) {
        Fail(e->line, std::string(key) + " must be " + std::to_string(count) +
                          " whole numbers separated by commas");
        return std::nullopt;
    }
    return values;
}

std::vector<const StateEntry*> SectionReader::Numbered(std::string_view prefix) {
    prefixes_.emplace_back(prefix);
    std::vector<const StateEntry*> found;
    for (const StateEntry& e : section_.entries) {
        if (!StartsWithNoCase(e.key, prefix) || !AllDigits(e.key.substr(prefix.size()))) {
            continue;
        }
        // An empty value would not save back: a list item is never empty.
        if (e.value.empty()) {
            NeedsValue(e.line, e.key);
        }
        found.push_back(&e);
    }
    return found;
}

bool SectionReader::CheckNoOtherKeys() {
    for (const StateEntry& e : section_.entries) {
        const bool known =
            std::ranges::any_of(asked_,
                                [&e](const std::string& k) { return SameName(k, e.key); }) ||
            std::ranges::any_of(prefixes_, [&e](const std::string& p) {
                return StartsWithNoCase(e.key, p) && AllDigits(e.key.substr(p.size()));
            });
        if (!known) {
            return Fail(e.line, "unknown key " + e.key + " in section [" + section_.name + "]");
        }
    }
    return true;
}

}  // namespace orca::platform::sim
