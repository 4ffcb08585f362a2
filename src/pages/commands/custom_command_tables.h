// SPDX-License-Identifier: Apache-2.0
// The Custom Command page: its controls and the settings fields of the start
// and end commands at each position of a job.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "pages/commands/command_editor.h"
#include "resources/control_ids.h"

namespace orca::pages::custom {

inline constexpr CommandControls kStartControls{control::kCustomCommandStartList,
                                                control::kCustomCommandStartEdit,
                                                control::kCustomCommandStartButton};
inline constexpr CommandControls kEndControls{control::kCustomCommandEndList,
                                              control::kCustomCommandEndEdit,
                                              control::kCustomCommandEndButton};
inline constexpr int kUntranslated[] = {control::kCustomCommandSeparator,
                                        control::kCustomCommandStartButton,
                                        control::kCustomCommandEndButton};

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
