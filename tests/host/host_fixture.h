// SPDX-License-Identifier: Apache-2.0
// Each test runs the built orcaui on a state directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/cli/failure.h"
#include "host_process.h"
#include "support/sim_env.h"

namespace orca::hosttest {

inline constexpr char kOrcaPrinter[] = "Kestrel(ORCA)";
inline constexpr char kOnyxPrinter[] = "Heron(ONYX)";

// Exit codes of orcaui, under shorter names.
inline constexpr int kUsage = host::kExitUsage;
inline constexpr int kUnknownPrinter = host::kExitUnknownPrinter;
inline constexpr int kRefused = host::kExitRefused;
inline constexpr int kState = host::kExitState;
inline constexpr int kJobFailed = host::kExitJobFailed;
inline constexpr int kBusy = host::kExitBusy;

inline std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class HostTest : public ::testing::Test {
protected:
    // orcaui ARGS with this test's state directory.
    HostRun Orcaui(std::vector<std::string> args, std::string input = {},
                   std::map<std::string, std::string> environment = {}) {
        args.insert(args.begin(), {"--state", State().string()});
        return RunHost({std::move(args), std::move(input), std::move(environment)}, Scratch());
    }

    // The value of key in the printer's settings as `orcaui settings` shows them,
    // without the column of the value its page shows.
    std::string Setting(const std::string& printer, const std::string& key) {
        const HostRun run = Orcaui({"settings", printer});
        EXPECT_EQ(run.exitCode, 0) << run.err;
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) {
            if (!line.starts_with(key + "="))
                continue;
            std::string value = line.substr(key.size() + 1);
            if (const size_t column = value.find("  ;"); column != std::string::npos)
                value.erase(value.find_last_not_of(' ', column) + 1);
            return value;
        }
        ADD_FAILURE() << "no " << key << " in\n" << run.out;
        return {};
    }

    std::filesystem::path State() const { return dir_.Path() / "state"; }
    // A file of the published state, by its path inside the state.
    std::filesystem::path StateFile(const std::string& name) const {
        return State() / "current" / name;
    }
    std::filesystem::path Scratch() const { return dir_.Path(); }

private:
    testsupport::TempDirectory dir_;
};

}  // namespace orca::hosttest
