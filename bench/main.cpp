// SPDX-License-Identifier: Apache-2.0
// Runs every benchmark and then prints, for each pair named "<Name>" and
// "<Name>_Baseline", how many times faster or slower <Name> ran than its
// baseline in this same run. Ratios are comparable across machines; raw times are not.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
    }

    void PrintRatios() const {
        const std::string suffix = "_Baseline";
        for (const auto& [name, baseline] : times_) {
            auto at = name.find(suffix);
            if (at == std::string::npos)
                continue;
            std::string subject = name.substr(0, at) + name.substr(at + suffix.size());
            auto found = times_.find(subject);
            if (found == times_.end() || found->second <= 0)
                continue;
            std::printf("ratio %-40s baseline / subject = %8.2f\n", subject.c_str(),
                        baseline / found->second);
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
