// SPDX-License-Identifier: Apache-2.0
// How a command ends: its exit code, and what went wrong for the person to read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orca::host {

// Exit codes, one per kind of failure a script may want to tell apart.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitUnknownPrinter = 3;
inline constexpr int kExitRefused = 4;
inline constexpr int kExitState = 5;
inline constexpr int kExitJobFailed = 6;
inline constexpr int kExitBusy = 7;

// What each exit code means, as --help and the man page say it.
struct ExitCodeMeaning {
    int code;
    std::string_view meaning;
};

inline constexpr ExitCodeMeaning kExitCodeMeanings[] = {
    {kExitOk, "done (also when `set` or `apply` found nothing to change)"},
    {kExitFailure, "the plug-in, the spooler or a file failed"},
    {kExitUsage, "a bad command line or a malformed action"},
    {kExitUnknownPrinter, "no printer of that name"},
    {kExitRefused, "refused: an unknown tab, control, option or value, or an action not possible"},
    {kExitState, "the state directory cannot be read or written"},
    {kExitJobFailed, "a raw job did not reach its printer"},
    {kExitBusy, "another run kept the state directory locked too long"},
};

struct Failure {
    int exitCode = kExitFailure;
    std::string message;
};

// Empty when the step succeeded.
using MaybeFailure = std::optional<Failure>;

// Prints "orcaui: message" on standard error and answers the exit code.
int Report(const Failure& failure);

}  // namespace orca::host
