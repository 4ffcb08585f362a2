// SPDX-License-Identifier: Apache-2.0
#include "plugin/module_counts.h"

#include <atomic>

namespace orca::plugin {

namespace {
std::atomic<long> liveObjects{0};
std::atomic<long> serverLocks{0};
}  // namespace

void ObjectCreated() {
    ++liveObjects;
}

void ObjectDestroyed() {
    --liveObjects;
}

void LockModule(bool lock) {
    if (lock) {
        ++serverLocks;
        return;
    }
    // An unlock without a lock is ignored: the count never goes below zero.
    long held = serverLocks.load();
    while (held > 0 && !serverLocks.compare_exchange_weak(held, held - 1)) {
    }
}

bool ModuleInUse() {
    return liveObjects.load() != 0 || serverLocks.load() != 0;
}

}  // namespace orca::plugin
