// SPDX-License-Identifier: Apache-2.0
// The commands of orcaui: each names itself, documents itself for --help and
// runs on the host with its parsed arguments.
#pragma once

#include <span>
#include <string_view>

#include "host/cli/arguments.h"
#include "host/state/host.h"

namespace orca::host {

struct CommandSpec {
    std::string_view name;         // "printer add"
    std::string_view usage;        // after "orcaui "
    std::string_view summary;      // its line in the list of commands
    std::string_view details;      // the rest of its --help
    std::string (*moreDetails)();  // generated help after details, or null
    std::span<const OptionSpec> options;
    size_t minArguments;
    size_t maxArguments;
    int (*run)(Host& host, const Arguments& args);
};

// `printer add`'s options, on the simulated spooler and on CUPS alike.
inline constexpr OptionSpec kPrinterAddOptions[] = {
    {"--driver", "", true},
    {"--model", "", true},
    {"--port", "", true},
};

// The printer's properties (the printer sheet) instead of its printing preferences.
inline constexpr OptionSpec kPrinterSheetOption = {"--printer-sheet", "", false};

extern const CommandSpec kPrintersCommand;
extern const CommandSpec kModelsCommand;
extern const CommandSpec kPrinterAddCommand;
extern const CommandSpec kPrinterRemoveCommand;
extern const CommandSpec kSettingsCommand;
extern const CommandSpec kSheetCommand;
extern const CommandSpec kJobsCommand;
extern const CommandSpec kOptionsCommand;
extern const CommandSpec kGetCommand;
extern const CommandSpec kSetCommand;
extern const CommandSpec kPpdCommand;

// The same commands on a CUPS server (--spooler cups): its queues and jobs.
extern const CommandSpec kCupsPrintersCommand;
extern const CommandSpec kCupsPrinterAddCommand;
extern const CommandSpec kCupsPrinterRemoveCommand;
extern const CommandSpec kCupsJobsCommand;

// Prints the command's --help.
void PrintHelp(const CommandSpec& command);

}  // namespace orca::host
