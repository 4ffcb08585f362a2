// Font names as the font records keep them, and the rule a command font's
// new name must pass.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "pages/page_context.h"

namespace orca::pages {

// A record's name: 80 bytes of UTF-16, up to the first zero.
inline constexpr uint32_t kFontNameBytes = 80;

// The name field of record index, empty when it cannot be read.
std::u16string ReadFontName(PageContext& context, uint32_t nameField, int index);
// Stores the name's first 39 units, zero-filled.
void StoreFontName(PageContext& context, uint32_t nameField, int index, std::u16string_view name);
// The number of records in use, held to 0 .. 32.
int FontCount(PageContext& context, uint32_t countField);

// Whether name may become a command font's new name: no barcode font and no
// command font in use has it, letter case aside, and no font of the printers
// of either language does.
bool IsFreeCommandFontName(PageContext& context, std::u16string_view name);

}  // namespace orca::pages
