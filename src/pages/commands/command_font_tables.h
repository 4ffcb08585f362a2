// SPDX-License-Identifier: Apache-2.0
// The Command Fonts page and the Command Font dialog: their controls and the
// fields of a command-font record.
#pragma once

#include <cstdint>

#include "pages/commands/command_editor.h"
#include "resources/control_ids.h"

namespace orca::pages::cmdfont {

// The list page.
inline constexpr int kSeparators[] = {control::kFontsListSeparator,
                                      control::kFontsDescriptionSeparator,
                                      control::kFontsBottomSeparator};

// The dialog.
inline constexpr CommandControls kStartControls{control::kCommandFontStartList,
                                                control::kCommandFontStartEdit,
                                                control::kCommandFontStartButton};
inline constexpr CommandControls kEndControls{
    control::kCommandFontEndList, control::kCommandFontEndEdit, control::kCommandFontEndButton};
inline constexpr int kUntranslatedButtons[] = {control::kCommandFontStartButton,
                                               control::kCommandFontEndButton};

inline constexpr int kNameTypedChars = 37;
inline constexpr int kCommandChars = 261;

// The count of fonts in use and the fields of record i.
inline constexpr CommandFields kStartFields{2044, 33010, 45008};
inline constexpr CommandFields kEndFields{2045, 33011, 45009};
inline constexpr uint32_t kDataBytes = 524;

// Position list items by value.
inline constexpr std::u16string_view kPositionNames[] = {u"Element Position", u"Before End Page",
                                                         u"After End Page"};

}  // namespace orca::pages::cmdfont
