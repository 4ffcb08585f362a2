// Arbitrary bytes as the input block of the settings conversion, for both
// languages: no read outside the input, and the output always a valid block.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "language_handlers.h"
#include "settings/byte_access.h"
#include "settings/dev_mode_language.h"

namespace {

using namespace orca::settings;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

void CheckValid(const std::vector<std::uint8_t>& block, const BlockLayout& layout) {
    Check(LoadU32(&block[kOffsetSize]) == layout.size);
    Check(LoadU32(&block[kOffsetSignature]) == kSignature);
    Check(LoadU32(&block[kOffsetVersion]) == kVersion);
    Check(block[kOffsetBarcodeCount] <= kRecordCount);
    Check(block[kOffsetCmdFontCount] <= kRecordCount);
    Check(LoadU16(&block[kOffsetBarcodeRecordSize]) == kBarcodeRecordSize);
    Check(LoadU16(&block[kOffsetCmdFontRecordSize]) == kCmdFontRecordSize);
    Check(LoadU16(&block[kOptionAreaStart]) == layout.optionSize);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::uint8_t> publicIn(kPublicRecordSize, 0x5A);
    for (const auto& handler : orca::fuzzing::LanguageHandlers()) {
        std::vector<std::uint8_t> out(handler->GetPrivateSize(), 0xEE);
        std::vector<std::uint8_t> publicOut(kPublicRecordSize, 0);
        Check(handler->ConvertBlock(publicIn.data(), publicOut.data(), {data, size}, out.data()) ==
              kDone);
        CheckValid(out, handler->Layout());
        // The public record moves only with a block of this plug-in.
        const bool ours = size >= 8 && std::memcmp(data + kOffsetSignature, "ZORV", 4) == 0;
        Check((publicOut == publicIn) == ours || (size >= 4 && LoadU32(data) < 8));
    }
    return 0;
}
