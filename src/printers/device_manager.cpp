// SPDX-License-Identifier: Apache-2.0
#include "printers/device_manager.h"

#include <atomic>

namespace orca::printers {
namespace {

// Guards the creation of the process's manager. Made on first use: a mutex is
// not constant-initialised with every threads library (winpthreads).
CThreadLocker& CreationLock() {
    static CThreadLocker lock;
    return lock;
}
std::atomic<CDeviceManager*> instance{nullptr};
// Keeps the process's manager until the module unloads.
std::unique_ptr<CDeviceManager> instanceOwner;

}  // namespace

CDeviceManager::CDeviceManager() = default;

CDeviceManager::~CDeviceManager() {
    std::map<const CDeviceEntry*, std::unique_ptr<CDeviceEntry>> remaining;
    {
        std::lock_guard hold(lock_);
        remaining.swap(entries_);
    }
}

CDeviceManager& CDeviceManager::Instance() {
    if (CDeviceManager* existing = instance.load(std::memory_order_acquire))
        return *existing;
    std::lock_guard hold(CreationLock());
    if (instanceOwner == nullptr) {
        instanceOwner = std::make_unique<CDeviceManager>();
        instance.store(instanceOwner.get(), std::memory_order_release);
    }
    return *instanceOwner;
}

CDeviceEntry* CDeviceManager::Register(std::u16string_view printerName,
                                       std::u16string_view driverName) {
    auto cell = std::make_unique<CDeviceEntry>(ResolvePrinter(printerName, driverName));
    CDeviceEntry* entry = cell.get();
    std::lock_guard hold(lock_);
    entries_.insert_or_assign(entry, std::move(cell));
    return entry;
}

CDeviceEntry* CDeviceManager::Find(const CDeviceEntry* entry) {
    std::lock_guard hold(lock_);
    const auto found = entries_.find(entry);
    return found != entries_.end() ? found->second.get() : nullptr;
}

std::int32_t CDeviceManager::Remove(const CDeviceEntry* entry) {
    // The printer object is destroyed (and its printer closed) after the lock is
    // let go: no other registration waits on the spooler.
    std::unique_ptr<CDeviceEntry> removed;
    {
        std::lock_guard hold(lock_);
        const auto found = entries_.find(entry);
        if (found == entries_.end())
            return kUnknownEntry;
        removed = std::move(found->second);
        entries_.erase(found);
    }
    return settings::kDone;
}

std::int32_t CDeviceManager::ReleaseEntry(const CDeviceEntry* entry) {
    return Remove(entry) == settings::kDone ? settings::kDone : kReleaseUnknownEntry;
}

}  // namespace orca::printers
