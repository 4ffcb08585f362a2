// SPDX-License-Identifier: Apache-2.0
// orcaui: the command-line host of the plug-in. It keeps a simulated printer
// environment in a state directory and drives the plug-in through its
// exports and hooks as a printer-driver host does.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "host/cli/overview_help.h"
#include "host/cli/plugin_path.h"
#include "host/commands/commands.h"
#include "host/state/state_dir.h"

namespace {

using namespace orca::host;

const CommandSpec* const kCommands[] = {
    &kPrintersCommand, &kPrinterAddCommand, &kPrinterRemoveCommand, &kModelsCommand,
    &kSettingsCommand, &kSheetCommand,      &kJobsCommand,          &kOptionsCommand,
    &kGetCommand,      &kSetCommand,        &kPpdCommand,
};

// With --spooler cups these work on the CUPS server instead; the others
// keep to the simulated printers.
const CommandSpec* const kCupsCommands[] = {
    &kCupsPrintersCommand,
    &kCupsPrinterAddCommand,
    &kCupsPrinterRemoveCommand,
    &kCupsJobsCommand,
};

// With --spooler cups these work on the CUPS queue their PRINTER names.
const CommandSpec* const kQueueCommands[] = {
    &kSettingsCommand, &kSheetCommand, &kOptionsCommand, &kGetCommand, &kSetCommand,
};

constexpr OptionSpec kGlobalOptions[] = {
    {"--state", "", true},
    {"--plugin", "", true},
    {"--spooler", "", true},
    {"--cups-server", "", true},
};

bool IsGlobalOption(const std::string& arg) {
    for (const OptionSpec& option : kGlobalOptions) {
        if (arg == option.name || arg.starts_with(std::string(option.name) + "="))
            return true;
    }
    return false;
}

void PrintOverview() {
    std::cout << "orcaui: the command-line host of the ORCAUI label-printer plug-in.\n"
                 "It keeps simulated printers in a state directory and opens the plug-in's\n"
                 "pages on them as text.\n\n"
                 "usage: orcaui [--state DIR] [--plugin PATH] [--spooler sim|cups]\n"
                 "              [--cups-server HOST:PORT] COMMAND [ARGUMENTS]\n"
                 "       orcaui --version\n\n"
                 "commands:\n";
    for (const CommandSpec* command : kCommands) {
        const std::string name(command->name);
        std::cout << "  " << name << std::string(name.size() < 16 ? 16 - name.size() : 1, ' ')
                  << command->summary << "\n";
    }
    std::cout << "\noptions:\n"
                 "  --state DIR     the state directory (default: $XDG_STATE_HOME/orcaui,\n"
                 "                  else ~/.local/state/orcaui); a new one gets an ORCA and an\n"
                 "                  ONYX printer\n"
                 "  --plugin PATH   the plug-in library to load (default: $ORCAUI_PLUGIN,\n"
                 "                  else libORCAUI.so in ../lib/orcaui/ from orcaui's own\n"
                 "                  folder, as installed, else the one built with orcaui)\n"
                 "  --spooler S     sim (the default, or $ORCAUI_SPOOLER): the simulated\n"
                 "                  printers of the state directory; cups: printers,\n"
                 "                  printer add, printer remove and jobs work on the CUPS\n"
                 "                  server's queues instead, and settings, sheet, options,\n"
                 "                  get and set on the queue PRINTER names: its settings\n"
                 "                  and custom papers are kept in its PPD, and the raw jobs\n"
                 "                  of its Tools page are jobs of the queue\n"
                 "  --cups-server HOST:PORT  the CUPS server (default: $CUPS_SERVER, else\n"
                 "                  the local one)\n"
                 "  --version       print orcaui's version and licence\n\n"
                 "`printer`, `set`, `settings --import`, `jobs --clear` and `sheet` write the\n"
                 "state directory (with --spooler cups: the queue); the other commands only\n"
                 "read it.\n"
              << ExitCodesAndEnvironment()
              << "`orcaui COMMAND --help` tells more about a command.\n";
}

// The command named by the first one or two words; *used tells how many.
const CommandSpec* FindCommand(const std::vector<std::string>& words, size_t* used) {
    for (const CommandSpec* command : kCommands) {
        const std::string_view name = command->name;
        const size_t space = name.find(' ');
        if (space == std::string_view::npos && !words.empty() && words[0] == name) {
            *used = 1;
            return command;
        }
        if (space != std::string_view::npos && words.size() >= 2 &&
            words[0] == name.substr(0, space) && words[1] == name.substr(space + 1)) {
            *used = 2;
            return command;
        }
    }
    return nullptr;
}

// The command's CUPS version, if it has one.
const CommandSpec* OnCups(const CommandSpec* command) {
    for (const CommandSpec* onCups : kCupsCommands) {
        if (onCups->name == command->name)
            return onCups;
    }
    return command;
}

std::string EnvironmentValue(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

// Takes the global options out of args, up to a "--".
MaybeFailure TakeGlobalOptions(std::vector<std::string>* args, Arguments* global) {
    std::vector<std::string> globals;
    std::vector<std::string> rest;
    bool ended = false;
    for (size_t i = 0; i < args->size(); ++i) {
        const std::string& arg = (*args)[i];
        ended = ended || arg == "--";
        const bool global = !ended && IsGlobalOption(arg);
        if (!global) {
            rest.push_back(arg);
            continue;
        }
        globals.push_back(arg);
        if (arg.find('=') == std::string::npos && i + 1 < args->size())
            globals.push_back((*args)[++i]);
    }
    *args = std::move(rest);
    return ParseArguments(globals, kGlobalOptions, global);
}

int Run(std::vector<std::string> args) {
    Arguments global;
    if (auto failed = TakeGlobalOptions(&args, &global))
        return Report(*failed);
    if (args.size() == 1 && args[0] == "--version") {
        // As GNU programs tell theirs: the version, the copyright and the licence.
        std::cout << "orcaui " ORCAUI_VERSION
                     "\n"
                     "Copyright " ORCAUI_COPYRIGHT
                     ".\n"
                     "License Apache-2.0: <https://www.apache.org/licenses/LICENSE-2.0>.\n"
                     "This is free software: you are free to change and redistribute it.\n"
                     "There is NO WARRANTY, to the extent permitted by law.\n";
        return kExitOk;
    }
    if (args.empty()) {
        std::cerr << "usage: orcaui [--state DIR] [--plugin PATH] COMMAND [ARGUMENTS]\n"
                     "`orcaui --help` lists the commands.\n";
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        size_t used = 0;
        const std::vector<std::string> topic(args.begin() + std::min<size_t>(args.size(), 1),
                                             args.end());
        if (const CommandSpec* command = FindCommand(topic, &used)) {
            PrintHelp(*command);
            return kExitOk;
        }
        PrintOverview();
        return kExitOk;
    }
    const std::string spooler =
        global.Value("--spooler", EnvironmentValue("ORCAUI_SPOOLER", "sim"));
    if (spooler != "sim" && spooler != "cups")
        return Report({kExitUsage, "--spooler is sim or cups, not \"" + spooler + "\""});
    if (global.Has("--cups-server"))
        setenv("CUPS_SERVER", global.Value("--cups-server").c_str(), 1);
    size_t used = 0;
    const CommandSpec* command = FindCommand(args, &used);
    if (command != nullptr && spooler == "cups")
        command = OnCups(command);
    if (command == nullptr) {
        std::string family;
        for (const CommandSpec* known : kCommands) {
            if (known->name.starts_with(args[0] + " "))
                family += "\n  orcaui " + std::string(known->usage);
        }
        // `printer --help` asks about the family: its usages, then where to read more.
        const bool help = args.size() == 2 && (args[1] == "--help" || args[1] == "-h");
        if (help && !family.empty()) {
            std::cout << "usage:" << family << "\n\n`orcaui " << args[0]
                      << " SUBCOMMAND --help` tells more about each.\n";
            return kExitOk;
        }
        if (family.empty() && args[0].starts_with('-'))
            return Report({kExitUsage, "unknown option " + args[0] + " (see: orcaui --help)"});
        return Report({kExitUsage, family.empty()
                                       ? "unknown command \"" + args[0] + "\" (see: orcaui --help)"
                                       : "usage:" + family});
    }
    Arguments parsed;
    if (auto failed = ParseArguments(std::span(args).subspan(used), command->options, &parsed))
        return Report(*failed);
    if (parsed.help) {
        PrintHelp(*command);
        return kExitOk;
    }
    const size_t count = parsed.positional.size();
    if (count < command->minArguments || count > command->maxArguments)
        return Report({kExitUsage, "usage: orcaui " + std::string(command->usage)});
    // An unset shell variable gives an empty value: never a directory to use.
    if (global.Has("--state") && global.Value("--state").empty())
        return Report({kExitUsage, "--state needs a directory, not an empty value"});
    if (global.Has("--plugin") && global.Value("--plugin").empty())
        return Report({kExitUsage, "--plugin needs a path, not an empty value"});
    std::error_code ec;
    Host host(global.Has("--state") ? std::filesystem::absolute(global.Value("--state"), ec)
                                    : DefaultStateDirectory(),
              global.Has("--plugin") ? global.Value("--plugin") : DefaultPluginPath());
    const bool onQueue =
        spooler == "cups" && std::ranges::find(kQueueCommands, command) != std::end(kQueueCommands);
    if (auto failed = onQueue ? host.OpenQueue(parsed.positional[0]) : host.OpenState())
        return Report(*failed);
    return command->run(host, parsed);
}

}  // namespace

namespace orca::host {

void PrintHelp(const CommandSpec& command) {
    std::cout << "usage: orcaui " << command.usage << "\n\n"
              << command.summary << ".\n\n"
              << command.details;
    if (command.moreDetails != nullptr)
        std::cout << command.moreDetails();
}

}  // namespace orca::host

int main(int argc, char** argv) {
    const int code = Run(std::vector<std::string>(argv + 1, argv + argc));
    // What a command printed counts only when it reached its reader: a full
    // disk or a closed pipe behind standard output fails the run.
    std::cout.flush();
    if (std::cout.good() && std::fflush(stdout) == 0 && std::ferror(stdout) == 0)
        return code;
    const int reported = Report({kExitFailure, "standard output cannot be written"});
    return code != kExitOk ? code : reported;
}
