// SPDX-License-Identifier: Apache-2.0
#include "host/state/state_dir.h"

#include <cstdlib>

#include "platform/sim/state_disk.h"
#include "platform/sim/state_generations.h"

namespace orca::host {
namespace {

namespace fs = std::filesystem;
namespace state = platform::sim::state;
namespace disk = platform::sim::disk;

constexpr char kAppFolder[] = "orcaui";

fs::path AbsoluteFromEnvironment(const char* variable) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0' || !fs::path(value).is_absolute())
        return {};
    return value;
}

Failure StateFailure(const fs::path& dir, const std::string& what) {
    return Failure{kExitState, "state directory " + dir.string() + ": " + what};
}

}  // namespace

fs::path DefaultStateDirectory() {
    if (fs::path base = AbsoluteFromEnvironment("XDG_STATE_HOME"); !base.empty())
        return base / kAppFolder;
    if (fs::path home = AbsoluteFromEnvironment("HOME"); !home.empty())
        return home / ".local" / "state" / kAppFolder;
    return {};
}

std::unique_ptr<platform::sim::Environment> LoadState(const fs::path& dir, bool* firstRun,
                                                      Failure* failure) {
    // Nothing is removed before the directory is known as a state: a
    // mistyped --state loses nothing.
    std::string error;
    const std::optional<state::Holds> holds = state::Examine(dir, &error);
    if (!holds) {
        *failure = StateFailure(dir, error);
        return nullptr;
    }
    state::RemoveLeftovers(dir, *holds);
    *firstRun = *holds == state::Holds::kNothing;
    auto env = platform::sim::Environment::LoadOrCreate(dir, &error);
    if (env == nullptr || !error.empty()) {
        *failure = StateFailure(dir, error);
        return nullptr;
    }
    return env;
}

MaybeFailure SaveState(platform::sim::Environment& env, const fs::path& dir) {
    std::string error;
    if (!env.Save(dir, &error))
        return StateFailure(dir, "cannot be saved: " + error);
    if (!error.empty())
        return StateFailure(dir, error);
    return std::nullopt;
}

MaybeFailure ReplaceFile(const fs::path& file, std::string_view bytes) {
    const fs::path aside = fs::path(file) += ".new";
    // What a killed run left at the aside name goes first: the new file is
    // made where nothing is, so a link there is never followed.
    std::string error;
    if (!disk::Remove(aside, &error) || !disk::WriteFile(aside, bytes, &error) ||
        !disk::Sync(aside, &error) || !disk::Rename(aside, file, &error) ||
        !disk::Sync(file.parent_path(), &error)) {
        std::string ignored;
        disk::Remove(aside, &ignored);
        return Failure{kExitState, file.string() + ": cannot be written: " + error};
    }
    return std::nullopt;
}

}  // namespace orca::host
