// SPDX-License-Identifier: Apache-2.0
// printers, printer add, printer remove and jobs on a CUPS server
// (--spooler cups): its queues, made with the models' PPDs, and its jobs,
// through the server's own client programs.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "host/commands/commands.h"
#include "host/cups/cups_client.h"
#include "host/cups/ppd_writer.h"
#include "host/cups/queue_settings.h"
#include "host/output/json_output.h"
#include "host/output/text_table.h"
#include "host/state/model_map.h"

namespace orca::host {
namespace {

namespace fs = std::filesystem;

// The client's output, or a failure that gives its own message.
MaybeFailure Client(const std::vector<std::string>& command, std::string* out = nullptr) {
    const cups::ClientRun run = cups::RunClient(command);
    if (run.exitCode != 0) {
        std::string message = run.err.empty() ? run.out : run.err;
        while (!message.empty() && message.back() == '\n')
            message.pop_back();
        return Failure{kExitFailure, message.empty() ? command[0] + " failed" : message};
    }
    if (out != nullptr)
        *out = run.out;
    return std::nullopt;
}

struct Queue {
    std::string name;
    std::string port;
    std::string model;  // empty: not a queue of ours
};

// The server's destinations (lpstat -e), each with the attributes lpoptions
// tells: its device URI and make and model, which the PPD's NickName gives:
// "ORCAUI MODEL, LANGUAGE label commands".
MaybeFailure ReadQueues(std::vector<Queue>* queues) {
    // lpstat -e lists nothing, and succeeds, when no server answers.
    std::string scheduler;
    if (auto failed = Client({"lpstat", "-r"}, &scheduler))
        return failed;
    if (scheduler.find("is running") == std::string::npos) {
        const char* server = std::getenv("CUPS_SERVER");
        return Failure{kExitFailure, "no CUPS server answers at " +
                                         std::string(server != nullptr ? server : "localhost")};
    }
    std::string names;
    if (auto failed = Client({"lpstat", "-e"}, &names))
        return failed;
    std::istringstream lines(names);
    std::string name;
    while (std::getline(lines, name)) {
        if (name.empty())
            continue;
        Queue queue{name, "", ""};
        std::string options;
        if (auto failed = Client({"lpoptions", "-p", name}, &options))
            return failed;
        for (const auto& [option, value] : cups::ParseOptions(options)) {
            constexpr std::string_view kOurs = "ORCAUI ";
            if (option == "device-uri")
                queue.port = value;
            else if (option == "printer-make-and-model" && value.starts_with(kOurs))
                queue.model = value.substr(kOurs.size(), value.rfind(", ") - kOurs.size());
        }
        if (cups::FindModel(queue.model) == nullptr)
            queue.model.clear();
        queues->push_back(std::move(queue));
    }
    return std::nullopt;
}

int ListQueues(Host&, const Arguments& args) {
    std::vector<Queue> queues;
    if (auto failed = ReadQueues(&queues))
        return Report(*failed);
    std::vector<std::vector<std::string>> rows{{"PRINTER", "MODEL", "LANGUAGE", "PORT"}};
    Json list = Json::array();
    for (const Queue& queue : queues) {
        const printers::ModelRow* model = cups::FindModel(queue.model);
        const std::string language = model == nullptr                              ? "-"
                                     : model->language == printers::Language::Onyx ? "ONYX"
                                                                                   : "ORCA";
        rows.push_back({queue.name, model ? queue.model : "(not ORCAUI)", language, queue.port});
        list.push_back({{"name", queue.name},
                        {"model", model ? Json(queue.model) : Json(nullptr)},
                        {"language", model ? Json(language) : Json(nullptr)},
                        {"port", queue.port}});
    }
    if (args.Has(kJsonOption.name))
        PrintJson(list);
    else if (queues.empty())
        std::cout << "no printers (add one: orcaui --spooler cups printer add NAME --model MODEL "
                     "--port URI)\n";
    else
        std::cout << AlignedTable(rows);
    return kExitOk;
}

// A queue on the port, with the PPD of the model (--model, or a --driver
// that names one); enabled and accepting jobs.
int AddQueue(Host&, const Arguments& args) {
    const std::string& name = args.positional[0];
    const std::string modelName = args.Value("--model", args.Value("--driver"));
    const printers::ModelRow* model = cups::FindModel(modelName);
    if (model == nullptr)
        return Report({kExitUsage, "a CUPS queue needs --model MODEL, one of: " + KnownModels()});
    if (!args.Has("--port"))
        return Report({kExitUsage, "a CUPS queue needs --port URI (socket://HOST:9100, ...)"});
    std::string folder = (fs::temp_directory_path() / "orcaui-ppd-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
        return Report({kExitFailure, "cannot make a temporary folder for the PPD"});
    const fs::path ppd = fs::path(folder) / "queue.ppd";
    {
        std::ofstream file(ppd);
        cups::WritePpd(*model, {}, file);
    }
    const MaybeFailure failed =
        Client({"lpadmin", "-p", name, "-E", "-v", args.Value("--port"), "-P", ppd.string()});
    std::error_code ignored;
    fs::remove_all(ppd.parent_path(), ignored);
    if (failed)
        return Report(*failed);
    std::cout << "added " << name << " (" << modelName << ") on " << args.Value("--port") << "\n";
    return kExitOk;
}

int RemoveQueue(Host&, const Arguments& args) {
    if (auto failed = Client({"lpadmin", "-x", args.positional[0]}))
        return Report(*failed);
    std::cout << "removed " << args.positional[0] << "\n";
    return kExitOk;
}

// The queue's jobs, pending and done, as lpstat lists them.
int ListQueueJobs(Host&, const Arguments& args) {
    std::string jobs;
    if (auto failed = Client({"lpstat", "-W", "all", "-o", args.positional[0]}, &jobs))
        return Report(*failed);
    std::vector<std::vector<std::string>> rows{{"JOB", "USER", "SIZE", "SUBMITTED"}};
    Json list = Json::array();
    std::istringstream lines(jobs);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string job, user, size, submitted, word;
        fields >> job >> user >> size;
        while (fields >> word)
            submitted += (submitted.empty() ? "" : " ") + word;
        rows.push_back({job, user, size, submitted});
        list.push_back({{"job", job}, {"user", user}, {"size", size}, {"submitted", submitted}});
    }
    if (args.Has(kJsonOption.name))
        PrintJson(list);
    else
        std::cout << (rows.size() == 1 ? "no jobs\n" : AlignedTable(rows));
    return kExitOk;
}

constexpr OptionSpec kListOptions[] = {kJsonOption};
}  // namespace

const CommandSpec kCupsPrintersCommand{
    "printers",
    "printers [--json]",
    "list the CUPS server's queues with the ORCAUI model each uses",
    "A queue's model is the one its PPD (orcaui ppd) was made for; other queues\n"
    "show \"(not ORCAUI)\".\n\n"
    "options:\n"
    "  --json   print the queues as a JSON array of objects (name, model, language, port)\n",
    nullptr,
    kListOptions,
    0,
    0,
    ListQueues};

const CommandSpec kCupsPrinterAddCommand{
    "printer add",
    "printer add NAME --model MODEL --port URI",
    "add a CUPS queue for a printer of that model",
    "The queue gets the model's PPD (orcaui ppd MODEL) and the device URI, and is\n"
    "enabled and accepting jobs. --driver may name the model instead of --model.\n",
    nullptr,
    kPrinterAddOptions,
    1,
    1,
    AddQueue};

const CommandSpec kCupsPrinterRemoveCommand{"printer remove",
                                            "printer remove NAME",
                                            "remove a CUPS queue",
                                            "Its jobs go with it.\n",
                                            nullptr,
                                            {},
                                            1,
                                            1,
                                            RemoveQueue};

const CommandSpec kCupsJobsCommand{
    "jobs",
    "jobs PRINTER [--json]",
    "list the CUPS queue's jobs, pending and done",
    "options:\n"
    "  --json   print the jobs as a JSON array of objects (job, user, size, submitted)\n",
    nullptr,
    kListOptions,
    1,
    1,
    ListQueueJobs};

}  // namespace orca::host
