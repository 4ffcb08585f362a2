// The simulated host environment: one spooler, registry, system, file system
// and process shared by a host and the plug-in it loads. A test builds one in
// memory over its own temporary root; the command-line host loads one from a
// state directory (STATE.md). Installing an environment makes its ports the
// process's platform (platform::Current()).
#pragma once

#include <filesystem>
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
    // Uninstalls itself when installed.
    ~Environment();
    Environment(const Environment&) = delete;
    Environment& operator=(const Environment&) = delete;

    const std::filesystem::path& Root() const;
    // The temporary directory: Temp under the root, unless moved elsewhere
    // (a host on a read-only root gives one of its own).
    std::filesystem::path TempDirectory() const;
    void SetTempDirectory(const std::filesystem::path& directory);
    const Ports& GetPorts() const { return ports_; }

    // The window-system adapter joins the environment here; the environment
    // keeps it alive and hands it out as Ports::windows.
    void SetWindowSystem(std::shared_ptr<WindowSystem> windows);

    // Building. A printer or driver replaces the one of the same name (and
    // environment, for drivers).
    void AddPrinter(Printer printer);
    void AddDriver(Driver driver);
    // Writes a file into the driver directory of an environment name.
    bool WriteDriverFile(std::u16string_view environment, std::u16string_view fileName,
                         std::string_view bytes);
    std::filesystem::path DriverDirectory(std::u16string_view environment) const;
    // Adds a form of any kind to the database, with the given paper number or
    // (0) the next free one. False when the name exists or the measures are
    // unsound.
    bool AddForm(const FormInfo1& form, uint16_t number = 0);
    void SetFacts(const SystemFacts& facts);

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

    // Reads the environment of a state directory; null with *error naming
    // the file and line of the first fault.
    static std::unique_ptr<Environment> Load(const std::filesystem::path& stateDir,
                                             std::string* error);
    // The same from a state's files in memory, over no root directory.
    static std::unique_ptr<Environment> LoadFiles(const StateFiles& files, std::string* error);
    // Writes the environment into a state directory (its driver directories
    // too, when the directory is not the environment's root). Nothing is
    // written when a value would not read back.
    bool Save(const std::filesystem::path& stateDir, std::string* error) const;
    // The state files a save writes, or none when a value would not read back.
    std::optional<StateFiles> Files(std::string* error) const;
    // The embedded environment of a first run: an ORCA and an ONYX printer
    // whose jobs go to files under root/jobs.
    static std::unique_ptr<Environment> CreateDefault(const std::filesystem::path& root);
    // Loads the state directory; one without state gets the embedded
    // environment, saved there.
    static std::unique_ptr<Environment> LoadOrCreate(const std::filesystem::path& stateDir,
                                                     std::string* error);

private:
    std::unique_ptr<World> world_;
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
