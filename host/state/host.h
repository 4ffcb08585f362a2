// SPDX-License-Identifier: Apache-2.0
// What every command works on: the state directory, locked for the whole
// run, with the simulated environment loaded from it (installed as the
// process's platform, with a headless desktop), and the plug-in library
// loaded on first need.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "host/cli/failure.h"
#include "host/driver_host/driver_host.h"
#include "host/state/job_log.h"
#include "host/state/state_lock.h"
#include "platform/sim/desktop.h"
#include "platform/sim/environment.h"

namespace orca::host {

namespace cups {
class QueuePrinter;
}

// What a state directory keeps of an environment.
struct StateSnapshot {
    platform::sim::SystemFacts facts;
    std::vector<platform::sim::Driver> drivers;
    std::vector<platform::sim::Printer> printers;
    std::vector<platform::sim::Form> forms;

    static StateSnapshot Of(const platform::sim::Environment& env);
    bool operator==(const StateSnapshot&) const = default;
};

class Host {
public:
    Host(std::filesystem::path stateDir, std::string pluginPath)
        : stateDir_(std::move(stateDir)), pluginPath_(std::move(pluginPath)) {}
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Locks the state directory, loads the state (or makes the first-run
    // state) and installs it.
    MaybeFailure OpenState();
    // Instead of the state directory: the CUPS queue as the one printer of
    // an environment in memory (its model, settings and custom papers from
    // the queue's PPD, defaults changed with lpadmin since taken in), whose
    // raw jobs are the queue's jobs. Save writes what changed into the
    // queue's PPD; nothing goes to a state directory.
    MaybeFailure OpenQueue(std::string_view queue);
    // Loads the plug-in library and checks its two exports.
    MaybeFailure LoadPlugin();

    const std::filesystem::path& StateDirectory() const { return stateDir_; }
    platform::sim::Environment& Env() { return *env_; }
    platform::sim::Desktop& Desktop() { return *desktop_; }
    driverhost::PluginLibrary& Plugin() { return *plugin_; }

    // The printer's name as the spooler keeps it (letter case ignored in
    // the lookup); an unknown name fails with kExitUnknownPrinter.
    MaybeFailure FindPrinter(std::string_view name, std::u16string* found) const;

    // Saves the environment when the run changed it (a run that only reads
    // writes nothing, so it works on a read-only directory) and logs the raw
    // jobs this run delivered.
    MaybeFailure Save();
    // Logs the raw jobs only: a failed command keeps the state as it was,
    // but what reached a printer has gone out all the same. A log that
    // cannot be written is told as a note: the jobs were delivered.
    void LogJobsOnly();
    // Tells each raw job of this run that did not reach its printer; false
    // when there was none.
    bool ReportFailedJobs();
    // Ends a run that had a sheet open: tells its failed raw jobs, then
    // reports failed, or saves; answers the exit code.
    int EndSheetRun(const MaybeFailure& failed);

private:
    std::filesystem::path stateDir_;
    std::string pluginPath_;
    // Raw jobs and pages' temporary files need a writable temporary
    // directory: on a read-only state, one of this run's own.
    MaybeFailure UseWritableTempDirectory();

    std::unique_ptr<StateLock> lock_;
    std::shared_ptr<cups::QueuePrinter> queue_;
    JobLogLimits logLimits_;
    SendingJobs sending_;
    std::filesystem::path ownTemp_;
    std::unique_ptr<platform::sim::Environment> env_;
    // The state as loaded, to tell whether the run changed it.
    StateSnapshot loaded_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    std::unique_ptr<driverhost::PluginLibrary> plugin_;
};

}  // namespace orca::host
