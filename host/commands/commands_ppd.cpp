// ppd MODEL: the PPD of a CUPS queue for a printer of that model.
#include <iostream>

#include "host/commands/commands.h"
#include "host/cups/label_options.h"
#include "host/cups/ppd_writer.h"
#include "host/state/model_map.h"

namespace orca::host {
namespace {

int WriteModelPpd(Host&, const Arguments& args) {
    const settings::ModelRow* model = cups::FindModel(args.positional[0]);
    if (model == nullptr)
        return Report({kExitRefused,
                       "no model \"" + args.positional[0] + "\"; the models: " + KnownModels()});
    cups::WritePpd(*model, std::cout);
    return std::cout.flush() ? kExitOk : kExitFailure;
}

}  // namespace

const CommandSpec kPpdCommand{
    "ppd",
    "ppd MODEL",
    "write the PPD of a CUPS queue for a printer of that model",
    "The PPD goes to standard output. It offers the model's resolution, papers and\n"
    "paper limits, and its label settings under the names `orcaui set` gives them\n"
    "(speed, darkness, operation-mode, media-type, paper-type, top-adjust, ...),\n"
    "each with the choice Default, which leaves the setting to the printer. Its\n"
    "filter, orcaui-filter, sends the queue's settings ahead of each job in the\n"
    "printer's command language; `lp -o darkness=25` changes one for one job.\n\n"
    "  orcaui ppd \"Kestrel(ORCA)\" > kestrel.ppd\n"
    "  lpadmin -p kestrel -E -v socket://printer:9100 -P kestrel.ppd -o darkness=20\n",
    nullptr,
    {},
    1,
    1,
    WriteModelPpd};

}  // namespace orca::host
