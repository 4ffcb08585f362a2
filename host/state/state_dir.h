// SPDX-License-Identifier: Apache-2.0
// The state directory that keeps the simulated environment between runs:
// where it is, loading it (the embedded default on a first run) and saving it
// so that a failure or an interruption never leaves half a state behind.
#pragma once

#include <filesystem>
#include <memory>

#include "host/cli/failure.h"
#include "platform/sim/environment.h"

namespace orca::host {

// $XDG_STATE_HOME/orcaui, else ~/.local/state/orcaui; empty when neither
// variable gives an absolute directory.
std::filesystem::path DefaultStateDirectory();

// Loads the environment of dir, locked by this run, after removing what an
// interrupted run left there. A missing or empty directory gets the embedded
// default environment, saved there; *firstRun tells whether that happened. A
// directory that holds other files but no state, a "current" that names no
// generation and a symbolic link in the tree are refused before anything is
// removed.
std::unique_ptr<platform::sim::Environment> LoadState(const std::filesystem::path& dir,
                                                      bool* firstRun, Failure* failure);

// Publishes the environment as dir's new state in one step: a failed or
// interrupted save leaves the state as it was. A failure after the new state
// is published is told, and the new state stays.
MaybeFailure SaveState(platform::sim::Environment& env, const std::filesystem::path& dir);

// Replaces file with bytes written aside (a new file, forced onto the disk)
// and renamed over it, the folder forced onto the disk after.
MaybeFailure ReplaceFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace orca::host
