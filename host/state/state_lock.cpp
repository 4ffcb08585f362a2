// SPDX-License-Identifier: Apache-2.0
#include "host/state/state_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <thread>

#include "host/cli/environment_number.h"

namespace orca::host {
namespace {

constexpr std::chrono::seconds kDefaultTimeout{30};
// A day: longer than any run waits for another.
constexpr std::chrono::seconds kLongestTimeout{86400};
constexpr std::chrono::milliseconds kRetryPause{20};
// A wait longer than this is told, so that a run that seems stuck says why.
constexpr std::chrono::seconds kToldWait{1};

}  // namespace

StateLock::~StateLock() {
    ::close(descriptor_);  // closing lets go of the lock
}

std::unique_ptr<StateLock> StateLock::Acquire(const std::filesystem::path& dir,
                                              std::chrono::milliseconds timeout, Failure* failure) {
    const int descriptor = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        *failure = Failure{kExitState, "state directory " + dir.string() +
                                           ": cannot be opened: " + std::strerror(errno)};
        return nullptr;
    }
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + timeout;
    bool told = false;
    while (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if ((error != EWOULDBLOCK && error != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            const bool busy = error == EWOULDBLOCK;
            const std::string why = busy ? "another orcaui run still uses it after " +
                                               std::to_string(timeout.count() / 1000) +
                                               " s (ORCAUI_LOCK_TIMEOUT sets the wait)"
                                         : std::string("cannot be locked: ") + std::strerror(error);
            ::close(descriptor);
            *failure = Failure{busy ? kExitBusy : kExitState,
                               "state directory " + dir.string() + ": " + why};
            return nullptr;
        }
        if (!told && std::chrono::steady_clock::now() - start >= kToldWait) {
            std::cerr << "orcaui: waiting for another orcaui run to finish with " << dir.string()
                      << " (up to " << timeout.count() / 1000 << " s)\n";
            told = true;
        }
        std::this_thread::sleep_for(kRetryPause);
    }
    return std::unique_ptr<StateLock>(new StateLock(descriptor));
}

MaybeFailure LockTimeout(std::chrono::milliseconds* timeout) {
    uint64_t seconds = 0;
    if (auto invalid =
            ReadEnvironmentNumber({"ORCAUI_LOCK_TIMEOUT", 0, kLongestTimeout.count(), "seconds",
                                   static_cast<uint64_t>(kDefaultTimeout.count())},
                                  &seconds))
        return invalid;
    *timeout = std::chrono::seconds(seconds);
    return std::nullopt;
}

}  // namespace orca::host
