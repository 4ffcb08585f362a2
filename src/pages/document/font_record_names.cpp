#include "pages/document/font_record_names.h"

#include <algorithm>
#include <array>

#include "text/nocase.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

constexpr int kMaxRecords = 32;
constexpr size_t kNameUnits = kFontNameBytes / 2 - 1;

struct FontKind {
    uint32_t countField;
    uint32_t nameField;
};
constexpr FontKind kBarcodeFonts{2068, 44002};
constexpr FontKind kCommandFonts{2069, 44003};

// Printer fonts a command font may not be named after, whatever the printer's
// language; every five-character name starting with "font" is one too.
constexpr std::array<std::u16string_view, 4> kPrinterFonts{u"FontCG Triumvirate BC", u"FontGS",
                                                           u"FontOCRA", u"FontOCRB"};

bool IsPrinterFont(std::u16string_view name) {
    if (name.size() == 5 && text::EqualsNoCase(name.substr(0, 4), u"font")) {
        return true;
    }
    return std::ranges::any_of(
        kPrinterFonts, [name](std::u16string_view font) { return text::EqualsNoCase(name, font); });
}

bool InUse(PageContext& context, const FontKind& kind, std::u16string_view name) {
    const int count = FontCount(context, kind.countField);
    for (int i = 0; i < count; ++i) {
        if (text::EqualsNoCase(ReadFontName(context, kind.nameField, i), name)) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::u16string ReadFontName(PageContext& context, uint32_t nameField, int index) {
    std::string bytes(kFontNameBytes, '\0');
    if (context.AccessBytes(nameField, bytes.data(), kFontNameBytes, index, true) != 0) {
        return {};
    }
    std::u16string name = text::Utf16LeToUtf16(bytes);
    return name.substr(0, name.find(u'\0'));
}

void StoreFontName(PageContext& context, uint32_t nameField, int index, std::u16string_view name) {
    std::string bytes = text::Utf16ToUtf16Le(name.substr(0, kNameUnits));
    bytes.resize(kFontNameBytes, '\0');
    context.AccessBytes(nameField, bytes.data(), kFontNameBytes, index, false);
}

int FontCount(PageContext& context, uint32_t countField) {
    uint8_t count = 0;
    if (context.AccessValue(countField, &count, 0, true) != 0) {
        return 0;
    }
    return std::min<int>(count, kMaxRecords);
}

bool IsFreeCommandFontName(PageContext& context, std::u16string_view name) {
    return !IsPrinterFont(name) && !InUse(context, kBarcodeFonts, name) &&
           !InUse(context, kCommandFonts, name);
}

}  // namespace orca::pages
