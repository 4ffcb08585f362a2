// The PPD of a CUPS queue for a printer model: its resolution, its papers
// and paper limits, its label settings as options (the names of `orcaui
// set`), and the filter that puts them before each job.
#pragma once

#include <ostream>

#include "printers/printer_models_table.h"

namespace orca::host::cups {

// The MIME type of jobs in the model's command language (orcaui.types).
std::string_view JobTypeOf(const settings::ModelRow& model);

void WritePpd(const settings::ModelRow& model, std::ostream& out);

}  // namespace orca::host::cups
