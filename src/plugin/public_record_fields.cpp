// SPDX-License-Identifier: Apache-2.0
#include "plugin/public_record_fields.h"

#include <algorithm>
#include <span>

#include "settings/byte_access.h"
#include "settings/field_map.h"

namespace orca::plugin {

namespace {

using settings::FieldId;

constexpr uint32_t FieldOffset(FieldId id) {
    return settings::FindRow(std::span<const settings::FieldRow>(settings::kPublicFields), id)
        ->offset;
}

constexpr uint32_t kFieldsOffset = FieldOffset(34009);
constexpr uint32_t kPaperSizeOffset = FieldOffset(3001);
constexpr uint32_t kPaperLengthOffset = FieldOffset(3002);
constexpr uint32_t kPaperWidthOffset = FieldOffset(3003);
constexpr const settings::DataRow& kFormName = settings::kPublicNames[1];
static_assert(kFormName.id == 44001);

}  // namespace

uint32_t RecordFields(const uint8_t* record) {
    return settings::LoadU32(record + kFieldsOffset);
}

void SetRecordFields(uint8_t* record, uint32_t fields) {
    settings::StoreU32(record + kFieldsOffset, fields);
}

int16_t RecordPaperSize(const uint8_t* record) {
    return settings::LoadI16(record + kPaperSizeOffset);
}

void WritePaperChoice(uint8_t* record, const pages::PaperRecord& paper) {
    settings::StoreU16(record + kPaperSizeOffset, paper.paperId);
    settings::StoreI16(record + kPaperLengthOffset, static_cast<int16_t>(paper.length));
    settings::StoreI16(record + kPaperWidthOffset, static_cast<int16_t>(paper.width));
    uint8_t* name = record + kFormName.offset;
    settings::ZeroBytes(name, kFormName.size);
    const size_t units = std::min<size_t>(paper.name.size(), kFormName.size / 2 - 1);
    for (size_t i = 0; i < units; ++i)
        settings::StoreU16(name + 2 * i, paper.name[i]);
}

}  // namespace orca::plugin
