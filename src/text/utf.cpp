#include "text/utf.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <string>
#include <type_traits>

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

// Code pages the iconv charset names differ from "CP<n>" for.
struct CodePageName {
    unsigned codePage;
    const char* charset;
};
constexpr std::array<CodePageName, 2> kCodePageNames{{
    {kCodePageGbk, "CP936"},
    {65001, "UTF-8"},
}};

// Bytes the platform maps one-to-one to a C1 control although iconv's table
// leaves them undefined.
struct ExtraMapping {
    unsigned codePage;
    unsigned char byte;
    char16_t unit;
};
constexpr std::array<ExtraMapping, 5> kExtraMappings{{
    {kCodePageWestern, 0x81, 0x0081},
    {kCodePageWestern, 0x8D, 0x008D},
    {kCodePageWestern, 0x8F, 0x008F},
    {kCodePageWestern, 0x90, 0x0090},
    {kCodePageWestern, 0x9D, 0x009D},
}};

std::string CharsetOf(unsigned codePage) {
    for (const CodePageName& entry : kCodePageNames)
        if (entry.codePage == codePage)
            return entry.charset;
    return "CP" + std::to_string(codePage);
}

// One iconv descriptor per thread, direction and code page; a code page iconv
// does not know falls back to Windows-1252.
class Converters {
public:
    ~Converters() {
        for (auto& [key, cd] : open_)
            iconv_close(cd);
    }

    iconv_t Get(unsigned codePage, bool toUtf16) {
        auto key = std::make_pair(codePage, toUtf16);
        auto found = open_.find(key);
        if (found != open_.end())
            return found->second;
        iconv_t cd = Open(CharsetOf(codePage), toUtf16);
        if (cd == reinterpret_cast<iconv_t>(-1))
            cd = Open(CharsetOf(kCodePageWestern), toUtf16);
        open_.emplace(key, cd);
        return cd;
    }

private:
    static iconv_t Open(const std::string& charset, bool toUtf16) {
        return toUtf16 ? iconv_open("UTF-16LE", charset.c_str())
                       : iconv_open(charset.c_str(), "UTF-16LE");
    }

    std::map<std::pair<unsigned, bool>, iconv_t> open_;
};

iconv_t ConverterFor(unsigned codePage, bool toUtf16) {
    thread_local Converters converters;
    return converters.Get(codePage, toUtf16);
}

// What to put out for input iconv refused at `at`, and how many input bytes it covers.
struct Substitute {
    std::string bytes;
    size_t consumed;
};

// Runs iconv over the whole input; every refusal is replaced by onRefusal's
// bytes, so the conversion always finishes.
template <typename OnRefusal>
std::string RunIconv(iconv_t cd, std::string_view input, size_t outGuess, OnRefusal onRefusal) {
    std::string out(outGuess + 16, '\0');
    size_t used = 0;
    size_t at = 0;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    while (at < input.size()) {
        char* in = const_cast<char*>(input.data() + at);
        size_t inLeft = input.size() - at;
        char* dst = out.data() + used;
        size_t outLeft = out.size() - used;
        size_t result = iconv(cd, &in, &inLeft, &dst, &outLeft);
        int error = errno;
        at = input.size() - inLeft;
        used = out.size() - outLeft;
        if (result != static_cast<size_t>(-1))
            break;
        if (error == E2BIG) {
            out.resize(out.size() * 2);
            continue;
        }
        Substitute substitute = onRefusal(at);
        if (out.size() - used < substitute.bytes.size())
            out.resize(out.size() * 2 + substitute.bytes.size());
        out.replace(used, substitute.bytes.size(), substitute.bytes);
        used += substitute.bytes.size();
        at += substitute.consumed;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
}

}  // namespace

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

std::u16string ConvertToUtf16(std::string_view bytes, unsigned codePage) {
    std::string wide = RunIconv(ConverterFor(codePage, true), bytes, bytes.size() * 2,
                                [&](size_t at) -> Substitute {
                                    auto b = static_cast<unsigned char>(bytes[at]);
                                    for (const ExtraMapping& m : kExtraMappings)
                                        if (m.codePage == codePage && m.byte == b)
                                            return {Utf16ToUtf16Le({&m.unit, 1}), 1};
                                    return {Utf16ToUtf16Le(u"?"), 1};
                                });
    return Utf16LeToUtf16(wide);
}

std::string ConvertFromUtf16(std::u16string_view text, unsigned codePage) {
    std::string wide = Utf16ToUtf16Le(text);
    return RunIconv(
        ConverterFor(codePage, false), wide, text.size() * 2, [&](size_t at) -> Substitute {
            size_t index = at / 2;
            char16_t unit = text[index];
            for (const ExtraMapping& m : kExtraMappings)
                if (m.codePage == codePage && m.unit == unit)
                    return {std::string(1, static_cast<char>(m.byte)), 2};
            bool pair =
                IsHighSurrogate(unit) && index + 1 < text.size() && IsLowSurrogate(text[index + 1]);
            return {"?", pair ? 4u : 2u};
        });
}

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
            return ConvertToUtf16(run, codePage);
        });
    return ConvertToUtf16(bytes, codePage);
}

std::string Utf16ToAnsi(std::u16string_view text, unsigned codePage) {
    if (AsciiCompatible(codePage))
        return ByAsciiRuns<char>(text, codePage, [codePage](std::u16string_view run) {
            return ConvertFromUtf16(run, codePage);
        });
    return ConvertFromUtf16(text, codePage);
}

}  // namespace orca::text
