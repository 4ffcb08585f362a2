// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/environment.h"

#include <atomic>

#include "platform/sim/sim_files.h"
#include "platform/sim/sim_registry.h"
#include "platform/sim/sim_spooler.h"
#include "platform/sim/sim_system.h"
#include "platform/sim/state_disk.h"
#include "platform/sim/world.h"

namespace orca::platform::sim {
namespace {

std::atomic<Environment*> installed{nullptr};

}  // namespace

Environment::Environment(const std::filesystem::path& root) : Environment(root, root) {}

Environment::Environment(const std::filesystem::path& root, const std::filesystem::path& systemRoot)
    : world_(std::make_unique<World>()),
      spooler_(std::make_unique<SimSpooler>(*world_)),
      registry_(std::make_unique<SimRegistry>(*world_)),
      system_(std::make_unique<SimSystem>(*world_)),
      files_(std::make_unique<SimFiles>(*world_)),
      process_(std::make_unique<SimProcess>(*world_)) {
    world_->root = root;
    world_->systemRoot = systemRoot;
    world_->temp = TempDirectoryOf(root);
    if (!root.empty()) {
        std::error_code ec;
        disk::MakeOwnFolders(SystemDirectoryOf(systemRoot), ec);
        disk::MakeOwnFolders(TempDirectoryOf(root), ec);
    }
    ports_ = Ports{.spooler = spooler_.get(),
                   .registry = registry_.get(),
                   .system = system_.get(),
                   .files = files_.get(),
                   .process = process_.get(),
                   .windows = nullptr};
}

Environment::~Environment() {
    Environment* self = this;
    installed.compare_exchange_strong(self, nullptr);
    std::error_code ignored;
    if (!staged_.empty())
        std::filesystem::remove_all(staged_, ignored);
}

const std::filesystem::path& Environment::Root() const {
    return world_->root;
}

std::filesystem::path Environment::SystemRoot() const {
    std::lock_guard lock(world_->mutex);
    return world_->systemRoot;
}

std::filesystem::path Environment::TempDirectory() const {
    std::lock_guard lock(world_->mutex);
    return world_->temp;
}

void Environment::SetTempDirectory(const std::filesystem::path& directory) {
    std::lock_guard lock(world_->mutex);
    world_->temp = directory;
}

void Environment::SetQueueServer(std::shared_ptr<QueueServer> server) {
    std::lock_guard lock(world_->mutex);
    world_->queueServer = std::move(server);
}

void Environment::SetWindowSystem(std::shared_ptr<WindowSystem> windows) {
    windows_ = std::move(windows);
    ports_.windows = windows_.get();
}

void Environment::AddPrinter(Printer printer) {
    std::lock_guard lock(world_->mutex);
    world_->printers.Put(std::move(printer));
}

bool Environment::RemovePrinter(std::u16string_view name) {
    std::lock_guard lock(world_->mutex);
    return world_->printers.Remove(PrinterKey(name));
}

void Environment::AddDriver(Driver driver) {
    std::lock_guard lock(world_->mutex);
    world_->drivers.Put(std::move(driver));
}

std::filesystem::path Environment::DriverDirectory(std::u16string_view environment) const {
    return DriverDirectoryOf(SystemRoot(), environment);
}

void Environment::UseSystemRoot(const std::filesystem::path& systemRoot) {
    std::lock_guard lock(world_->mutex);
    world_->systemRoot = systemRoot;
}

bool Environment::WriteDriverFile(std::u16string_view environment, std::u16string_view fileName,
                                  std::string_view bytes, std::string* error) {
    if (!StageDriverFiles(error))
        return false;
    const std::filesystem::path directory = DriverDirectory(environment);
    const std::filesystem::path file = directory / ToNativePath(fileName);
    std::error_code ec;
    if (!disk::MakeOwnFolders(directory, ec)) {
        *error = directory.string() + ": " + ec.message();
        return false;
    }
    // The staged copy holds no links, so the name is a file of this state or nothing.
    return disk::Remove(file, error) && disk::WriteFile(file, bytes, error);
}

bool Environment::AddForm(const FormInfo1& form, uint16_t number) {
    std::lock_guard lock(world_->mutex);
    if (form.name.empty() || world_->FindForm(form.name) != nullptr || !FormMeasuresValid(form)) {
        return false;
    }
    world_->forms.Put(
        Form{.info = form, .number = number != 0 ? number : world_->FreeFormNumber()});
    return true;
}

void Environment::SetFacts(const SystemFacts& facts) {
    std::lock_guard lock(world_->mutex);
    world_->facts = facts;
}

void Environment::SetJobStarted(std::function<void(const RawJob&)> started) {
    std::lock_guard lock(world_->mutex);
    world_->jobStarted = std::move(started);
}

SystemFacts Environment::Facts() const {
    std::lock_guard lock(world_->mutex);
    return world_->facts;
}

std::vector<Printer> Environment::Printers() const {
    std::lock_guard lock(world_->mutex);
    return world_->printers.Items();
}

std::vector<Driver> Environment::Drivers() const {
    std::lock_guard lock(world_->mutex);
    return world_->drivers.Items();
}

std::vector<Form> Environment::Forms() const {
    std::lock_guard lock(world_->mutex);
    return world_->forms.Items();
}

std::vector<RawJob> Environment::Jobs() const {
    std::lock_guard lock(world_->mutex);
    return world_->jobs;
}

std::vector<JobFailure> Environment::FailedJobs() const {
    std::lock_guard lock(world_->mutex);
    return world_->failedJobs;
}

void Install(Environment* env) {
    installed.store(env);
}

Environment* Installed() {
    return installed.load();
}

ScopedInstall::ScopedInstall(Environment& env) : previous_(Installed()) {
    Install(&env);
}

ScopedInstall::~ScopedInstall() {
    Install(previous_);
}

}  // namespace orca::platform::sim

namespace orca::platform {

const Ports& Current() {
    static sim::Environment detached{std::filesystem::path()};
    const sim::Environment* env = sim::Installed();
    return env != nullptr ? env->GetPorts() : detached.GetPorts();
}

}  // namespace orca::platform
