// SPDX-License-Identifier: Apache-2.0
// settings PRINTER: the printer's default settings as the plug-in's hooks
// read them; with --export or --import, the printer's settings file written
// or read through the Import/Export page of its printing preferences.
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "host/commands/commands.h"
#include "host/output/json_output.h"
#include "host/output/settings_view.h"
#include "host/sheet/option_view.h"
#include "host/sheet/sheet.h"
#include "host/state/printer_session.h"
#include "resources/control_ids.h"
#include "resources/window_styles.h"
#include "text/ini.h"
#include "text/utf.h"

namespace orca::host {
namespace {

namespace fs = std::filesystem;

// The import dialog's filters: settings files, and the older files that are always ORCA.
constexpr int kSettingsFilesFilter = 1;
constexpr int kOtherFilesFilter = 2;

// A stored value as JSON: a number where the field holds one.
Json Stored(const SettingsEntry& entry) {
    if (entry.number) {
        const Json number = Json::parse(entry.value, nullptr, false);
        if (!number.is_discarded())
            return number;
    }
    return entry.value;
}

// Each stored setting that a page shows, with the option and the value as
// the page shows it (read off the printing preferences).
ShownSettings ReadShown(Sheet& sheet) {
    ShownSettings shown;
    for (const OptionView& view : ReadOptions(sheet)) {
        if (!view.row->field.empty())
            shown.emplace(view.row->field, ShownSetting{std::string(view.row->name), Shown(view)});
    }
    return shown;
}

// The settings with, beside each stored value that a page shows, the option
// and the value as the page shows it.
Json SettingsJson(const std::vector<SettingsSection>& sections, const ShownSettings& shown) {
    Json json = Json::object();
    for (const SettingsSection& section : sections) {
        Json& entries = json[section.name] = Json::object();
        for (const SettingsEntry& entry : section.entries) {
            Json& value = entries[entry.key] = {{"stored", Stored(entry)}};
            if (const ShownSetting* page = ShownFor(shown, section, entry)) {
                value["option"] = page->option;
                value["shown"] = page->shown;
            }
        }
    }
    return json;
}

int ShowSettings(Host& host, const std::u16string& name, bool json) {
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
    if (session == nullptr)
        return Report(failure);
    const std::vector<SettingsSection> sections = ReadSettings(session->Records());
    Sheet sheet(*session, host.Desktop(), SheetKind::kDocument);
    if (auto failed = sheet.Open())
        return Report(*failed);
    const ShownSettings shown = ReadShown(sheet);
    if (json)
        PrintJson(
            {{"printer", text::Utf16ToUtf8(name)}, {"settings", SettingsJson(sections, shown)}});
    else
        std::cout << "; " << text::Utf16ToUtf8(name) << "\n" << SettingsText(sections, shown);
    return kExitOk;
}

// Brings the tab that holds the page's button to the front.
MaybeFailure ShowImportPage(Sheet& sheet, int button) {
    const int tabs = static_cast<int>(sheet.TabTitles().size());
    for (int tab = sheet.FirstPluginTab(); tab < tabs; ++tab) {
        if (sheet.Driver().SelectTab(sheet.SheetWindow(), tab) &&
            sheet.Desktop().Child(sheet.CurrentPage(), button) != nullptr)
            return std::nullopt;
    }
    return Failure{kExitRefused, "the printer's model has no Import/Export page"};
}

// The file dialog's answer: the file, chosen with the filter that shows it.
void AnswerFileDialog(Sheet& sheet, const fs::path& file) {
    const int filter = file.extension() == ".ds" ? kOtherFilesFilter : kSettingsFilesFilter;
    sheet.Driver().OnNextFileDialog([file, filter](const platform::FileDialogRequest&) {
        return platform::FileDialogResult{true, file.u16string(), filter};
    });
}

// Why the page could not write the file: the system's reason when it refuses
// to open the file for writing, else what the page's message says.
std::string WhyNotWritten(const fs::path& file, const std::u16string& message) {
    std::error_code error;
    const bool existed = fs::exists(file, error);
    errno = 0;
    if (std::FILE* opened = std::fopen(file.c_str(), "ab")) {
        std::fclose(opened);
        if (!existed)
            fs::remove(file, error);
        return text::Utf16ToUtf8(message);
    }
    return std::strerror(errno);
}

MaybeFailure ExportSettings(Sheet& sheet, const fs::path& file) {
    if (auto failed = ShowImportPage(sheet, control::kImportExportButton))
        return failed;
    AnswerFileDialog(sheet, file);
    const size_t messagesBefore = sheet.Desktop().Messages().size();
    sheet.Driver().Click(sheet.CurrentPage(), control::kImportExportButton);
    // The page writes to the chosen path with ".drvs" added unless it ends so,
    // and tells in a message what it could not write.
    const fs::path written =
        file.native().ends_with(".drvs") ? file : fs::path(file.native() + ".drvs");
    const auto& messages = sheet.Desktop().Messages();
    if (messages.size() > messagesBefore)
        return Failure{kExitFailure, "could not write " + written.string() + ": " +
                                         WhyNotWritten(written, messages.back().text)};
    std::cout << "exported to " << written.string() << "\n";
    return std::nullopt;
}

// The sections of a settings file that hold the option area's settings.
constexpr std::u16string_view kOptionFileSections[] = {u"Option", u"Advanced", u"Other"};

// The file's whole-number settings that the import left as they were, as
// "btSpeed=31 (kept 2)": values the printer's model cannot hold.
std::vector<std::string> NotTaken(Sheet& sheet, const fs::path& file) {
    constexpr int kMissing = INT_MIN;
    constexpr unsigned kWindows1252 = 1252;
    std::vector<std::string> kept;
    for (const SettingsSection& section : ReadSettings(sheet.Records())) {
        if (section.name != "Option")
            continue;
        for (const SettingsEntry& entry : section.entries) {
            if (!entry.number || entry.value.find('.') != std::string::npos)
                continue;
            for (const std::u16string_view name : kOptionFileSections) {
                const int wanted = text::ini::ReadInt(file, name, text::Utf8ToUtf16(entry.key),
                                                      kMissing, kWindows1252);
                if (wanted != kMissing && std::to_string(wanted) != entry.value)
                    kept.push_back(entry.key + "=" + std::to_string(wanted) + " (kept " +
                                   entry.value + ")");
            }
        }
    }
    return kept;
}

MaybeFailure ImportSettings(Sheet& sheet, const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error))
        return Failure{kExitFailure, file.string() + ": no such file"};
    if (!fs::is_regular_file(file, error) || !std::ifstream(file, std::ios::binary))
        return Failure{kExitFailure, file.string() + ": cannot be read"};
    // The page takes any file and refuses one that is not a settings file
    // as if it were of the other language; a settings file names its driver.
    constexpr int kMissing = -1;
    constexpr unsigned kWindows1252 = 1252;
    if (file.extension() != ".ds" && text::ini::ReadInt(file, u"DriverInfo", u"btCommandSet",
                                                        kMissing, kWindows1252) == kMissing) {
        return Failure{kExitRefused, file.string() +
                                         " is not a settings file: it has no [DriverInfo] section "
                                         "with btCommandSet (make one with --export)"};
    }
    if (auto failed = ShowImportPage(sheet, control::kImportImportButton))
        return failed;
    sheet.Driver().OnNextMessage(
        [](const platform::sim::MessageRecord&) { return resources::IDOK; });
    AnswerFileDialog(sheet, file);
    const size_t messagesBefore = sheet.Desktop().Messages().size();
    sheet.Driver().Click(sheet.CurrentPage(), control::kImportImportButton);
    // The first message is the warning; a second one is the refusal.
    const auto& messages = sheet.Desktop().Messages();
    if (messages.size() > messagesBefore + 1)
        return Failure{kExitRefused, "refused: " + text::Utf16ToUtf8(messages.back().text)};
    const std::vector<std::string> kept = NotTaken(sheet, file);
    if (auto failed = sheet.Apply())
        return failed;
    std::cout << "imported " << file.string() << "\n";
    for (const std::string& setting : kept)
        std::cout << "not taken, the printer's model cannot hold it: " << setting << "\n";
    return std::nullopt;
}

MaybeFailure TransferSettings(Host& host, const std::u16string& name, const Arguments& args) {
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
    if (session == nullptr)
        return failure;
    Sheet sheet(*session, host.Desktop(), SheetKind::kDocument);
    if (auto failed = sheet.Open())
        return failed;
    const bool exporting = args.Has("--export");
    const std::string& given = args.Value(exporting ? "--export" : "--import");
    std::error_code error;
    const fs::path file = fs::absolute(given, error);
    if (error) {
        return Failure{kExitUsage, given +
                                       " is relative to a working directory that is gone; "
                                       "give an absolute path"};
    }
    return exporting ? ExportSettings(sheet, file) : ImportSettings(sheet, file);
}

int RunSettings(Host& host, const Arguments& args) {
    if (args.Has("--export") && args.Has("--import"))
        return Report({kExitUsage, "give --export or --import, not both"});
    if (args.Has(kJsonOption.name) && (args.Has("--export") || args.Has("--import")))
        return Report({kExitUsage,
                       "--json shows the settings: give it without --export and "
                       "--import"});
    for (const char* option : {"--export", "--import"}) {
        if (args.Has(option) && args.Value(option).empty())
            return Report({kExitUsage, std::string(option) + " needs a file name"});
    }
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    if (auto failed = host.LoadPlugin())
        return Report(*failed);
    if (!args.Has("--export") && !args.Has("--import"))
        return ShowSettings(host, name, args.Has(kJsonOption.name));
    if (auto failed = TransferSettings(host, name, args))
        return Report(*failed);
    if (auto notSaved = host.Save())
        return Report(*notSaved);
    return kExitOk;
}

constexpr OptionSpec kSettingsOptions[] = {
    {"--export", "", true},
    {"--import", "", true},
    kJsonOption,
};

}  // namespace

const CommandSpec kSettingsCommand{
    "settings",
    "settings PRINTER [--json | --export FILE | --import FILE]",
    "show the printer's default settings, or copy them to or from a settings file",
    "The host reads the printer's stored settings and hands them to the plug-in as a\n"
    "driver host does: the plug-in sizes its block, writes its defaults and merges\n"
    "the stored block in. What comes out is shown under the names the settings files\n"
    "(.drvs) use, in sections like theirs: [Public] (the public record), [Option],\n"
    "[CustomCommand] (command texts with control bytes as \\xHH), and each barcode\n"
    "font and command font in use. Where the printing preferences show a stored code\n"
    "as another value, its line goes on after blanks, in a column lined up within its\n"
    "section, with the option's name (see `orcaui options`) and that value:\n"
    "  btSpeed=6            ; speed: 89 mm/s\n"
    "  btDarkness=255       ; darkness: Default\n"
    "A script reads KEY=CODE up to the blanks before the \";\".\n\n"
    "options:\n"
    "  --json         print the sections as one JSON object: each setting's stored\n"
    "                 value, and beside each that the printing preferences show, the\n"
    "                 option's name (see `orcaui options`) and the value as its page\n"
    "                 shows it (\"shown\": \"101 mm/s\" for btSpeed 2, \"Default\")\n\n"
    "options (each acts through the Import/Export page of the printing preferences,\n"
    "as a person would):\n"
    "  --export FILE  write the settings, custom papers and fonts to FILE (\".drvs\"\n"
    "                 is added unless FILE ends with it)\n"
    "  --import FILE  read FILE into the printer's default settings and add its custom\n"
    "                 papers as forms; a FILE ending in \".ds\" is read as an ORCA file\n"
    "                 unless its [DriverInfo] names its language. A setting the\n"
    "                 printer's model cannot hold (a speed it does not offer) is kept\n"
    "                 as it was and listed: \"not taken, ...: btSpeed=31 (kept 2)\"\n\n"
    "--json goes with neither --export nor --import.\n\n"
    "exit codes: 1 a missing or unreadable FILE, or FILE could not be written;\n"
    "2 an empty FILE, or a relative one when the working directory is gone;\n"
    "4 the file is not a settings file or is of the other command language (nothing\n"
    "changed), or the model has no Import/Export page.\n\n"
    "example, one printer's settings copied to another:\n"
    "  orcaui settings \"Kestrel(ORCA)\" --export kestrel.drvs\n"
    "  orcaui settings \"Kestrel 2(ORCA)\" --import kestrel.drvs\n",
    nullptr,
    kSettingsOptions,
    1,
    1,
    RunSettings};

}  // namespace orca::host
