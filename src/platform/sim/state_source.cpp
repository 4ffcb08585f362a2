// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_source.h"

#include <fstream>

namespace orca::platform::sim {

StateSource::Result DirectorySource::Read(const std::filesystem::path& path, size_t limit,
                                          std::string* bytes, std::string* why) const {
    const std::filesystem::path file = dir_ / path;
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        return Result::kMissing;
    }
    // Not a directory, a device or a file that never ends.
    if (!std::filesystem::is_regular_file(file, ec)) {
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
