// SPDX-License-Identifier: Apache-2.0
// What a pair of benchmarks, "<name>" and "<name>_Baseline", must show: how
// the subject's time stands to its baseline's, measured in one run. main.cpp
// prints each pair's ratios and whether its goal is met.
#pragma once

#include <string>

namespace orca::bench {

struct Goal {
    enum class Kind {
        kAtMost,   // the subject takes at most `times` the baseline's time
        kAtLeast,  // the subject is at least `times` faster than the baseline
    };
    Kind kind;
    double times;
    // The goal holds for the wall time too, not only for the CPU time.
    bool wallToo = false;
};

// Sets the goal of the pair `name`; answers true, so that a goal can be set
// at namespace scope beside the BENCHMARK lines.
bool SetGoal(const std::string& name, Goal goal);

}  // namespace orca::bench
