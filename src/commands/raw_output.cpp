// SPDX-License-Identifier: Apache-2.0
#include "commands/raw_output.h"

#include <limits>
#include <string>
#include <vector>

#include "platform/files.h"

namespace orca::commands {
namespace {

// One write takes a 32-bit count.
bool FitsOneWrite(std::span<const uint8_t> bytes) {
    return bytes.size() <= std::numeric_limits<uint32_t>::max();
}

void WriteOnce(platform::Spooler& spooler, platform::PrinterHandle printer,
               std::span<const uint8_t> bytes) {
    if (!FitsOneWrite(bytes)) {
        return;
    }
    uint32_t written = 0;  // a short write is not reported either
    spooler.Write(printer, bytes, &written);
}

// Starts the job and its page, lets fillPage write, ends both.
template <typename FillPage>
void RunJob(platform::Spooler& spooler, platform::PrinterHandle printer, FillPage&& fillPage) {
    const platform::DocInfo1 doc{.documentName = std::u16string(kRawJobName),
                                 .outputFile = {},
                                 .dataType = std::u16string(kRawDataType)};
    if (spooler.StartDocument(printer, doc) == 0) {
        return;
    }
    if (spooler.StartPage(printer)) {
        fillPage();
        spooler.EndPage(printer);
    }
    spooler.EndDocument(printer);
}

}  // namespace

void SendRawBytes(platform::Spooler& spooler, platform::PrinterHandle printer,
                  std::span<const uint8_t> bytes) {
    RunJob(spooler, printer, [&] { WriteOnce(spooler, printer, bytes); });
}

void SendRawFile(platform::Spooler& spooler, platform::Files& files,
                 platform::PrinterHandle printer, std::u16string_view path) {
    RunJob(spooler, printer, [&] {
        std::vector<uint8_t> content;
        if (files.ReadWholeFile(path, &content)) {
            WriteOnce(spooler, printer, content);
        }
    });
}

}  // namespace orca::commands
