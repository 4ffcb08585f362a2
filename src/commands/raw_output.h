// SPDX-License-Identifier: Apache-2.0
// The raw output path: bytes sent straight to the printer as one raw spooler
// job named "Calibrate", one page, one write. The Tools page and the
// Calibrate buttons send through it. Failures are silent by design: a job the
// spooler refuses ends the operation, a page that cannot start skips the
// write but still ends the document.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/spooler.h"

namespace orca::platform {
class Files;
}

namespace orca::commands {

inline constexpr std::u16string_view kRawJobName = u"Calibrate";
inline constexpr std::u16string_view kRawDataType = u"RAW";

// Sends the bytes in one job; a count too large for one write is not sent
// (the job still starts and ends).
void SendRawBytes(platform::Spooler& spooler, platform::PrinterHandle printer,
                  std::span<const uint8_t> bytes);

// Sends a whole file in one job. A file that cannot be read completely, or is
// too large for one write, is not sent; the job still starts and ends.
void SendRawFile(platform::Spooler& spooler, platform::Files& files,
                 platform::PrinterHandle printer, std::u16string_view path);

}  // namespace orca::commands
