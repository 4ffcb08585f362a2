// SPDX-License-Identifier: Apache-2.0
#include "host/cli/plugin_path.h"

#include <cstdlib>
#include <filesystem>

namespace orca::host {

std::string DefaultPluginPath() {
    if (const char* named = std::getenv("ORCAUI_PLUGIN"); named != nullptr && *named != '\0')
        return named;
    std::error_code ec;
    const std::filesystem::path binary = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return ORCAUI_PLUGIN_INSTALLED;
    // Both places are relative to the binary's folder, so a moved build
    // tree or install still finds its plug-in.
    const std::filesystem::path installed =
        (binary.parent_path() / ORCAUI_PLUGIN_INSTALLED).lexically_normal();
    const std::filesystem::path built =
        (binary.parent_path() / ORCAUI_PLUGIN_BUILT).lexically_normal();
    if (!std::filesystem::exists(installed, ec) && std::filesystem::exists(built, ec))
        return built.string();
    return installed.string();
}

}  // namespace orca::host
