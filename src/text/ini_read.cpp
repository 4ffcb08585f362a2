#include <cstdint>

#include "text/ini.h"
#include "text/ini_cache.h"

namespace orca::text::ini {
namespace {

using detail::Entry;

// The entry, with the parse that owns it kept alive; entry is nullptr when missing.
struct Found {
    std::shared_ptr<const detail::Profile> profile;
    const Entry* entry = nullptr;
};

Found FindEntry(const std::filesystem::path& file, std::u16string_view section,
                std::u16string_view key, unsigned codePage) {
    Found found{detail::LoadProfile(file, codePage)};
    if (found.profile)
        found.entry = found.profile->FindEntry(section, key);
    return found;
}

std::u16string CutToBuffer(std::u16string_view text, size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    return std::u16string(text.substr(0, bufferSize - 1));
}

}  // namespace

std::u16string ReadString(const std::filesystem::path& file, std::u16string_view section,
                          std::u16string_view key, std::u16string_view def, size_t bufferSize,
                          unsigned codePage) {
    Found found = FindEntry(file, section, key, codePage);
    if (found.entry)
        return CutToBuffer(detail::UpToNul(found.entry->value), bufferSize);
    def = detail::UpToNul(def);
    while (!def.empty() && def.back() == u' ')
        def.remove_suffix(1);
    return CutToBuffer(def, bufferSize);
}

int ReadInt(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
            int def, unsigned codePage) {
    Found found = FindEntry(file, section, key, codePage);
    if (!found.entry)
        return def;
    std::u16string_view text = detail::UpToNul(found.entry->value);
    bool negative = !text.empty() && text.front() == u'-';
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+'))
        text.remove_prefix(1);
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + static_cast<std::uint32_t>(c - u'0');
    }
    return static_cast<int>(negative ? 0u - value : value);
}

}  // namespace orca::text::ini
