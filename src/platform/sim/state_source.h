// SPDX-License-Identifier: Apache-2.0
// Where loading finds a state's files, and what saving makes of a state: a
// state directory, or the same files in memory (tests and fuzzing). Paths
// are relative to the state ("printers.ini", "settings/printer1.bin"),
// unless a state file names an absolute one.
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace orca::platform::sim {

// A state's files by their path, as saving writes them.
using StateFiles = std::map<std::string, std::string>;

class StateSource {
public:
    enum class Result { kRead, kMissing, kRefused };

    virtual ~StateSource() = default;
    // The file's bytes, at most limit of them: kRefused with *why when the
    // file is not a regular file, is larger or cannot be read.
    virtual Result Read(const std::filesystem::path& path, size_t limit, std::string* bytes,
                        std::string* why) const = 0;
    // How a message names the file.
    virtual std::string Describe(const std::filesystem::path& path) const = 0;
};

class DirectorySource : public StateSource {
public:
    explicit DirectorySource(std::filesystem::path dir) : dir_(std::move(dir)) {}
    Result Read(const std::filesystem::path& path, size_t limit, std::string* bytes,
                std::string* why) const override;
    std::string Describe(const std::filesystem::path& path) const override;

private:
    std::filesystem::path dir_;
};

class MemorySource : public StateSource {
public:
    explicit MemorySource(const StateFiles& files) : files_(files) {}
    Result Read(const std::filesystem::path& path, size_t limit, std::string* bytes,
                std::string* why) const override;
    std::string Describe(const std::filesystem::path& path) const override;

private:
    const StateFiles& files_;
};

}  // namespace orca::platform::sim
