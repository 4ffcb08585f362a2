// SPDX-License-Identifier: Apache-2.0
// orcaui-filter: the CUPS filter of the ORCAUI label printers. It takes a
// job in the printer's own command language and writes the queue's
// settings (its PPD's defaults, each replaced by the job's option of the
// same name) once, ahead of the job, and the queue's document start
// commands, then the job's bytes unchanged, then its document end commands.
// The job's copies (COPIES) are the printer's to make: a label format of the
// job that sets no quantity gets the quantity command before its end. The
// settings go first so that every label of the job prints with them and a
// label that sets its own (a ^PR inside its format) still wins. The job
// streams through a fixed buffer: memory does not grow with the job.
//
//   orcaui-filter JOB USER TITLE COPIES OPTIONS [FILE]
//
// Anything else (a PDF, an image, text) is refused: an "ERROR:" line for
// the job's state and exit status 1.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "commands/command_set_onyx.h"
#include "commands/command_set_orca.h"
#include "host/cups/job_copies.h"
#include "host/cups/job_language.h"
#include "host/cups/queue_settings.h"

namespace {

using namespace orca::host::cups;

constexpr size_t kChunk = 64 * 1024;

int Refuse(const std::string& message) {
    std::cerr << "ERROR: " << message << std::endl;
    return 1;
}

bool WriteAll(const char* bytes, size_t count) {
    while (count > 0) {
        const ssize_t written = write(STDOUT_FILENO, bytes, count);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

ssize_t ReadSome(int fd, char* buffer, size_t size) {
    ssize_t got;
    do {
        got = read(fd, buffer, size);
    } while (got < 0 && errno == EINTR);
    return got;
}

// Fills the buffer as far as the input goes (a pipe hands over less at a time).
ssize_t ReadFirst(int fd, char* buffer, size_t size) {
    size_t filled = 0;
    while (filled < size) {
        const ssize_t got = ReadSome(fd, buffer + filled, size - filled);
        if (got < 0)
            return got;
        if (got == 0)
            break;
        filled += static_cast<size_t>(got);
    }
    return static_cast<ssize_t>(filled);
}

std::unique_ptr<orca::commands::CCommandSetBase> GeneratorOf(orca::printers::Language language) {
    if (language == orca::printers::Language::Onyx)
        return std::make_unique<orca::commands::CCommandSet_ONYX>();
    return std::make_unique<orca::commands::CCommandSet_ORCA>();
}

int Filter(int argc, char** argv) {
    if (argc < 6 || argc > 7) {
        std::cerr << "usage: orcaui-filter JOB USER TITLE COPIES OPTIONS [FILE]\n"
                     "(a CUPS filter: the print server runs it for a queue whose PPD names it)\n";
        return 1;
    }
    const char* ppdPath = std::getenv("PPD");
    if (ppdPath == nullptr)
        return Refuse("no PPD: the queue was not made with an ORCAUI PPD (orcaui ppd MODEL)");
    std::ifstream ppdFile(ppdPath);
    QueuePpd queue;
    if (!ppdFile)
        return Refuse(std::string("cannot read the queue's PPD ") + ppdPath);
    if (auto failed = ReadQueuePpd(ppdFile, &queue))
        return Refuse(*failed);
    SettingValues values;
    if (auto failed = ResolveSettings(queue, argv[5], &values))
        return Refuse(*failed);

    const int input = argc == 7 ? open(argv[6], O_RDONLY) : STDIN_FILENO;
    if (input < 0)
        return Refuse(std::string("cannot open the job's file: ") + std::strerror(errno));
    const auto buffer = std::make_unique<char[]>(kChunk);
    ssize_t got = ReadFirst(input, buffer.get(), kChunk);
    if (got < 0)
        return Refuse(std::string("cannot read the job: ") + std::strerror(errno));
    const std::string_view start(buffer.get(), static_cast<size_t>(got));
    const char* type = std::getenv("CONTENT_TYPE");
    if (auto refused = RefusalOf(start, *queue.model, type == nullptr ? "" : type))
        return Refuse(*refused);

    const auto generator = GeneratorOf(queue.model->language);
    std::string out = SettingsCommands(*generator, values, queue.dpi) + queue.documentStart;
    JobCopies copies(*generator, static_cast<uint32_t>(std::max(1, std::atoi(argv[4]))));
    while (got > 0) {
        copies.Feed(std::string_view(buffer.get(), static_cast<size_t>(got)), &out);
        if (!WriteAll(out.data(), out.size()))
            return Refuse("the printer's connection closed");
        out.clear();
        got = ReadSome(input, buffer.get(), kChunk);
    }
    if (got < 0)
        return Refuse(std::string("cannot read the job: ") + std::strerror(errno));
    copies.Finish(&out);
    out += queue.documentEnd;
    if (!WriteAll(out.data(), out.size()))
        return Refuse("the printer's connection closed");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    return Filter(argc, argv);
}
