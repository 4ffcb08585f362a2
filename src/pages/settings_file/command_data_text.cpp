// SPDX-License-Identifier: Apache-2.0
#include "pages/settings_file/command_data_text.h"

#include "pages/settings_file/import_tables.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

constexpr char16_t kDigits[] = u"0123456789ABCDEF";

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

bool Plain(std::string_view bytes, const std::u16string& text, unsigned codePage) {
    return bytes.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos &&
           !text.starts_with(import::kHexPrefix) && text::Utf16ToAnsi(text, codePage) == bytes;
}

}  // namespace

std::u16string CommandDataText(std::string_view bytes, unsigned codePage) {
    std::u16string text = text::AnsiToUtf16(bytes, codePage);
    if (Plain(bytes, text, codePage))
        return text;
    text = import::kHexPrefix;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text += kDigits[value >> 4];
        text += kDigits[value & 0xF];
    }
    return text;
}

std::optional<std::string> CommandDataBytes(std::u16string_view text, unsigned codePage,
                                            size_t maxBytes) {
    if (!text.starts_with(import::kHexPrefix)) {
        std::string bytes = text::Utf16ToAnsi(text, codePage);
        if (bytes.size() > maxBytes)
            return std::nullopt;
        return bytes;
    }
    text.remove_prefix(import::kHexPrefix.size());
    if (text.size() % 2 != 0 || text.size() / 2 > maxBytes)
        return std::nullopt;
    std::string bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const int high = HexDigit(text[i]);
        const int low = HexDigit(text[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(high << 4 | low));
    }
    return bytes;
}

size_t CommandDataChars(size_t fieldBytes) {
    // A longer plain value is cut in the read and then refused as too long.
    return import::kHexPrefix.size() + 2 * fieldBytes + 2;
}

}  // namespace orca::pages
