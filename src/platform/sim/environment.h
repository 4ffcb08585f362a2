// SPDX-License-Identifier: Apache-2.0
// The simulated host environment: one spooler, registry, system, file system
// and process shared by a host and the plug-in it loads. A test builds one in
// memory over its own temporary root; the command-line host loads one from a
// state directory (STATE.md). Installing an environment makes its ports the
// process's platform (platform::Current()).
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/model.h"
#include "platform/sim/state_source.h"

namespace orca::platform::sim {

struct World;
class QueueServer;
class SimSpooler;
class SimRegistry;
class SimSystem;
class SimFiles;
class SimProcess;

class Environment {
public:
    // An empty environment whose directories (Windows, system, temporary and
    // driver directories) live under root; they are created when missing.
    explicit Environment(const std::filesystem::path& root);
    // Uninstalls itself when installed, and removes a next generation it
    // staged but never published.
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    const std::filesystem::path& Root() const;
    // Where the Windows directory lives: the root, or for a loaded state the
    // generation that holds its driver files.
    std::filesystem::path SystemRoot() const;
    // The temporary directory: Temp under the root, unless moved elsewhere
    // (a host on a read-only root gives one of its own).
    std::filesystem::path TempDirectory() const;
    void SetTempDirectory(const std::filesystem::path& directory);
    const Ports& GetPorts() const { return ports_; }

    // The window-system adapter joins the environment here; the environment
    // keeps it alive and hands it out as Ports::windows.
    void SetWindowSystem(std::shared_ptr<WindowSystem> windows);
    // From now on the printers' raw jobs go to the server's queues (the
    // printers of an environment built from a print server's queues).
    void SetQueueServer(std::shared_ptr<QueueServer> server);

    // Building. A printer or driver replaces the one of the same name (and
    // environment, for drivers).
    void AddPrinter(Printer printer);
    // False when there is no printer of that name (letter case ignored).
    bool RemovePrinter(std::u16string_view name);
    void AddDriver(Driver driver);
    // Writes a file into the driver directory of an environment name (for a
    // loaded state, into its next generation: see StageDriverFiles).
    bool WriteDriverFile(std::u16string_view environment, std::u16string_view fileName,
                         std::string_view bytes, std::string* error);
    std::filesystem::path DriverDirectory(std::u16string_view environment) const;
    // For an environment loaded from a state directory: moves its driver
    // directories into the state's next generation, a copy of the published
    // ones, so that what is written there from now on is published by the
    // next save and by nothing else. Does nothing for other environments, or
    // when done already; false with *error when the copy cannot be made.
    bool StageDriverFiles(std::string* error);
    // Adds a form of any kind to the database, with the given paper number or
    // (0) the next free one. False when the name exists or the measures are
    // unsound.
    bool AddForm(const FormInfo1& form, uint16_t number = 0);
    void SetFacts(const SystemFacts& facts);
    // Called with each raw job whose target was reached, before any of its
    // bytes go out (a host logs it as being sent), on the thread that
    // started it and outside the environment's lock.
    void SetJobStarted(std::function<void(const RawJob&)> started);

    // Inspecting.
    SystemFacts Facts() const;
    std::vector<Printer> Printers() const;
    std::vector<Driver> Drivers() const;
    std::vector<Form> Forms() const;
    // Finished raw jobs, oldest first.
    std::vector<RawJob> Jobs() const;
    // Raw jobs that did not reach their printer, oldest first. A job whose
    // write failed is among the finished jobs too, with what it sent.
    std::vector<JobFailure> FailedJobs() const;

    // Reads the published state of a state directory; null with *error
    // naming the file and line of the first fault.
    static std::unique_ptr<Environment> Load(const std::filesystem::path& stateDir,
                                             std::string* error);
    // The same from a state's files in memory, over no root directory.
    static std::unique_ptr<Environment> LoadFiles(const StateFiles& files, std::string* error);
    // Writes the environment, with its driver directories, as a new
    // generation of a state directory and publishes it in one step: a failure
    // or an interruption leaves the directory's state as it was. Nothing is
    // written when a value would not read back. Other runs must be kept out
    // of the directory meanwhile.
    // True with *error set when the state was published but a later step
    // failed (forcing it onto the disk): the new state is in use all the same.
    bool Save(const std::filesystem::path& stateDir, std::string* error);
    // The state files a save writes, or none when a value would not read back.
    std::optional<StateFiles> Files(std::string* error) const;
    // The embedded environment of a first run: an ORCA and an ONYX printer
    // whose jobs go to files under root/jobs; null when its files cannot be
    // written there.
    static std::unique_ptr<Environment> CreateDefault(const std::filesystem::path& root);
    // Loads the state directory; one without state gets the embedded
    // environment, saved there as its first generation. A first run that
    // cannot write a file of its state publishes nothing. As Save, it may
    // answer an environment with *error set when the new state was published
    // but a later step failed.
    static std::unique_ptr<Environment> LoadOrCreate(const std::filesystem::path& stateDir,
                                                     std::string* error);

private:
    Environment(const std::filesystem::path& root, const std::filesystem::path& systemRoot);
    bool AddDefaults(std::string* error);
    void UseSystemRoot(const std::filesystem::path& systemRoot);

    std::unique_ptr<World> world_;
    // The state directory the environment was loaded from, and the next
    // generation staged there; empty when none.
    std::filesystem::path stateDir_;
    std::filesystem::path staged_;
    std::unique_ptr<SimSpooler> spooler_;
    std::unique_ptr<SimRegistry> registry_;
    std::unique_ptr<SimSystem> system_;
    std::unique_ptr<SimFiles> files_;
    std::unique_ptr<SimProcess> process_;
    std::shared_ptr<WindowSystem> windows_;
    Ports ports_;
};

// Makes env the platform of the process; null returns to the detached
// environment, on which every directory query and every printer open fails.
void Install(Environment* env);
// The installed environment, or null.
Environment* Installed();

// Installs an environment for the lifetime of the object, then restores the
// one installed before.
class ScopedInstall {
public:
    explicit ScopedInstall(Environment& env);
    ~ScopedInstall();
    ScopedInstall(const ScopedInstall&) = delete;
    ScopedInstall& operator=(const ScopedInstall&) = delete;

private:
    Environment* previous_;
};

}  // namespace orca::platform::sim
