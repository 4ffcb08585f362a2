// SPDX-License-Identifier: Apache-2.0
// The settings conversion against a plain copy of the output block's bytes,
// its floor: for a block of the current layout, and for one of an older
// version whose smaller option area and shorter barcode records move every
// later part and leave defaults to fill in. And the value access of one field
// against a direct load at its known offset.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "ratio_goal.h"
#include "settings/barcode_font.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/dev_mode_language.h"

namespace {

using namespace orca::settings;

std::unique_ptr<CDevMode_ORCA> MakeOrcaHandler() {
    auto handler = std::make_unique<CDevMode_ORCA>();
    handler->AdoptFontHandlers(std::make_unique<orca::settings::CBarCodeFont_ORCA>(handler.get()),
                               std::make_unique<orca::settings::CCMDFontBase>(handler.get()));
    return handler;
}

// iCustomerPaperWidth: one of the last rows of the ORCA field map.
constexpr FieldId kPaperWidth = 3014;
constexpr std::uint32_t kPaperWidthOffset = 8392;

// A block as an older version wrote it: 32 bytes less of option area, 16
// bytes less of each barcode record.
std::vector<std::uint8_t> OlderBlock() {
    constexpr std::uint16_t kOptionSize = kLayoutOrca.optionSize - 32;
    constexpr std::uint16_t kBarcodeSize = kBarcodeRecordSize - 16;
    std::vector<std::uint8_t> block(kOptionAreaStart + kOptionSize +
                                    kRecordCount * (kBarcodeSize + kCmdFontRecordSize));
    for (std::size_t i = kHeaderSize; i < block.size(); ++i)
        block[i] = static_cast<std::uint8_t>(i * 7);
    StoreU32(&block[kOffsetSize], static_cast<std::uint32_t>(block.size()));
    StoreU32(&block[kOffsetSignature], kSignature);
    StoreU32(&block[kOffsetVersion], kVersion);
    block[kOffsetBarcodeCount] = 5;
    block[kOffsetCmdFontCount] = 3;
    StoreU16(&block[kOffsetBarcodeRecordSize], kBarcodeSize);
    StoreU16(&block[kOffsetCmdFontRecordSize], kCmdFontRecordSize);
    StoreU16(&block[kOptionAreaStart], kOptionSize);
    return block;
}

void Convert(benchmark::State& state, const std::vector<std::uint8_t>& in) {
    auto handler = MakeOrcaHandler();
    std::vector<std::uint8_t> out(handler->GetPrivateSize());
    std::vector<std::uint8_t> publicIn(kPublicRecordSize, 1);
    std::vector<std::uint8_t> publicOut(kPublicRecordSize);
    for (auto _ : state) {
        handler->ConvertBlock(publicIn.data(), publicOut.data(), in, out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}

void CopyBlock(benchmark::State& state) {
    std::vector<std::uint8_t> in(kLayoutOrca.size, 1);
    std::vector<std::uint8_t> out(in.size());
    for (auto _ : state) {
        std::memcpy(out.data(), in.data(), in.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}

void DevModeConvert(benchmark::State& state) {
    std::vector<std::uint8_t> in(kLayoutOrca.size);
    MakeOrcaHandler()->SetDefaults(in.data());
    Convert(state, in);
}
void DevModeConvert_Baseline(benchmark::State& state) {
    CopyBlock(state);
}
BENCHMARK(DevModeConvert);
BENCHMARK(DevModeConvert_Baseline);

void DevModeConvertOlder(benchmark::State& state) {
    Convert(state, OlderBlock());
}
void DevModeConvertOlder_Baseline(benchmark::State& state) {
    CopyBlock(state);
}
BENCHMARK(DevModeConvertOlder);
BENCHMARK(DevModeConvertOlder_Baseline);

[[maybe_unused]] const bool kConvertGoals =
    orca::bench::SetGoal("DevModeConvert", {orca::bench::Goal::Kind::kAtMost, 1.5}) &&
    orca::bench::SetGoal("DevModeConvertOlder", {orca::bench::Goal::Kind::kAtMost, 2.5});

void DevModeValueAccess(benchmark::State& state) {
    auto handler = MakeOrcaHandler();
    std::vector<std::uint8_t> block(handler->GetPrivateSize());
    handler->SetDefaults(block.data());
    handler->AttachBlock(block.data());
    std::int16_t width = 0;
    for (auto _ : state) {
        handler->AccessField(kPaperWidth, &width, 0, true);
        benchmark::DoNotOptimize(width);
    }
}
BENCHMARK(DevModeValueAccess);

void DevModeValueAccess_Baseline(benchmark::State& state) {
    std::vector<std::uint8_t> block(kLayoutOrca.size);
    std::uint8_t* data = block.data();
    for (auto _ : state) {
        benchmark::DoNotOptimize(data);
        std::int16_t width = LoadI16(data + kPaperWidthOffset);
        benchmark::DoNotOptimize(width);
    }
}
BENCHMARK(DevModeValueAccess_Baseline);

}  // namespace
