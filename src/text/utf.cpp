// SPDX-License-Identifier: Apache-2.0
#include "text/utf.h"

#include <algorithm>
#include <array>
#include <string>
#include <type_traits>

#include "text/code_page.h"

namespace orca::text {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char32_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Length of a UTF-8 sequence by its lead byte and the allowed range of its
// second byte (which rules out overlong forms, surrogates and values past U+10FFFF).
struct Utf8Lead {
    unsigned char first, last;
    int length;
    unsigned char secondMin, secondMax;
};
constexpr std::array<Utf8Lead, 8> kUtf8Leads{{
    {0xC2, 0xDF, 2, 0x80, 0xBF},
    {0xE0, 0xE0, 3, 0xA0, 0xBF},
    {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F},
    {0xEE, 0xEF, 3, 0x80, 0xBF},
    {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF},
    {0xF4, 0xF4, 4, 0x80, 0x8F},
}};

const Utf8Lead* FindLead(unsigned char b) {
    for (const Utf8Lead& lead : kUtf8Leads)
        if (b >= lead.first && b <= lead.last)
            return &lead;
    return nullptr;
}

void AppendCodePoint(std::u16string& out, char32_t c) {
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

}  // namespace

std::u16string DecimalText(int64_t value) {
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

std::u16string NumberedName(std::u16string_view base, int64_t number) {
    return std::u16string(base) + DecimalText(number);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        if (b < 0x80) {
            out.push_back(b);
            ++i;
            continue;
        }
        const Utf8Lead* lead = FindLead(b);
        if (!lead) {
            out.push_back(kReplacement);
            ++i;
            continue;
        }
        // A broken sequence is replaced as one unit up to the first byte that
        // cannot continue it; that byte starts over.
        char32_t c = b & (0x7F >> lead->length);
        size_t n = 1;
        bool complete = true;
        for (; n < static_cast<size_t>(lead->length); ++n) {
            if (i + n >= utf8.size()) {
                complete = false;
                break;
            }
            auto next = static_cast<unsigned char>(utf8[i + n]);
            unsigned char min = n == 1 ? lead->secondMin : 0x80;
            unsigned char max = n == 1 ? lead->secondMax : 0xBF;
            if (next < min || next > max) {
                complete = false;
                break;
            }
            c = (c << 6) | (next & 0x3F);
        }
        if (complete)
            AppendCodePoint(out, c);
        else
            out.push_back(kReplacement);
        i += n;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size());
    for (size_t i = 0; i < utf16.size(); ++i) {
        char32_t c = utf16[i];
        if (IsHighSurrogate(c) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            c = kReplacement;
        }
        if (c < 0x80) {
            out.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (c >> 6)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (c >> 12)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (c >> 18)));
            out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return out;
}

std::u16string Utf16LeToUtf16(std::string_view bytes) {
    std::u16string units(bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                         static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    return units;
}

std::string Utf16ToUtf16Le(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    return bytes;
}

namespace {

// Both code pages hold ASCII as ASCII, so only the runs of other characters
// need a converter.
bool AsciiCompatible(unsigned codePage) {
    return codePage == kCodePageWestern || codePage == kCodePageGbk;
}

bool IsAscii(uint32_t unit) {
    return unit < 0x80;
}

// The end of the run of characters outside ASCII that starts at `at`. In GBK
// a lead byte (0x81 and up) takes the next byte with it, even one that reads
// as ASCII.
size_t OtherRunEnd(std::string_view bytes, size_t at, unsigned codePage) {
    while (at < bytes.size() && !IsAscii(static_cast<unsigned char>(bytes[at]))) {
        const bool lead = codePage == kCodePageGbk && static_cast<unsigned char>(bytes[at]) > 0x80;
        at = std::min(bytes.size(), at + (lead ? 2 : 1));
    }
    return at;
}

size_t OtherRunEnd(std::u16string_view text, size_t at, unsigned) {
    while (at < text.size() && !IsAscii(text[at]))
        ++at;
    return at;
}

// Copies ASCII as it is and converts only the runs of other characters.
template <typename Out, typename In, typename Convert>
std::basic_string<Out> ByAsciiRuns(std::basic_string_view<In> text, unsigned codePage,
                                   Convert convert) {
    std::basic_string<Out> out;
    out.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        size_t end = at;
        while (end < text.size() && IsAscii(static_cast<std::make_unsigned_t<In>>(text[end])))
            ++end;
        out.append(text.begin() + at, text.begin() + end);
        at = OtherRunEnd(text, end, codePage);
        if (at > end)
            out += convert(text.substr(end, at - end));
    }
    return out;
}

}  // namespace

std::u16string AnsiToUtf16(std::string_view bytes, unsigned codePage) {
    if (AsciiCompatible(codePage))
        return ByAsciiRuns<char16_t>(bytes, codePage, [codePage](std::string_view run) {
            return detail::ConvertToUtf16(run, codePage);
        });
    return detail::ConvertToUtf16(bytes, codePage);
}

std::string Utf16ToAnsi(std::u16string_view text, unsigned codePage) {
    if (AsciiCompatible(codePage))
        return ByAsciiRuns<char>(text, codePage, [codePage](std::u16string_view run) {
            return detail::ConvertFromUtf16(run, codePage);
        });
    return detail::ConvertFromUtf16(text, codePage);
}

}  // namespace orca::text
