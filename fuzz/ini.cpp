// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as an INI file: load, look up, write a key and read it back.
// The first byte picks the code page and the value written; the rest is the file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/ini_document.h"
#include "text/ini_edit.h"
#include "text/ini_profile.h"
#include "text/utf.h"

namespace {

using namespace orca::text::ini::detail;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// A printable ASCII value from the file's first bytes, so that any code page holds it.
std::u16string ValueFrom(const std::string& bytes) {
    std::u16string value;
    for (size_t i = 0; i < bytes.size() && i < 12; ++i)
        value.push_back(static_cast<char16_t>(0x20 + static_cast<unsigned char>(bytes[i]) % 0x5F));
    return value;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    unsigned codePage = data[0] & 1 ? orca::text::kCodePageGbk : orca::text::kCodePageWestern;
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    Document document = LoadDocument(bytes, codePage);
    for (const Line& line : document.lines)
        Check(line.begin <= line.end && line.end <= line.next &&
              line.next <= document.bytes.size());
    Profile profile(document);
    profile.FindEntry(u"PrinterMap", u"Kestrel");
    if (!document.lines.empty()) {
        const std::u16string& first = document.lines.front().text;
        profile.FindEntry(first, first);
        profile.FindSection(first);
    }

    std::u16string value = data[0] & 2 ? ValueFrom(bytes) : u"v";
    for (std::u16string_view section : {u"Fz", u"S"}) {
        Check(AcceptsWrite(section, u"key", value));
        Document written = LoadDocument(ApplyWrite(document, section, u"key", value), codePage);
        Check(written.encoding == document.encoding);
        Profile reread(written);
        const Entry* entry = reread.FindEntry(section, u"key");
        Check(entry && entry->value == value);
    }
    return 0;
}
