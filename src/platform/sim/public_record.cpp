// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/public_record.h"

#include <algorithm>

namespace orca::platform::sim {
namespace {

// Offsets of the fields used here.
constexpr size_t kDeviceName = 0;
constexpr size_t kRecordVersion = 64;
constexpr size_t kSize = 68;
constexpr size_t kDriverExtra = 70;
constexpr size_t kFields = 72;
constexpr size_t kOrientation = 76;
constexpr size_t kPaperSize = 78;
constexpr size_t kCopies = 86;
constexpr size_t kFormName = 102;
constexpr size_t kNameUnits = 32;

constexpr uint16_t kRecordVersionValue = 0x0401;
// Orientation, paper size, copies and form name are set.
constexpr uint32_t kFieldsValue = 0x1 | 0x2 | 0x100 | 0x10000;

uint16_t LoadU16(std::span<const uint8_t> b, size_t at) {
    return uint16_t(b[at] | (b[at + 1] << 8));
}

void StoreU16(std::span<uint8_t> b, size_t at, uint16_t v) {
    b[at] = uint8_t(v);
    b[at + 1] = uint8_t(v >> 8);
}

void StoreU32(std::span<uint8_t> b, size_t at, uint32_t v) {
    StoreU16(b, at, uint16_t(v));
    StoreU16(b, at + 2, uint16_t(v >> 16));
}

// At most 31 units and a terminator; the rest stays zero.
void StoreName(std::span<uint8_t> b, size_t at, std::u16string_view name) {
    const size_t units = std::min(name.size(), kNameUnits - 1);
    for (size_t i = 0; i < units; ++i) {
        StoreU16(b, at + 2 * i, name[i]);
    }
}

}  // namespace

bool RecordSizesConsistent(std::span<const uint8_t> record) {
    return record.size() >= kFields &&
           size_t(LoadU16(record, kSize)) + LoadU16(record, kDriverExtra) == record.size() &&
           LoadU16(record, kSize) >= kFields;
}

BlockExtent PrivateBlockExtent(std::span<const uint8_t> record) {
    const uint32_t held = LoadU16(record, kDriverExtra);
    if (held < 4) {
        return {.claimed = 0, .held = held};
    }
    const size_t at = LoadU16(record, kSize);
    return {.claimed = uint32_t(LoadU16(record, at)) | uint32_t(LoadU16(record, at + 2)) << 16,
            .held = held};
}

std::vector<uint8_t> MakePublicRecord(std::u16string_view deviceName, uint16_t paperNumber,
                                      std::u16string_view formName) {
    std::vector<uint8_t> record(kPublicRecordSize);
    StoreName(record, kDeviceName, deviceName);
    StoreU16(record, kRecordVersion, kRecordVersionValue);
    StoreU16(record, kSize, uint16_t(kPublicRecordSize));
    StoreU32(record, kFields, kFieldsValue);
    StoreU16(record, kOrientation, 1);
    StoreU16(record, kPaperSize, paperNumber);
    StoreU16(record, kCopies, 1);
    StoreName(record, kFormName, formName);
    return record;
}

}  // namespace orca::platform::sim
