// SPDX-License-Identifier: Apache-2.0
#include "settings/dev_mode.h"

#include "settings/barcode_font.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/field_map.h"

namespace orca::settings {

CDevModeBase::CDevModeBase() = default;
CDevModeBase::~CDevModeBase() = default;

std::int32_t CDevModeBase::SetDefaults(std::uint8_t*) {
    return kDone;
}

std::int32_t CDevModeBase::ConvertBlock(const std::uint8_t*, std::uint8_t*,
                                        std::span<const std::uint8_t>, std::uint8_t*) {
    return kDone;
}

std::int32_t CDevModeBase::AttachBlock(std::uint8_t* block) {
    block_ = block;
    return kDone;
}

std::int32_t CDevModeBase::AccessField(FieldId, void*, std::int32_t, bool) {
    return kNotHandled;
}

std::int32_t CDevModeBase::AccessData(FieldId, void*, std::int32_t, std::int32_t, bool) {
    return kNotHandled;
}

void CDevModeBase::AdoptFontHandlers(std::unique_ptr<settings::CBarCodeFontBase> barcodeFonts,
                                     std::unique_ptr<settings::CCMDFontBase> commandFonts) {
    barcodeFonts_ = std::move(barcodeFonts);
    commandFonts_ = std::move(commandFonts);
    AttachBlock(block_);
}

settings::CBarCodeFontBase& CDevModeBase::BarcodeFonts() const {
    return barcodeFonts_ ? *barcodeFonts_ : settings::CBarCodeFontBase::Null();
}

settings::CCMDFontBase& CDevModeBase::CommandFonts() const {
    return commandFonts_ ? *commandFonts_ : settings::CCMDFontBase::Null();
}

CDevMode_Null& CDevMode_Null::Instance() {
    static CDevMode_Null instance;
    return instance;
}

std::span<const std::uint8_t> HostHeldBlock(const std::uint8_t* publicRecord,
                                            const std::uint8_t* block) {
    if (publicRecord == nullptr || block == nullptr)
        return {};
    // Addresses as numbers: the block and the record need not share an allocation.
    const auto at = reinterpret_cast<std::uintptr_t>(block);
    const auto area =
        reinterpret_cast<std::uintptr_t>(publicRecord) + LoadU16(publicRecord + kOffsetDmSize);
    const std::size_t extra = LoadU16(publicRecord + kOffsetDmDriverExtra);
    if (at >= area && at - area < extra)
        return {block, extra - (at - area)};
    return {block, extra};
}

}  // namespace orca::settings
