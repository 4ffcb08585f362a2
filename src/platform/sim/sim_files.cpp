// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/sim_files.h"

#include <cerrno>
#include <cstdio>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

#include "platform/errors.h"
#include "platform/file_buffer.h"
#include "platform/sim/native_io.h"
#include "platform/sim/sim_system.h"
#include "text/step_hook.h"

namespace orca::platform::sim {
namespace {

bool FailWithErrno() {
    SetThreadLastError(errno == ENOENT    ? kErrorFileNotFound
                       : errno == ENOTDIR ? kErrorPathNotFound
                       : errno == EACCES  ? kErrorAccessDenied
                                          : kErrorWriteFault);
    return false;
}

// A step a test's hook has fail, as a write fault.
bool FailStep() {
    SetThreadLastError(kErrorWriteFault);
    return false;
}

// Closes the file when the scope ends.
struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};
using FilePtr = std::unique_ptr<FILE, FileCloser>;

}  // namespace

uint32_t SimFiles::TempDirectory(std::u16string* path, uint32_t bufferChars) {
    std::lock_guard lock(world_.mutex);
    // The empty last element gives the trailing separator.
    return AnswerDirectory(world_.root, world_.temp / "", path, bufferChars);
}

bool SimFiles::Exists(std::u16string_view path) {
    std::error_code ec;
    const bool exists = !path.empty() && std::filesystem::exists(ToNativePath(path), ec);
    if (!exists) {
        SetThreadLastError(kErrorFileNotFound);
    }
    return exists;
}

bool SimFiles::WriteNewFile(std::u16string_view path, std::span<const uint8_t> bytes) {
    if (path.empty()) {
        SetThreadLastError(kErrorPathNotFound);
        return false;
    }
    // A file of an earlier run is replaced; a link is never written through.
    const std::filesystem::path native = ToNativePath(path);
    std::error_code ec;
    if (!text::BeforeStep()) {
        return FailStep();
    }
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(native, ec))) {
        std::filesystem::remove(native, ec);
    }
    if (!text::BeforeStep()) {
        return FailStep();
    }
    const FilePtr file(CreateNativeFile(native));
    if (file == nullptr) {
        if (errno == EEXIST || errno == ELOOP) {
            errno = EACCES;
        }
        return FailWithErrno();
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size() ||
        std::fflush(file.get()) != 0) {
        return FailWithErrno();
    }
    return true;
}

bool SimFiles::ReadWholeFile(std::u16string_view path, std::vector<uint8_t>* bytes) {
    const std::filesystem::path native = ToNativePath(path);
    std::error_code ec;
    if (path.empty() || std::filesystem::is_directory(native, ec)) {
        SetThreadLastError(path.empty() ? kErrorPathNotFound : kErrorAccessDenied);
        return false;
    }
    const FilePtr file(OpenNativeFile(native, "rb"));
    if (file == nullptr) {
        return FailWithErrno();
    }
    const auto size = std::filesystem::file_size(native, ec);
    if (ec || size >= std::numeric_limits<uint32_t>::max()) {
        SetThreadLastError(kErrorNotSupported);
        return false;
    }
    std::optional<std::vector<uint8_t>> content = FileBuffer(size);
    if (!content) {
        SetThreadLastError(kErrorNotEnoughMemory);
        return false;
    }
    if (std::fread(content->data(), 1, content->size(), file.get()) != content->size()) {
        SetThreadLastError(kErrorReadFault);
        return false;
    }
    *bytes = std::move(*content);
    return true;
}

bool SimFiles::Remove(std::u16string_view path) {
    std::error_code ec;
    const std::filesystem::path native = ToNativePath(path);
    if (path.empty() || std::filesystem::is_directory(native, ec)) {
        SetThreadLastError(path.empty() ? kErrorPathNotFound : kErrorAccessDenied);
        return false;
    }
    if (!text::BeforeStep()) {
        return FailStep();
    }
    if (!std::filesystem::remove(native, ec)) {
        SetThreadLastError(ec ? kErrorAccessDenied : kErrorFileNotFound);
        return false;
    }
    return true;
}

}  // namespace orca::platform::sim
