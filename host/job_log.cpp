#include "job_log.h"

#include <charconv>
#include <fstream>

#include "escape.h"
#include "state_dir.h"
#include "text/utf.h"

namespace orca::host {
namespace {

constexpr char kLogFile[] = "job-log.txt";
constexpr size_t kFieldCount = 5;

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

std::optional<LoggedJob> ParseLine(std::string_view line) {
    const std::vector<std::string_view> fields = SplitTabs(line);
    if (fields.size() != kFieldCount)
        return std::nullopt;
    LoggedJob job;
    const auto [end, ec] =
        std::from_chars(fields[0].data(), fields[0].data() + fields[0].size(), job.number);
    if (ec != std::errc() || end != fields[0].data() + fields[0].size())
        return std::nullopt;
    std::string* texts[] = {&job.printer, &job.document, &job.target};
    for (size_t i = 0; i < std::size(texts); ++i) {
        const auto bytes = UnescapeBytes(fields[i + 1]);
        if (!bytes)
            return std::nullopt;
        texts[i]->assign(bytes->begin(), bytes->end());
    }
    auto bytes = UnescapeBytes(fields[4]);
    if (!bytes)
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

}  // namespace

MaybeFailure ReadJobLog(const std::filesystem::path& stateDir, std::vector<LoggedJob>* jobs) {
    const std::filesystem::path file = stateDir / kLogFile;
    std::ifstream in(file, std::ios::binary);
    std::error_code ec;
    if (!in && std::filesystem::exists(file, ec))
        return Failure{kExitState, file.string() + ": cannot be read"};
    std::string line;
    for (size_t number = 1; std::getline(in, line); ++number) {
        auto job = ParseLine(line);
        if (!job) {
            return Failure{kExitState,
                           file.string() + ":" + std::to_string(number) + ": not a logged job"};
        }
        jobs->push_back(std::move(*job));
    }
    return std::nullopt;
}

MaybeFailure LogJobs(const std::filesystem::path& stateDir, const platform::sim::Environment& env) {
    const std::vector<platform::sim::RawJob> finished = env.Jobs();
    if (finished.empty())
        return std::nullopt;
    std::vector<LoggedJob> logged;
    if (auto failed = ReadJobLog(stateDir, &logged))
        return failed;
    uint32_t number = logged.empty() ? 0 : logged.back().number;
    for (const platform::sim::RawJob& job : finished) {
        LoggedJob& entry = logged.emplace_back();
        entry.number = ++number;
        entry.printer = text::Utf16ToUtf8(job.printerName);
        entry.document = text::Utf16ToUtf8(job.documentName);
        entry.target = job.outputFile.empty() ? PortOf(env, job.printerName)
                                              : text::Utf16ToUtf8(job.outputFile);
        for (const std::vector<uint8_t>& write : job.writes)
            entry.bytes.insert(entry.bytes.end(), write.begin(), write.end());
    }
    std::string out;
    for (const LoggedJob& job : logged) {
        out += std::to_string(job.number) + '\t' + EscapeBytes(job.printer) + '\t' +
               EscapeBytes(job.document) + '\t' + EscapeBytes(job.target) + '\t' +
               EscapeBytes(job.bytes) + '\n';
    }
    return ReplaceFile(stateDir / kLogFile, out);
}

}  // namespace orca::host
