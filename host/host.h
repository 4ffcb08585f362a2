// What every command works on: the state directory with the simulated
// environment loaded from it (installed as the process's platform, with a
// headless desktop), and the plug-in library loaded on first need.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "failure.h"
#include "platform/sim/desktop.h"
#include "platform/sim/environment.h"
#include "support/host_harness.h"

namespace orca::host {

class Host {
public:
    Host(std::filesystem::path stateDir, std::string pluginPath)
        : stateDir_(std::move(stateDir)), pluginPath_(std::move(pluginPath)) {}
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Loads the state (or makes the first-run state) and installs it.
    MaybeFailure OpenState();
    // Loads the plug-in library and checks its two exports.
    MaybeFailure LoadPlugin();

    const std::filesystem::path& StateDirectory() const { return stateDir_; }
    platform::sim::Environment& Env() { return *env_; }
    platform::sim::Desktop& Desktop() { return *desktop_; }
    testsupport::PluginLibrary& Plugin() { return *plugin_; }

    // The printer's name as the spooler keeps it (letter case ignored in
    // the lookup); an unknown name fails with kExitUnknownPrinter.
    MaybeFailure FindPrinter(std::string_view name, std::u16string* found) const;

    // Saves the environment and logs the raw jobs this run sent.
    MaybeFailure Save();
    // Logs the raw jobs only: a failed command keeps the state as it was,
    // but what reached a printer has gone out all the same.
    MaybeFailure LogJobsOnly();

private:
    std::filesystem::path stateDir_;
    std::string pluginPath_;
    std::unique_ptr<platform::sim::Environment> env_;
    std::shared_ptr<platform::sim::Desktop> desktop_;
    std::unique_ptr<testsupport::PluginLibrary> plugin_;
};

}  // namespace orca::host
