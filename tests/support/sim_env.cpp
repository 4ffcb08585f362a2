// SPDX-License-Identifier: Apache-2.0
#include "sim_env.h"

#include <cstdlib>
#include <random>
#include <string>

namespace orca::testsupport {
namespace {

std::filesystem::path TempBase() {
    const char* tmp = std::getenv("TMPDIR");
    return tmp != nullptr && *tmp != '\0' ? std::filesystem::path(tmp)
                                          : std::filesystem::temp_directory_path();
}

}  // namespace

TempDirectory::TempDirectory() {
    const std::filesystem::path base = TempBase();
    std::filesystem::create_directories(base);
    // A name no other test holds: creating the directory fails when it exists.
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::filesystem::path candidate = base / ("orca-" + std::to_string(random()));
        std::error_code ec;
        if (std::filesystem::create_directory(candidate, ec)) {
            path_ = candidate;
            return;
        }
    }
    ADD_FAILURE() << "cannot create a temporary directory under " << base;
}

TempDirectory::~TempDirectory() {
    if (!path_.empty()) {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
}

ScopedSimEnvironment::ScopedSimEnvironment()
    : env_(std::make_unique<platform::sim::Environment>(root_.Path())),
      install_(std::make_unique<platform::sim::ScopedInstall>(*env_)) {}

}  // namespace orca::testsupport
