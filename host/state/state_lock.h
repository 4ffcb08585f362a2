// SPDX-License-Identifier: Apache-2.0
// The state directory's lock: one orcaui run at a time loads, acts on and
// saves a state directory, so that two runs never lose each other's changes.
// The lock is an advisory lock on the directory itself, which needs no write
// access: a run on a read-only directory takes it all the same.
#pragma once

#include <chrono>
#include <filesystem>
#include <memory>

#include "host/cli/failure.h"

namespace orca::host {

class StateLock {
public:
    ~StateLock();
    StateLock(const StateLock&) = delete;
    StateLock& operator=(const StateLock&) = delete;

    // Waits up to timeout while another run holds the lock, saying so on
    // standard error once the wait passes a second; null with *failure set
    // when it is still held then, or the directory cannot be opened.
    static std::unique_ptr<StateLock> Acquire(const std::filesystem::path& dir,
                                              std::chrono::milliseconds timeout, Failure* failure);

private:
    explicit StateLock(int descriptor) : descriptor_(descriptor) {}
    int descriptor_;
};

// ORCAUI_LOCK_TIMEOUT (whole seconds up to a day; unset or empty: 30) into
// *timeout, or a failure for any other value.
MaybeFailure LockTimeout(std::chrono::milliseconds* timeout);

}  // namespace orca::host
