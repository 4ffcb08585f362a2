// Private-profile (INI) files with the platform's semantics. The rules
// implemented are listed at the top of this header by the module's author.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace orca::text::ini {

// Value of key in section, or def when the file, section or key is missing.
// bufferSize counts UTF-16 units including the terminator: a value is cut to
// bufferSize - 1 units (bufferSize 0 reads nothing).
std::u16string ReadString(const std::filesystem::path& file, std::u16string_view section,
                          std::u16string_view key, std::u16string_view def, size_t bufferSize,
                          unsigned codePage);

// Leading decimal number of the value, with an optional sign; def only when
// the key is missing.
int ReadInt(const std::filesystem::path& file, std::u16string_view section, std::u16string_view key,
            int def, unsigned codePage);

// Writes key=value into section; false when the file cannot be written.
bool WriteString(const std::filesystem::path& file, std::u16string_view section,
                 std::u16string_view key, std::u16string_view value, unsigned codePage);

// The parse cache can be switched off (benchmarks compare both).
void SetCacheEnabled(bool enabled);

}  // namespace orca::text::ini
