// SPDX-License-Identifier: Apache-2.0
// A merge as a driver host hands it to the plug-in: the private input block
// behind a public record, with buffers that hold exactly the block's bytes
// whatever the block says of its own size, laid out as a byte of the fuzzer's
// input chooses. The output must be a sound block and must not depend on where
// the host put the records.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "settings/byte_access.h"
#include "settings/dev_mode_language.h"

namespace orca::fuzzing {

inline void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

// A current block of the handler's language, whatever it was made from.
inline void CheckValid(std::span<const std::uint8_t> block, const settings::BlockLayout& layout) {
    using namespace settings;
    Check(block.size() == layout.size);
    Check(LoadU32(&block[kOffsetSize]) == layout.size);
    Check(LoadU32(&block[kOffsetSignature]) == kSignature);
    Check(LoadU32(&block[kOffsetVersion]) == kVersion);
    Check(block[kOffsetBarcodeCount] <= kRecordCount);
    Check(block[kOffsetCmdFontCount] <= kRecordCount);
    Check(LoadU16(&block[kOffsetBarcodeRecordSize]) == kBarcodeRecordSize);
    Check(LoadU16(&block[kOffsetCmdFontRecordSize]) == kCmdFontRecordSize);
    Check(LoadU16(&block[kOptionAreaStart]) == layout.optionSize);
}

struct MergedRecords {
    std::vector<std::uint8_t> block;
    bool publicCopied = false;
};

// Merges `block` with the public record `publicIn` (220 bytes; its dmSize and
// dmDriverExtra are set to describe the layout) as a host lays them out, by
// `layout`: bit 0 puts the block in a buffer of its own rather than in the
// record's driver-extra area, bits 2..4 put 0..56 bytes of other driver data
// before it there, and bit 1 puts the output block right behind the input.
// Checks the result against the same merge from buffers apart.
inline MergedRecords MergeAsHost(settings::CDevModeLanguage& handler,
                                 std::span<const std::uint8_t> publicIn,
                                 std::span<const std::uint8_t> block, std::uint8_t layout) {
    using namespace settings;
    const bool apart = (layout & 1) != 0;
    const bool outBehind = (layout & 2) != 0;
    const std::size_t gap = apart ? 0 : (layout >> 2 & 7) * 8;
    const std::size_t held = std::min<std::size_t>(block.size(), 0xFFFF - gap);
    const std::size_t outSize = handler.GetPrivateSize();

    std::vector<std::uint8_t> record(publicIn.begin(), publicIn.begin() + kPublicRecordSize);
    StoreU16(&record[kOffsetDmSize], kPublicRecordSize);
    StoreU16(&record[kOffsetDmDriverExtra], static_cast<std::uint16_t>(gap + held));
    // [record, gap] when the block is in the driver-extra area, then the block,
    // then the output when it is behind.
    std::vector<std::uint8_t> bytes;
    if (!apart)
        bytes = record;
    bytes.resize(bytes.size() + gap, 0);
    const std::size_t blockAt = bytes.size();
    bytes.insert(bytes.end(), block.begin(), block.begin() + held);
    bytes.resize(bytes.size() + (outBehind ? outSize : 0), 0xEE);
    std::vector<std::uint8_t> ownOut(outBehind ? 0 : outSize, 0xEE);

    const std::uint8_t* recordIn = apart ? record.data() : bytes.data();
    std::uint8_t* out = outBehind ? bytes.data() + blockAt + held : ownOut.data();
    std::vector<std::uint8_t> publicOut(kPublicRecordSize, 0);
    Check(handler.ConvertBlock(recordIn, publicOut.data(),
                               HostHeldBlock(recordIn, bytes.data() + blockAt), out) == kDone);
    MergedRecords merged{{out, out + outSize}, publicOut == record};
    Check(merged.publicCopied || publicOut == std::vector<std::uint8_t>(kPublicRecordSize, 0));

    const std::vector<std::uint8_t> exact(block.begin(), block.begin() + held);
    std::vector<std::uint8_t> reference(outSize, 0xEE);
    handler.ConvertBlock(record.data(), publicOut.data(), exact, reference.data());
    Check(merged.block == reference);
    CheckValid(merged.block, handler.Layout());
    return merged;
}

}  // namespace orca::fuzzing
