// SPDX-License-Identifier: Apache-2.0
// Whole-file reads and replacements for the INI module, through the system's
// own file calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "text/file_path.h"

namespace orca::text::ini::detail {

// What tells one version of a file from the next. A change of a file keeps
// its stamp only when it keeps the size and lands within the same tick of
// the clock that stamps the file's times.
struct FileStamp {
    std::uint64_t size;
    std::int64_t modified;  // in the system's own units
    // Where the system tells them (0 where not): the time of the file's last
    // change of any kind, which no one can set back, and the file's identity,
    // which a file renamed over it does not share.
    std::int64_t changed = 0;
    std::uint64_t device = 0;
    std::uint64_t identity = 0;
    bool operator==(const FileStamp&) const = default;
};

// Whether anything is at the path; nullopt when the system cannot tell.
std::optional<bool> Exists(const FilePath& file);

// Stamp of a regular file; nullopt when there is none at the path.
std::optional<FileStamp> StampOf(const FilePath& file);

// Every byte of a regular file; nullopt when it is missing or unreadable.
std::optional<std::string> ReadWholeFile(const FilePath& file);

// Writes the bytes beside the file (a new file: a link at the side name is
// never followed), forces them onto the disk and renames them over it, then
// forces the folder, so readers see the old or the new content, never a mix,
// and a failure before the rename leaves the old file as it was.
bool ReplaceWholeFile(const FilePath& file, std::string_view bytes);

// The path in one spelling per file: absolute, without "." and ".." steps;
// the path as given when the system cannot tell the current directory.
FilePath AbsolutePath(const FilePath& file);

// Whether the path names the same file whatever the current directory (or
// drive) is.
bool IsAbsolute(const FilePath& file);

// A name beside the file for its next version: the process id keeps two
// processes writing the same file apart, a counter two threads.
FilePath AsideName(const FilePath& file, unsigned long processId);

// The process id in a name that AsideName gives a file of the name base
// ("base.~PID-N"), or nothing for any other name.
std::optional<unsigned long> AsideOwner(const FilePath& name, const FilePath& base);

// Removes what writes of the file by processes that are gone left beside
// it: regular files of AsideOwner's pattern only, never a link or a folder,
// never one of a process still running. This process's own are gone too,
// as its writes take turns.
void RemoveLeftAsides(const FilePath& file);

}  // namespace orca::text::ini::detail
