// SPDX-License-Identifier: Apache-2.0
// The host's log of raw jobs in the state directory: the spooler forgets a
// job once it has reached its port, so the host writes down each one a
// command delivered, to list it later. One job a line, its fields separated
// by tabs and escaped (escape.h): number, printer, document name, where it
// went (the port, or the output file the job named), how many bytes it sent,
// and its bytes (the first ones only, when the job was larger than the log
// keeps). A job is logged as it starts, before its bytes go out, with a
// seventh field "sending", and the line is rewritten without it once the
// job has ended: a run killed in between leaves the job shown as being sent,
// never lost. Lines of six fields are delivered jobs. The log keeps each
// printer's newest jobs within limits.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/cli/failure.h"
#include "platform/sim/environment.h"

namespace orca::host {

struct LoggedJob {
    uint32_t number = 0;
    std::string printer;
    std::string document;
    std::string target;
    uint64_t size = 0;           // bytes the job sent
    std::vector<uint8_t> bytes;  // its first bytes, all of them unless the job was cut
    bool sending = false;        // started, and its run ended before it did

    bool operator==(const LoggedJob&) const = default;
};

// How much of each printer's jobs the log keeps: its newest jobs, at most
// `jobs` of them and `bytes` of their bytes together.
struct JobLogLimits {
    size_t jobs = 100;
    size_t bytes = size_t(1) << 20;

    // ORCAUI_JOB_LOG_JOBS and ORCAUI_JOB_LOG_BYTES into *limits, the
    // defaults where they are unset or empty; a failure for any other value.
    static MaybeFailure FromEnvironment(JobLogLimits* limits);
};

// The log's text for the jobs, and back. A line that is no logged job is
// skipped and counted in *skipped: one damaged line costs that line only.
std::string FormatJobLog(std::span<const LoggedJob> jobs);
std::vector<LoggedJob> ParseJobLog(std::string_view text, size_t* skipped);

// Drops each printer's older jobs beyond the limits; the newest job stays,
// cut to the byte limit when it is larger.
void BoundJobLog(std::vector<LoggedJob>* jobs, const JobLogLimits& limits);

// The logged jobs, oldest first; a log that does not exist holds none.
MaybeFailure ReadJobLog(const std::filesystem::path& stateDir, std::vector<LoggedJob>* jobs,
                        size_t* skipped);

// The log numbers of the jobs this run logged as being sent, by their
// spooler job ids.
using SendingJobs = std::map<uint32_t, uint32_t>;

// Logs a job that has just started as being sent, numbered on from the
// log's last, and adds its number to *sending.
MaybeFailure LogJobSending(const std::filesystem::path& stateDir,
                           const platform::sim::Environment& env, const platform::sim::RawJob& job,
                           const JobLogLimits& limits, SendingJobs* sending);

// Logs the environment's delivered jobs: one logged as being sent is
// rewritten in its place, any other added, numbered on from the log's last.
// A job logged as being sent that failed is dropped. Bounds the log.
MaybeFailure LogJobs(const std::filesystem::path& stateDir, const platform::sim::Environment& env,
                     const JobLogLimits& limits, const SendingJobs& sending);

// Drops the printer's jobs (its name compared without letter case).
MaybeFailure ForgetJobs(const std::filesystem::path& stateDir, std::u16string_view printer);

}  // namespace orca::host
