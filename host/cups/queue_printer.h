// SPDX-License-Identifier: Apache-2.0
// A CUPS queue as the one printer of an environment in memory, so that the
// commands that work on one printer (sheet, settings, options, get, set) run
// on it through the plug-in's hooks as on a simulated printer: its model,
// settings record and custom papers come from the queue's PPD, its raw jobs
// (the Tools page, the Calibrate buttons) are raw jobs of the queue, and
// what the command changed goes back into the queue's PPD.
#pragma once

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "host/cli/failure.h"
#include "host/cups/cups_server.h"
#include "host/cups/queue_store.h"
#include "host/driver_host/driver_host.h"
#include "platform/sim/environment.h"
#include "platform/sim/job_port.h"
#include "printers/printer_models_table.h"

namespace orca::host::cups {

class QueuePrinter : public platform::sim::QueueServer,
                     public std::enable_shared_from_this<QueuePrinter> {
public:
    // Reads the queue and its PPD from the server.
    static std::shared_ptr<QueuePrinter> Open(std::string_view queue, Failure* failure);

    // The environment under root whose one printer is the queue, its jobs
    // going to the queue.
    std::unique_ptr<platform::sim::Environment> MakeEnvironment(const std::filesystem::path& root,
                                                                Failure* failure);
    // Takes the label options' defaults changed outside orcaui since the
    // last save into the printer's settings. This and Save need the
    // environment installed.
    MaybeFailure TakeChangedDefaults(const driverhost::PluginLibrary& plugin);
    // Writes the printer's settings and custom papers into the queue's PPD,
    // with the label options' defaults that agree with them.
    MaybeFailure Save(const driverhost::PluginLibrary& plugin,
                      const platform::sim::Environment& env);

    std::unique_ptr<platform::sim::JobSink> OpenJob(std::u16string_view queue,
                                                    std::u16string_view documentName,
                                                    uint32_t* error,
                                                    std::u16string* reason) override;

private:
    QueuePrinter(std::unique_ptr<Server> server, std::string name, const printers::ModelRow& model)
        : server_(std::move(server)), name_(std::move(name)), model_(model) {}

    std::unique_ptr<Server> server_;
    std::string name_;  // as the server spells it
    const printers::ModelRow& model_;
    std::map<std::string, std::string> ppdDefaults_;
    QueueStore store_;
};

}  // namespace orca::host::cups
