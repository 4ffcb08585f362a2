// SPDX-License-Identifier: Apache-2.0
// jobs PRINTER: the raw jobs the printer was sent.
#include <iostream>

#include "host/commands/commands.h"
#include "host/output/escape.h"
#include "host/output/json_output.h"
#include "host/state/job_log.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

// The bytes escaped, a line of output for each line of the job (a line
// ends at LF, or at a CR without LF behind it).
void PrintBytes(const std::vector<uint8_t>& bytes) {
    size_t start = 0;
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool lineEnd = bytes[i] == '\n' ||
                             (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n'));
        if (lineEnd || i + 1 == bytes.size()) {
            std::cout << "    " << EscapeBytes(std::span(bytes).subspan(start, i + 1 - start))
                      << "\n";
            start = i + 1;
        }
    }
}

int ListJobs(Host& host, const Arguments& args) {
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    const std::string printer = text::Utf16ToUtf8(name);
    if (args.Has("--clear") && args.Has(kJsonOption.name))
        return Report({kExitUsage, "give --clear or --json, not both"});
    if (args.Has("--clear")) {
        if (auto failed = ForgetJobs(host.StateDirectory(), name))
            return Report(*failed);
        std::cout << "cleared the jobs of " << printer << "\n";
        return kExitOk;
    }
    std::vector<LoggedJob> jobs;
    size_t skipped = 0;
    if (auto failed = ReadJobLog(host.StateDirectory(), &jobs, &skipped))
        return Report(*failed);
    if (skipped != 0) {
        std::cerr << "orcaui: note: " << skipped
                  << " damaged line(s) of the job log skipped; the next job logged drops them\n";
    }
    Json list = Json::array();
    size_t listed = 0;
    for (const LoggedJob& job : jobs) {
        if (!text::EqualsNoCase(text::Utf8ToUtf16(job.printer), name))
            continue;
        const bool cut = job.bytes.size() < job.size;
        if (args.Has(kJsonOption.name)) {
            list.push_back({{"number", job.number},
                            {"document", job.document},
                            {"target", job.target},
                            {"size", job.size},
                            {"bytes", EscapeBytes(job.bytes)},
                            {"complete", !cut},
                            {"delivered", !job.sending}});
            continue;
        }
        ++listed;
        if (job.sending) {
            std::cout << "job " << job.number << " \"" << job.document << "\" to " << job.target
                      << ": being sent when its run ended; whether it arrived is not known\n";
            continue;
        }
        std::cout << "job " << job.number << " \"" << job.document << "\" to " << job.target << ", "
                  << job.size << " bytes"
                  << (cut ? " (the log kept the first " + std::to_string(job.bytes.size()) + ")"
                          : "")
                  << "\n";
        PrintBytes(job.bytes);
    }
    if (args.Has(kJsonOption.name))
        PrintJson(list);
    else if (listed == 0)
        std::cout << "no jobs sent to " << printer << "\n";
    return kExitOk;
}

constexpr OptionSpec kJobsOptions[] = {
    {"--clear", "", false},
    kJsonOption,
};

}  // namespace

const CommandSpec kJobsCommand{
    "jobs",
    "jobs PRINTER [--clear | --json]",
    "list the raw jobs sent to the printer",
    "Every raw job that orcaui delivered (the Tools page's commands, calibration) is\n"
    "logged in the state directory with its document name, where it went and its\n"
    "bytes. Bytes are shown as text, with a backslash doubled and every other byte\n"
    "outside printable ASCII as \\xHH (\\x0D is CR, \\x02 STX); an output line ends\n"
    "where a line of the job ends. A job that failed is not logged: the command that\n"
    "sent it told why. A job is logged as it starts; one whose run was killed before\n"
    "it ended is shown as being sent.\n\n"
    "The log keeps each printer's newest 100 jobs and 1 MiB of their bytes (a larger\n"
    "job keeps its first bytes); ORCAUI_JOB_LOG_JOBS and ORCAUI_JOB_LOG_BYTES change\n"
    "the limits. Removing a printer drops its jobs.\n\n"
    "options:\n"
    "  --clear   drop the printer's logged jobs\n"
    "  --json    print the jobs as a JSON array of objects (number, document, target,\n"
    "            size, bytes escaped as above, complete: false when the log kept only\n"
    "            the first bytes, delivered: false for a job shown as being sent)\n",
    nullptr,
    kJobsOptions,
    1,
    1,
    ListJobs};

}  // namespace orca::host
