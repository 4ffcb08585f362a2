// SPDX-License-Identifier: Apache-2.0
// The few places in the host's public settings record (DEVMODEW, Windows x64
// layout) that the host itself reads and writes.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orca::host {

inline constexpr uint16_t kPublicRecordSize = 220;
inline constexpr size_t kDmSizeOffset = 68;
inline constexpr size_t kDmDriverExtraOffset = 70;
// A stored record must hold at least its two size fields.
inline constexpr size_t kPublicRecordFixedPart = kDmDriverExtraOffset + 2;

}  // namespace orca::host
