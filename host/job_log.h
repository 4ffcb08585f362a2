// The host's log of raw jobs in the state directory: the spooler forgets a
// job once it has reached its port, so the host writes down each one a
// command sent, to list it later. One job a line, its fields separated by
// tabs and escaped (escape.h): number, printer, document name, where it went
// (the port, or the output file the job named), bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "failure.h"
#include "platform/sim/environment.h"

namespace orca::host {

struct LoggedJob {
    uint32_t number = 0;
    std::string printer;
    std::string document;
    std::string target;
    std::vector<uint8_t> bytes;
};

// The logged jobs, oldest first; a log that does not exist holds none.
MaybeFailure ReadJobLog(const std::filesystem::path& stateDir, std::vector<LoggedJob>* jobs);

// Adds the environment's finished jobs to the log, numbered on from its last.
MaybeFailure LogJobs(const std::filesystem::path& stateDir, const platform::sim::Environment& env);

}  // namespace orca::host
