// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_generations.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/sim/state_disk.h"
#include "platform/sim/state_files.h"

namespace orca::platform::sim::state {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kGenerationPrefix = "state-";
constexpr char kNewLink[] = "current.new";
// Aside folders of earlier versions' saves, each followed by a process id.
constexpr std::string_view kEarlierAsides[] = {".saving-", ".settings-old-"};
// What the earlier layout keeps in the directory itself.
constexpr const char* kEarlierLayout[] = {kSystemFile, kDriversFile,    kPrintersFile,
                                          kFormsFile,  kSettingsFolder, "Windows"};
// What a first run makes beside its generation before publishing it.
constexpr const char* kFirstRunFolders[] = {"Temp", "jobs"};

bool Exists(const fs::path& entry) {
    std::error_code ec;
    return fs::is_symlink(entry, ec) || fs::exists(entry, ec);
}

// The number of a generation folder's name; none for any other name.
std::optional<unsigned long> GenerationNumber(const fs::path& entry) {
    const std::string name = entry.filename().string();
    if (!name.starts_with(kGenerationPrefix) || name.size() == kGenerationPrefix.size())
        return std::nullopt;
    unsigned long number = 0;
    const char* end = name.data() + name.size();
    const auto [at, ec] = std::from_chars(name.data() + kGenerationPrefix.size(), end, number);
    if (ec != std::errc() || at != end)
        return std::nullopt;
    return number;
}

std::vector<fs::path> Entries(const fs::path& dir) {
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    return entries;
}

// The generation the link names; empty without one.
fs::path Published(const fs::path& dir) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(dir / kCurrentLink, ec);
    return ec ? fs::path() : dir / target.filename();
}

bool SyncTree(const fs::path& folder, std::string* error) {
    std::vector<fs::path> folders{folder};
    std::error_code ec;
    for (fs::recursive_directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_directory(ec))
            folders.push_back(it->path());
        else if (!disk::Sync(it->path(), error))
            return false;
    }
    if (ec) {
        *error = folder.string() + ": " + ec.message();
        return false;
    }
    // A folder's entries after the folders inside it.
    return std::all_of(folders.rbegin(), folders.rend(),
                       [error](const fs::path& f) { return disk::Sync(f, error); });
}

void RemoveQuietly(const fs::path& entry) {
    std::string ignored;
    disk::Remove(entry, &ignored);
}

}  // namespace

bool HasState(const fs::path& dir) {
    return Exists(dir / kCurrentLink) || Exists(dir / kPrintersFile) || Exists(dir / kSystemFile);
}

fs::path StateFolder(const fs::path& dir) {
    return Exists(dir / kCurrentLink) ? dir / kCurrentLink : dir;
}

std::optional<fs::path> NewGeneration(const fs::path& dir, std::string* error) {
    unsigned long last = 0;
    for (const fs::path& entry : Entries(dir))
        last = std::max(last, GenerationNumber(entry).value_or(0));
    const fs::path folder = dir / (std::string(kGenerationPrefix) + std::to_string(last + 1));
    if (!disk::MakeFolder(folder, error))
        return std::nullopt;
    return folder;
}

bool Publish(const fs::path& dir, const fs::path& generation, std::string* error) {
    const fs::path previous = Published(dir);
    const bool earlierLayout = previous.empty();
    if (!SyncTree(generation, error) || !disk::Remove(dir / kNewLink, error) ||
        !disk::Link(dir / kNewLink, generation.filename(), error) ||
        !disk::Rename(dir / kNewLink, dir / kCurrentLink, error) || !disk::Sync(dir, error))
        return false;
    if (!earlierLayout && previous != generation)
        RemoveQuietly(previous);
    for (const char* name : kEarlierLayout) {
        if (earlierLayout && Exists(dir / name))
            RemoveQuietly(dir / name);
    }
    return true;
}

void RemoveLeftovers(const fs::path& dir) {
    const fs::path published = Published(dir);
    const bool hasState = HasState(dir);
    for (const fs::path& entry : Entries(dir)) {
        const std::string name = entry.filename().string();
        const bool aside = std::ranges::any_of(
            kEarlierAsides, [&name](std::string_view prefix) { return name.starts_with(prefix); });
        const bool stale = GenerationNumber(entry) && entry != published;
        const bool earlier = !published.empty() &&
                             std::ranges::find(kEarlierLayout, name) != std::end(kEarlierLayout);
        std::error_code ec;
        const bool firstRunFolder =
            !hasState && std::ranges::find(kFirstRunFolders, name) != std::end(kFirstRunFolders) &&
            fs::is_empty(entry, ec);
        if (aside || stale || earlier || firstRunFolder || name == kNewLink)
            RemoveQuietly(entry);
    }
}

}  // namespace orca::platform::sim::state
