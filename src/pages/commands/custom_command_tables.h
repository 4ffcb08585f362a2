// SPDX-License-Identifier: Apache-2.0
// The Custom Command page: its controls and the settings fields of the start
// and end commands at each position of a job.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "pages/commands/command_editor.h"

namespace orca::pages::custom {

inline constexpr int kPositionList = 1097;
inline constexpr CommandControls kStartControls{1100, 1102, 1104};
inline constexpr CommandControls kEndControls{1101, 1103, 1105};
inline constexpr int kUntranslated[] = {1114, 1104, 1105};

inline constexpr int kCommandChars = 511;
inline constexpr uint32_t kDataBytes = 1024;

struct Position {
    std::u16string_view name;
    CommandFields start;
    CommandFields end;
};

// By the position list's values.
inline constexpr std::array<Position, 4> kPositions{{
    {u"Document", {2015, 33002, 45000}, {2016, 33003, 45001}},
    {u"Document(data)", {2017, 33004, 45002}, {2018, 33005, 45003}},
    {u"Page", {2019, 33006, 45004}, {2020, 33007, 45005}},
    {u"Page(data)", {2021, 33008, 45006}, {2022, 33009, 45007}},
}};

}  // namespace orca::pages::custom
