// SPDX-License-Identifier: Apache-2.0
#include "host/state/host.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>

#include "host/cups/queue_printer.h"
#include "host/state/job_log.h"
#include "host/state/state_dir.h"
#include "platform/errors.h"
#include "platform/sim/state_disk.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

struct ErrorText {
    uint32_t error;
    const char* text;
};
constexpr ErrorText kJobErrors[] = {
    {platform::kErrorConnectionRefused, "the connection was refused"},
    {platform::kErrorBadNetName, "the host is not known"},
    {platform::kErrorPathNotFound, "the file's folder does not exist"},
    {platform::kErrorAccessDenied, "the file cannot be written (access denied)"},
    {platform::kErrorWriteFault, "writing to it failed"},
    {platform::kErrorInvalidParameter, "the port is not null:, file:PATH or tcp:HOST:PORT"},
};

std::string JobErrorText(uint32_t error) {
    const auto found = std::ranges::find(kJobErrors, error, &ErrorText::error);
    return found != std::end(kJobErrors) ? found->text : "error " + std::to_string(error);
}

}  // namespace

StateSnapshot StateSnapshot::Of(const platform::sim::Environment& env) {
    return StateSnapshot{env.Facts(), env.Drivers(), env.Printers(), env.Forms()};
}

Host::~Host() {
    // The plug-in goes before the environment whose ports it uses.
    plugin_.reset();
    if (env_ != nullptr)
        platform::sim::Install(nullptr);
    std::error_code ignored;
    if (!ownTemp_.empty())
        std::filesystem::remove_all(ownTemp_, ignored);
}

MaybeFailure Host::UseWritableTempDirectory() {
    if (::access(env_->TempDirectory().c_str(), W_OK) == 0)
        return std::nullopt;
    std::error_code ec;
    std::string pattern = (std::filesystem::temp_directory_path(ec) / "orcaui-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr)
        return Failure{kExitState, "no writable temporary directory for this run"};
    ownTemp_ = pattern;
    env_->SetTempDirectory(ownTemp_);
    return std::nullopt;
}

MaybeFailure Host::OpenState() {
    if (stateDir_.empty()) {
        return Failure{kExitState,
                       "no state directory: set HOME or XDG_STATE_HOME, or give --state DIR"};
    }
    // The environment's settings are checked before anything is made.
    std::chrono::milliseconds timeout{};
    if (auto invalid = LockTimeout(&timeout))
        return invalid;
    if (auto invalid = JobLogLimits::FromEnvironment(&logLimits_))
        return invalid;
    std::error_code ec;
    if (std::filesystem::exists(stateDir_, ec) && !std::filesystem::is_directory(stateDir_, ec))
        return Failure{kExitState, "state directory " + stateDir_.string() + ": not a directory"};
    if (!platform::sim::disk::MakeOwnFolders(stateDir_, ec)) {
        return Failure{kExitState, "state directory " + stateDir_.string() +
                                       ": cannot be made: " + ec.message()};
    }
    Failure failure;
    lock_ = StateLock::Acquire(stateDir_, timeout, &failure);
    if (lock_ == nullptr)
        return failure;
    bool firstRun = false;
    env_ = LoadState(stateDir_, &firstRun, &failure);
    if (env_ == nullptr)
        return failure;
    if (firstRun)
        std::cerr << "orcaui: new state in " << stateDir_.string() << ": the default printers\n";
    loaded_ = StateSnapshot::Of(*env_);
    if (auto failed = UseWritableTempDirectory())
        return failed;
    // A job is in the log before its first byte leaves: a run killed while
    // it is sent leaves it shown as being sent.
    env_->SetJobStarted([this](const platform::sim::RawJob& job) {
        if (auto failed = LogJobSending(stateDir_, *env_, job, logLimits_, &sending_))
            std::cerr << "orcaui: note: a job is sent without being logged first: "
                      << failed->message << "\n";
    });
    desktop_ = platform::sim::AttachDesktop(*env_);
    platform::sim::Install(env_.get());
    return std::nullopt;
}

MaybeFailure Host::OpenQueue(std::string_view queue) {
    Failure failure;
    queue_ = cups::QueuePrinter::Open(queue, &failure);
    if (queue_ == nullptr)
        return failure;
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / "orcaui-queue-XXXXXX").string();
    if (ec || ::mkdtemp(pattern.data()) == nullptr)
        return Failure{kExitFailure, "no temporary directory for the queue's printer"};
    ownTemp_ = pattern;
    env_ = queue_->MakeEnvironment(ownTemp_, &failure);
    if (env_ == nullptr)
        return failure;
    desktop_ = platform::sim::AttachDesktop(*env_);
    platform::sim::Install(env_.get());
    if (auto failed = LoadPlugin(); failed || (failed = queue_->TakeChangedDefaults(*plugin_)))
        return failed;
    loaded_ = StateSnapshot::Of(*env_);
    return std::nullopt;
}

MaybeFailure Host::LoadPlugin() {
    if (plugin_ != nullptr && plugin_->Loaded())
        return std::nullopt;
    plugin_ = std::make_unique<driverhost::PluginLibrary>(pluginPath_);
    if (!plugin_->Loaded())
        return Failure{kExitFailure,
                       "cannot load the plug-in " + pluginPath_ + ": " + plugin_->Error()};
    return std::nullopt;
}

MaybeFailure Host::FindPrinter(std::string_view name, std::u16string* found) const {
    const std::u16string wanted = text::Utf8ToUtf16(name);
    for (const platform::sim::Printer& printer : env_->Printers()) {
        if (text::EqualsNoCase(printer.name, wanted)) {
            *found = printer.name;
            return std::nullopt;
        }
    }
    return Failure{kExitUnknownPrinter,
                   "no printer named \"" + std::string(name) + "\" (see: orcaui printers)"};
}

MaybeFailure Host::Save() {
    if (queue_ != nullptr) {
        if (StateSnapshot::Of(*env_) == loaded_)
            return std::nullopt;
        if (auto failed = queue_->Save(*plugin_, *env_))
            return failed;
        loaded_ = StateSnapshot::Of(*env_);
        return std::nullopt;
    }
    if (StateSnapshot::Of(*env_) != loaded_) {
        if (auto failed = SaveState(*env_, stateDir_))
            return failed;
        loaded_ = StateSnapshot::Of(*env_);
    }
    LogJobsOnly();
    return std::nullopt;
}

void Host::LogJobsOnly() {
    // A queue's jobs are in the server's own history.
    if (queue_ != nullptr)
        return;
    if (auto failed = LogJobs(stateDir_, *env_, logLimits_, sending_))
        std::cerr << "orcaui: note: the jobs were sent but not logged: " << failed->message << "\n";
}

bool Host::ReportFailedJobs() {
    const std::vector<platform::sim::JobFailure> failures = env_->FailedJobs();
    for (const platform::sim::JobFailure& job : failures) {
        std::cerr << "orcaui: job \"" << text::Utf16ToUtf8(job.documentName) << "\" to "
                  << text::Utf16ToUtf8(job.printerName) << " (" << text::Utf16ToUtf8(job.target)
                  << ") failed: "
                  << (job.reason.empty() ? JobErrorText(job.error) : text::Utf16ToUtf8(job.reason))
                  << "\n";
    }
    return !failures.empty();
}

int Host::EndSheetRun(const MaybeFailure& failed) {
    // The plug-in sends raw jobs without telling a failure; the spooler's
    // record of them is told once the sheet has closed.
    const bool jobsFailed = ReportFailedJobs();
    if (failed) {
        LogJobsOnly();
        return Report(*failed);
    }
    if (auto notSaved = Save())
        return Report(*notSaved);
    return jobsFailed ? kExitJobFailed : kExitOk;
}

}  // namespace orca::host
