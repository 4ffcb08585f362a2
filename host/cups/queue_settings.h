// SPDX-License-Identifier: Apache-2.0
// A job's settings: the queue's defaults from its PPD, then the job's own
// options, and the commands that put them on the printer before the job.
#pragma once

#include <array>
#include <cstdint>
#include <istream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "commands/command_set_base.h"
#include "host/cups/label_options.h"

namespace orca::host::cups {

// What the filter reads of a queue's PPD.
struct QueuePpd {
    const printers::ModelRow* model = nullptr;
    uint32_t dpi = 0;
    std::map<std::string, std::string> defaults;  // option name -> choice keyword
    std::string documentStart;                    // bytes before every job
    std::string documentEnd;                      // and after it
};

// The model (*orcauiModel), the resolution (*DefaultResolution), every
// *Default line and the document's start and end commands of the PPD; an error message when the
// model is not one of ours.
std::optional<std::string> ReadQueuePpd(std::istream& ppd, QueuePpd* queue);

// name=value pairs as CUPS writes options (a job's, lpoptions'): separated
// by spaces, a value quoted with ' or " or escaped with a backslash.
std::vector<std::pair<std::string, std::string>> ParseOptions(std::string_view text);

// One value per setting; none leaves the setting to the printer.
using SettingValues = std::array<std::optional<double>, kSettingCount>;

// The queue's defaults, each replaced by the job's option of the same name.
// Job options holding no value of the option are refused with a message;
// options that are not label settings are CUPS's and are left alone.
std::optional<std::string> ResolveSettings(const QueuePpd& queue, std::string_view jobOptions,
                                           SettingValues* values);

// The commands of the settings in the printer's language, enclosed, for the
// ORCA printers, in a label format of their own. Nothing when no setting is
// given a value.
std::string SettingsCommands(commands::CCommandSetBase& generator, const SettingValues& values,
                             uint32_t dpi);

}  // namespace orca::host::cups
