// SPDX-License-Identifier: Apache-2.0
// Carrying a block of any version or size into the current layout. The input's
// size fields are trusted only as far as the input reaches (what the caller holds,
// already cut to the block's own dwSize): a part whose bytes lie beyond it keeps
// its defaults, and a record area that cannot be walked whole keeps its default
// records and count.
#include <algorithm>
#include <cstring>

#include "settings/byte_access.h"
#include "settings/dev_mode_language.h"

namespace orca::settings {
namespace {

class InputBlock {
public:
    explicit InputBlock(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool Holds(std::uint64_t offset, std::uint64_t count) const {
        return offset + count <= bytes_.size();
    }
    const std::uint8_t* At(std::uint64_t offset) const { return bytes_.data() + offset; }

private:
    std::span<const std::uint8_t> bytes_;
};

struct RecordArea {
    std::uint32_t countOffset;
    std::uint32_t recordSizeOffset;
    std::uint32_t recordSize;  // the current layout's
};

constexpr RecordArea kBarcodeArea{kOffsetBarcodeCount, kOffsetBarcodeRecordSize,
                                  kBarcodeRecordSize};
constexpr RecordArea kCmdFontArea{kOffsetCmdFontCount, kOffsetCmdFontRecordSize,
                                  kCmdFontRecordSize};

// Copies the 32 records of `area` that start at `source` in the input to `out`
// when every one of them can be read; answers where the input's records end.
std::uint64_t CarryRecords(const InputBlock& in, std::uint64_t source, const RecordArea& area,
                           std::uint8_t* out, std::uint8_t* outRecords) {
    const std::uint32_t inSize = LoadU16(in.At(area.recordSizeOffset));
    const std::uint32_t take = std::min(inSize, area.recordSize);
    const std::uint64_t end = source + std::uint64_t{kRecordCount} * inSize;
    if (inSize == 0 || !in.Holds(source, end - source))
        return end;
    for (std::uint32_t i = 0; i < kRecordCount; ++i)
        std::memcpy(outRecords + i * area.recordSize, in.At(source + std::uint64_t{i} * inSize),
                    take);
    const std::uint8_t count = *in.At(area.countOffset);
    out[area.countOffset] = static_cast<std::uint8_t>(std::min<std::uint32_t>(count, kRecordCount));
    return end;
}

}  // namespace

bool CDevModeLanguage::CarryBlock(std::span<const std::uint8_t> bytes, std::uint8_t* out) const {
    const InputBlock in(bytes);
    if (!in.Holds(kOffsetSignature, 4) || LoadU32(in.At(kOffsetSignature)) != kSignature)
        return false;
    if (!in.Holds(0, kHeaderSize))
        return true;

    // The counts come with their record areas below; the reserved bytes come now.
    std::memcpy(out + kOffsetHeaderReserved, in.At(kOffsetHeaderReserved),
                kHeaderSize - kOffsetHeaderReserved);

    for (std::uint32_t block = 0; block < kCustomCommandBlockCount; ++block) {
        const std::uint32_t at = kCustomCommandStart + block * kCustomCommandBlockSize;
        if (in.Holds(at, kCustomCommandBlockSize))
            std::memcpy(out + at, in.At(at), kCustomCommandBlockSize);
    }

    if (!in.Holds(kOptionAreaStart, 2))
        return true;
    const std::uint32_t optionSize = LoadU16(in.At(kOptionAreaStart));
    const std::uint32_t take = std::min<std::uint32_t>(optionSize, layout_.optionSize);
    if (in.Holds(kOptionAreaStart, take)) {
        std::memcpy(out + kOptionAreaStart, in.At(kOptionAreaStart), take);
        StoreU16(out + kOptionAreaStart, layout_.optionSize);
    }

    const std::uint64_t cmdFonts = CarryRecords(in, kOptionAreaStart + optionSize, kBarcodeArea,
                                                out, out + layout_.BarcodeArea());
    CarryRecords(in, cmdFonts, kCmdFontArea, out, out + layout_.CmdFontArea());
    return true;
}

}  // namespace orca::settings
