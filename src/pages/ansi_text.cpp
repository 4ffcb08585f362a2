// SPDX-License-Identifier: Apache-2.0
#include "pages/ansi_text.h"

#include "platform/platform.h"
#include "platform/system.h"
#include "text/utf.h"

namespace orca::pages {

unsigned SystemCodePage() {
    return platform::Current().system->AnsiCodePage();
}

std::string ToAnsiWithin(std::u16string_view text, unsigned codePage, size_t maxBytes) {
    std::string ansi = text::Utf16ToAnsi(text, codePage);
    if (ansi.size() <= maxBytes) {
        return ansi;
    }
    ansi.clear();
    for (size_t i = 0; i < text.size();) {
        const bool pair = text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size();
        const size_t units = pair ? 2 : 1;
        const std::string piece = text::Utf16ToAnsi(text.substr(i, units), codePage);
        if (ansi.size() + piece.size() > maxBytes) {
            break;
        }
        ansi += piece;
        i += units;
    }
    return ansi;
}

std::string_view FieldText(std::string_view field) {
    return field.substr(0, field.find('\0'));
}

}  // namespace orca::pages
