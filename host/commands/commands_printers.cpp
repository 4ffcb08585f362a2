// SPDX-License-Identifier: Apache-2.0
// printers, printer add, printer remove.
#include <algorithm>
#include <iostream>
#include <utility>

#include "host/cli/edit_distance.h"
#include "host/commands/commands.h"
#include "host/output/json_output.h"
#include "host/output/text_table.h"
#include "host/state/job_log.h"
#include "host/state/model_map.h"
#include "host/state/printer_session.h"
#include "platform/sim/job_port.h"
#include "platform/sim/public_record.h"
#include "printers/printer_models_table.h"
#include "settings/field_map.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using platform::sim::Printer;

// The printer's language as the plug-in sees it: by the size of its block.
std::string LanguageOf(Host& host, const std::u16string& printer) {
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), printer, &failure);
    const uint32_t size = session ? session->Records().PrivateSize() : 0;
    return size == settings::kLayoutOrca.size   ? "ORCA"
           : size == settings::kLayoutOnyx.size ? "ONYX"
                                                : "-";
}

int ListPrinters(Host& host, const Arguments& args) {
    if (auto failed = host.LoadPlugin())
        return Report(*failed);
    const bool json = args.Has(kJsonOption.name);
    if (host.Env().Printers().empty() && !json) {
        std::cout << "no printers (add one: orcaui printer add NAME --driver DRIVER)\n";
        return kExitOk;
    }
    std::vector<std::vector<std::string>> rows{{"PRINTER", "MODEL", "LANGUAGE", "PORT", "DRIVER"}};
    Json list = Json::array();
    for (const Printer& printer : host.Env().Printers()) {
        const std::u16string model = ModelOfDriver(host.Env(), printer.driverName);
        const bool known = IsKnownModel(model);
        rows.push_back({text::Utf16ToUtf8(printer.name),
                        known ? text::Utf16ToUtf8(model) : "(unsupported)",
                        LanguageOf(host, printer.name), text::Utf16ToUtf8(printer.portName),
                        text::Utf16ToUtf8(printer.driverName)});
        const std::vector<std::string>& row = rows.back();
        list.push_back({{"name", row[0]},
                        {"model", known ? Json(row[1]) : Json(nullptr)},
                        {"language", row[2] == "-" ? Json(nullptr) : Json(row[2])},
                        {"port", row[3]},
                        {"driver", row[4]}});
    }
    if (json)
        PrintJson(list);
    else
        std::cout << AlignedTable(rows);
    return kExitOk;
}

// Names the spooler and the state files can keep: not empty, no control
// characters, no blanks at either end, none of the separators given.
MaybeFailure CheckName(std::string_view what, std::string_view name, std::string_view separators) {
    const bool control =
        std::ranges::any_of(name, [](unsigned char c) { return c < 0x20 || c == 0x7F; });
    if (name.empty() || control || name.find_first_of(separators) != std::string_view::npos ||
        name.front() == ' ' || name.back() == ' ') {
        return Failure{
            kExitUsage,
            std::string(what) +
                " must not be empty, start or end with a blank, or hold a "
                "control character" +
                (separators.empty() ? std::string() : " or any of " + std::string(separators))};
    }
    return std::nullopt;
}

// A file port's relative path is taken from the current directory.
MaybeFailure CheckPort(std::string_view port, std::u16string* portName) {
    if (auto failed = CheckName("a port", port, ""))
        return failed;
    const auto target = platform::sim::ParsePort(text::Utf8ToUtf16(port));
    // A tcp: port whose number is the fault is told so.
    const std::string_view number = port.substr(port.rfind(':') + 1);
    if (!target && port.size() > 4 &&
        text::EqualsNoCase(text::Utf8ToUtf16(port.substr(0, 4)), u"tcp:") && !number.empty() &&
        number.find_first_not_of("0123456789") == std::string_view::npos) {
        return Failure{kExitUsage, "a TCP port is a number from 1 to 65535, not " +
                                       std::string(number) + " (in \"" + std::string(port) + "\")"};
    }
    if (!target) {
        return Failure{kExitUsage, "the port must be null:, file:PATH or tcp:HOST:PORT, not \"" +
                                       std::string(port) + "\""};
    }
    *portName = text::Utf8ToUtf16(port);
    if (target->kind == platform::sim::PortTarget::Kind::kFile) {
        std::error_code error;
        const std::filesystem::path path =
            std::filesystem::absolute(text::Utf16ToUtf8(target->path), error);
        if (error) {
            return Failure{kExitUsage, "the port's file " + text::Utf16ToUtf8(target->path) +
                                           " is relative to a working directory that is gone (" +
                                           error.message() + "); give an absolute path"};
        }
        *portName = u"file:" + text::Utf8ToUtf16(path.string());
    }
    return std::nullopt;
}

// A driver not installed yet needs a model, unless its name is a model's:
// a misspelt driver name would add a printer the plug-in does not support.
MaybeFailure CheckNewDriver(const platform::sim::Environment& env, std::u16string_view driver,
                            std::u16string_view model) {
    constexpr size_t kNearest = 5;
    const std::vector<platform::sim::Driver> drivers = env.Drivers();
    if (!model.empty() || IsKnownModel(driver) || std::ranges::any_of(drivers, [&](const auto& d) {
            return text::EqualsNoCase(d.name, driver);
        }))
        return std::nullopt;
    // Names a typing slip away; else every installed driver.
    std::vector<std::pair<size_t, std::u16string>> near;
    for (const platform::sim::Driver& installed : drivers)
        near.emplace_back(EditDistance(driver, installed.name), installed.name);
    const size_t slip = std::max<size_t>(2, driver.size() / 4);
    if (std::ranges::any_of(near, [slip](const auto& n) { return n.first <= slip; }))
        std::erase_if(near, [slip](const auto& n) { return n.first > slip; });
    std::ranges::sort(near);
    std::string names;
    for (size_t i = 0; i < std::min(near.size(), kNearest); ++i)
        names += (i == 0 ? "\"" : ", \"") + text::Utf16ToUtf8(near[i].second) + "\"";
    return Failure{kExitUsage, "no driver \"" + text::Utf16ToUtf8(driver) + "\" is installed" +
                                   (names.empty() ? "" : " (the nearest: " + names + ")") +
                                   "; a new driver needs --model MODEL (see: orcaui models)"};
}

// A printer added again with its driver and port is there already, so a
// setup script runs twice; with another driver or port it is refused.
int AlreadyThere(platform::sim::Environment& env, const std::u16string& name,
                 std::u16string_view driver, std::u16string_view port) {
    const std::vector<Printer> printers = env.Printers();
    const auto found = std::ranges::find_if(
        printers, [&](const Printer& p) { return text::EqualsNoCase(p.name, name); });
    if (found != printers.end() && text::EqualsNoCase(found->driverName, driver) &&
        text::EqualsNoCase(found->portName, port)) {
        std::cout << "already there: " << text::Utf16ToUtf8(name)
                  << ", with that driver and port\n";
        return kExitOk;
    }
    return Report({kExitUsage, "a printer named \"" + text::Utf16ToUtf8(name) +
                                   "\" exists already, with another driver or port"});
}

int AddPrinter(Host& host, const Arguments& args) {
    const std::string& name = args.positional[0];
    std::u16string existing;
    // A comma or backslash would split the name where the spooler joins names;
    // a driver name is a key of the model map.
    if (auto failed = CheckName("a printer name", name, ",\\"))
        return Report(*failed);
    const bool exists = !host.FindPrinter(name, &existing);
    if (!args.Has("--driver"))
        return Report({kExitUsage, "which driver? give --driver DRIVER"});
    if (auto failed = CheckName("a driver name", args.Value("--driver"), ",\\="))
        return Report(*failed);
    const std::u16string driver = text::Utf8ToUtf16(args.Value("--driver"));
    const std::u16string model = text::Utf8ToUtf16(args.Value("--model"));
    if (!model.empty() && !IsKnownModel(model)) {
        return Report({kExitUsage, "no model \"" + args.Value("--model") + "\"; the models are " +
                                       KnownModels()});
    }
    std::u16string port;
    if (auto failed = CheckPort(args.Value("--port", "null:"), &port))
        return Report(*failed);
    if (exists)
        return AlreadyThere(host.Env(), existing, driver, port);

    platform::sim::Environment& env = host.Env();
    if (auto failed = CheckNewDriver(env, driver, model))
        return Report(*failed);
    if (auto failed = InstallDriver(env, driver, model))
        return Report(*failed);
    Printer printer;
    printer.name = text::Utf8ToUtf16(name);
    printer.driverName = driver;
    printer.portName = port;
    // A printer of the same driver has the model's papers as they are
    // installed; a new driver gets the model's standard papers.
    const std::vector<Printer> printers = env.Printers();
    const auto sibling = std::ranges::find_if(
        printers, [&](const Printer& p) { return text::EqualsNoCase(p.driverName, driver); });
    printer.papers =
        sibling != printers.end() ? sibling->papers : PapersOfModel(ModelOfDriver(env, driver));
    printer.settings = printer.papers.empty()
                           ? platform::sim::MakePublicRecord(printer.name, 0, {})
                           : platform::sim::MakePublicRecord(printer.name, printer.papers[0].number,
                                                             printer.papers[0].name);
    env.AddPrinter(printer);
    if (auto failed = host.Save())
        return Report(*failed);
    const std::u16string resolved = ModelOfDriver(env, driver);
    std::cout << "added " << name << ": model "
              << (IsKnownModel(resolved) ? text::Utf16ToUtf8(resolved) : "(unsupported)")
              << ", port " << text::Utf16ToUtf8(port) << "\n";
    if (!IsKnownModel(resolved)) {
        std::cerr << "orcaui: note: the driver names no model the plug-in knows (give --model); "
                     "the plug-in treats the printer as unsupported\n";
    }
    return kExitOk;
}

int RemovePrinter(Host& host, const Arguments& args) {
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    host.Env().RemovePrinter(name);
    if (auto failed = host.Save())
        return Report(*failed);
    // A printer added later under the same name starts with no jobs.
    if (auto failed = ForgetJobs(host.StateDirectory(), name))
        std::cerr << "orcaui: note: " << failed->message << "\n";
    std::cout << "removed " << text::Utf16ToUtf8(name) << "\n";
    return kExitOk;
}

int ListModels(Host&, const Arguments& args) {
    Json list = Json::array();
    for (const printers::ModelRow& row : printers::kModelTable) {
        const std::string name = text::Utf16ToUtf8(row.displayName);
        const char* language = row.language == printers::Language::Onyx ? "ONYX" : "ORCA";
        if (args.Has(kJsonOption.name))
            list.push_back({{"name", name}, {"language", language}});
        else
            std::cout << name << "\t" << language << "\n";
    }
    if (args.Has(kJsonOption.name))
        PrintJson(list);
    return kExitOk;
}

constexpr OptionSpec kListOptions[] = {kJsonOption};

}  // namespace

const CommandSpec kPrintersCommand{
    "printers",
    "printers",
    "list the printers with their model, language, port and driver",
    "MODEL is the printer model the driver's model map names (\"(unsupported)\" when the\n"
    "plug-in knows no such model); LANGUAGE is the command language of the plug-in's\n"
    "settings for the printer (ORCA or ONYX; - when it has none). Columns line up as\n"
    "a terminal shows them, accents and Chinese characters included.\n\n"
    "options:\n"
    "  --json   print the printers as a JSON array of objects (name, model, language,\n"
    "           port, driver; model and language null where the text shows\n"
    "           \"(unsupported)\" and -)\n",
    nullptr,
    kListOptions,
    0,
    0,
    ListPrinters};

const CommandSpec kPrinterAddCommand{
    "printer add",
    "printer add NAME --driver DRIVER [--model MODEL] [--port PORT]",
    "add a printer",
    "options:\n"
    "  --driver DRIVER  the printer's driver; a driver not installed yet is installed\n"
    "                   with the plug-in and a model map, and needs --model (unless\n"
    "                   DRIVER is a model's name)\n"
    "  --model MODEL    maps a new DRIVER to that printer model in the driver's model\n"
    "                   map, e.g. \"Kestrel(ORCA)\" or \"Heron(ONYX)\" (see: orcaui\n"
    "                   models); a driver that has printers keeps its model\n"
    "  --port PORT      null: (the default: jobs are dropped), file:PATH (jobs are\n"
    "                   appended to PATH, taken from the current directory) or\n"
    "                   tcp:HOST:PORT (a network printer, e.g. tcp:192.168.1.40:9100)\n\n"
    "A printer that is there already with the same driver and port is told\n"
    "\"already there\" with exit code 0, so a setup script runs twice; with another\n"
    "driver or port it is refused (exit code 2).\n\n"
    "The printer gets the papers of a printer with the same driver (on a new driver:\n"
    "the standard papers that fit its model), and a public settings record of its\n"
    "own; the plug-in adds its settings when a sheet is applied.\n\n"
    "example:\n"
    "  orcaui printer add \"Dock 3\" --driver \"ORCA Condor\" --model \"Condor(300DPI)(ORCA)\" \\\n"
    "      --port tcp:10.0.0.31:9100\n",
    nullptr,
    kPrinterAddOptions,
    1,
    1,
    AddPrinter};

const CommandSpec kModelsCommand{
    "models",
    "models",
    "list the printer models a printer can be added with, and their language",
    "Each line is a model's name and its command language, separated by a tab. The\n"
    "name goes to `orcaui printer add NAME --driver DRIVER --model MODEL`.\n\n"
    "options:\n"
    "  --json   print the models as a JSON array of objects (name, language)\n",
    nullptr,
    kListOptions,
    0,
    0,
    ListModels};

const CommandSpec kPrinterRemoveCommand{"printer remove",
                                        "printer remove NAME",
                                        "remove a printer",
                                        "Its driver and the forms stay; its logged jobs go.\n",
                                        nullptr,
                                        {},
                                        1,
                                        1,
                                        RemovePrinter};

}  // namespace orca::host
