// SPDX-License-Identifier: Apache-2.0
// The state the simulated ports share, guarded by one lock: the simulated
// spooler, registry and files may be used from several threads at once.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/job_port.h"
#include "platform/sim/model.h"
#include "platform/sim/named_list.h"

namespace orca::platform::sim {

// A document started on a printer handle and not yet ended.
struct OpenJob {
    RawJob record;
    std::unique_ptr<JobSink> sink;
    bool failed = false;  // a write failed; the job is in World::failedJobs
};

struct OpenPrinter {
    std::u16string printerName;
    std::optional<OpenJob> job;
};

// The keys of printers (their names), drivers (name and environment) and
// forms (their names), folded as each kind's names compare.
std::u16string PrinterKey(std::u16string_view name);
std::u16string DriverKey(std::u16string_view name, std::u16string_view environment);
std::u16string FormKey(std::u16string_view name);
inline std::u16string KeyOf(const Printer& p) {
    return PrinterKey(p.name);
}
inline std::u16string KeyOf(const Driver& d) {
    return DriverKey(d.name, d.environment);
}
inline std::u16string KeyOf(const Form& f) {
    return FormKey(f.info.name);
}

struct World {
    mutable std::mutex mutex;
    std::filesystem::path root;  // empty for the detached environment
    // Where the Windows directory lives: root, or the generation of a state
    // directory that holds the driver files.
    std::filesystem::path systemRoot;
    std::filesystem::path temp;  // the temporary directory, root/Temp unless moved
    NamedList<Printer, &KeyOf> printers;
    NamedList<Driver, &KeyOf> drivers;
    NamedList<Form, &KeyOf> forms;
    SystemFacts facts;
    std::vector<RawJob> jobs;
    std::function<void(const RawJob&)> jobStarted;
    std::vector<JobFailure> failedJobs;
    // When set, the printers' raw jobs go to its queues, not to their ports.
    std::shared_ptr<QueueServer> queueServer;
    std::map<uintptr_t, OpenPrinter> printerHandles;
    std::map<uintptr_t, Driver> keyHandles;  // an open key is a driver's key
    uintptr_t nextHandle = 0x100;
    uint32_t nextJobId = 1;

    Printer* FindPrinter(std::u16string_view name);
    const Driver* FindDriver(std::u16string_view name, std::u16string_view environment) const;
    Form* FindForm(std::u16string_view name);
    // The smallest paper number above the user-defined paper that no form and
    // no printer's built-in paper uses.
    uint16_t FreeFormNumber() const;
    uintptr_t NewHandle() { return nextHandle += 0x10; }
};

// Directories of the environment's root.
std::filesystem::path WindowsDirectoryOf(const std::filesystem::path& root);
std::filesystem::path SystemDirectoryOf(const std::filesystem::path& root);
std::filesystem::path TempDirectoryOf(const std::filesystem::path& root);
// The folder holding every environment's driver directories.
std::filesystem::path DriversRootOf(const std::filesystem::path& root);
// The driver directory of an environment name ("Windows x64" → x64, else w32x86).
std::filesystem::path DriverDirectoryOf(const std::filesystem::path& root,
                                        std::u16string_view environment);

// A platform path (UTF-16, either separator) as a native path, and back.
std::filesystem::path ToNativePath(std::u16string_view path);
std::u16string FromNativePath(const std::filesystem::path& path);

// The calling thread's last error, shared by every simulated port.
void SetThreadLastError(uint32_t error);
uint32_t ThreadLastError();

}  // namespace orca::platform::sim
