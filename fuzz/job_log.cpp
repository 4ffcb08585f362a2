// SPDX-License-Identifier: Apache-2.0
// Arbitrary bytes as the host's job log: every line reads as a job or is
// skipped, what was read writes and reads back the same, and the bytes
// themselves survive their escaping.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/output/escape.h"
#include "host/state/job_log.h"

namespace {

using namespace orca::host;

void Check(bool condition) {
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::span<const uint8_t> bytes(data, size);

    const auto unescaped = UnescapeBytes(EscapeBytes(bytes));
    Check(unescaped &&
          std::equal(unescaped->begin(), unescaped->end(), bytes.begin(), bytes.end()));
    if (const auto read = UnescapeBytes(text))
        Check(UnescapeBytes(EscapeBytes(*read)) == read);

    size_t skipped = 0;
    std::vector<LoggedJob> jobs = ParseJobLog(text, &skipped);
    size_t again = 0;
    Check(ParseJobLog(FormatJobLog(jobs), &again) == jobs && again == 0);

    // Bounding keeps the newest job of each printer within the limits.
    BoundJobLog(&jobs, JobLogLimits{.jobs = 2, .bytes = 16});
    for (const LoggedJob& job : jobs)
        Check(job.bytes.size() <= 16 && job.bytes.size() <= job.size);
    Check(ParseJobLog(FormatJobLog(jobs), &again) == jobs);
    return 0;
}
