// SPDX-License-Identifier: Apache-2.0
// The file-system steps of a state save, one call of the system each, so that
// an interruption falls between two steps and never inside one. Each failure
// comes back as "path: what went wrong".
// A test's step hook (text/step_hook.h) runs before each step.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orca::platform::sim::disk {

// A new folder only its owner may use; a folder already there is a failure.
bool MakeFolder(const std::filesystem::path& folder, std::string* error);
// The folder and any missing one above it, each made here only its owner may
// use. Not a step of a save: the folders a state lives in.
bool MakeOwnFolders(const std::filesystem::path& folder, std::error_code& ec);
// A new file only its owner may use, with the bytes; anything already at
// the name (a symbolic link included) is a failure.
bool WriteFile(const std::filesystem::path& file, std::string_view bytes, std::string* error);
// Forces the file, or the folder's entries, onto the disk.
bool Sync(const std::filesystem::path& entry, std::string* error);
// A symbolic link at link naming target (a path relative to the link's folder).
bool Link(const std::filesystem::path& link, const std::filesystem::path& target,
          std::string* error);
// Renames from to to, replacing what to names.
bool Rename(const std::filesystem::path& from, const std::filesystem::path& to, std::string* error);
// Removes the entry and, for a folder, all it holds; nothing there is no failure.
bool Remove(const std::filesystem::path& entry, std::string* error);

}  // namespace orca::platform::sim::disk
