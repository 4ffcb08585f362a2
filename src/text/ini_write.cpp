#include <mutex>

#include "text/ini.h"
#include "text/ini_cache.h"
#include "text/ini_edit.h"
#include "text/ini_files.h"
#include "text/ini_profile.h"

namespace orca::text::ini {

bool WriteString(const std::filesystem::path& file, std::u16string_view section,
                 std::u16string_view key, std::u16string_view value, unsigned codePage) {
    section = detail::CallerName(section);
    key = detail::CallerName(key);
    value = detail::UpToNul(value);
    if (!detail::AcceptsWrite(section, key, value))
        return false;

    // Writes in this process take turns, so two of them never lose each other's key.
    static std::mutex writing;
    std::lock_guard lock(writing);
    std::error_code error;
    bool exists = std::filesystem::exists(file, error);
    std::optional<std::string> bytes = exists ? detail::ReadWholeFile(file) : std::string();
    if (error || !bytes)
        return false;
    std::string written =
        detail::ApplyWrite(detail::LoadDocument(std::move(*bytes), codePage), section, key, value);
    bool replaced = detail::ReplaceFile(file, written);
    detail::ForgetProfile(file);
    return replaced;
}

}  // namespace orca::text::ini
