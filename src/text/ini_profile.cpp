// SPDX-License-Identifier: Apache-2.0
#include "text/ini_profile.h"

#include <algorithm>
#include <array>

#include "text/nocase.h"

namespace orca::text::ini::detail {
namespace {

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\v';
}

enum class LineKind { kBlank, kSection, kEntry, kOther };

struct ClassifiedLine {
    LineKind kind;
    std::u16string_view name;
    std::u16string_view value;
};

ClassifiedLine Classify(std::u16string_view text) {
    std::u16string_view trimmed = TrimBlanks(text);
    if (trimmed.empty())
        return {LineKind::kBlank, {}, {}};
    if (trimmed.front() == u'[') {
        std::u16string_view name = trimmed.substr(1);
        return {LineKind::kSection, TrimBlanks(name.substr(0, name.find(u']'))), {}};
    }
    size_t equals = trimmed.find(u'=');
    if (trimmed.front() == u';' || equals == std::u16string_view::npos)
        return {LineKind::kOther, {}, {}};
    return {LineKind::kEntry, TrimBlanks(trimmed.substr(0, equals)),
            StripQuotes(TrimBlanks(trimmed.substr(equals + 1)))};
}

}  // namespace

std::u16string Folded(std::u16string_view name) {
    std::u16string folded(name);
    for (char16_t& c : folded)
        c = FoldCase(c);
    return folded;
}

std::u16string_view TrimBlanks(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::u16string_view UpToNul(std::u16string_view text) {
    return text.substr(0, text.find(u'\0'));
}

std::u16string_view CallerName(std::u16string_view name) {
    name = UpToNul(name);
    while (!name.empty() && name.front() == u' ')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == u' ')
        name.remove_suffix(1);
    return name;
}

std::u16string_view StripQuotes(std::u16string_view text) {
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front())
        return text.substr(1, text.size() - 2);
    return text;
}

Profile::Profile(const Document& document) {
    Section* current = nullptr;
    for (size_t i = 0; i < document.lines.size(); ++i) {
        ClassifiedLine line = Classify(document.lines[i].text);
        if (line.kind == LineKind::kSection) {
            sections_.push_back({std::u16string(line.name), i, i, {}, {}});
            current = &sections_.back();
            firstSection_.emplace(Folded(line.name), sections_.size() - 1);
            continue;
        }
        if (!current || line.kind == LineKind::kBlank)
            continue;
        current->last = i;
        if (line.kind == LineKind::kEntry) {
            current->entries.push_back({std::u16string(line.name), std::u16string(line.value), i});
            current->firstEntry.emplace(Folded(line.name), current->entries.size() - 1);
        }
    }
}

namespace {

// A caller's name folded for a lookup, kept on the stack when it is short.
class FoldedName {
public:
    explicit FoldedName(std::u16string_view name) {
        name = CallerName(name);
        if (name.size() <= buffer_.size()) {
            std::transform(name.begin(), name.end(), buffer_.begin(), FoldCase);
            view_ = {buffer_.data(), name.size()};
        } else {
            long_ = Folded(name);
            view_ = long_;
        }
    }
    FoldedName(const FoldedName&) = delete;
    FoldedName& operator=(const FoldedName&) = delete;

    std::u16string_view View() const { return view_; }

private:
    std::array<char16_t, 64> buffer_;
    std::u16string long_;
    std::u16string_view view_;
};

}  // namespace

const Section* Profile::FindSection(std::u16string_view name) const {
    auto found = firstSection_.find(FoldedName(name).View());
    return found == firstSection_.end() ? nullptr : &sections_[found->second];
}

const Entry* Profile::FindEntry(std::u16string_view section, std::u16string_view key) const {
    const Section* found = FindSection(section);
    if (!found)
        return nullptr;
    auto entry = found->firstEntry.find(FoldedName(key).View());
    return entry == found->firstEntry.end() ? nullptr : &found->entries[entry->second];
}

std::u16string ReadValue(const Profile& profile, std::u16string_view section,
                         std::u16string_view key, std::u16string_view def, size_t bufferSize) {
    const Entry* entry = profile.FindEntry(section, key);
    std::u16string_view text = entry != nullptr ? UpToNul(entry->value) : UpToNul(def);
    if (entry == nullptr) {
        while (!text.empty() && text.back() == u' ')
            text.remove_suffix(1);
    }
    return bufferSize == 0 ? std::u16string() : std::u16string(text.substr(0, bufferSize - 1));
}

}  // namespace orca::text::ini::detail
