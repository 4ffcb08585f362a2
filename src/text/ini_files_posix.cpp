// SPDX-License-Identifier: Apache-2.0
#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "text/ini.h"
#include "text/ini_files.h"
#include "text/step_hook.h"

namespace orca::text::ini::detail {

namespace {

// Closes the descriptor on every way out.
class Descriptor {
public:
    explicit Descriptor(int descriptor) : descriptor_(descriptor) {}
    ~Descriptor() {
        if (valid())
            ::close(descriptor_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    bool valid() const { return descriptor_ >= 0; }
    int get() const { return descriptor_; }
    // Closes now, telling whether the system took every byte written.
    bool Close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return ::close(descriptor) == 0;
    }

private:
    int descriptor_;
};

bool WriteAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

// The folder of a file and its name in it.
std::pair<FilePath, FilePath> Split(const FilePath& file) {
    const size_t slash = file.rfind('/');
    if (slash == FilePath::npos)
        return {".", file};
    return {slash == 0 ? "/" : file.substr(0, slash), file.substr(slash + 1)};
}

// Before each step that changes a file: false, with errno EIO, when a
// test's hook has the step fail.
bool Step() {
    if (BeforeStep())
        return true;
    errno = EIO;
    return false;
}

// Whether a process of the id exists (one of another user's included).
bool Running(unsigned long id) {
    return ::kill(static_cast<pid_t>(id), 0) == 0 || errno == EPERM;
}

}  // namespace

std::optional<bool> Exists(const FilePath& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) == 0)
        return true;
    if (errno == ENOENT || errno == ENOTDIR)
        return false;
    return std::nullopt;
}

std::optional<FileStamp> StampOf(const FilePath& file) {
    struct stat status {};
    if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return std::nullopt;
    const auto nanoseconds = [](const timespec& time) {
        return std::int64_t{time.tv_sec} * 1'000'000'000 + time.tv_nsec;
    };
    return FileStamp{.size = static_cast<std::uint64_t>(status.st_size),
                     .modified = nanoseconds(status.st_mtim),
                     .changed = nanoseconds(status.st_ctim),
                     .device = static_cast<std::uint64_t>(status.st_dev),
                     .identity = static_cast<std::uint64_t>(status.st_ino)};
}

std::optional<std::string> ReadWholeFile(const FilePath& file) {
    // O_NONBLOCK keeps the open of a pipe from waiting for a writer; the
    // check below refuses it anyway.
    Descriptor in(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat status {};
    if (!in.valid() || ::fstat(in.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uint64_t>(status.st_size) > kMaxFileBytes)
        return std::nullopt;
    std::string bytes(static_cast<size_t>(status.st_size), '\0');
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t read = ::read(in.get(), bytes.data() + done, bytes.size() - done);
        if (read < 0 && errno == EINTR)
            continue;
        if (read < 0)
            return std::nullopt;
        if (read == 0)
            break;  // the file shrank meanwhile
        done += static_cast<size_t>(read);
    }
    bytes.resize(done);
    return bytes;
}

bool ReplaceWholeFile(const FilePath& file, std::string_view bytes) {
    const FilePath aside = AsideName(file, static_cast<unsigned long>(::getpid()));
    // A new file: whatever is at the aside name (a link above all) is left alone.
    Descriptor out(
        Step() ? ::open(aside.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666)
               : -1);
    if (!out.valid())
        return false;
    // The new version keeps the old one's permissions.
    struct stat old {};
    if (::stat(file.c_str(), &old) == 0)
        ::fchmod(out.get(), old.st_mode & 07777);
    const bool written = Step() && WriteAll(out.get(), bytes) && Step() && ::fsync(out.get()) == 0;
    if (!out.Close() || !written || !Step() || ::rename(aside.c_str(), file.c_str()) != 0) {
        ::unlink(aside.c_str());
        return false;
    }
    // The rename is on the disk only with the folder's entries.
    Descriptor entries(::open(Split(file).first.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return entries.valid() && Step() && ::fsync(entries.get()) == 0;
}

void RemoveLeftAsides(const FilePath& file) {
    const auto [folder, base] = Split(file);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), &::closedir);
    if (!listing)
        return;
    const unsigned long self = static_cast<unsigned long>(::getpid());
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::optional<unsigned long> owner = AsideOwner(entry->d_name, base);
        struct stat status {};
        if (owner && (*owner == self || !Running(*owner)) &&
            ::fstatat(::dirfd(listing.get()), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && Step())
            ::unlinkat(::dirfd(listing.get()), entry->d_name, 0);
    }
}

bool IsAbsolute(const FilePath& file) {
    return file.starts_with('/');
}

FilePath AbsolutePath(const FilePath& file) {
    std::string path = file;
    if (!path.starts_with('/')) {
        const std::unique_ptr<char, decltype(&std::free)> current(::getcwd(nullptr, 0), &std::free);
        if (!current)
            return file;
        path = std::string(current.get()) + "/" + path;
    }
    // Steps that are empty or "." go; ".." takes the step before it away.
    std::vector<std::string_view> steps;
    std::string_view rest = path;
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view step = rest.substr(0, slash);
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
        if (step == "..") {
            if (!steps.empty())
                steps.pop_back();
        } else if (!step.empty() && step != ".") {
            steps.push_back(step);
        }
    }
    std::string normal;
    for (std::string_view step : steps)
        normal.append("/").append(step);
    return normal.empty() ? "/" : normal;
}

}  // namespace orca::text::ini::detail
