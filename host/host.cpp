#include "host.h"

#include <iostream>

#include "job_log.h"
#include "state_dir.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {

Host::~Host() {
    // The plug-in goes before the environment whose ports it uses.
    plugin_.reset();
    if (env_ != nullptr)
        platform::sim::Install(nullptr);
}

MaybeFailure Host::OpenState() {
    if (stateDir_.empty()) {
        return Failure{kExitState,
                       "no state directory: set HOME or XDG_STATE_HOME, or give --state DIR"};
    }
    bool firstRun = false;
    Failure failure;
    env_ = LoadState(stateDir_, &firstRun, &failure);
    if (env_ == nullptr)
        return failure;
    if (firstRun)
        std::cerr << "orcaui: new state in " << stateDir_.string() << ": the default printers\n";
    desktop_ = platform::sim::AttachDesktop(*env_);
    platform::sim::Install(env_.get());
    return std::nullopt;
}

MaybeFailure Host::LoadPlugin() {
    plugin_ = std::make_unique<testsupport::PluginLibrary>(pluginPath_);
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
    if (auto failed = LogJobsOnly())
        return failed;
    return SaveState(*env_, stateDir_);
}

MaybeFailure Host::LogJobsOnly() {
    return LogJobs(stateDir_, *env_);
}

}  // namespace orca::host
