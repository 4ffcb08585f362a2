// SPDX-License-Identifier: Apache-2.0
// Carrying a block of any version or size into the current layout. The input's
// size fields are trusted only as far as the input reaches (what the caller holds,
// already cut to the block's own dwSize): a part whose bytes lie beyond it keeps
// its defaults, and a record area that cannot be walked whole keeps its default
// records and count.
//
// Each part of the output is written once, from the input where the input
// supplies it and from the defaults where it does not; only a part the input
// supplies in part (a shorter option area or shorter records) gets its
// defaults first and the input's bytes over them.
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

// Copies runs of bytes from the input to the output. A run that continues the
// one before it on both sides joins it, so a block of the current layout goes
// over in one copy. Whatever is written into the output's part of a run
// before Flush() is overwritten by it.
class RunCopier {
public:
    RunCopier(const InputBlock& in, std::uint8_t* out) : in_(in), out_(out) {}

    void Copy(std::uint64_t from, std::uint32_t to, std::uint32_t count) {
        if (count_ != 0 && from == from_ + count_ && to == to_ + count_) {
            count_ += count;
            return;
        }
        Flush();
        from_ = from;
        to_ = to;
        count_ = count;
    }

    void Flush() {
        if (count_ != 0)
            std::memcpy(out_ + to_, in_.At(from_), count_);
        count_ = 0;
    }

private:
    const InputBlock& in_;
    std::uint8_t* out_;
    std::uint64_t from_ = 0;
    std::uint32_t to_ = 0;
    std::uint32_t count_ = 0;
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

// Carries the 32 records of `area` that start at `source` in the input to the
// output's records at `to` when every one of them can be read, each cut to the
// current record size; `defaults` writes the area's default records and count,
// for an area that cannot be read and under records shorter than the current
// ones. Answers where the input's records end.
template <typename Defaults>
std::uint64_t CarryRecords(const InputBlock& in, std::uint64_t source, const RecordArea& area,
                           std::uint32_t to, RunCopier& copier, std::uint8_t* out,
                           Defaults defaults) {
    const std::uint32_t inSize = LoadU16(in.At(area.recordSizeOffset));
    const std::uint64_t end = source + std::uint64_t{kRecordCount} * inSize;
    if (inSize == 0 || !in.Holds(source, end - source)) {
        defaults();
        return end;
    }
    if (inSize < area.recordSize)
        defaults();
    const std::uint32_t take = std::min(inSize, area.recordSize);
    for (std::uint32_t i = 0; i < kRecordCount; ++i)
        copier.Copy(source + std::uint64_t{i} * inSize, to + i * area.recordSize, take);
    const std::uint8_t count = *in.At(area.countOffset);
    out[area.countOffset] = static_cast<std::uint8_t>(std::min<std::uint32_t>(count, kRecordCount));
    return end;
}

}  // namespace

bool CDevModeLanguage::CarryBlock(std::span<const std::uint8_t> bytes, std::uint8_t* out) {
    const InputBlock in(bytes);
    if (!in.Holds(kOffsetSignature, 4) || LoadU32(in.At(kOffsetSignature)) != kSignature)
        return false;
    if (!in.Holds(0, kHeaderSize)) {
        SetDefaults(out);
        return true;
    }

    // Of the header only the reserved bytes 22..31 come from the input; the
    // counts come with their record areas below.
    ZeroBytes(out, kDefaultsStart);
    DefaultFields(out, kDefaultsStart, kOffsetHeaderReserved);
    RunCopier copier(in, out);
    copier.Copy(kOffsetHeaderReserved, kOffsetHeaderReserved, kHeaderSize - kOffsetHeaderReserved);

    for (std::uint32_t block = 0; block < kCustomCommandBlockCount; ++block) {
        const std::uint32_t at = kCustomCommandStart + block * kCustomCommandBlockSize;
        if (in.Holds(at, kCustomCommandBlockSize))
            copier.Copy(at, at, kCustomCommandBlockSize);
        else
            DefaultFields(out, at, at + kCustomCommandBlockSize);
    }

    // Without its size, the option area is read as an empty one: no records follow it.
    const std::uint32_t optionSize =
        in.Holds(kOptionAreaStart, 2) ? LoadU16(in.At(kOptionAreaStart)) : 0;
    const std::uint32_t take = std::min<std::uint32_t>(optionSize, layout_.optionSize);
    if (take < layout_.optionSize || !in.Holds(kOptionAreaStart, take))
        DefaultFields(out, kOptionAreaStart, layout_.BarcodeArea());
    if (optionSize != 0 && in.Holds(kOptionAreaStart, take))
        copier.Copy(kOptionAreaStart, kOptionAreaStart, take);

    const std::uint64_t cmdFonts =
        CarryRecords(in, kOptionAreaStart + optionSize, kBarcodeArea, layout_.BarcodeArea(), copier,
                     out, [&] { DefaultBarcodeRecords(out); });
    CarryRecords(in, cmdFonts, kCmdFontArea, layout_.CmdFontArea(), copier, out,
                 [&] { ZeroBytes(out + layout_.CmdFontArea(), kCmdFontAreaSize); });
    copier.Flush();
    StampCurrentLayout(out);
    return true;
}

}  // namespace orca::settings
