// SPDX-License-Identifier: Apache-2.0
// The Command Fonts page and the Command Font dialog: their controls and the
// fields of a command-font record.
#pragma once

#include <cstdint>

#include "pages/commands/command_editor.h"

namespace orca::pages::cmdfont {

// The list page.
inline constexpr int kFontList = 1265;
inline constexpr int kNewButton = 1270;
inline constexpr int kChangeButton = 1271;
inline constexpr int kDeleteButton = 1272;
inline constexpr int kSeparators[] = {1154, 1155, 1157};

// The dialog.
inline constexpr int kNameEdit = 1275;
inline constexpr int kPositionList = 1289;
inline constexpr int kOkButton = 1314;
inline constexpr int kCancelButton = 1313;
inline constexpr CommandControls kStartControls{1277, 1278, 1279};
inline constexpr CommandControls kEndControls{1281, 1282, 1283};
inline constexpr int kUntranslatedButtons[] = {1279, 1283};

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
