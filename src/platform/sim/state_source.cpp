// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_source.h"

#include <fstream>

namespace orca::platform::sim {

StateSource::Result DirectorySource::Read(const std::filesystem::path& path, size_t limit,
                                          std::string* bytes, std::string* why) const {
    const std::filesystem::path file = dir_ / path;
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::symlink_status(file, ec);
    // Only a file that is not there is missing: one that cannot be looked at
    // would load as a state without it.
    if (status.type() == std::filesystem::file_type::not_found) {
        return Result::kMissing;
    }
    if (ec) {
        *why = "cannot be read: " + ec.message();
        return Result::kRefused;
    }
    if (std::filesystem::is_symlink(status)) {
        *why = "is a symbolic link";
        return Result::kRefused;
    }
    // Not a directory, a device or a file that never ends.
    if (!std::filesystem::is_regular_file(status)) {
        *why = "is not a file";
        return Result::kRefused;
    }
    const uintmax_t size = std::filesystem::file_size(file, ec);
    if (ec || size > limit) {
        *why = ec ? "cannot be read" : "is larger than such a file can be";
        return Result::kRefused;
    }
    std::ifstream in(file, std::ios::binary);
    bytes->resize(size_t(size));
    if (!in.read(bytes->data(), std::streamsize(size))) {
        *why = "cannot be read";
        return Result::kRefused;
    }
    return Result::kRead;
}

std::string DirectorySource::Describe(const std::filesystem::path& path) const {
    return (dir_ / path).string();
}

StateSource::Result MemorySource::Read(const std::filesystem::path& path, size_t limit,
                                       std::string* bytes, std::string* why) const {
    const auto found = files_.find(path.generic_string());
    if (found == files_.end()) {
        return Result::kMissing;
    }
    if (found->second.size() > limit) {
        *why = "is larger than such a file can be";
        return Result::kRefused;
    }
    *bytes = found->second;
    return Result::kRead;
}

std::string MemorySource::Describe(const std::filesystem::path& path) const {
    return path.generic_string();
}

}  // namespace orca::platform::sim
