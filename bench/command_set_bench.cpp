// SPDX-License-Identifier: Apache-2.0
// One barcode field with 64 data bytes per language, against a plain copy of
// the same command bytes into the same sink.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "commands/command_set_onyx.h"
#include "commands/command_set_orca.h"

namespace {

using orca::commands::CCommandSet_ONYX;
using orca::commands::CCommandSet_ORCA;
using orca::commands::CCommandSetBase;

// Copies each command into a fixed buffer, as a spooler write would.
struct CopySink {
    std::array<uint8_t, 4096> buffer{};
    uint64_t size = 0;

    static int32_t Write(void* context, const uint8_t* bytes, uint64_t count) {
        auto* self = static_cast<CopySink*>(context);
        if (count > self->buffer.size())
            return -1;
        std::memcpy(self->buffer.data(), bytes, count);
        self->size = count;
        return 0;
    }
};

const std::string kData(64, '7');

int32_t WriteBarcode(CCommandSetBase& set, uint8_t code) {
    return set.BarcodeField(code, 100, 200, 2, 3.0, 80, 0, 1, static_cast<uint32_t>(kData.size()),
                            reinterpret_cast<const uint8_t*>(kData.data()), 0);
}

template <class Set>
void RunBarcodeField(benchmark::State& state, uint8_t code) {
    Set set;
    CopySink sink;
    set.AttachSink(&sink, &CopySink::Write);
    for (auto _ : state) {
        benchmark::DoNotOptimize(WriteBarcode(set, code));
        benchmark::ClobberMemory();
    }
}

template <class Set>
void CopyBarcodeField(benchmark::State& state, uint8_t code) {
    Set set;
    CopySink sink;
    set.AttachSink(&sink, &CopySink::Write);
    if (WriteBarcode(set, code) != 0) {
        state.SkipWithError("the barcode command was refused");
        return;
    }
    const std::vector<uint8_t> command(sink.buffer.begin(), sink.buffer.begin() + sink.size);
    for (auto _ : state) {
        benchmark::DoNotOptimize(CopySink::Write(&sink, command.data(), command.size()));
        benchmark::ClobberMemory();
    }
}

// CODE128 in each language's symbology codes.
void BM_BarcodeField_ORCA(benchmark::State& state) {
    RunBarcodeField<CCommandSet_ORCA>(state, 10);
}
void BM_BarcodeField_ORCA_Baseline(benchmark::State& state) {
    CopyBarcodeField<CCommandSet_ORCA>(state, 10);
}
void BM_BarcodeField_ONYX(benchmark::State& state) {
    RunBarcodeField<CCommandSet_ONYX>(state, 4);
}
void BM_BarcodeField_ONYX_Baseline(benchmark::State& state) {
    CopyBarcodeField<CCommandSet_ONYX>(state, 4);
}
BENCHMARK(BM_BarcodeField_ORCA);
BENCHMARK(BM_BarcodeField_ORCA_Baseline);
BENCHMARK(BM_BarcodeField_ONYX);
BENCHMARK(BM_BarcodeField_ONYX_Baseline);

}  // namespace
