// SPDX-License-Identifier: Apache-2.0
#include <functional>
#include <mutex>
#include <vector>

#include "text/ini.h"
#include "text/ini_cache.h"
#include "text/ini_edit.h"
#include "text/ini_files.h"
#include "text/ini_profile.h"

namespace orca::text::ini {
namespace {

// What a rewrite starts from: the file's bytes (a missing file counts as empty),
// or nothing, for a file written anew.
enum class Start { kFile, kEmpty };

// Replaces the file with the edit of its bytes.
bool Rewrite(const FilePath& file, unsigned codePage,
             const std::function<std::string(const detail::Document&)>& edit,
             Start start = Start::kFile) {
    // Writes in this process take turns, so two of them never lose each other's key.
    static std::mutex writing;
    std::lock_guard lock(writing);
    const std::optional<bool> exists =
        start == Start::kFile ? detail::Exists(file) : std::optional<bool>(false);
    if (!exists)
        return false;
    std::optional<std::string> bytes = *exists ? detail::ReadWholeFile(file) : std::string();
    if (!bytes)
        return false;
    std::string written = edit(detail::LoadDocument(std::move(*bytes), codePage));
    // A file written anew (an export) clears what killed writes of it left.
    if (start == Start::kEmpty)
        detail::RemoveLeftAsides(file);
    bool replaced = detail::ReplaceWholeFile(file, written);
    detail::ForgetProfile(file);
    return replaced;
}

// The write as the file receives it, or nothing when it is refused.
std::optional<detail::Write> Accepted(std::u16string_view section, std::u16string_view key,
                                      std::u16string_view value) {
    section = detail::CallerName(section);
    key = detail::CallerName(key);
    value = detail::UpToNul(value);
    if (!detail::AcceptsWrite(section, key, value))
        return std::nullopt;
    return detail::Write{section, key, value};
}

// The accepted writes, with the indexes of the refused ones added to refused.
std::vector<detail::Write> AcceptedWrites(std::span<const KeyValue> writes,
                                          std::vector<size_t>* refused) {
    std::vector<detail::Write> accepted;
    accepted.reserve(writes.size());
    for (size_t i = 0; i < writes.size(); ++i) {
        if (auto one = Accepted(writes[i].section, writes[i].key, writes[i].value))
            accepted.push_back(*one);
        else if (refused)
            refused->push_back(i);
    }
    return accepted;
}

}  // namespace

bool WriteString(const FilePath& file, std::u16string_view section, std::u16string_view key,
                 std::u16string_view value, unsigned codePage) {
    const std::optional<detail::Write> write = Accepted(section, key, value);
    if (!write)
        return false;
    return Rewrite(file, codePage, [&](const detail::Document& document) {
        return detail::ApplyWrite(document, write->section, write->key, write->value);
    });
}

bool WriteStrings(const FilePath& file, std::span<const KeyValue> writes, unsigned codePage,
                  std::vector<size_t>* refused) {
    const std::vector<detail::Write> accepted = AcceptedWrites(writes, refused);
    const bool written = Rewrite(file, codePage, [&](const detail::Document& document) {
        return detail::ApplyWrites(document, accepted);
    });
    return written && accepted.size() == writes.size();
}

bool WriteNewFile(const FilePath& file, std::span<const KeyValue> writes, unsigned codePage,
                  std::vector<size_t>* refused) {
    const std::vector<detail::Write> accepted = AcceptedWrites(writes, refused);
    return Rewrite(
        file, codePage,
        [&](const detail::Document& document) { return detail::ApplyWrites(document, accepted); },
        Start::kEmpty);
}

}  // namespace orca::text::ini
