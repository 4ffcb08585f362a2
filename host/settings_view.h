// A printer's settings records as text, field by field under the names the
// settings files use, in sections like theirs: the public record, the
// option area, the custom commands, then the barcode fonts and command fonts
// in use.
#pragma once

#include <string>

#include "support/host_settings.h"

namespace orca::host {

std::string DescribeSettings(testsupport::HostDevMode& records);

}  // namespace orca::host
