// SPDX-License-Identifier: Apache-2.0
#include "host/state/state_dir.h"

#include <cstdlib>
#include <fstream>

#include "platform/sim/state_generations.h"

namespace orca::host {
namespace {

namespace fs = std::filesystem;
namespace state = platform::sim::state;

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
    state::RemoveLeftovers(dir);
    *firstRun = !state::HasState(dir);
    // A first run fills only a new or empty directory: anything else is more
    // likely a mistyped --state than a place for the default printers.
    std::error_code ec;
    if (*firstRun && fs::exists(dir, ec) && !fs::is_empty(dir, ec)) {
        *failure = StateFailure(dir,
                                "holds files but no orcaui state; give a new or empty "
                                "directory, or the one orcaui made before");
        return nullptr;
    }
    std::string error;
    auto env = platform::sim::Environment::LoadOrCreate(dir, &error);
    if (env == nullptr)
        *failure = StateFailure(dir, error);
    return env;
}

MaybeFailure SaveState(platform::sim::Environment& env, const fs::path& dir) {
    std::string error;
    if (!env.Save(dir, &error))
        return StateFailure(dir, "cannot be saved: " + error);
    return std::nullopt;
}

MaybeFailure ReplaceFile(const fs::path& file, std::string_view bytes) {
    const fs::path aside = fs::path(file) += ".new";
    {
        std::ofstream out(aside, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
        if (!out.flush())
            return Failure{kExitState, file.string() + ": cannot be written"};
    }
    std::error_code ec;
    fs::rename(aside, file, ec);
    if (ec)
        return Failure{kExitState, file.string() + ": " + ec.message()};
    return std::nullopt;
}

}  // namespace orca::host
