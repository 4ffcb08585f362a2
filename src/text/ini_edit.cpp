// SPDX-License-Identifier: Apache-2.0
#include "text/ini_edit.h"

#include <algorithm>
#include <deque>
#include <memory_resource>
#include <optional>
#include <unordered_map>
#include <vector>

#include "text/ini_profile.h"
#include "text/nocase.h"

namespace orca::text::ini::detail {
namespace {

constexpr char16_t kLineEnd[] = u"\r\n";

bool HasLineBreak(std::u16string_view text) {
    return std::ranges::any_of(text, [](char16_t c) { return c == u'\r' || c == u'\n'; });
}

// Appends the value as the file holds it. Blanks at either end would be lost
// on reading, as would a pair of quotes around the value; one more pair of
// double quotes keeps them.
void AppendStored(std::u16string& text, std::u16string_view value) {
    const bool quoted =
        TrimBlanks(value).size() != value.size() || StripQuotes(value).size() != value.size();
    if (quoted)
        text += u'"';
    text += value;
    if (quoted)
        text += u'"';
}

std::u16string StoredValue(std::u16string_view value) {
    std::u16string stored;
    AppendStored(stored, value);
    return stored;
}

std::string Spliced(const Document& document, size_t begin, size_t end, std::u16string_view text) {
    std::string bytes = document.bytes.substr(0, begin);
    bytes += EncodeText(document, text);
    bytes.append(document.bytes, end);
    return bytes;
}

}  // namespace

bool AcceptsWrite(std::u16string_view section, std::u16string_view key, std::u16string_view value) {
    if (HasLineBreak(section) || HasLineBreak(key) || HasLineBreak(value))
        return false;
    if (TrimBlanks(section).size() != section.size() || TrimBlanks(key).size() != key.size())
        return false;
    if (section.find(u']') != std::u16string_view::npos)
        return false;
    return !key.empty() && key.find(u'=') == std::u16string_view::npos && key.front() != u';' &&
           key.front() != u'[';
}

std::string ApplyWrite(const Document& document, std::u16string_view section,
                       std::u16string_view key, std::u16string_view value) {
    Profile profile(document);
    std::u16string stored = StoredValue(value);

    if (const Entry* entry = profile.FindEntry(section, key)) {
        const Line& line = document.lines[entry->line];
        return Spliced(document, line.begin, line.end, entry->key + u"=" + stored);
    }

    std::u16string keyLine = std::u16string(key) + u"=" + stored;
    if (const Section* found = profile.FindSection(section)) {
        const Line& last = document.lines[found->last];
        if (last.end == last.next)  // the file's last line, without a line end
            return Spliced(document, last.end, last.end, kLineEnd + keyLine + kLineEnd);
        return Spliced(document, last.next, last.next, keyLine + kLineEnd);
    }

    std::u16string text;
    if (!document.lines.empty() && document.lines.back().end == document.lines.back().next)
        text += kLineEnd;
    text += u"[" + std::u16string(section) + u"]" + kLineEnd + keyLine + kLineEnd;
    size_t end = document.bytes.size();
    return Spliced(document, end, end, text);
}

}  // namespace orca::text::ini::detail

namespace orca::text::ini::detail {
namespace {

// A name's hash and equality with its letters folded, as the file's names compare.
struct NoCaseHash {
    size_t operator()(std::u16string_view name) const {
        size_t hash = 14695981039346656037u;
        for (char16_t c : name)
            hash = (hash ^ FoldCase(c)) * 1099511628211u;
        return hash;
    }
};
struct NoCaseEqual {
    bool operator()(std::u16string_view a, std::u16string_view b) const {
        return EqualsNoCase(a, b);
    }
};

// Keys added to one section in order, each once by its folded name; a key
// written again keeps the spelling of its first write, as a key of the file
// does. Keys and values are the writes' own texts; the bookkeeping lives in
// the edit's arena.
struct AddedKeys {
    explicit AddedKeys(std::pmr::memory_resource* arena) : lines(arena), byKey(arena) {}

    std::pmr::vector<std::pair<std::u16string_view, std::u16string_view>> lines;  // key, value
    std::pmr::unordered_map<std::u16string_view, size_t, NoCaseHash, NoCaseEqual> byKey;

    void Set(std::u16string_view key, std::u16string_view value) {
        auto [at, added] = byKey.emplace(key, lines.size());
        if (added)
            lines.emplace_back(key, value);
        else
            lines[at->second].second = value;
    }

    void AppendTo(std::u16string& text) const {
        for (const auto& [key, value] : lines) {
            text += key;
            text += u'=';
            AppendStored(text, value);
            text += kLineEnd;
        }
    }
};

}  // namespace

std::string ApplyWrites(const Document& document, std::span<const Write> writes) {
    Profile profile(document);
    // A write adds a few small records; they all go at once at the end.
    std::pmr::monotonic_buffer_resource arena;
    std::unordered_map<size_t, std::u16string> replaced;  // line -> its new text
    std::unordered_map<size_t, AddedKeys> appended;       // a section's last line -> new keys
    std::deque<std::pair<std::u16string_view, AddedKeys>> newSections;
    std::unordered_map<std::u16string_view, size_t, NoCaseHash, NoCaseEqual> newSectionByName;

    // Writes come in runs of one section: the section is looked up once per run.
    std::optional<std::u16string_view> sectionName;
    const Section* section = nullptr;  // the run's section in the file, if there
    AddedKeys* keys = nullptr;         // where the run's new keys go
    for (const Write& write : writes) {
        if (!sectionName || !EqualsNoCase(*sectionName, write.section)) {
            sectionName = write.section;
            section = profile.FindSection(write.section);
            if (section != nullptr) {
                keys = &appended.try_emplace(section->last, &arena).first->second;
            } else {
                auto [at, added] = newSectionByName.emplace(write.section, newSections.size());
                if (added)
                    newSections.emplace_back(write.section, AddedKeys(&arena));
                keys = &newSections[at->second].second;
            }
        }
        if (section != nullptr) {
            auto entry = section->firstEntry.find(Folded(write.key));
            if (entry != section->firstEntry.end()) {
                const Entry& found = section->entries[entry->second];
                replaced[found.line] = found.key + u"=" + StoredValue(write.value);
                continue;
            }
        }
        keys->Set(write.key, write.value);
    }

    std::string bytes;
    bytes.reserve(document.bytes.size());
    size_t copied = 0;
    bool openEnd = false;  // the last line written has no line end
    for (size_t i = 0; i < document.lines.size(); ++i) {
        const Line& line = document.lines[i];
        bytes.append(document.bytes, copied, line.begin - copied);
        if (auto text = replaced.find(i); text != replaced.end()) {
            bytes += EncodeText(document, text->second);
            bytes.append(document.bytes, line.end, line.next - line.end);
        } else {
            bytes.append(document.bytes, line.begin, line.next - line.begin);
        }
        copied = line.next;
        openEnd = line.end == line.next;
        if (auto keys = appended.find(i); keys != appended.end()) {
            std::u16string text = openEnd ? kLineEnd : u"";
            keys->second.AppendTo(text);
            bytes += EncodeText(document, text);
            openEnd = false;
        }
    }
    bytes.append(document.bytes, copied);

    std::u16string text = openEnd && !newSections.empty() ? kLineEnd : u"";
    for (const auto& [name, keys] : newSections) {
        text += u'[';
        text += name;
        text += u']';
        text += kLineEnd;
        keys.AppendTo(text);
    }
    bytes += EncodeText(document, text);
    return bytes;
}

}  // namespace orca::text::ini::detail
