// SPDX-License-Identifier: Apache-2.0
// ppd MODEL, ppd --printer NAME: the PPD of a CUPS queue for a printer of
// that model, or one that starts with a simulated printer's settings.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>

#include "host/commands/commands.h"
#include "host/cups/label_options.h"
#include "host/cups/ppd_writer.h"
#include "host/output/escape.h"
#include "host/output/settings_view.h"
#include "host/state/model_map.h"
#include "host/state/printer_session.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

// The Custom Command page's kinds of a command.
constexpr int kCommandFile = 1;
constexpr int kCommandText = 2;

using Entries = std::map<std::string, std::string, std::less<>>;

Entries SectionEntries(const std::vector<SettingsSection>& sections, std::string_view name) {
    Entries entries;
    for (const SettingsSection& section : sections) {
        if (section.name != name)
            continue;
        for (const SettingsEntry& entry : section.entries)
            entries[entry.key] = entry.value;
    }
    return entries;
}

// The bytes of the document's start or end command: the typed text, or
// the named file's bytes, which the PPD then carries.
MaybeFailure DocumentCommand(const Entries& commands, const std::string& side, std::string* bytes) {
    const auto kind = commands.find("bDoc" + side);
    const auto data = commands.find("cDoc" + side + "Command");
    if (kind == commands.end() || data == commands.end())
        return std::nullopt;
    const std::optional<std::vector<uint8_t>> stored = UnescapeBytes(data->second);
    const std::string value = stored ? std::string(stored->begin(), stored->end()) : "";
    const int chosen = std::atoi(kind->second.c_str());
    if (chosen == kCommandText) {
        *bytes = value;
    } else if (chosen == kCommandFile && !value.empty()) {
        std::ifstream file(value, std::ios::binary);
        if (!file)
            return Failure{kExitFailure, std::string("cannot read the document ") +
                                             (side == "Start" ? "start" : "end") +
                                             " command file " + value};
        bytes->assign(std::istreambuf_iterator<char>(file), {});
    }
    return std::nullopt;
}

// The printer's model and its stored label settings and document commands.
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
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
    if (session == nullptr)
        return failure;
    const std::vector<SettingsSection> sections = ReadSettings(session->Records());
    const Entries stored = SectionEntries(sections, "Option");
    for (const cups::LabelOption& option : cups::LabelOptionsOf(**model)) {
        const auto value = stored.find(option.storedKey);
        if (value == stored.end())
            continue;
        if (auto choice = cups::StoredChoice(option, std::strtod(value->second.c_str(), nullptr)))
            defaults->choices.emplace(option.name, *choice);
    }
    const Entries commands = SectionEntries(sections, "CustomCommand");
    if (auto failed = DocumentCommand(commands, "Start", &defaults->documentStart))
        return failed;
    return DocumentCommand(commands, "End", &defaults->documentEnd);
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
    "                  before and after every job\n\n"
    "  orcaui ppd \"Kestrel(ORCA)\" > kestrel.ppd\n"
    "  lpadmin -p kestrel -E -v socket://printer:9100 -P kestrel.ppd -o darkness=20\n",
    nullptr,
    kPpdOptions,
    0,
    1,
    WriteQueuePpd};

}  // namespace orca::host
