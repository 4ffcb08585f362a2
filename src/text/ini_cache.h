// The parse cache of the INI module: one parse per path and code page,
// reused while the file's stamp is unchanged.
#pragma once

#include <filesystem>
#include <memory>

#include "text/ini_profile.h"

namespace orca::text::ini::detail {

// The file's parse; nullptr when the file is missing or unreadable.
std::shared_ptr<const Profile> LoadProfile(const std::filesystem::path& file, unsigned codePage);

// Drops every kept parse of the file (after the module wrote it).
void ForgetProfile(const std::filesystem::path& file);

}  // namespace orca::text::ini::detail
