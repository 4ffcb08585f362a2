// SPDX-License-Identifier: Apache-2.0
#include "settings/dev_mode_language.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/platform.h"
#include "platform/system.h"
#include "settings/barcode_font.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/field_ids.h"

namespace orca::settings {
namespace {

constexpr std::uint16_t kLanguageChinesePrc = 0x0804;
constexpr std::uint8_t kUiChinese = 0;
constexpr std::uint8_t kUiEnglish = 1;

bool Overlap(const std::uint8_t* a, std::size_t aSize, const std::uint8_t* b, std::size_t bSize) {
    const auto lowA = reinterpret_cast<std::uintptr_t>(a);
    const auto lowB = reinterpret_cast<std::uintptr_t>(b);
    return lowA < lowB + bSize && lowB < lowA + aSize;
}

// What may be read of a block: what the caller holds, and of that no more than
// the block's own dwSize claims.
std::span<const std::uint8_t> WithinOwnSize(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4)
        return bytes;
    return bytes.first(std::min<std::size_t>(bytes.size(), LoadU32(bytes.data())));
}

}  // namespace

std::uint8_t DefaultUiLanguage() {
    platform::System* system = platform::Current().system;
    if (system != nullptr && system->DefaultLanguage() == kLanguageChinesePrc)
        return kUiChinese;
    return kUiEnglish;
}

std::int32_t CDevModeLanguage::SetDefaults(std::uint8_t* block) {
    std::uint8_t* out = block != nullptr ? block : Block();
    if (out == nullptr)
        return kNotAttached;
    // A given block is zeroed whole; the attached one keeps its reserved bytes 12..15.
    // From byte 16 on, the areas lie back to back: every one of them is rewritten.
    if (block != nullptr)
        ZeroBytes(out, kDefaultsStart);
    DefaultFields(out, kDefaultsStart, layout_.BarcodeArea());
    DefaultBarcodeRecords(out);
    ZeroBytes(out + layout_.CmdFontArea(), kCmdFontAreaSize);
    StampCurrentLayout(out);
    return kDone;
}

void CDevModeLanguage::DefaultFields(std::uint8_t* out, std::uint32_t from,
                                     std::uint32_t to) const {
    ZeroBytes(out + from, to - from);
    for (const FieldRow& row : layout_.fields) {
        if (row.offset < from || row.offset >= to)
            continue;
        if (row.id == field::kLanguage)
            StoreU8(out + row.offset, DefaultUiLanguage());
        else
            WriteDefault(out, row);
    }
}

void CDevModeLanguage::DefaultBarcodeRecords(std::uint8_t* out) {
    ZeroBytes(out + layout_.BarcodeArea(), kBarcodeAreaSize);
    if (HasOwnBarcodeFonts()) {
        BarcodeFonts().LoadDefaultFonts(out + layout_.BarcodeArea(), out + kOffsetBarcodeCount);
        // Loading the fonts points the catalogue at `out`; it must keep serving the
        // attached block, whatever block was filled.
        AttachBlock(Block());
    }
}

void CDevModeLanguage::StampCurrentLayout(std::uint8_t* out) const {
    StoreU32(out + kOffsetSize, layout_.size);
    StoreU32(out + kOffsetSignature, kSignature);
    StoreU32(out + kOffsetVersion, kVersion);
    StoreU16(out + kOffsetBarcodeRecordSize, kBarcodeRecordSize);
    StoreU16(out + kOffsetCmdFontRecordSize, kCmdFontRecordSize);
    StoreU16(out + kOptionAreaStart, layout_.optionSize);
}

std::int32_t CDevModeLanguage::ConvertBlock(const std::uint8_t* publicIn, std::uint8_t* publicOut,
                                            std::span<const std::uint8_t> privateIn,
                                            std::uint8_t* privateOut) {
    if (privateOut == nullptr)
        return kBadArgument;
    privateIn = WithinOwnSize(privateIn);
    // Host merges may hand the same block in and out: read from a copy then.
    std::vector<std::uint8_t> copy;
    if (Overlap(privateIn.data(), privateIn.size(), privateOut, layout_.size)) {
        copy.assign(privateIn.begin(), privateIn.end());
        privateIn = copy;
    }
    if (!CarryBlock(privateIn, privateOut)) {
        SetDefaults(privateOut);
        return kDone;
    }
    if (publicIn != nullptr && publicOut != nullptr)
        std::memmove(publicOut, publicIn, kPublicRecordSize);
    return kDone;
}

std::int32_t CDevModeLanguage::AttachBlock(std::uint8_t* block) {
    CDevModeBase::AttachBlock(block);
    if (HasOwnBarcodeFonts())
        BarcodeFonts().Attach(block != nullptr ? block + layout_.BarcodeArea() : nullptr);
    if (HasOwnCommandFonts())
        CommandFonts().Attach(block != nullptr ? block + layout_.CmdFontArea() : nullptr);
    return kDone;
}

std::int32_t CDevModeLanguage::AccessField(FieldId id, void* buffer, std::int32_t index, bool get) {
    return WithBlock(get, [&] {
        const FieldRow* row = FindRow(layout_.fields, id);
        if (row != nullptr)
            return AccessValueRow(Block(), row, buffer, get);
        const std::int32_t result = BarcodeFonts().AccessFontField(id, buffer, index, get);
        if (result != kNotHandled)
            return result;
        return CommandFonts().AccessCommandFontField(id, buffer, index, get);
    });
}

std::int32_t CDevModeLanguage::AccessData(FieldId id, void* buffer, std::int32_t length,
                                          std::int32_t index, bool get) {
    return WithBlock(get, [&] {
        const DataRow* row = FindRow(layout_.data, id);
        if (row != nullptr)
            return AccessDataRow(Block(), row, buffer, length, get);
        const std::int32_t result = BarcodeFonts().AccessFontName(id, buffer, length, index, get);
        if (result != kNotHandled)
            return result;
        return CommandFonts().AccessCommandFontBuffer(id, buffer, length, index, get);
    });
}

}  // namespace orca::settings
