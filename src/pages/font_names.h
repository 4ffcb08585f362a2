// SPDX-License-Identifier: Apache-2.0
// The rules a new font name must pass, shared by the barcode-font and the
// command-font dialogs: a name may not be empty, may not repeat the name of
// any barcode or command font in use (letter case aside), and may not take a
// name the printer keeps for its own fonts.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "pages/page_context.h"

namespace orca::pages {

// Names the printer keeps for its own fonts, compared without regard to case.
// Every name of five characters starting with "font" is kept too.
inline constexpr std::u16string_view kReservedFontNamesOrca[] = {
    u"FontCG Triumvirate BC", u"FontGS", u"FontOCRA", u"FontOCRB"};
inline constexpr std::u16string_view kReservedFontNamesOnyx[] = {
    u"FontRoman-8", u"FontECMA-94", u"FontPC",    u"FontPC-A",
    u"FontPC-B",    u"FontLegal",   u"FontPC437", u"FontRussian"};

// The reserved names of a command language (btCommandSet: 2 ONYX, else ORCA).
std::span<const std::u16string_view> ReservedFontNames(uint8_t commandSet);

bool IsReservedFontName(std::u16string_view name, std::span<const std::u16string_view> reserved);

// Whether a barcode-font or command-font record in use carries that name,
// letter case aside.
bool IsFontNameInUse(PageContext& context, std::u16string_view name);

enum class FontNameVerdict { kAccepted, kEmpty, kInUse };

// A name the user confirmed: an unchanged name (compared exactly) passes as
// it is; a changed one must be free and not reserved.
FontNameVerdict CheckFontName(PageContext& context, std::u16string_view name,
                              std::u16string_view initialName,
                              std::span<const std::u16string_view> reserved);

// A font record's name (80 bytes of UTF-16, zero-terminated); false when it
// cannot be read.
bool ReadFontName(PageContext& context, uint32_t nameField, int index, std::u16string& name);
// Writes the name zero-filled to 80 bytes, cut to 39 units; true when the
// record took it.
[[nodiscard]] bool WriteFontName(PageContext& context, uint32_t nameField, int index,
                                 std::u16string_view name);

}  // namespace orca::pages
