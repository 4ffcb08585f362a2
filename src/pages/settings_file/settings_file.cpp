// SPDX-License-Identifier: Apache-2.0
#include "pages/settings_file/settings_file.h"

#include <algorithm>

#include "pages/ansi_text.h"
#include "pages/setting_value.h"
#include "pages/settings_file/command_data_text.h"
#include "pages/typed_number.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "settings/field_id.h"
#include "settings/field_map.h"
#include "text/case_fold.h"
#include "text/format.h"
#include "text/ini.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using Kind = SettingsItem::Kind;
using import::Check;

// A stored name holds this many UTF-16 units before its terminator.
constexpr size_t kNameUnits = import::kNameSize / 2 - 1;
// Papers read from one file at most: a larger count only names empty sections.
constexpr int32_t kMostPapers = 1024;

Kind KindOf(uint32_t fieldId) {
    switch (fieldId / 1000) {
        case 44:
            return Kind::kText;
        case 45:
            return Kind::kData;
        case 4:
        case 5:
            return Kind::kDouble;
        default:
            return Kind::kInteger;
    }
}

// The text up to its first zero unit, at most count units.
std::u16string TextUpToZero(const char16_t* units, size_t count) {
    return std::u16string(units, std::find(units, units + count, u'\0'));
}

// The name cut to what a record holds, never through a surrogate pair.
std::u16string_view StoredName(std::u16string_view name) {
    if (name.size() <= kNameUnits)
        return name;
    size_t units = kNameUnits;
    if (name[units - 1] >= 0xD800 && name[units - 1] < 0xDC00)
        --units;
    return name.substr(0, units);
}

// The form name of the printer's stored default settings, or empty.
std::u16string StoredFormName(platform::PrinterHandle printer) {
    platform::PrinterInfo2 info;
    const settings::DataRow& formName = settings::kPublicNames[1];
    if (!platform::ReadPrinterInfo2(*platform::Current().spooler, printer, &info) ||
        info.devMode.size() < formName.offset + formName.size)
        return {};
    std::u16string name(formName.size / 2, u'\0');
    for (size_t i = 0; i < name.size(); ++i) {
        const size_t at = formName.offset + 2 * i;
        name[i] = static_cast<char16_t>(info.devMode[at] | info.devMode[at + 1] << 8);
    }
    return TextUpToZero(name.data(), name.size());
}

// The spooler form of a paper record (tenths of a millimetre, margins).
platform::FormInfo1 FormOf(const PaperRecord& paper) {
    return {.flags = platform::kFormUser,
            .name = paper.name,
            .width = paper.width * 100,
            .height = paper.length * 100,
            .left = paper.left * 100,
            .top = paper.top * 100,
            .right = (paper.width - paper.right) * 100,
            .bottom = (paper.length - paper.bottom) * 100};
}

SettingsItem ValueItem(std::u16string_view section, std::u16string_view key, int32_t number) {
    return {.section = section, .key = key, .number = number, .hasValue = true};
}

SettingsItem TextItem(std::u16string_view section, std::u16string_view key, std::u16string text) {
    return {.section = section,
            .key = key,
            .kind = Kind::kText,
            .text = std::move(text),
            .hasValue = true};
}

}  // namespace

SettingsFile::SettingsFile(PageContext& settings, OptionServices& papers,
                           platform::PrinterHandle printer)
    : settings_(settings), papers_(papers), printer_(printer) {}

ExportOutcome SettingsFile::Export(std::u16string_view path) {
    ClearItems();
    AppendRows(import::kDriverInfo);
    AppendSettings(RecordCount(settings::field::kBarcodeCount),
                   RecordCount(settings::field::kCmdFontCount));
    AppendPapers();
    items_.push_back(
        ValueItem(import::kOptionSection, import::kLandscape, papers_.SyncOrientation(0, false)));
    for (SettingsItem& item : items_) {
        if (!item.hasValue)
            Collect(item);
    }

    std::vector<text::ini::KeyValue> lines;
    lines.reserve(items_.size());
    for (const SettingsItem& item : items_)
        lines.push_back({item.section, item.key, ValueText(item)});
    std::vector<size_t> refused;
    ExportOutcome outcome;
    outcome.written = text::ini::WriteNewFile(platform::Current().files->NativePath(path), lines,
                                              SystemCodePage(), &refused);
    for (const size_t index : refused)
        outcome.unwritten.push_back(u"[" + std::u16string(items_[index].section) + u"] " +
                                    std::u16string(items_[index].key));
    return outcome;
}

ImportOutcome SettingsFile::Import(std::u16string_view path, bool otherFilter) {
    return Import(
        text::ini::Snapshot(platform::Current().files->NativePath(path), SystemCodePage()),
        otherFilter);
}

ImportOutcome SettingsFile::Import(const text::ini::Snapshot& file, bool otherFilter) {
    // A file that names its language is of that language whatever the
    // filter; an older file names none and is ORCA.
    constexpr int32_t kUnnamed = -1;
    const int32_t named =
        file.ReadInt(import::kDriverInfo[1].section, import::kDriverInfo[1].key, kUnnamed);
    const int32_t fileLanguage =
        named != kUnnamed ? named : (otherFilter ? import::kOrca : import::kDefaultValue);
    if (static_cast<uint8_t>(fileLanguage) != Language())
        return ImportOutcome::kWrongLanguage;

    // Counts are taken modulo 256, and the records hold no more than 32.
    const auto fileCount = [&](const import::ItemRow& row) {
        const int32_t count = file.ReadInt(row.section, row.key, 0);
        return std::min<int>(count & 0xFF, import::kRecordCount);
    };
    ClearItems();
    AppendSettings(fileCount(import::kBarcodeCount), fileCount(import::kCmdFontCount));
    ImportPapers(file);
    ImportOrientation(file);
    for (SettingsItem& item : items_) {
        Read(item, file);
        if (item.hasValue && !Passes(item))
            item.hasValue = false;
    }
    for (const SettingsItem& item : items_) {
        if (item.hasValue)
            Store(item);
    }
    return ImportOutcome::kImported;
}

void SettingsFile::AppendRows(std::span<const import::ItemRow> rows, std::u16string_view section,
                              int index) {
    for (const import::ItemRow& row : rows) {
        items_.push_back({.section = section.empty() ? row.section : section,
                          .key = row.key,
                          .fieldId = row.fieldId,
                          .size = row.size,
                          .index = index,
                          .kind = KindOf(row.fieldId),
                          .check = row.check,
                          .low = row.low,
                          .high = row.high});
    }
}

void SettingsFile::AppendSettings(int barcodes, int cmdFonts) {
    AppendRows(import::kCommonItems);
    const uint8_t language = Language();
    const auto* own =
        std::find_if(std::begin(import::kLanguageItems), std::end(import::kLanguageItems),
                     [language](const auto& items) { return items.language == language; });
    const bool known = own != std::end(import::kLanguageItems);
    if (known)
        AppendRows(own->options);

    AppendRows({&import::kBarcodeCount, 1});
    for (int i = 0; i < barcodes; ++i) {
        const std::u16string_view section = NumberedSection(import::kBarcodeCount.section, i + 1);
        AppendRows(import::kBarcodeItems, section, i);
        if (known)
            AppendRows(own->barcode, section, i);
    }
    AppendRows({&import::kCmdFontCount, 1});
    for (int i = 0; i < cmdFonts; ++i)
        AppendRows(import::kCmdFontItems, NumberedSection(import::kCmdFontCount.section, i + 1), i);
}

void SettingsFile::AppendPapers() {
    std::vector<PaperRecord> papers;
    papers_.BuildPaperList(papers, true);
    items_.push_back(
        ValueItem(import::kPaperSection, import::kPaperCount, static_cast<int32_t>(papers.size())));
    // The stored default paper names itself when it is one of the custom papers.
    const int storedPaper = papers_.StoredPaperSize();
    const bool storedIsCustom = std::any_of(papers.begin(), papers.end(), [&](const auto& paper) {
        return paper.paperId == storedPaper;
    });
    if (storedIsCustom) {
        items_.push_back(
            TextItem(import::kPaperSection, import::kPaperSize, StoredFormName(printer_)));
    } else {
        items_.push_back({.section = import::kPaperSection,
                          .key = import::kPaperSize,
                          .fieldId = settings::field::kFormName,
                          .size = settings::kPublicNames[1].size,
                          .kind = Kind::kText});
    }
    for (size_t j = 0; j < papers.size(); ++j) {
        const std::u16string_view section = NumberedSection(import::kPaperSection, j + 1);
        const platform::FormInfo1 form = FormOf(papers[j]);
        items_.push_back(TextItem(section, import::kPaperName, form.name));
        for (const import::MeasureKey& measure : import::kPaperMeasures)
            items_.push_back(ValueItem(section, measure.key, form.*measure.measure));
    }
}

void SettingsFile::Collect(SettingsItem& item) {
    switch (item.kind) {
        case Kind::kInteger:
            item.number =
                static_cast<int32_t>(ReadSetting<uint32_t>(settings_, item.fieldId, 0, item.index));
            break;
        case Kind::kDouble:
            item.real = ReadSetting(settings_, item.fieldId, item.real, item.index);
            break;
        case Kind::kText: {
            // A field the model does not hold is written empty.
            std::u16string units(item.size / 2, u'\0');
            if (!ReadSettingBytes(settings_, item.fieldId, units.data(), item.size, item.index))
                units.clear();
            item.text = TextUpToZero(units.data(), units.size());
            break;
        }
        case Kind::kData: {
            std::string bytes(item.size, '\0');
            if (!ReadSettingBytes(settings_, item.fieldId, bytes.data(), item.size, item.index))
                bytes.clear();
            bytes.erase(bytes.find_last_not_of('\0') + 1);
            item.bytes = std::move(bytes);
            break;
        }
    }
    item.hasValue = true;
}

std::u16string SettingsFile::ValueText(const SettingsItem& item) const {
    switch (item.kind) {
        case Kind::kInteger:
            return text::DecimalText(item.number);
        case Kind::kDouble:
            return text::Utf8ToUtf16(text::Format("%.3f", item.real));
        case Kind::kText:
            return item.text;
        case Kind::kData:
            return CommandDataText(item.bytes, SystemCodePage());
    }
    return {};
}

void SettingsFile::Read(SettingsItem& item, const text::ini::Snapshot& file) const {
    const unsigned codePage = SystemCodePage();
    if (import::IsLengthField(item.fieldId)) {
        item.hasValue = false;
        return;
    }
    if (item.kind == Kind::kInteger) {
        item.number = file.ReadInt(item.section, item.key, import::kMissingNumber);
        item.hasValue = item.number != import::kMissingNumber;
        return;
    }
    const size_t chars =
        item.kind == Kind::kData ? CommandDataChars(item.size) : import::kReadChars;
    const std::u16string value =
        file.ReadString(item.section, item.key, import::kMissingText, chars);
    item.hasValue = false;
    if (value.find(import::kMissingText) != std::u16string::npos)
        return;
    switch (item.kind) {
        case Kind::kDouble:
            if (const std::optional<double> number = LeadingDecimal(value)) {
                item.real = *number;
                item.hasValue = true;
            }
            break;
        case Kind::kText:
            item.text = value;
            item.hasValue = value.size() <= import::kLongestText;
            break;
        case Kind::kData:
            // The field keeps room for its terminating zero.
            if (auto bytes = CommandDataBytes(value, codePage, item.size - 1)) {
                item.bytes = std::move(*bytes);
                item.hasValue = true;
            }
            break;
        case Kind::kInteger:
            break;
    }
}

bool SettingsFile::Passes(const SettingsItem& item) const {
    if (item.check == Check::kNone || item.number == import::kDefaultValue)
        return true;
    if (item.check == Check::kRange)
        return item.low <= item.number && item.number <= item.high;
    // A value the mask cannot offer is refused, not taken modulo 32.
    const uint32_t mask = ReadSetting<uint32_t>(settings_, static_cast<uint32_t>(item.low), 0);
    return item.number >= 0 && item.number < 32 && (mask >> item.number & 1) != 0;
}

void SettingsFile::Store(const SettingsItem& item) {
    switch (item.kind) {
        case Kind::kInteger: {
            int32_t value = item.number;
            if (item.fieldId == settings::field::kBarcodeCount ||
                item.fieldId == settings::field::kCmdFontCount)
                value = std::min<int32_t>(value & 0xFF, import::kRecordCount);
            OfferSetting(settings_, item.fieldId, value, item.index);
            break;
        }
        case Kind::kDouble:
            OfferSetting(settings_, item.fieldId, item.real, item.index);
            break;
        case Kind::kText: {
            std::u16string units(item.size / 2, u'\0');
            const std::u16string_view name = StoredName(item.text);
            std::copy(name.begin(), name.end(), units.begin());
            OfferSettingBytes(settings_, item.fieldId, units.data(), item.size, item.index);
            break;
        }
        case Kind::kData: {
            std::string bytes(item.size, '\0');
            std::copy(item.bytes.begin(), item.bytes.end(), bytes.begin());
            OfferSettingBytes(settings_, item.fieldId, bytes.data(), item.size, item.index);
            OfferSetting(settings_, import::LengthFieldOf(item.fieldId),
                         static_cast<uint16_t>(bytes.find('\0')), item.index);
            break;
        }
    }
}

void SettingsFile::ImportPapers(const text::ini::Snapshot& file) {
    const std::u16string paperSize =
        file.ReadString(import::kPaperSection, import::kPaperSize, u"", import::kPaperNameChars);
    const int32_t count =
        std::min(file.ReadInt(import::kPaperSection, import::kPaperCount, 0), kMostPapers);
    if (count <= 0)
        return;

    std::vector<PaperRecord> current;
    papers_.BuildPaperList(current, true);
    for (int32_t j = 1; j <= count; ++j) {
        const std::u16string section = text::NumberedName(import::kPaperSection, j);
        platform::FormInfo1 form;  // a user form
        form.name = file.ReadString(section, import::kPaperName, u"", import::kPaperNameChars);
        const bool known = std::any_of(current.begin(), current.end(), [&](const auto& paper) {
            return text::EqualsIgnoringCase(paper.name, form.name);
        });
        if (form.name.empty() || known)
            continue;
        for (const import::MeasureKey& measure : import::kPaperMeasures)
            form.*measure.measure = file.ReadInt(section, measure.key, 0);
        // A form the spooler refuses (a name it holds already, bad measures) is left out.
        platform::Current().spooler->AddForm1(printer_, form);
    }

    if (paperSize.empty())
        return;
    std::vector<PaperRecord> all;
    papers_.BuildPaperList(all, false);
    const auto match = std::find_if(all.begin(), all.end(), [&](const PaperRecord& paper) {
        return text::EqualsIgnoringCase(paper.name, paperSize);
    });
    if (match != all.end())
        papers_.ApplyPaperToPrinter(*match);
}

void SettingsFile::ImportOrientation(const text::ini::Snapshot& file) {
    const int32_t landscape =
        file.ReadInt(import::kOptionSection, import::kLandscape, import::kDefaultValue);
    // The host's list has portrait (0) and landscape (1); any other value is ignored.
    if (landscape != 0 && landscape != 1)
        return;
    papers_.SyncOrientation(landscape, true);
    OfferSetting(settings_, settings::field::kOrientation, static_cast<int16_t>(landscape + 1));
}

uint8_t SettingsFile::Language() const {
    return ReadSetting<uint8_t>(settings_, settings::field::kCommandLanguage, 0);
}

std::u16string_view SettingsFile::NumberedSection(std::u16string_view base, int number) {
    return sectionNames_.emplace_back(text::NumberedName(base, number));
}

void SettingsFile::ClearItems() {
    items_.clear();
    sectionNames_.clear();
}

int SettingsFile::RecordCount(uint32_t countField) const {
    return std::min<int>(ReadSetting<uint8_t>(settings_, countField, 0), import::kRecordCount);
}

}  // namespace orca::pages
