// SPDX-License-Identifier: Apache-2.0
// The maintenance actions of the Tools page for each printer language: fixed
// commands sent byte for byte without any terminator, a typed command and a
// file. The catalogue a page works on is built from these tables; its typed
// command and chosen path live in their items for as long as the page does.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "commands/command_set_base.h"

namespace orca::commands {

enum class ActionKind : uint32_t {
    kGroupHeader = 0,
    kFixedCommand = 1,
    kTypedCommand = 2,
    kFile = 3,
};

// One action as the tables define it; command holds the exact bytes of a
// fixed command and is empty otherwise.
struct ActionEntry {
    std::u16string_view name;
    ActionKind kind;
    std::string_view command;
};

// A group: item 0 is its header, items 1 onward its actions.
using ActionGroupEntries = std::span<const ActionEntry>;

// A language's catalogue; keyTag is the language's part of the action names'
// language-file keys ("IDC_TOOLS_LIST_COMMANDNAME_ORCA_0").
struct ActionCatalogueEntries {
    int32_t commandLanguage;
    std::u16string_view keyTag;
    std::span<const ActionGroupEntries> groups;
};

inline constexpr std::array<ActionEntry, 8> kOrcaActionGroup{{
    {u"Action", ActionKind::kGroupHeader, ""},
    {u"Calibrate media", ActionKind::kFixedCommand, "~JC"},
    {u"Enter diagnostics mode", ActionKind::kFixedCommand, "~JD"},
    {u"Exit diagnostics mode", ActionKind::kFixedCommand, "~JE"},
    {u"Load factory defaults", ActionKind::kFixedCommand, "^XA^JUF^XZ"},
    {u"Reset printer", ActionKind::kFixedCommand, "~JR"},
    {u"Send command", ActionKind::kTypedCommand, ""},
    {u"Send file", ActionKind::kFile, ""},
}};
inline constexpr std::array<ActionEntry, 4> kOrcaPrintGroup{{
    {u"Print", ActionKind::kGroupHeader, ""},
    {u"Feed one label", ActionKind::kFixedCommand, "~PH"},
    {u"Print configuration label", ActionKind::kFixedCommand, "~WC"},
    {u"Print object list", ActionKind::kFixedCommand, "^XA^WD*:*.*^XZ"},
}};
// STX (written "\002": an octal escape cannot swallow the letter after it)
// opens an ONYX command outside a label format, SOH the immediate ones; CR
// ends each.
inline constexpr std::array<ActionEntry, 8> kOnyxActionGroup{{
    {u"Action", ActionKind::kGroupHeader, ""},
    {u"Calibrate media", ActionKind::kFixedCommand, "\002JC\r"},
    {u"Reset printer", ActionKind::kFixedCommand, "\001#\r"},
    {u"Cutter", ActionKind::kFixedCommand, "\002o\r"},
    {u"Enable Printer Beeper", ActionKind::kFixedCommand, "\002JZ1\r"},
    {u"Disable Printer Beeper", ActionKind::kFixedCommand, "\002JZ0\r"},
    {u"Send command", ActionKind::kTypedCommand, ""},
    {u"Send file", ActionKind::kFile, ""},
}};
inline constexpr std::array<ActionEntry, 3> kOnyxPrintGroup{{
    {u"Print", ActionKind::kGroupHeader, ""},
    {u"Feed one label", ActionKind::kFixedCommand, "\002F\r"},
    {u"Print configuration label", ActionKind::kFixedCommand, "\002Z\r"},
}};

inline constexpr std::array<ActionGroupEntries, 2> kOrcaActionGroups{kOrcaActionGroup,
                                                                     kOrcaPrintGroup};
inline constexpr std::array<ActionGroupEntries, 2> kOnyxActionGroups{kOnyxActionGroup,
                                                                     kOnyxPrintGroup};

inline constexpr std::array<ActionCatalogueEntries, 2> kActionCatalogues{{
    {kCommandLanguageOrca, u"ORCA", kOrcaActionGroups},
    {kCommandLanguageOnyx, u"ONYX", kOnyxActionGroups},
}};

// An action as a page holds it: the command bytes (fixed or typed, zero-
// filled) with the count to send, or a file action's chosen path. The path
// stays in UTF-16 as the file dialog gives it, so a name the ANSI code page
// cannot spell still opens.
inline constexpr size_t kActionCommandSize = 1024;
struct ActionItem {
    std::u16string name;
    std::array<uint8_t, kActionCommandSize> command{};
    int32_t length = 0;
    ActionKind kind = ActionKind::kGroupHeader;
    std::u16string path;

    // The first length bytes (none for a negative length).
    std::span<const uint8_t> Bytes() const;
    // The command up to its first NUL.
    std::string_view Text() const;
    // Replaces the command with text, cut to leave room for the NUL; the
    // length becomes the count of bytes kept.
    void StoreText(std::string_view text);
};
using ActionGroup = std::vector<ActionItem>;

// The catalogue of a command language; a language other than ONYX gets the
// ORCA catalogue.
const ActionCatalogueEntries& ActionCatalogueFor(int32_t commandLanguage);
std::vector<ActionGroup> BuildActionCatalogue(const ActionCatalogueEntries& entries);

}  // namespace orca::commands
