// SPDX-License-Identifier: Apache-2.0
// The generations of a state directory (STATE.md): each save writes the whole
// state into a new folder "state-N" and publishes it by replacing the link
// "current" with one naming it, in one rename. A directory saved before
// generations existed keeps its state files in the directory itself.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace orca::platform::sim::state {

inline constexpr char kCurrentLink[] = "current";

// What a state directory holds.
enum class Holds {
    kNothing,        // no state yet: at most what an interrupted first run left
    kGenerations,    // a published generation
    kEarlierLayout,  // the state files in the directory itself
};

// Examines dir before anything in it is changed or read: "current" must be a
// link naming a generation "state-N" beside it, no other symbolic link may be
// anywhere in the tree, and a directory without a state may hold only what an
// interrupted first run makes. None, with *error, for anything else.
std::optional<Holds> Examine(const std::filesystem::path& dir, std::string* error);

// The folder whose files are the state: dir/current, or dir itself in the
// earlier layout.
std::filesystem::path StateFolder(const std::filesystem::path& dir);

// A new, empty generation folder in dir, numbered past every one there.
std::optional<std::filesystem::path> NewGeneration(const std::filesystem::path& dir,
                                                   std::string* error);

enum class Published {
    kNot,           // the state is as it was; *error tells why
    kDone,          // the generation is the state
    kNotOnDiskYet,  // the generation is the state, but *error tells what failed after
};

// Forces every file and folder of the generation onto the disk, then makes it
// the published state of dir in one rename. What the previous state used
// (its generation, or the files of the earlier layout) is removed after.
// Nothing of the new generation is removed once it is published.
Published Publish(const std::filesystem::path& dir, const std::filesystem::path& generation,
                  std::string* error);

// Removes what interrupted saves left in dir (as Examine found it):
// generations that are not published, a link not yet renamed, the files of
// the earlier layout beside a published generation, the aside folders of
// earlier versions, and with no state at all the empty folders an interrupted
// first run made. Only for the run that holds the directory's lock; what
// cannot be removed stays.
void RemoveLeftovers(const std::filesystem::path& dir, Holds holds);

}  // namespace orca::platform::sim::state
