// SPDX-License-Identifier: Apache-2.0
#include "host/output/settings_view.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "host/output/escape.h"
#include "host/output/text_table.h"
#include "settings/barcode_font_tables.h"
#include "settings/byte_access.h"
#include "settings/cmd_font.h"
#include "settings/field_map.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using settings::DataRow;
using settings::FieldRow;

struct LanguageView {
    std::string_view name;
    const settings::BlockLayout& layout;
    std::span<const FieldRow> barcodeFields;
};

const LanguageView kLanguages[] = {
    {"ORCA", settings::kLayoutOrca, settings::kBarcodeMapOrca},
    {"ONYX", settings::kLayoutOnyx, settings::kBarcodeMapOnyx},
};

// Thousands whose values are signed.
bool IsSigned(settings::FieldId id) {
    const uint32_t thousand = id / 1000;
    return thousand == 1 || thousand == 3 || thousand == 4;
}

std::string ValueText(const uint8_t* at, settings::FieldId id) {
    const uint32_t width = settings::FieldWidth(id);
    if (width == 8 && (settings::IsDoubleField(id) || id / 1000 == 46)) {
        char text[64];
        std::snprintf(text, sizeof text, "%.3f", settings::LoadF64(at));
        return text;
    }
    switch (width) {
        case 1:
            return std::to_string(settings::LoadU8(at));
        case 2:
            return IsSigned(id) ? std::to_string(settings::LoadI16(at))
                                : std::to_string(settings::LoadU16(at));
        case 4:
            return IsSigned(id) ? std::to_string(static_cast<int32_t>(settings::LoadU32(at)))
                                : std::to_string(settings::LoadU32(at));
        default:
            return std::to_string(settings::LoadU64(at));
    }
}

// Names (thousand 44) are UTF-16 text; other data are bytes, shown escaped;
// both end at their first zero.
std::string DataText(const uint8_t* at, const DataRow& row) {
    if (row.id / 1000 == 44) {
        std::u16string text;
        for (uint32_t i = 0; i + 1 < row.size; i += 2) {
            const char16_t unit = settings::LoadU16(at + i);
            if (unit == 0)
                break;
            text += unit;
        }
        return text::Utf16ToUtf8(text);
    }
    const uint8_t* end = std::find(at, at + row.size, uint8_t{0});
    return EscapeBytes(std::span(at, end));
}

// One entry a named row, in the order of the rows' offsets.
void Fields(const uint8_t* base, std::span<const FieldRow> fields, std::span<const DataRow> data,
            SettingsSection* out) {
    std::vector<std::pair<uint32_t, SettingsEntry>> lines;
    for (const FieldRow& row : fields) {
        if (!row.name.empty())
            lines.push_back(
                {row.offset, {std::string(row.name), ValueText(base + row.offset, row.id), true}});
    }
    for (const DataRow& row : data) {
        if (!row.name.empty())
            lines.push_back(
                {row.offset, {std::string(row.name), DataText(base + row.offset, row)}});
    }
    std::ranges::sort(lines, {}, &std::pair<uint32_t, SettingsEntry>::first);
    for (auto& line : lines)
        out->entries.push_back(std::move(line.second));
}

template <typename Row>
std::vector<Row> Between(std::span<const Row> rows, uint32_t from, uint32_t to) {
    std::vector<Row> inside;
    std::ranges::copy_if(rows, std::back_inserter(inside),
                         [&](const Row& row) { return row.offset >= from && row.offset < to; });
    return inside;
}

void Records(const uint8_t* area, uint32_t count, uint32_t recordSize, std::string_view section,
             std::span<const FieldRow> fields, std::span<const DataRow> data,
             std::vector<SettingsSection>* out) {
    for (uint32_t i = 0; i < std::min(count, settings::kRecordCount); ++i) {
        out->push_back({std::string(section) + std::to_string(i + 1), {}});
        Fields(area + i * recordSize, fields, data, &out->back());
    }
}

SettingsSection& Section(std::vector<SettingsSection>* sections, std::string name) {
    return sections->emplace_back(SettingsSection{std::move(name), {}});
}

// The option area's field of that key in the records' block, or null.
const FieldRow* OptionField(driverhost::HostDevMode& records, std::string_view key) {
    const auto language = std::ranges::find_if(kLanguages, [&](const LanguageView& view) {
        return view.layout.size == records.PrivateSize();
    });
    if (language == std::end(kLanguages))
        return nullptr;
    const auto field = std::ranges::find(language->layout.fields, key, &FieldRow::name);
    return field == language->layout.fields.end() ? nullptr : &*field;
}

}  // namespace

std::optional<double> StoredNumber(driverhost::HostDevMode& records, std::string_view key) {
    const FieldRow* field = OptionField(records, key);
    if (field == nullptr)
        return std::nullopt;
    const uint8_t* at = records.Private() + field->offset;
    return settings::IsDoubleField(field->id) ? settings::LoadF64(at)
                                              : std::stod(ValueText(at, field->id));
}

bool StoreNumber(driverhost::HostDevMode& records, std::string_view key, double value) {
    const FieldRow* field = OptionField(records, key);
    if (field == nullptr)
        return false;
    uint8_t* at = records.Private() + field->offset;
    if (settings::IsDoubleField(field->id)) {
        settings::StoreF64(at, value);
        return true;
    }
    const auto whole = static_cast<int64_t>(value);
    switch (settings::FieldWidth(field->id)) {
        case 1:
            settings::StoreU8(at, static_cast<uint8_t>(whole));
            return true;
        case 2:
            settings::StoreU16(at, static_cast<uint16_t>(whole));
            return true;
        case 4:
            settings::StoreU32(at, static_cast<uint32_t>(whole));
            return true;
        default:
            return false;
    }
}

std::vector<SettingsSection> ReadSettings(driverhost::HostDevMode& records) {
    std::vector<SettingsSection> sections;
    Fields(records.Bytes().data(), settings::kPublicFields, settings::kPublicNames,
           &Section(&sections, "Public"));
    const auto language = std::ranges::find_if(kLanguages, [&](const LanguageView& view) {
        return view.layout.size == records.PrivateSize();
    });
    if (language == std::end(kLanguages))
        return sections;

    const settings::BlockLayout& layout = language->layout;
    const uint8_t* block = records.Private();
    Section(&sections, "Block").entries = {
        {"Language", std::string(language->name)},
        {"dwSize", std::to_string(settings::LoadU32(block + settings::kOffsetSize)), true},
        {"dwVersion", std::to_string(settings::LoadU32(block + settings::kOffsetVersion)), true}};
    Fields(block, Between(layout.fields, settings::kOptionAreaStart, layout.size),
           Between(layout.data, settings::kOptionAreaStart, layout.size),
           &Section(&sections, "Option"));
    Fields(block, Between(layout.fields, settings::kCustomCommandStart, settings::kOptionAreaStart),
           Between(layout.data, settings::kCustomCommandStart, settings::kOptionAreaStart),
           &Section(&sections, "CustomCommand"));

    const uint8_t barcodes = settings::LoadU8(block + settings::kOffsetBarcodeCount);
    Section(&sections, "Barcode").entries = {{"dwBarcodeCount", std::to_string(barcodes), true}};
    const DataRow barcodeName[] = {settings::kBarcodeName};
    Records(block + layout.BarcodeArea(), barcodes, settings::kBarcodeRecordSize, "Barcode",
            language->barcodeFields, barcodeName, &sections);
    const uint8_t commandFonts = settings::LoadU8(block + settings::kOffsetCmdFontCount);
    Section(&sections, "CommandFont").entries = {
        {"dwCMDFontCount", std::to_string(commandFonts), true}};
    Records(block + layout.CmdFontArea(), commandFonts, settings::kCmdFontRecordSize, "CommandFont",
            settings::kCmdFontFields, settings::kCmdFontData, &sections);
    return sections;
}

const ShownSetting* ShownFor(const ShownSettings& shown, const SettingsSection& section,
                             const SettingsEntry& entry) {
    if (section.name != "Public" && section.name != "Option")
        return nullptr;
    const auto found = shown.find(entry.key);
    return found == shown.end() ? nullptr : &found->second;
}

std::string SettingsText(const std::vector<SettingsSection>& sections, const ShownSettings& shown) {
    std::string out;
    for (const SettingsSection& section : sections) {
        out += (out.empty() ? "[" : "\n[") + section.name + "]\n";
        std::vector<std::pair<std::string, const ShownSetting*>> lines;
        size_t column = 0;
        for (const SettingsEntry& entry : section.entries) {
            const ShownSetting* page = ShownFor(shown, section, entry);
            if (page != nullptr && page->shown == entry.value)
                page = nullptr;
            lines.emplace_back(entry.key + "=" + entry.value, page);
            if (page != nullptr)
                column = std::max(column, DisplayWidth(lines.back().first) + 2);
        }
        for (const auto& [line, page] : lines) {
            out += line;
            if (page != nullptr) {
                out += std::string(column - DisplayWidth(line), ' ') + "; " + page->option + ": " +
                       page->shown;
            }
            out += "\n";
        }
    }
    if (sections.size() == 1)
        out += "\n; the plug-in keeps no settings of its own for this printer's model\n";
    return out;
}

}  // namespace orca::host
