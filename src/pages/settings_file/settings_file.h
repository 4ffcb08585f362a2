// SPDX-License-Identifier: Apache-2.0
// The settings file (.drvs): the settings being edited, the printer's custom
// papers and the user's barcode and command fonts written to an INI file,
// and read back into the sheet after a check that the file is of the
// printer's command language. Each key of the file is one item of a list;
// the list is rebuilt for every export and import.
#pragma once

#include <cstdint>
#include <deque>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pages/option_services.h"
#include "pages/page_context.h"
#include "pages/settings_file/import_tables.h"
#include "platform/spooler.h"
#include "text/ini.h"

namespace orca::pages {

// One key of the file and the value it carries.
struct SettingsItem {
    enum class Kind : uint8_t { kInteger, kDouble, kText, kData };

    // The tables' own names, or one of the file's numbered section names.
    std::u16string_view section;
    std::u16string_view key;
    uint32_t fieldId = 0;  // 0: a value the list fills in itself
    uint32_t size = 0;
    int index = 0;  // font record
    Kind kind = Kind::kInteger;
    import::Check check = import::Check::kNone;
    int32_t low = 0;
    int32_t high = 0;

    int32_t number = 0;
    double real = 0;
    std::u16string text{};
    std::string bytes{};  // data: the field's bytes up to its last non-zero one
    bool hasValue = false;
};

enum class ImportOutcome {
    kImported,
    // The file is of another command language; nothing changed.
    kWrongLanguage,
};

struct ExportOutcome {
    bool written = false;  // the file at the path is the new one
    // The keys left out of it ("[section] key"), such as a name holding a line break.
    std::vector<std::u16string> unwritten;
};

class SettingsFile {
public:
    // settings: the sheet's settings; papers: the printer's papers and the
    // host's orientation; printer: the sheet's printer handle, for its
    // stored settings and its forms.
    SettingsFile(PageContext& settings, OptionServices& papers, platform::PrinterHandle printer);

    // Writes the file anew at path, replacing a file there only once the new
    // one is whole, so a failure keeps the old file.
    ExportOutcome Export(std::u16string_view path);
    // Reads the file at path into the sheet's settings, the spooler's forms,
    // the printer's paper and the host's orientation. otherFilter: the file
    // was chosen as an "Other Files (*.ds)" file, which is ORCA unless it
    // names its language in [DriverInfo].
    ImportOutcome Import(std::u16string_view path, bool otherFilter);
    // The same import from a file already read.
    ImportOutcome Import(const text::ini::Snapshot& file, bool otherFilter);

private:
    void AppendRows(std::span<const import::ItemRow> rows, std::u16string_view section = {},
                    int index = 0);
    // The items of every setting and font record, for that many records.
    void AppendSettings(int barcodes, int cmdFonts);
    void AppendPapers();
    void Collect(SettingsItem& item);
    std::u16string ValueText(const SettingsItem& item) const;

    void Read(SettingsItem& item, const text::ini::Snapshot& file) const;
    bool Passes(const SettingsItem& item) const;
    void Store(const SettingsItem& item);
    void ImportPapers(const text::ini::Snapshot& file);
    void ImportOrientation(const text::ini::Snapshot& file);

    uint8_t Language() const;
    int RecordCount(uint32_t countField) const;
    // "<base><number>", kept for the items of the operation.
    std::u16string_view NumberedSection(std::u16string_view base, int number);
    // Starts the item list of an operation anew.
    void ClearItems();

    PageContext& settings_;
    OptionServices& papers_;
    platform::PrinterHandle printer_;
    // The items of the last operation, in file order, and the numbered
    // section names they name.
    std::vector<SettingsItem> items_;
    std::deque<std::u16string> sectionNames_;
};

}  // namespace orca::pages
