// SPDX-License-Identifier: Apache-2.0
#include "host/state/job_log.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>

#include "host/cli/environment_number.h"
#include "host/output/escape.h"
#include "host/state/state_dir.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

constexpr char kLogFile[] = "job-log.txt";
constexpr size_t kFieldCount = 6;
constexpr std::string_view kSending = "sending";
// The log keeps each printer's jobs within limits, so a larger file is none
// this host wrote; reading it whole could exhaust the memory.
constexpr uintmax_t kMaxLogBytes = uintmax_t(256) << 20;
// A printer's jobs, each byte written as up to four: several printers at
// this bound stay under what the next run reads.
constexpr uint64_t kMaxPrinterBytes = uint64_t(16) << 20;

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

template <typename Number>
bool ParseWhole(std::string_view text, Number* value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), *value);
    return !text.empty() && ec == std::errc() && end == text.data() + text.size();
}

std::optional<LoggedJob> ParseLine(std::string_view line) {
    const std::vector<std::string_view> fields = SplitTabs(line);
    const bool sending = fields.size() == kFieldCount + 1 && fields[kFieldCount] == kSending;
    if (fields.size() != kFieldCount && !sending)
        return std::nullopt;
    LoggedJob job;
    job.sending = sending;
    if (!ParseWhole(fields[0], &job.number) || !ParseWhole(fields[4], &job.size))
        return std::nullopt;
    std::string* texts[] = {&job.printer, &job.document, &job.target};
    for (size_t i = 0; i < std::size(texts); ++i) {
        const auto bytes = UnescapeBytes(fields[i + 1]);
        if (!bytes)
            return std::nullopt;
        texts[i]->assign(bytes->begin(), bytes->end());
    }
    auto bytes = UnescapeBytes(fields[5]);
    if (!bytes || bytes->size() > job.size)
        return std::nullopt;
    job.bytes = std::move(*bytes);
    return job;
}

std::string PortOf(const platform::sim::Environment& env, std::u16string_view printer) {
    for (const platform::sim::Printer& p : env.Printers()) {
        if (p.name == printer)
            return text::Utf16ToUtf8(p.portName);
    }
    return {};
}

MaybeFailure WriteJobLog(const std::filesystem::path& stateDir, std::span<const LoggedJob> jobs) {
    return ReplaceFile(stateDir / kLogFile, FormatJobLog(jobs));
}

uint32_t LastNumber(const std::vector<LoggedJob>& logged) {
    uint32_t number = 0;
    for (const LoggedJob& job : logged)
        number = std::max(number, job.number);
    return number;
}

// The job as the log keeps it, without its number.
LoggedJob Entry(const platform::sim::Environment& env, const platform::sim::RawJob& job,
                const JobLogLimits& limits) {
    LoggedJob entry;
    entry.printer = text::Utf16ToUtf8(job.printerName);
    entry.document = text::Utf16ToUtf8(job.documentName);
    entry.target =
        job.outputFile.empty() ? PortOf(env, job.printerName) : text::Utf16ToUtf8(job.outputFile);
    for (const std::vector<uint8_t>& write : job.writes) {
        entry.size += write.size();
        // The log keeps no more of a job than its byte limit.
        const size_t room = limits.bytes - std::min(limits.bytes, entry.bytes.size());
        entry.bytes.insert(entry.bytes.end(), write.begin(),
                           write.begin() + std::ptrdiff_t(std::min(room, write.size())));
    }
    return entry;
}

// The line of a job this run logged as being sent, or the end.
std::vector<LoggedJob>::iterator Sent(std::vector<LoggedJob>& logged, const SendingJobs& sending,
                                      uint32_t jobId) {
    const auto started = sending.find(jobId);
    if (started == sending.end())
        return logged.end();
    return std::ranges::find_if(logged, [&started](const LoggedJob& job) {
        return job.sending && job.number == started->second;
    });
}

}  // namespace

MaybeFailure JobLogLimits::FromEnvironment(JobLogLimits* limits) {
    const JobLogLimits defaults;
    uint64_t jobs = 0, bytes = 0;
    if (auto invalid = ReadEnvironmentNumber(
            {"ORCAUI_JOB_LOG_JOBS", 1, 1000000, "jobs", defaults.jobs}, &jobs))
        return invalid;
    if (auto invalid = ReadEnvironmentNumber(
            {"ORCAUI_JOB_LOG_BYTES", 1, kMaxPrinterBytes, "bytes", defaults.bytes}, &bytes))
        return invalid;
    *limits = JobLogLimits{.jobs = jobs, .bytes = bytes};
    return std::nullopt;
}

std::string FormatJobLog(std::span<const LoggedJob> jobs) {
    std::string out;
    for (const LoggedJob& job : jobs) {
        out += std::to_string(job.number) + '\t' + EscapeBytes(job.printer) + '\t' +
               EscapeBytes(job.document) + '\t' + EscapeBytes(job.target) + '\t' +
               std::to_string(job.size) + '\t' + EscapeBytes(job.bytes) +
               (job.sending ? '\t' + std::string(kSending) : std::string()) + '\n';
    }
    return out;
}

std::vector<LoggedJob> ParseJobLog(std::string_view text, size_t* skipped) {
    std::vector<LoggedJob> jobs;
    *skipped = 0;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        if (auto job = ParseLine(line))
            jobs.push_back(std::move(*job));
        else
            ++*skipped;
    }
    return jobs;
}

void BoundJobLog(std::vector<LoggedJob>* jobs, const JobLogLimits& limits) {
    struct Kept {
        std::u16string printer;
        size_t jobs = 0;
        size_t bytes = 0;
        bool full = false;
    };
    std::vector<Kept> printers;
    std::vector<bool> keep(jobs->size(), false);
    for (size_t i = jobs->size(); i-- > 0;) {
        LoggedJob& job = (*jobs)[i];
        const std::u16string printer = text::Utf8ToUtf16(job.printer);
        auto found = std::ranges::find_if(
            printers, [&](const Kept& k) { return text::EqualsNoCase(k.printer, printer); });
        if (found == printers.end())
            found = printers.insert(printers.end(), Kept{.printer = printer});
        Kept& kept = *found;
        if (kept.jobs == 0 && job.bytes.size() > limits.bytes)
            job.bytes.resize(limits.bytes);
        kept.full =
            kept.full || kept.jobs == limits.jobs || kept.bytes + job.bytes.size() > limits.bytes;
        if (kept.full)
            continue;
        keep[i] = true;
        ++kept.jobs;
        kept.bytes += job.bytes.size();
    }
    size_t i = 0;
    std::erase_if(*jobs, [&](const LoggedJob&) { return !keep[i++]; });
}

MaybeFailure ReadJobLog(const std::filesystem::path& stateDir, std::vector<LoggedJob>* jobs,
                        size_t* skipped) {
    const std::filesystem::path file = stateDir / kLogFile;
    *skipped = 0;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return std::nullopt;
    if (!std::filesystem::is_regular_file(file, ec))
        return Failure{kExitState, file.string() + ": not a file"};
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec)
        return Failure{kExitState, file.string() + ": cannot be read: " + ec.message()};
    if (size > kMaxLogBytes) {
        return Failure{kExitState, file.string() + ": larger than a job log can be (" +
                                       std::to_string(size) + " bytes; it keeps at most " +
                                       std::to_string(kMaxLogBytes) + ")"};
    }
    std::ifstream in(file, std::ios::binary);
    std::string text(size_t(size), '\0');
    in.read(text.data(), std::streamsize(size));
    text.resize(size_t(in.gcount()));
    if (in.bad())
        return Failure{kExitState, file.string() + ": cannot be read"};
    *jobs = ParseJobLog(text, skipped);
    return std::nullopt;
}

MaybeFailure LogJobSending(const std::filesystem::path& stateDir,
                           const platform::sim::Environment& env, const platform::sim::RawJob& job,
                           const JobLogLimits& limits, SendingJobs* sending) {
    std::vector<LoggedJob> logged;
    size_t skipped = 0;
    if (auto failed = ReadJobLog(stateDir, &logged, &skipped))
        return failed;
    LoggedJob entry = Entry(env, job, limits);
    entry.number = LastNumber(logged) + 1;
    entry.sending = true;
    logged.push_back(std::move(entry));
    BoundJobLog(&logged, limits);
    if (auto failed = WriteJobLog(stateDir, logged))
        return failed;
    (*sending)[job.id] = logged.back().number;
    return std::nullopt;
}

MaybeFailure LogJobs(const std::filesystem::path& stateDir, const platform::sim::Environment& env,
                     const JobLogLimits& limits, const SendingJobs& sending) {
    const std::vector<platform::sim::JobFailure> failures = env.FailedJobs();
    const auto failed = [&failures](uint32_t id) {
        return std::ranges::any_of(
            failures, [id](const platform::sim::JobFailure& f) { return f.jobId == id; });
    };
    std::vector<platform::sim::RawJob> delivered = env.Jobs();
    std::erase_if(delivered,
                  [&failed](const platform::sim::RawJob& job) { return failed(job.id); });
    if (delivered.empty() && sending.empty())
        return std::nullopt;
    std::vector<LoggedJob> logged;
    size_t skipped = 0;
    if (auto failure = ReadJobLog(stateDir, &logged, &skipped))
        return failure;
    uint32_t number = LastNumber(logged);
    for (const platform::sim::RawJob& job : delivered) {
        LoggedJob entry = Entry(env, job, limits);
        const auto sent = Sent(logged, sending, job.id);
        if (sent != logged.end()) {
            entry.number = sent->number;
            *sent = std::move(entry);
        } else {
            entry.number = ++number;
            logged.push_back(std::move(entry));
        }
    }
    for (const auto& started : sending) {
        const auto sent = Sent(logged, sending, started.first);
        if (failed(started.first) && sent != logged.end())
            logged.erase(sent);
    }
    BoundJobLog(&logged, limits);
    return WriteJobLog(stateDir, logged);
}

MaybeFailure ForgetJobs(const std::filesystem::path& stateDir, std::u16string_view printer) {
    std::vector<LoggedJob> logged;
    size_t skipped = 0;
    if (auto failed = ReadJobLog(stateDir, &logged, &skipped))
        return failed;
    const size_t before = logged.size();
    std::erase_if(logged, [printer](const LoggedJob& job) {
        return text::EqualsNoCase(text::Utf8ToUtf16(job.printer), printer);
    });
    if (logged.size() == before && skipped == 0)
        return std::nullopt;
    return WriteJobLog(stateDir, logged);
}

}  // namespace orca::host
