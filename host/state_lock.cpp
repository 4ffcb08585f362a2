#include "state_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "whole_number.h"

namespace orca::host {
namespace {

constexpr std::chrono::seconds kDefaultTimeout{30};
constexpr std::chrono::milliseconds kRetryPause{20};

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
    const auto deadline = std::chrono::steady_clock::now() + timeout;
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
        std::this_thread::sleep_for(kRetryPause);
    }
    return std::unique_ptr<StateLock>(new StateLock(descriptor));
}

std::chrono::milliseconds LockTimeout() {
    const char* value = std::getenv("ORCAUI_LOCK_TIMEOUT");
    const std::optional<int> seconds = value != nullptr ? WholeNumber(value) : std::nullopt;
    if (!seconds || *seconds < 0)
        return kDefaultTimeout;
    return std::chrono::seconds(*seconds);
}

}  // namespace orca::host
