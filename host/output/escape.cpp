// SPDX-License-Identifier: Apache-2.0
#include "host/output/escape.h"

#include <charconv>

namespace orca::host {

std::string EscapeBytes(std::span<const uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(bytes.size());
    for (const uint8_t byte : bytes) {
        if (byte == '\\') {
            out += "\\\\";
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += static_cast<char>(byte);
        } else {
            out += "\\x";
            out += kDigits[byte >> 4];
            out += kDigits[byte & 0xF];
        }
    }
    return out;
}

std::string EscapeBytes(std::string_view text) {
    return EscapeBytes(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

std::optional<std::vector<uint8_t>> UnescapeBytes(std::string_view text) {
    std::vector<uint8_t> bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            bytes.push_back(static_cast<uint8_t>(text[i]));
        } else if (i + 1 < text.size() && text[i + 1] == '\\') {
            bytes.push_back('\\');
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x') {
            uint8_t value = 0;
            const char* digits = text.data() + i + 2;
            const auto [end, ec] = std::from_chars(digits, digits + 2, value, 16);
            if (ec != std::errc() || end != digits + 2)
                return std::nullopt;
            bytes.push_back(value);
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

}  // namespace orca::host
