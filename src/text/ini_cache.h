// SPDX-License-Identifier: Apache-2.0
// The parse cache of the INI module: one parse per path and code page,
// reused while the file's stamp is unchanged.
#pragma once

#include <memory>

#include "text/file_path.h"
#include "text/ini_profile.h"

namespace orca::text::ini::detail {

// The file's parse; nullptr when the file is missing or unreadable.
std::shared_ptr<const Profile> LoadProfile(const FilePath& file, unsigned codePage);

// Drops every kept parse of the file (after the module wrote it).
void ForgetProfile(const FilePath& file);

}  // namespace orca::text::ini::detail
