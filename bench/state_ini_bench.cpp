// SPDX-License-Identifier: Apache-2.0
// Reading a state file of many sections, each with a few keys: the time per
// section stays the same from 4,000 to 40,000 sections (the checks for a
// repeated section or key look names up instead of comparing with each one
// read before). Loading a state of ten times the drivers, printers and forms
// takes about ten times as long, not a hundred: each one is checked against
// those loaded before by one look-up.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "platform/sim/environment.h"
#include "platform/sim/state_ini.h"
#include "ratio_goal.h"

namespace {

using orca::platform::sim::ParseStateText;
using orca::platform::sim::StateError;
using orca::platform::sim::StateSection;
namespace sim = orca::platform::sim;

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

// A driver, a printer of it with a paper, and a form without a number for
// each of count.
sim::StateFiles ManyObjects(int count) {
    sim::StateFiles files;
    for (int i = 1; i <= count; ++i) {
        const std::string n = std::to_string(i);
        files["drivers.ini"] += "[Driver" + n + "]\nName=Driver " + n + "\n";
        files["printers.ini"] += "[Printer" + n + "]\nName=Printer " + n + "\nDriver=Driver " + n +
                                 "\nPaper1=1,1000,1500,Label\n";
        files["forms.ini"] += "[Form" + n + "]\nName=Label " + n +
                              "\nSize=100000,150000\nImageableArea=0,0,100000,150000\n";
    }
    return files;
}

void LoadState(benchmark::State& state, int count) {
    const sim::StateFiles files = ManyObjects(count);
    for (auto _ : state) {
        std::string error;
        auto env = sim::Environment::LoadFiles(files, &error);
        if (env == nullptr)
            state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(env);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_LoadStateTenfold(benchmark::State& state) {
    LoadState(state, 10000);
}
void BM_LoadStateTenfold_Baseline(benchmark::State& state) {
    LoadState(state, 1000);
}
BENCHMARK(BM_LoadStateTenfold)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadStateTenfold_Baseline)->Unit(benchmark::kMillisecond);

// Ten times the objects, about ten times the time; a quadratic check would
// take a hundred.
[[maybe_unused]] const bool kGoal =
    orca::bench::SetGoal("BM_LoadStateTenfold", {orca::bench::Goal::Kind::kAtMost, 15});

}  // namespace
