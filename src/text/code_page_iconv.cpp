// SPDX-License-Identifier: Apache-2.0
// ANSI code-page conversions through iconv, on systems without the platform's
// own converter.
#include <iconv.h>

#include <array>
#include <cerrno>
#include <map>
#include <string>

#include "text/code_page.h"
#include "text/utf.h"

namespace orca::text {
namespace {

bool IsSurrogatePair(std::u16string_view text, size_t index) {
    return index + 1 < text.size() && (text[index] & 0xFC00) == 0xD800 &&
           (text[index + 1] & 0xFC00) == 0xDC00;
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

// Bytes the platform maps one-to-one to a character (a C1 control, a private
// one) although iconv's table leaves them undefined.
struct ExtraMapping {
    unsigned codePage;
    unsigned char byte;
    char16_t unit;
};
constexpr std::array<ExtraMapping, 6> kExtraMappings{{
    {kCodePageWestern, 0x81, 0x0081},
    {kCodePageWestern, 0x8D, 0x008D},
    {kCodePageWestern, 0x8F, 0x008F},
    {kCodePageWestern, 0x90, 0x0090},
    {kCodePageWestern, 0x9D, 0x009D},
    {kCodePageGbk, 0xFF, 0xF8F5},
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

namespace detail {

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
    return RunIconv(ConverterFor(codePage, false), wide, text.size() * 2,
                    [&](size_t at) -> Substitute {
                        size_t index = at / 2;
                        char16_t unit = text[index];
                        for (const ExtraMapping& m : kExtraMappings)
                            if (m.codePage == codePage && m.unit == unit)
                                return {std::string(1, static_cast<char>(m.byte)), 2};
                        bool pair = IsSurrogatePair(text, index);
                        return {"?", pair ? 4u : 2u};
                    });
}

}  // namespace detail
}  // namespace orca::text
