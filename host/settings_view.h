// A printer's settings records as text, field by field under the names the
// settings files use, in sections like theirs: the public record, the
// option area, the custom commands, then the barcode fonts and command fonts
// in use.
#pragma once

#include <string>
#include <vector>

#include "support/host_settings.h"

namespace orca::host {

struct SettingsEntry {
    std::string key;
    std::string value;  // numbers in decimal, texts escaped
    bool number = false;
};

struct SettingsSection {
    std::string name;  // "Option", "Barcode1"
    std::vector<SettingsEntry> entries;
};

// The records, section by section; only the public one when the plug-in
// keeps no block for the printer's model.
std::vector<SettingsSection> ReadSettings(testsupport::HostDevMode& records);

// As the settings files write them: [Section] and key=value lines.
std::string SettingsText(const std::vector<SettingsSection>& sections);

}  // namespace orca::host
