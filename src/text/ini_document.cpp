// SPDX-License-Identifier: Apache-2.0
#include "text/ini_document.h"

#include "text/utf.h"

namespace orca::text::ini::detail {
namespace {

constexpr std::string_view kUtf16Bom = "\xFF\xFE";

// Splits units (bytes or UTF-16 units) at CR LF, LF or CR. Offsets are in units.
template <typename Unit>
void SplitLines(std::basic_string_view<Unit> units, std::vector<Line>& lines) {
    size_t at = 0;
    while (at < units.size()) {
        size_t end = at;
        while (end < units.size() && units[end] != Unit('\r') && units[end] != Unit('\n'))
            ++end;
        size_t next = end;
        if (next < units.size() && units[next] == Unit('\r'))
            ++next;
        if (next < units.size() && units[next] == Unit('\n'))
            ++next;
        lines.push_back({at, end, next, {}});
        at = next;
    }
}

}  // namespace

Document LoadDocument(std::string bytes, unsigned codePage) {
    Document document;
    document.codePage = codePage;
    if (bytes.starts_with(kUtf16Bom)) {
        document.encoding = Encoding::kUtf16;
        bytes.resize(bytes.size() & ~size_t{1});
        std::u16string units = Utf16LeToUtf16(std::string_view(bytes).substr(kUtf16Bom.size()));
        SplitLines<char16_t>(units, document.lines);
        for (Line& line : document.lines) {
            line.text = units.substr(line.begin, line.end - line.begin);
            line.begin = kUtf16Bom.size() + 2 * line.begin;
            line.end = kUtf16Bom.size() + 2 * line.end;
            line.next = kUtf16Bom.size() + 2 * line.next;
        }
    } else {
        SplitLines<char>(bytes, document.lines);
        for (Line& line : document.lines)
            line.text = AnsiToUtf16(
                std::string_view(bytes).substr(line.begin, line.end - line.begin), codePage);
    }
    document.bytes = std::move(bytes);
    return document;
}

std::string EncodeText(const Document& document, std::u16string_view text) {
    return document.encoding == Encoding::kAnsi ? Utf16ToAnsi(text, document.codePage)
                                                : Utf16ToUtf16Le(text);
}

}  // namespace orca::text::ini::detail
