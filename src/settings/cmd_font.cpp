// SPDX-License-Identifier: Apache-2.0
#include "settings/cmd_font.h"

#include "settings/field_map.h"

namespace orca::settings {

std::uint8_t* CCMDFontBase::Record(std::int32_t index) const {
    if (owner_ == nullptr)
        return nullptr;
    return settings::RecordAt(records_, index, settings::kCmdFontRecordSize);
}

std::int32_t CCMDFontBase::AccessCommandFontField(settings::FieldId id, void* buffer,
                                                  std::int32_t index, bool get) {
    return settings::AccessValueRow(
        Record(index), settings::FindRow<settings::FieldRow>(kCmdFontFields, id), buffer, get);
}

std::int32_t CCMDFontBase::AccessCommandFontBuffer(settings::FieldId id, void* buffer,
                                                   std::int32_t size, std::int32_t index,
                                                   bool get) {
    return settings::AccessDataRow(
        Record(index), settings::FindRow<settings::DataRow>(kCmdFontData, id), buffer, size, get);
}

CCMDFontBase& CCMDFontBase::Null() {
    static CCMDFontBase instance;
    return instance;
}

}  // namespace orca::settings
