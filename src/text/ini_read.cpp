// SPDX-License-Identifier: Apache-2.0
#include <cstdint>

#include "text/ini.h"
#include "text/ini_cache.h"

namespace orca::text::ini {
namespace {

// A missing file reads as one without sections.
const detail::Profile& NoFile() {
    static const detail::Profile profile{detail::Document{}};
    return profile;
}

}  // namespace

Snapshot::Snapshot(const FilePath& file, unsigned codePage)
    : profile_(detail::LoadProfile(file, codePage)) {}

Snapshot::Snapshot(std::shared_ptr<const detail::Profile> profile) : profile_(std::move(profile)) {}

Snapshot Snapshot::OfBytes(std::string bytes, unsigned codePage) {
    return Snapshot(
        std::make_shared<const detail::Profile>(detail::LoadDocument(std::move(bytes), codePage)));
}

std::u16string Snapshot::ReadString(std::u16string_view section, std::u16string_view key,
                                    std::u16string_view def, size_t bufferSize) const {
    return detail::ReadValue(profile_ ? *profile_ : NoFile(), section, key, def, bufferSize);
}

int Snapshot::ReadInt(std::u16string_view section, std::u16string_view key, int def) const {
    const detail::Entry* entry = profile_ ? profile_->FindEntry(section, key) : nullptr;
    if (!entry)
        return def;
    std::u16string_view text = detail::UpToNul(entry->value);
    const bool negative = !text.empty() && text.front() == u'-';
    if (!text.empty() && (text.front() == u'-' || text.front() == u'+'))
        text.remove_prefix(1);
    if (text.empty() || text.front() < u'0' || text.front() > u'9')
        return def;
    std::uint32_t value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9')
            break;
        value = value * 10 + static_cast<std::uint32_t>(c - u'0');
    }
    return static_cast<int>(negative ? 0u - value : value);
}

std::u16string ReadString(const FilePath& file, std::u16string_view section,
                          std::u16string_view key, std::u16string_view def, size_t bufferSize,
                          unsigned codePage) {
    return Snapshot(file, codePage).ReadString(section, key, def, bufferSize);
}

int ReadInt(const FilePath& file, std::u16string_view section, std::u16string_view key, int def,
            unsigned codePage) {
    return Snapshot(file, codePage).ReadInt(section, key, def);
}

}  // namespace orca::text::ini
