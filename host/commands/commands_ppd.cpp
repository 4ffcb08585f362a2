// SPDX-License-Identifier: Apache-2.0
// ppd MODEL, ppd --printer NAME: the PPD of a CUPS queue for a printer of
// that model, or one that starts with a simulated printer's settings.
#include <algorithm>
#include <iostream>

#include "host/commands/commands.h"
#include "host/cups/queue_defaults.h"
#include "host/state/model_map.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

// The printer's model, its stored label settings and document commands, and
// what a queue keeps of it: its whole settings record and custom papers.
MaybeFailure PrinterDefaults(Host& host, const std::string& printer,
                             const printers::ModelRow** model, cups::QueueDefaults* defaults) {
    std::u16string name;
    if (auto failed = host.FindPrinter(printer, &name))
        return failed;
    if (auto failed = host.LoadPlugin())
        return failed;
    const auto printers = host.Env().Printers();
    const auto found = std::ranges::find_if(
        printers, [&name](const auto& known) { return text::EqualsNoCase(known.name, name); });
    *model = cups::FindModel(text::Utf16ToUtf8(ModelOfDriver(host.Env(), found->driverName)));
    if (*model == nullptr)
        return Failure{kExitRefused, printer + "'s model is none of orcaui models"};
    return cups::DefaultsOfPrinter(host.Plugin(), host.Env(), name, **model, defaults);
}

int WriteQueuePpd(Host& host, const Arguments& args) {
    const bool fromPrinter = args.Has("--printer");
    if (fromPrinter == !args.positional.empty())
        return Report({kExitUsage, "usage: orcaui ppd MODEL | orcaui ppd --printer NAME"});
    const printers::ModelRow* model = nullptr;
    cups::QueueDefaults defaults;
    if (fromPrinter) {
        if (auto failed = PrinterDefaults(host, args.Value("--printer"), &model, &defaults))
            return Report(*failed);
    } else {
        model = cups::FindModel(args.positional[0]);
        if (model == nullptr)
            return Report({kExitRefused, "no model \"" + args.positional[0] +
                                             "\"; the models: " + KnownModels()});
    }
    cups::WritePpd(*model, defaults, std::cout);
    return std::cout.flush() ? kExitOk : kExitFailure;
}

constexpr OptionSpec kPpdOptions[] = {{"--printer", "", true}};

}  // namespace

const CommandSpec kPpdCommand{
    "ppd",
    "ppd MODEL | ppd --printer NAME",
    "write the PPD of a CUPS queue for a printer of that model",
    "The PPD goes to standard output. It offers the model's resolution, papers and\n"
    "paper limits, and its label settings under the names `orcaui set` gives them\n"
    "(speed, darkness, operation-mode, media-type, paper-type, top-adjust, ...),\n"
    "each with the choice Default, which leaves the setting to the printer. Its\n"
    "filter, orcaui-filter, sends the queue's settings ahead of each job in the\n"
    "printer's command language; `lp -o darkness=25` changes one for one job.\n\n"
    "options:\n"
    "  --printer NAME  a PPD for that printer's model that starts with its stored\n"
    "                  settings, and sends its Custom Command page's document start\n"
    "                  and end commands (a command file's bytes go into the PPD)\n"
    "                  before and after every job; it keeps the printer's whole\n"
    "                  settings and custom papers too, as orcaui keeps a queue's\n\n"
    "  orcaui ppd \"Kestrel(ORCA)\" > kestrel.ppd\n"
    "  lpadmin -p kestrel -E -v socket://printer:9100 -P kestrel.ppd -o darkness=20\n",
    nullptr,
    kPpdOptions,
    0,
    1,
    WriteQueuePpd};

}  // namespace orca::host
