// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as the private input block of a host's merge, for both
// languages: the last byte chooses how the host lays out its records (see
// host_merge.h), the others are the bytes the host holds of the block, whose
// own dwSize and record sizes may claim any other size. No read outside what
// the host holds, and the output always a valid block.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "host_merge.h"
#include "language_handlers.h"

using namespace orca::settings;
using orca::fuzzing::Check;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const std::span<const uint8_t> block(data, size - 1);
    const std::vector<uint8_t> publicIn(kPublicRecordSize, 0x5A);
    for (const auto& handler : orca::fuzzing::LanguageHandlers()) {
        const auto merged = orca::fuzzing::MergeAsHost(*handler, publicIn, block, data[size - 1]);
        // The public record moves only with a block of this plug-in.
        const bool ours = block.size() >= 8 && LoadU32(block.data()) >= 8 &&
                          std::memcmp(block.data() + kOffsetSignature, "ZORV", 4) == 0;
        Check(merged.publicCopied == ours);
    }
    return 0;
}
