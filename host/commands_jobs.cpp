// jobs PRINTER: the raw jobs the printer was sent.
#include <iostream>

#include "commands.h"
#include "escape.h"
#include "job_log.h"
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
    std::vector<LoggedJob> jobs;
    if (auto failed = ReadJobLog(host.StateDirectory(), &jobs))
        return Report(*failed);
    const std::string printer = text::Utf16ToUtf8(name);
    size_t listed = 0;
    for (const LoggedJob& job : jobs) {
        if (job.printer != printer)
            continue;
        ++listed;
        std::cout << "job " << job.number << " \"" << job.document << "\" to " << job.target << ", "
                  << job.bytes.size() << " bytes\n";
        PrintBytes(job.bytes);
    }
    if (listed == 0)
        std::cout << "no jobs sent to " << printer << "\n";
    return kExitOk;
}

}  // namespace

const CommandSpec kJobsCommand{
    "jobs",
    "jobs PRINTER",
    "list the raw jobs sent to the printer",
    "Every raw job that orcaui sent (the Tools page's commands, calibration) is\n"
    "logged in the state directory with its document name, where it went and its\n"
    "bytes. Bytes are shown as text, with a backslash doubled and every other byte\n"
    "outside printable ASCII as \\xHH (\\x0D is CR, \\x02 STX); an output line ends\n"
    "where a line of the job ends.\n",
    nullptr,
    {},
    1,
    1,
    ListJobs};

}  // namespace orca::host
