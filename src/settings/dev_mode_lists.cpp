// SPDX-License-Identifier: Apache-2.0
// The barcode-font and command-font lists of the attached block.
#include <algorithm>
#include <cstring>

#include "settings/barcode_font.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/dev_mode.h"
#include "settings/field_map.h"

namespace orca::settings {

std::int32_t CDevModeBase::AddBarcodeFont() {
    if (block_ == nullptr || GetPrivateSize() == 0)
        return kNotAttached;
    const std::uint8_t count = block_[kOffsetBarcodeCount];
    settings::CBarCodeFontBase& fonts = BarcodeFonts();
    if (fonts.Records() == nullptr)
        return kNotAttached;
    if (count >= kRecordCount)
        return kListFull;
    const std::int32_t made =
        fonts.GetDefaultFont(RecordAt(fonts.Records(), count, kBarcodeRecordSize));
    if (made != kDone)
        return made;
    block_[kOffsetBarcodeCount] = static_cast<std::uint8_t>(count + 1);
    return count;
}

std::int32_t CDevModeBase::DeleteBarcodeFont(std::int32_t index) {
    return DeleteRecord(kOffsetBarcodeCount, BarcodeFonts().Records(), kBarcodeRecordSize, index);
}

std::int32_t CDevModeBase::AddCMDFont() {
    if (block_ == nullptr || GetPrivateSize() == 0)
        return kNotAttached;
    const std::uint8_t count = block_[kOffsetCmdFontCount];
    settings::CCMDFontBase& fonts = CommandFonts();
    if (fonts.Records() == nullptr || fonts.Owner() == nullptr)
        return kNotAttached;
    if (count >= kRecordCount)
        return kListFull;
    ZeroBytes(RecordAt(fonts.Records(), count, kCmdFontRecordSize), kCmdFontRecordSize);
    block_[kOffsetCmdFontCount] = static_cast<std::uint8_t>(count + 1);
    return count;
}

std::int32_t CDevModeBase::DeleteCMDFont(std::int32_t index) {
    settings::CCMDFontBase& fonts = CommandFonts();
    std::uint8_t* records = fonts.Owner() != nullptr ? fonts.Records() : nullptr;
    return DeleteRecord(kOffsetCmdFontCount, records, kCmdFontRecordSize, index);
}

std::int32_t CDevModeBase::DeleteRecord(std::uint32_t countOffset, std::uint8_t* records,
                                        std::uint32_t recordSize, std::int32_t index) {
    if (block_ == nullptr || GetPrivateSize() == 0)
        return kNotAttached;
    const std::int32_t count = block_[countOffset];
    if (index < 0 || index >= count)
        return kBadArgument;
    if (records == nullptr)
        return kNotAttached;
    if (index >= static_cast<std::int32_t>(kRecordCount))
        return kListFull;
    // A count above 32 can only come from a damaged block: the area ends at 32 records.
    const std::int32_t last = std::min(count, static_cast<std::int32_t>(kRecordCount)) - 1;
    std::uint8_t* removed = RecordAt(records, index, recordSize);
    std::memmove(removed, removed + recordSize,
                 static_cast<std::size_t>(last - index) * recordSize);
    ZeroBytes(RecordAt(records, last, recordSize), recordSize);
    block_[countOffset] = static_cast<std::uint8_t>(last);
    return kDone;
}

}  // namespace orca::settings
