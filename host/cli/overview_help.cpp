// SPDX-License-Identifier: Apache-2.0
#include "host/cli/overview_help.h"

#include <string_view>

#include "host/cli/failure.h"

namespace orca::host {
namespace {

struct HelpLine {
    std::string_view term;
    std::string_view meaning;
};

constexpr HelpLine kVariables[] = {
    {"XDG_STATE_HOME", "the default state directory is $XDG_STATE_HOME/orcaui"},
    {"HOME", "else it is ~/.local/state/orcaui"},
    {"ORCAUI_PLUGIN", "the plug-in library to load, unless --plugin names one"},
    {"ORCAUI_LOCK_TIMEOUT",
     "whole seconds to wait for another run's lock (0 to 86400, default 30)"},
    {"ORCAUI_JOB_LOG_JOBS", "the newest jobs a printer's log keeps (1 to 1000000, default 100)"},
    {"ORCAUI_JOB_LOG_BYTES", "the bytes of those jobs it keeps (up to 16 MiB, default 1 MiB)"},
    {"ORCAUI_SPOOLER", "sim or cups, unless --spooler names one"},
    {"CUPS_SERVER", "the CUPS server, unless --cups-server names one"},
};

std::string Padded(std::string_view term, size_t column) {
    std::string out = "  " + std::string(term);
    return out + std::string(out.size() < column ? column - out.size() : 1, ' ');
}

}  // namespace

std::string ExitCodesAndEnvironment() {
    constexpr size_t kColumn = 24;
    std::string out = "\nexit codes:\n";
    for (const ExitCodeMeaning& exit : kExitCodeMeanings)
        out += Padded(std::to_string(exit.code), 6) + std::string(exit.meaning) + "\n";
    out += "\nenvironment:\n";
    for (const HelpLine& line : kVariables)
        out += Padded(line.term, kColumn) + std::string(line.meaning) + "\n";
    return out + "\n";
}

}  // namespace orca::host
