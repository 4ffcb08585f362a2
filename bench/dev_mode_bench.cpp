// SPDX-License-Identifier: Apache-2.0
// The settings conversion against a plain copy of the same number of bytes, and
// the value access of one field against a direct load at its known offset.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

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

void DevModeConvert(benchmark::State& state) {
    auto handler = MakeOrcaHandler();
    std::vector<std::uint8_t> in(handler->GetPrivateSize());
    handler->SetDefaults(in.data());
    std::vector<std::uint8_t> out(in.size());
    std::vector<std::uint8_t> publicIn(kPublicRecordSize, 1);
    std::vector<std::uint8_t> publicOut(kPublicRecordSize);
    for (auto _ : state) {
        handler->ConvertBlock(publicIn.data(), publicOut.data(), in, out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DevModeConvert);

void DevModeConvert_Baseline(benchmark::State& state) {
    std::vector<std::uint8_t> in(kLayoutOrca.size, 1);
    std::vector<std::uint8_t> out(in.size());
    for (auto _ : state) {
        std::memcpy(out.data(), in.data(), in.size());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DevModeConvert_Baseline);

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
