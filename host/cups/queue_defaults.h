// SPDX-License-Identifier: Apache-2.0
// Between a printer's settings and a CUPS queue's PPD: the defaults a PPD
// gives its label options from the settings records, the changes made to
// those defaults outside orcaui taken back into the records, and the
// custom papers between the spooler's forms and the PPD.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "host/cli/failure.h"
#include "host/cups/ppd_writer.h"
#include "host/driver_host/driver_host.h"
#include "host/driver_host/host_settings.h"
#include "platform/sim/environment.h"

namespace orca::host::cups {

// Each label option's choice as the records hold it, and the Custom Command
// page's document start and end commands (a command file's bytes, read now).
MaybeFailure DefaultsOfRecords(driverhost::HostDevMode& records, const printers::ModelRow& model,
                               QueueDefaults* defaults);

// The queue defaults of a printer of the environment: the above from its
// settings records as the hooks give them, and the whole records and the
// custom papers for the queue to keep.
MaybeFailure DefaultsOfPrinter(const driverhost::PluginLibrary& plugin,
                               const platform::sim::Environment& env, const std::u16string& name,
                               const printers::ModelRow& model, QueueDefaults* defaults);

// Each label option whose PPD default is not the one last saved (`lpadmin
// -o` changed it since) and not what the records hold: the PPD's choice is
// stored into the records. True when one was.
bool TakeChangedDefaults(driverhost::HostDevMode& records, const printers::ModelRow& model,
                         const std::map<std::string, std::string>& ppdDefaults,
                         const QueueStore& store);

// The Stocks page's papers: the forms named "Custom Paper-...".
std::vector<StoredPaper> CustomPapers(const platform::sim::Environment& env);
void AddCustomPapers(platform::sim::Environment& env, const std::vector<StoredPaper>& papers);

}  // namespace orca::host::cups
