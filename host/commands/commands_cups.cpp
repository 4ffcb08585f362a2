// SPDX-License-Identifier: Apache-2.0
// printers, printer add, printer remove and jobs on a CUPS server
// (--spooler cups): its queues, made with the models' PPDs, and its jobs.
#include <ctime>
#include <iostream>
#include <sstream>

#include "host/commands/commands.h"
#include "host/cups/cups_server.h"
#include "host/cups/ppd_writer.h"
#include "host/output/json_output.h"
#include "host/output/text_table.h"
#include "host/state/model_map.h"

namespace orca::host {
namespace {

// The ORCAUI model of a queue whose PPD is ours: its make and model is the
// PPD's NickName, "ORCAUI MODEL, LANGUAGE label commands".
const printers::ModelRow* ModelOfQueue(const cups::QueueInfo& queue) {
    constexpr std::string_view kOurs = "ORCAUI ";
    const std::string& name = queue.makeAndModel;
    if (!name.starts_with(kOurs) || name.rfind(", ") == std::string::npos)
        return nullptr;
    return cups::FindModel(name.substr(kOurs.size(), name.rfind(", ") - kOurs.size()));
}

std::string ModelName(const printers::ModelRow& model) {
    return {model.displayName.begin(), model.displayName.end()};
}

int ListQueues(Host&, const Arguments& args) {
    Failure failure;
    const auto server = cups::Server::Connect(&failure);
    if (server == nullptr)
        return Report(failure);
    std::vector<cups::QueueInfo> queues;
    if (auto failed = server->Queues(&queues))
        return Report(*failed);
    std::vector<std::vector<std::string>> rows{{"PRINTER", "MODEL", "LANGUAGE", "PORT"}};
    Json list = Json::array();
    for (const cups::QueueInfo& queue : queues) {
        const printers::ModelRow* model = ModelOfQueue(queue);
        const std::string language = model == nullptr                              ? "-"
                                     : model->language == printers::Language::Onyx ? "ONYX"
                                                                                   : "ORCA";
        rows.push_back(
            {queue.name, model ? ModelName(*model) : "(not ORCAUI)", language, queue.deviceUri});
        list.push_back({{"name", queue.name},
                        {"model", model ? Json(ModelName(*model)) : Json(nullptr)},
                        {"language", model ? Json(language) : Json(nullptr)},
                        {"port", queue.deviceUri}});
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
    if (!args.Has("--port") || args.Value("--port").empty())
        return Report({kExitUsage, "a CUPS queue needs --port URI (socket://HOST:9100, ...)"});
    Failure failure;
    const auto server = cups::Server::Connect(&failure);
    if (server == nullptr)
        return Report(failure);
    std::ostringstream ppd;
    cups::WritePpd(*model, {}, ppd);
    if (auto failed = server->PutQueue(name, args.Value("--port"), ppd.str()))
        return Report(*failed);
    std::cout << "added " << name << " (" << modelName << ") on " << args.Value("--port") << "\n";
    return kExitOk;
}

int RemoveQueue(Host&, const Arguments& args) {
    Failure failure;
    const auto server = cups::Server::Connect(&failure);
    if (server == nullptr)
        return Report(failure);
    if (auto failed = server->DeleteQueue(args.positional[0]))
        return Report(*failed);
    std::cout << "removed " << args.positional[0] << "\n";
    return kExitOk;
}

std::string TimeText(std::time_t time) {
    char text[32] = "";
    std::tm local{};
    if (time != 0 && localtime_r(&time, &local) != nullptr)
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return text;
}

// The queue's jobs, pending and done, with their ids as lpstat writes them.
int ListQueueJobs(Host&, const Arguments& args) {
    const std::string& queue = args.positional[0];
    Failure failure;
    const auto server = cups::Server::Connect(&failure);
    if (server == nullptr)
        return Report(failure);
    std::vector<cups::JobInfo> jobs;
    if (auto failed = server->Jobs(queue, &jobs))
        return Report(*failed);
    std::vector<std::vector<std::string>> rows{
        {"JOB", "TITLE", "USER", "SIZE", "STATE", "SUBMITTED"}};
    Json list = Json::array();
    for (const cups::JobInfo& job : jobs) {
        const std::string id = queue + "-" + std::to_string(job.id);
        const std::string size = std::to_string(job.kilobytes) + "k";
        rows.push_back({id, job.title, job.user, size, job.state, TimeText(job.created)});
        list.push_back({{"job", id},
                        {"title", job.title},
                        {"user", job.user},
                        {"kilobytes", job.kilobytes},
                        {"state", job.state},
                        {"submitted", TimeText(job.created)}});
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
    "The server's history keeps the finished ones as long as its configuration says.\n\n"
    "options:\n"
    "  --json   print the jobs as a JSON array of objects (job, title, user,\n"
    "           kilobytes, state, submitted)\n",
    nullptr,
    kListOptions,
    1,
    1,
    ListQueueJobs};

}  // namespace orca::host
