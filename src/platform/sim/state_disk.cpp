// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_disk.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/sim/native_io.h"
#include "text/step_hook.h"

namespace orca::platform::sim::disk {
namespace {

namespace fs = std::filesystem;

bool Fail(const fs::path& entry, const std::string& why, std::string* error) {
    *error = entry.string() + ": " + why;
    return false;
}

using text::BeforeStep;

bool Injected(const fs::path& entry, std::string* error) {
    return Fail(entry, std::strerror(EIO), error);
}

bool Done(const fs::path& entry, const std::error_code& ec, std::string* error) {
    return !ec || Fail(entry, ec.message(), error);
}

}  // namespace

bool MakeFolder(const fs::path& folder, std::string* error) {
    if (!BeforeStep())
        return Injected(folder, error);
    std::error_code ec;
    if (!fs::create_directory(folder, ec) && !ec) {
        return Fail(folder, "exists already", error);
    }
    // The state is the user's alone, whatever the umask lets others do.
    if (!ec)
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    return Done(folder, ec, error);
}

bool MakeOwnFolders(const fs::path& folder, std::error_code& ec) {
    ec.clear();
    if (folder.empty() || fs::is_directory(fs::symlink_status(folder, ec)))
        return !ec;
    if (folder.has_relative_path() && !MakeOwnFolders(folder.parent_path(), ec))
        return false;
    if (fs::create_directory(folder, ec))
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ec);
    return !ec;
}

bool WriteFile(const fs::path& file, std::string_view bytes, std::string* error) {
    if (!BeforeStep())
        return Injected(file, error);
    std::FILE* out = CreateNativeFile(file);
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
    if (!BeforeStep())
        return Injected(entry, error);
    return SyncToDisk(entry) || Fail(entry, std::strerror(errno), error);
}

bool Link(const fs::path& link, const fs::path& target, std::string* error) {
    if (!BeforeStep())
        return Injected(link, error);
    std::error_code ec;
    fs::create_directory_symlink(target, link, ec);
    return Done(link, ec, error);
}

bool Rename(const fs::path& from, const fs::path& to, std::string* error) {
    if (!BeforeStep())
        return Injected(to, error);
    std::error_code ec;
    fs::rename(from, to, ec);
    return Done(to, ec, error);
}

bool Remove(const fs::path& entry, std::string* error) {
    if (!BeforeStep())
        return Injected(entry, error);
    std::error_code ec;
    fs::remove_all(entry, ec);
    return Done(entry, ec, error);
}

}  // namespace orca::platform::sim::disk
