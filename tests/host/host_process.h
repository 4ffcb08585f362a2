// SPDX-License-Identifier: Apache-2.0
// Runs the built orcaui as a person runs it: a separate process with its own
// arguments, standard input and environment variables; what it printed and
// its exit code come back.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace orca::hosttest {

struct HostRun {
    int exitCode = -1;  // 128 + the signal when a signal ended it
    std::string out;
    std::string err;
};

struct HostCall {
    std::vector<std::string> args;
    std::string input;
    // Variables set (or, with an empty value, removed) for the run.
    std::map<std::string, std::string> environment;
};

// The files for its input and output go into scratch. program: another
// orcaui than the built one, such as a copy of it elsewhere.
HostRun RunHost(const HostCall& call, const std::filesystem::path& scratch,
                const std::filesystem::path& program = {});

}  // namespace orca::hosttest
