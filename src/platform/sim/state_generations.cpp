// SPDX-License-Identifier: Apache-2.0
#include "platform/sim/state_generations.h"

#include <algorithm>
#include <charconv>
#include <vector>

#include "platform/sim/native_io.h"
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
    return fs::exists(fs::symlink_status(entry, ec));
}

bool IsLink(const fs::path& entry) {
    std::error_code ec;
    return fs::is_symlink(fs::symlink_status(entry, ec));
}

bool IsFolder(const fs::path& entry) {
    std::error_code ec;
    return fs::is_directory(fs::symlink_status(entry, ec));
}

bool IsEmptyFolder(const fs::path& entry) {
    std::error_code ec;
    return IsFolder(entry) && fs::is_empty(entry, ec) && !ec;
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

bool IsGeneration(const fs::path& entry) {
    return GenerationNumber(entry) && IsFolder(entry);
}

std::vector<fs::path> Entries(const fs::path& dir) {
    std::vector<fs::path> entries;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec))
        entries.push_back(it->path());
    return entries;
}

bool Fail(const fs::path& entry, const std::string& why, std::string* error) {
    *error = entry.string() + ": " + why;
    return false;
}

// The generation a link names: its bare name "state-N", a folder beside it.
// Anything else (a path, "..", a missing generation) names no generation.
bool NamesGeneration(const fs::path& link, std::string* error) {
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    if (ec)
        return Fail(link, "is not a symbolic link to a generation state-N", error);
    const bool bare = !target.empty() && target == target.filename() && GenerationNumber(target);
    if (!bare)
        return Fail(link, "names " + target.string() + ", not a generation state-N beside it",
                    error);
    if (!IsGeneration(link.parent_path() / target))
        return Fail(link, "names " + target.string() + ", which is not a folder there", error);
    return true;
}

// The generation the link names; empty when it names none.
fs::path PublishedGeneration(const fs::path& dir) {
    std::string ignored;
    std::error_code ec;
    return NamesGeneration(dir / kCurrentLink, &ignored)
               ? dir / fs::read_symlink(dir / kCurrentLink, ec)
               : fs::path();
}

// Refuses a symbolic link anywhere in the tree but "current" and a
// "current.new" not yet renamed: a save or a job would write through it. And
// refuses, as ssh refuses its folders, an entry that another user could
// change.
bool CheckTree(const fs::path& dir, std::string* error) {
    std::string why;
    if (Exists(dir) && !OwnedSafely(dir, &why))
        return Fail(dir, why, error);
    std::error_code ec;
    for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        const bool allowed = it.depth() == 0 && (it->path().filename() == kCurrentLink ||
                                                 it->path().filename() == kNewLink);
        if (it->is_symlink(ec) && !allowed)
            return Fail(it->path(), "is a symbolic link", error);
        if (!OwnedSafely(it->path(), &why))
            return Fail(it->path(), why, error);
    }
    return !ec || ec == std::errc::no_such_file_or_directory || Fail(dir, ec.message(), error);
}

// What an interrupted first run leaves before publishing its state.
bool FirstRunLeftover(const fs::path& entry) {
    const std::string name = entry.filename().string();
    const bool firstRunFolder =
        std::ranges::find(kFirstRunFolders, name) != std::end(kFirstRunFolders);
    return (firstRunFolder && IsEmptyFolder(entry)) || IsGeneration(entry) ||
           (name == kNewLink && IsLink(entry));
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

std::optional<Holds> Examine(const fs::path& dir, std::string* error) {
    if (Exists(dir / kCurrentLink) && !NamesGeneration(dir / kCurrentLink, error))
        return std::nullopt;
    if (!CheckTree(dir, error))
        return std::nullopt;
    if (Exists(dir / kCurrentLink))
        return Holds::kGenerations;
    if (Exists(dir / kPrintersFile) || Exists(dir / kSystemFile))
        return Holds::kEarlierLayout;
    const std::vector<fs::path> entries = Entries(dir);
    if (!std::ranges::all_of(entries, FirstRunLeftover)) {
        Fail(dir,
             "holds files but no orcaui state; give a new or empty directory, or the one "
             "orcaui made before",
             error);
        return std::nullopt;
    }
    return Holds::kNothing;
}

fs::path StateFolder(const fs::path& dir) {
    return Exists(dir / kCurrentLink) ? dir / kCurrentLink : dir;
}

std::optional<fs::path> NewGeneration(const fs::path& dir, std::string* error) {
    unsigned long last = 0;
    for (const fs::path& entry : Entries(dir))
        last = std::max(last, GenerationNumber(entry).value_or(0));
    const fs::path folder = dir / (std::string(kGenerationPrefix) + std::to_string(last + 1));
    if (!disk::MakeFolder(folder, error) || !disk::Sync(dir, error))
        return std::nullopt;
    return folder;
}

Published Publish(const fs::path& dir, const fs::path& generation, std::string* error) {
    const fs::path previous = PublishedGeneration(dir);
    const bool earlierLayout = !Exists(dir / kCurrentLink);
    if (!SyncTree(generation, error) || !disk::Remove(dir / kNewLink, error) ||
        !disk::Link(dir / kNewLink, generation.filename(), error) ||
        !disk::Rename(dir / kNewLink, dir / kCurrentLink, error))
        return Published::kNot;
    // From here on the new generation is the state, whatever fails.
    std::string why;
    if (!disk::Sync(dir, &why)) {
        *error = "the new state is in use, but it may not be on the disk yet: " + why;
        return Published::kNotOnDiskYet;
    }
    if (!previous.empty() && previous != generation)
        RemoveQuietly(previous);
    for (const char* name : kEarlierLayout) {
        if (earlierLayout && Exists(dir / name))
            RemoveQuietly(dir / name);
    }
    return Published::kDone;
}

void RemoveLeftovers(const fs::path& dir, Holds holds) {
    const fs::path published = PublishedGeneration(dir);
    for (const fs::path& entry : Entries(dir)) {
        const std::string name = entry.filename().string();
        const bool aside = holds != Holds::kNothing &&
                           std::ranges::any_of(kEarlierAsides,
                                               [&name](std::string_view prefix) {
                                                   return name.starts_with(prefix);
                                               }) &&
                           IsFolder(entry);
        const bool stale = IsGeneration(entry) && entry != published;
        const bool earlier = holds == Holds::kGenerations &&
                             std::ranges::find(kEarlierLayout, name) != std::end(kEarlierLayout);
        const bool firstRunFolder = holds == Holds::kNothing && FirstRunLeftover(entry);
        if (aside || stale || earlier || firstRunFolder || (name == kNewLink && IsLink(entry)))
            RemoveQuietly(entry);
    }
}

}  // namespace orca::platform::sim::state
