#include "text/ini_edit.h"

#include "text/ini_profile.h"

namespace orca::text::ini::detail {
namespace {

constexpr char16_t kLineEnd[] = u"\r\n";

bool HasLineBreak(std::u16string_view text) {
    return text.find_first_of(u"\r\n") != std::u16string_view::npos;
}

// Blanks at either end would be lost on reading, as would a pair of quotes
// around the value; one more pair of double quotes keeps them.
std::u16string StoredValue(std::u16string_view value) {
    if (TrimBlanks(value).size() == value.size() && StripQuotes(value).size() == value.size())
        return std::u16string(value);
    return u"\"" + std::u16string(value) + u"\"";
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
