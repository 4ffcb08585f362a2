// SPDX-License-Identifier: Apache-2.0
#include "settings/barcode_font.h"

#include "settings/byte_access.h"
#include "settings/field_map.h"

namespace orca::settings {

using settings::kBarcodeRecordSize;
using settings::kNotHandled;

std::int32_t CBarCodeFontBase::AccessFontField(settings::FieldId, void*, std::int32_t, bool) {
    return kNotHandled;
}

std::int32_t CBarCodeFontBase::AccessFontName(settings::FieldId, void*, std::int32_t, std::int32_t,
                                              bool) {
    return kNotHandled;
}

std::int32_t CBarCodeFontBase::LoadDefaultFonts(std::uint8_t* records, std::uint8_t* count) {
    if (records == nullptr)
        return settings::kNotAttached;
    if (count == nullptr)
        return settings::kBadArgument;
    Attach(records);
    *count = 0;
    return settings::kDone;
}

std::int32_t CBarCodeFontBase::GetDefaultFont(std::uint8_t*) const {
    return settings::kNoWidth;
}

CBarCodeFontBase& CBarCodeFontBase::Null() {
    static CBarCodeFontBase instance;
    return instance;
}

std::int32_t CBarCodeFontLanguage::AccessFontField(settings::FieldId id, void* buffer,
                                                   std::int32_t index, bool get) {
    const FieldRow* row = settings::FindRow(table_.fields, id);
    return settings::AccessValueRow(settings::RecordAt(Records(), index, kBarcodeRecordSize), row,
                                    buffer, get);
}

std::int32_t CBarCodeFontLanguage::AccessFontName(settings::FieldId id, void* buffer,
                                                  std::int32_t size, std::int32_t index, bool get) {
    const DataRow* row = id == kBarcodeName.id ? &kBarcodeName : nullptr;
    return settings::AccessDataRow(settings::RecordAt(Records(), index, kBarcodeRecordSize), row,
                                   buffer, size, get);
}

std::int32_t CBarCodeFontLanguage::LoadDefaultFonts(std::uint8_t* records, std::uint8_t* count) {
    const std::int32_t result = CBarCodeFontBase::LoadDefaultFonts(records, count);
    if (result != settings::kDone)
        return result;
    std::uint8_t* record = records;
    for (const DefaultBarcodeFont& font : kDefaultBarcodeFonts) {
        GetDefaultFont(record);
        std::uint8_t* name = record + kBarcodeName.offset;
        for (char16_t unit : font.name) {
            settings::StoreU16(name, unit);
            name += 2;
        }
        record[kBarcodeTypeOffset] = font.*table_.code;
        record[kBarcodeRatioOffset] = font.ratio;
        record += kBarcodeRecordSize;
    }
    *count = static_cast<std::uint8_t>(kDefaultBarcodeFonts.size());
    return settings::kDone;
}

std::int32_t CBarCodeFontLanguage::GetDefaultFont(std::uint8_t* record) const {
    if (record == nullptr)
        return settings::kBadArgument;
    settings::ZeroBytes(record, kBarcodeRecordSize);
    settings::WriteDefaults(record, table_.fields);
    return settings::kDone;
}

std::uint32_t CBarCodeFontLanguage::GetRecordSize() const {
    return kBarcodeRecordSize;
}

}  // namespace orca::settings
