// SPDX-License-Identifier: Apache-2.0
// The INI files of a state directory, read strictly: unlike the platform's
// lenient private-profile reading, every line must be a section, a key=value
// pair inside one, a comment or blank, so that a typing error is reported with
// its file and line instead of silently ignored. Text is UTF-8.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orca::platform::sim {

struct StateEntry {
    std::string key;
    std::string value;
    size_t line = 0;
};

struct StateSection {
    std::string name;
    size_t line = 0;
    std::vector<StateEntry> entries;
};

// Location and message of the first fault met, "file:line: message".
class StateError {
public:
    explicit StateError(std::string file) : file_(std::move(file)) {}
    bool Failed() const { return !message_.empty(); }
    const std::string& Message() const { return message_; }
    // Records the fault (the first one wins) and answers false.
    bool At(size_t line, const std::string& what);

private:
    std::string file_;
    std::string message_;
};

// Blanks around names and values are dropped; ';' or '#' starts a comment
// line. Section names and keys within a section must be unique (letter case
// ignored).
bool ParseStateText(std::string_view text, std::vector<StateSection>* sections, StateError* error);
// The text of the sections, or a fault when a name or value would not read
// back as it is (empty, blanks at either end, a control character, a ']' in
// a section name, a '=' in a key).
std::optional<std::string> FormatStateText(const std::vector<StateSection>& sections,
                                           StateError* error);

// Section names and keys compare as the format says: without letter case.
bool SameName(std::string_view a, std::string_view b);

// Typed reads of one section's values; each records a fault naming the line.
class SectionReader {
public:
    SectionReader(const StateSection& section, StateError* error)
        : section_(section), error_(error) {}

    // A value that must be present.
    std::optional<std::u16string> Text(std::string_view key);
    // Decimal or 0x-prefixed hexadecimal within 0..max; def when absent.
    std::optional<uint32_t> Number(std::string_view key, uint32_t def, uint32_t max);
    // Comma-separated signed numbers, exactly count of them.
    std::optional<std::vector<int32_t>> Numbers(std::string_view key, size_t count);
    // Values of the keys "<prefix>1", "<prefix>2", ... in file order; an empty
    // one is a fault.
    std::vector<const StateEntry*> Numbered(std::string_view prefix);
    // The line of a key, or of the section header when absent.
    size_t LineOf(std::string_view key) const;
    // Records a fault for the first key that none of the readers asked for.
    bool CheckNoOtherKeys();
    bool Fail(size_t line, const std::string& what) { return error_->At(line, what); }

private:
    const StateEntry* Find(std::string_view key);
    // The fault of a key that is missing or empty.
    void NeedsValue(size_t line, std::string_view key) {
        Fail(line, "section [" + section_.name + "] needs a value for " + std::string(key));
    }

    const StateSection& section_;
    StateError* error_;
    std::vector<std::string> asked_;
    std::vector<std::string> prefixes_;
};

// Parses a number as SectionReader::Number does.
std::optional<uint32_t> ParseNumber(std::string_view text, uint32_t max);

}  // namespace orca::platform::sim
