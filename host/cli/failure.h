// How a command ends: its exit code, and what went wrong for the person to read.
#pragma once

#include <optional>
#include <string>

namespace orca::host {

// Exit codes, one per kind of failure a script may want to tell apart.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;         // the plug-in, the spooler or a file failed
inline constexpr int kExitUsage = 2;           // bad command line or malformed action
inline constexpr int kExitUnknownPrinter = 3;  // no printer of that name
inline constexpr int kExitRefused = 4;         // unknown tab or control, or an action refused
inline constexpr int kExitState = 5;           // state directory unreadable or unwritable
inline constexpr int kExitJobFailed = 6;       // a raw job did not reach its printer
inline constexpr int kExitBusy = 7;            // another run kept the state directory locked

struct Failure {
    int exitCode = kExitFailure;
    std::string message;
};

// Empty when the step succeeded.
using MaybeFailure = std::optional<Failure>;

// Prints "orcaui: message" on standard error and answers the exit code.
int Report(const Failure& failure);

}  // namespace orca::host
