#include "state_dir.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

#include "platform/sim/state_files.h"

namespace orca::host {
namespace {

namespace fs = std::filesystem;
namespace state = platform::sim::state;

constexpr char kAppFolder[] = "orcaui";
// Inside the state directory, so that every rename stays on one file system.
constexpr std::string_view kStagingFolder = ".saving";
constexpr std::string_view kOldSettingsFolder = ".settings-old";

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
    std::error_code ec;
    *firstRun =
        !fs::exists(dir / state::kPrintersFile, ec) && !fs::exists(dir / state::kSystemFile, ec);
    // A first run fills only a new or empty directory: anything else is more
    // likely a mistyped --state than a place for the default printers.
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

MaybeFailure SaveState(const platform::sim::Environment& env, const fs::path& dir) {
    const std::string suffix = "-" + std::to_string(::getpid());
    const fs::path staging = dir / (std::string(kStagingFolder) + suffix);
    const fs::path oldSettings = dir / (std::string(kOldSettingsFolder) + suffix);
    std::error_code ignored;
    std::string error;
    if (!env.Save(staging, &error)) {
        fs::remove_all(staging, ignored);
        return StateFailure(dir, "cannot be saved: " + error);
    }
    std::error_code ec;
    const auto move = [&ec](const fs::path& from, const fs::path& to) {
        if (!ec)
            fs::rename(from, to, ec);
    };
    // The settings records first: the new printers.ini names them.
    const fs::path settings = dir / state::kSettingsFolder;
    const bool hadSettings = fs::exists(settings, ignored);
    if (hadSettings)
        move(settings, oldSettings);
    move(staging / state::kSettingsFolder, settings);
    if (ec && hadSettings)
        fs::rename(oldSettings, settings, ignored);
    for (const char* file :
         {state::kSystemFile, state::kDriversFile, state::kFormsFile, state::kPrintersFile})
        move(staging / file, dir / file);
    fs::remove_all(staging, ignored);
    fs::remove_all(oldSettings, ignored);
    if (ec)
        return StateFailure(dir, "cannot be saved: " + ec.message());
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
