// SPDX-License-Identifier: Apache-2.0
// The public settings record (DEVMODEW, Windows x64 layout) as far as the
// simulated spooler looks into it: its two size fields, and a plain record
// for printers whose settings no driver has written yet.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace orca::platform::sim {

inline constexpr size_t kPublicRecordSize = 220;

// True when the bytes hold dmSize and dmDriverExtra and those two fill them exactly.
bool RecordSizesConsistent(std::span<const uint8_t> record);

// The private block behind a consistent record: the size it claims for itself
// (its first four bytes; 0 when fewer follow the public part) and the bytes
// that do follow.
struct BlockExtent {
    uint32_t claimed;
    uint32_t held;
};
BlockExtent PrivateBlockExtent(std::span<const uint8_t> record);

// A public record without private block: device name, portrait, one copy, and
// the given paper.
std::vector<uint8_t> MakePublicRecord(std::u16string_view deviceName, uint16_t paperNumber,
                                      std::u16string_view formName);

}  // namespace orca::platform::sim
