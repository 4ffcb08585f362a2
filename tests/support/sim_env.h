// SPDX-License-Identifier: Apache-2.0
// A fresh simulated host environment for one test: its own root directory
// under $TMPDIR, installed as the process's platform while the test runs and
// removed afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "platform/sim/environment.h"

namespace orca::testsupport {

// Creates a unique empty directory under $TMPDIR (or the system's temporary
// directory) and removes it with everything in it at the end of the scope.
class TempDirectory {
public:
    TempDirectory();
    ~TempDirectory();
    TempDirectory(const TempDirectory&) = delete;
    TempDirectory& operator=(const TempDirectory&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// An empty environment (no printers, drivers or forms) over a temporary
// root, installed for the lifetime of the object.
class ScopedSimEnvironment {
public:
    ScopedSimEnvironment();

    platform::sim::Environment& Env() { return *env_; }
    const platform::Ports& Ports() const { return env_->GetPorts(); }
    const std::filesystem::path& Root() const { return root_.Path(); }

private:
    // Destroyed in reverse: uninstalled, then the environment, then its root.
    TempDirectory root_;
    std::unique_ptr<platform::sim::Environment> env_;
    std::unique_ptr<platform::sim::ScopedInstall> install_;
};

// GoogleTest fixture holding a ScopedSimEnvironment.
class SimEnvTest : public ::testing::Test {
protected:
    platform::sim::Environment& Env() { return sim_.Env(); }
    const platform::Ports& Ports() const { return sim_.Ports(); }
    const std::filesystem::path& Root() const { return sim_.Root(); }

private:
    ScopedSimEnvironment sim_;
};

}  // namespace orca::testsupport
