// SPDX-License-Identifier: Apache-2.0
// Runs every benchmark and then prints, for each pair named "<Name>" and
// "<Name>_Baseline", how the subject's CPU time and wall time stand to the
// baseline's in this same run, and the pair's goal (ratio_goal.h) when it has
// one. Ratios are comparable across machines; raw times are not. Run with
// --benchmark_repetitions=N (and --benchmark_enable_random_interleaving=true
// on a busy machine), the ratios are those of the median times.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "ratio_goal.h"

namespace orca::bench {
namespace {

std::map<std::string, Goal>& Goals() {
    static std::map<std::string, Goal> goals;
    return goals;
}

struct Times {
    double cpu = 0;
    double wall = 0;
};

// A ratio as the goal reads it: the subject's share of the baseline's time,
// or how many times faster the subject ran.
double Ratio(Goal::Kind kind, double subject, double baseline) {
    return kind == Goal::Kind::kAtMost ? subject / baseline : baseline / subject;
}

bool Meets(const Goal& goal, double ratio) {
    return goal.kind == Goal::Kind::kAtMost ? ratio <= goal.times : ratio >= goal.times;
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that a saved run reads as plain text.
    RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) != 0 ? OO_Defaults : OO_Tabular) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const Times times{run.GetAdjustedCPUTime(), run.GetAdjustedRealTime()};
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Iteration)
                times_[run.run_name.str()] = times;
            else if (run.aggregate_name == "median")
                medians_[run.run_name.str()] = times;
        }
    }

    void PrintRatios() const {
        std::map<std::string, Times> times = medians_;
        times.insert(times_.begin(), times_.end());
        const std::string suffix = "_Baseline";
        for (const auto& [name, baseline] : times) {
            auto at = name.find(suffix);
            if (at == std::string::npos)
                continue;
            std::string subject = name.substr(0, at) + name.substr(at + suffix.size());
            auto found = times.find(subject);
            if (found == times.end() || found->second.cpu <= 0 || found->second.wall <= 0)
                continue;
            PrintPair(subject, found->second, baseline);
        }
    }

private:
    static void PrintPair(const std::string& name, const Times& subject, const Times& baseline) {
        auto goal = Goals().find(name);
        if (goal == Goals().end()) {
            std::printf("ratio %-32s baseline / subject: cpu %8.2f  wall %8.2f\n", name.c_str(),
                        baseline.cpu / subject.cpu, baseline.wall / subject.wall);
            return;
        }
        const Goal& want = goal->second;
        const double cpu = Ratio(want.kind, subject.cpu, baseline.cpu);
        const double wall = Ratio(want.kind, subject.wall, baseline.wall);
        const bool met = Meets(want, cpu) && (!want.wallToo || Meets(want, wall));
        const bool atMost = want.kind == Goal::Kind::kAtMost;
        std::printf("ratio %-32s %s: cpu %8.2f  wall %8.2f  goal %s %.2f%s  %s\n", name.c_str(),
                    atMost ? "subject / baseline" : "baseline / subject", cpu, wall,
                    atMost ? "<=" : ">=", want.times, want.wallToo ? " (cpu and wall)" : " (cpu)",
                    met ? "met" : "MISSED");
    }

    std::map<std::string, Times> times_;    // each benchmark's last run
    std::map<std::string, Times> medians_;  // with repetitions, their medians
};

}  // namespace

bool SetGoal(const std::string& name, Goal goal) {
    Goals()[name] = goal;
    return true;
}

}  // namespace orca::bench

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    orca::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
