// Whole-file reads and replacements for the INI module.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace orca::text::ini::detail {

// What tells one version of a file from the next.
struct FileStamp {
    std::uintmax_t size;
    std::filesystem::file_time_type modified;
    bool operator==(const FileStamp&) const = default;
};

// Stamp of a regular file; nullopt when there is none at the path.
std::optional<FileStamp> StampOf(const std::filesystem::path& file);

// Every byte of a regular file; nullopt when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// Writes the bytes beside the file and renames them over it, so readers see
// the old or the new content, never a mix.
bool ReplaceFile(const std::filesystem::path& file, std::string_view bytes);

}  // namespace orca::text::ini::detail
