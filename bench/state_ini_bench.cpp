// SPDX-License-Identifier: Apache-2.0
// Reading a state file of many sections, each with a few keys: the time per
// section stays the same from 4,000 to 40,000 sections (the checks for a
// repeated section or key look names up instead of comparing with each one
// read before).
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/sim/state_ini.h"

namespace {

using orca::platform::sim::ParseStateText;
using orca::platform::sim::StateError;
using orca::platform::sim::StateSection;

std::string FormsFile(int64_t sections) {
    std::string text;
    for (int64_t i = 1; i <= sections; ++i) {
        const std::string n = std::to_string(i);
        text += "[Form" + n + "]\nName=Label " + n + "\nFlags=0\nNumber=" + n +
                "\nSize=100000,150000\nImageableArea=0,0,100000,150000\n";
    }
    return text;
}

void BM_ParseStateFile(benchmark::State& state) {
    const std::string text = FormsFile(state.range(0));
    std::vector<StateSection> sections;
    for (auto _ : state) {
        StateError error("forms.ini");
        benchmark::DoNotOptimize(ParseStateText(text, &sections, &error));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ParseStateFile)->Arg(4000)->Arg(40000)->Unit(benchmark::kMillisecond);

}  // namespace
