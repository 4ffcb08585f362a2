// SPDX-License-Identifier: Apache-2.0
// A printer's settings records as text, field by field under the names the
// settings files use, in sections like theirs: the public record, the
// option area, the custom commands, then the barcode fonts and command fonts
// in use.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/driver_host/host_settings.h"

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

// A stored setting as the printing preferences show it.
struct ShownSetting {
    std::string option;  // the option's name in `orcaui options`
    std::string shown;   // "89 mm/s", "Default"
};

// By the stored setting's key (btSpeed); only the public record and the
// option area have settings that pages show.
using ShownSettings = std::map<std::string, ShownSetting, std::less<>>;

// What a page shows for the section's entry, or null when none shows it.
const ShownSetting* ShownFor(const ShownSettings& shown, const SettingsSection& section,
                             const SettingsEntry& entry);

// The records, section by section; only the public one when the plug-in
// keeps no block for the printer's model.
std::vector<SettingsSection> ReadSettings(driverhost::HostDevMode& records);

// A number of the option area by its key ("dbAdjustTop"), as stored; none
// when the records keep no block or the block no such number.
std::optional<double> StoredNumber(driverhost::HostDevMode& records, std::string_view key);

// Stores a number of the option area by its key, in the field's own width;
// false when the records keep no block or the block no such number.
bool StoreNumber(driverhost::HostDevMode& records, std::string_view key, double value);

// As the settings files write them: [Section] and key=value lines. Where a
// page shows a value other than the stored one, a column after the line
// tells the option and that value ("btSpeed=6   ; speed: 89 mm/s"), lined
// up within the section.
std::string SettingsText(const std::vector<SettingsSection>& sections, const ShownSettings& shown);

}  // namespace orca::host
