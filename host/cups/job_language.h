// SPDX-License-Identifier: Apache-2.0
// Whether a job is written in the printer's command language, told from its
// first bytes, and what to say when it is not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "printers/printer_models_table.h"

namespace orca::host::cups {

// Nothing when the job's first bytes (after blanks) open a command of the
// model's language, or there are no bytes; else why the job cannot print,
// naming what it is (from its first bytes or its CUPS content type).
std::optional<std::string> RefusalOf(std::string_view start, const printers::ModelRow& model,
                                     std::string_view contentType);

}  // namespace orca::host::cups
