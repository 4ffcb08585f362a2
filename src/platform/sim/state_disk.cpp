// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_disk.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/sim/native_io.h"

namespace orca::platform::sim::disk {
namespace {

namespace fs = std::filesystem;

// Counts the steps of the process; a test's ORCAUI_KILL_AT_STEP ends it
// before the step of that number.
void BeforeStep() {
    static const long killAt = [] {
        const char* value = std::getenv("ORCAUI_KILL_AT_STEP");
        return value != nullptr ? std::strtol(value, nullptr, 10) : 0L;
    }();
    static std::atomic<long> steps{0};
    if (killAt > 0 && ++steps == killAt) {
        EndProcessNow();
    }
}

bool Fail(const fs::path& entry, const std::string& why, std::string* error) {
    *error = entry.string() + ": " + why;
    return false;
}

bool Done(const fs::path& entry, const std::error_code& ec, std::string* error) {
    return !ec || Fail(entry, ec.message(), error);
}

}  // namespace

bool MakeFolder(const fs::path& folder, std::string* error) {
    BeforeStep();
    std::error_code ec;
    if (!fs::create_directory(folder, ec) && !ec) {
        return Fail(folder, "exists already", error);
    }
    return Done(folder, ec, error);
}

bool WriteFile(const fs::path& file, std::string_view bytes, std::string* error) {
    BeforeStep();
    std::FILE* out = OpenNativeFile(file, "wb");
    if (out == nullptr) {
        return Fail(file, std::strerror(errno), error);
    }
    const bool written =
        std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && std::fflush(out) == 0;
    const int why = errno;
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        return Fail(file, std::strerror(written ? errno : why), error);
    }
    return true;
}

bool Sync(const fs::path& entry, std::string* error) {
    BeforeStep();
    return SyncToDisk(entry) || Fail(entry, std::strerror(errno), error);
}

bool Link(const fs::path& link, const fs::path& target, std::string* error) {
    BeforeStep();
    std::error_code ec;
    fs::create_directory_symlink(target, link, ec);
    return Done(link, ec, error);
}

bool Rename(const fs::path& from, const fs::path& to, std::string* error) {
    BeforeStep();
    std::error_code ec;
    fs::rename(from, to, ec);
    return Done(to, ec, error);
}

bool Remove(const fs::path& entry, std::string* error) {
    BeforeStep();
    std::error_code ec;
    fs::remove_all(entry, ec);
    return Done(entry, ec, error);
}

}  // namespace orca::platform::sim::disk
