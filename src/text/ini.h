// SPDX-License-Identifier: Apache-2.0
// Private-profile (INI) files with the platform's semantics.
//
// Reading
// - A file beginning with FF FE is UTF-16LE (a stray last byte is ignored);
//   any other file is 8-bit text in the given ANSI code page. A UTF-8
//   byte-order mark is read as text of the first line.
// - Lines end at CR LF, LF or CR. Blanks (space, tab, vertical tab) around
//   names and values are ignored.
// - "[name]" opens a section; the name ends at the first ']' (or the line's
//   end) and whatever follows the ']' is ignored. Lines before the first
//   section are ignored.
// - "key=value" splits at the first '='. A line whose first non-blank is ';'
//   is a comment; a line without '=' holds no key.
// - Section and key names compare case-insensitively (ASCII letters only, as
//   text/nocase.h). The first matching section is used, and in it the first
//   matching key. Names passed in lose their surrounding spaces.
// - A value enclosed in a matching pair of ' or " loses that one pair.
// - A missing file, section or key gives the default, without its trailing
//   spaces. The result is cut to bufferSize - 1 UTF-16 units.
// - Every text passed in or handed back ends at its first NUL, like the C
//   strings of the platform's calls.
// - A file larger than kMaxFileBytes is not read: it reads as missing, and
//   a write to it is refused.
//
// Writing
// - A missing file is created as ANSI text without a byte-order mark; an
//   existing UTF-16 file stays UTF-16, an ANSI file stays in its code page
//   (characters it cannot hold become '?').
// - An existing key's line is replaced in place, keeping the key's spelling;
//   a new key goes after the last non-blank line of its section; a new
//   section goes at the end of the file. New lines end with CR LF; all other
//   bytes of the file stay as they were.
// - A value that would not read back as written (blanks at either end, or a
//   matching pair of quotes around it) is written inside double quotes.
// - Refused, leaving the file untouched: a line break in any text, an empty
//   key, a key containing '=' or starting with ';' or '[', a section name
//   containing ']'. The file is replaced as a whole (written aside, forced
//   onto the disk, then renamed), so a reader never sees half of it and a
//   failed write leaves the old file as it was.
//
// Cache
// - A parse is kept per path and code page and reused while the file's stamp
//   is unchanged: its size, its modification time and, where the system
//   tells them, the time of its last change and its identity. Every lookup
//   takes the stamp anew, so a file changed on disk between two lookups is
//   read again; a write through this module drops the parse. A file read
//   again with the same bytes keeps its parse.
// - Only a rewrite in place that keeps the size and lands within the same
//   tick of the file system's clock as the version read keeps the stamp, and
//   goes unseen until the file changes again. Closing that gap would mean
//   reading every file changed within the last tick again at each lookup,
//   and each page writes its language file just before it reads it.
// - Safe to use from several threads.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "text/file_path.h"

namespace orca::text::ini {

namespace detail {
class Profile;
}

// The largest file read. The largest the driver writes, a settings file with
// every record and paper, is some hundred kilobytes; one line a byte would
// still parse into less than 300 MB.
inline constexpr std::uint64_t kMaxFileBytes = std::uint64_t{4} << 20;

// Value of key in section, or def when the file, section or key is missing.
// bufferSize counts UTF-16 units including the terminator: a value is cut to
// bufferSize - 1 units (bufferSize 0 reads nothing).
std::u16string ReadString(const FilePath& file, std::u16string_view section,
                          std::u16string_view key, std::u16string_view def, size_t bufferSize,
                          unsigned codePage);

// Leading decimal number of the value, with an optional sign. def when the
// key is missing, its value is empty (as the platform's reader answers) or
// the value does not start with a number (nothing readable is there); digits
// past 32 bits wrap, so an unsigned 32-bit number written in decimal reads
// back intact.
int ReadInt(const FilePath& file, std::u16string_view section, std::u16string_view key, int def,
            unsigned codePage);

// Writes key=value into section; false when the file cannot be written or the
// names or value are refused (see above).
bool WriteString(const FilePath& file, std::u16string_view section, std::u16string_view key,
                 std::u16string_view value, unsigned codePage);

// One version of a file for a series of reads: the file is read (or its kept
// parse taken) once, and each read answers as ReadString or ReadInt would
// have answered then.
class Snapshot {
public:
    Snapshot(const FilePath& file, unsigned codePage);
    // The same reads over a file's bytes already in memory.
    static Snapshot OfBytes(std::string bytes, unsigned codePage);

    std::u16string ReadString(std::u16string_view section, std::u16string_view key,
                              std::u16string_view def, size_t bufferSize) const;
    int ReadInt(std::u16string_view section, std::u16string_view key, int def) const;

private:
    explicit Snapshot(std::shared_ptr<const detail::Profile> profile);

    std::shared_ptr<const detail::Profile> profile_;
};

// One write of WriteStrings.
struct KeyValue {
    std::u16string_view section;
    std::u16string_view key;
    std::u16string value;
};

// Writes the keys in order with the same result as one WriteString each, but
// reads and replaces the file once. A refused write is left out, and its
// index added to refused when given; false when any was refused or the file
// cannot be written.
bool WriteStrings(const FilePath& file, std::span<const KeyValue> writes, unsigned codePage,
                  std::vector<size_t>* refused = nullptr);

// As WriteStrings into an empty file, which replaces the one at file only once
// it is whole: nothing of the old file is kept, and a failure leaves it as it
// was. True when the file was written (refused writes are only listed).
bool WriteNewFile(const FilePath& file, std::span<const KeyValue> writes, unsigned codePage,
                  std::vector<size_t>* refused = nullptr);

// The parse cache can be switched off (benchmarks compare both).
void SetCacheEnabled(bool enabled);

}  // namespace orca::text::ini
