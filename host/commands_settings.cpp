// settings PRINTER: the printer's default settings as the plug-in's hooks
// read them; with --export or --import, the printer's settings file written
// or read through the Import/Export page of its printing preferences.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "commands.h"
#include "printer_session.h"
#include "resources/window_styles.h"
#include "settings_view.h"
#include "sheet.h"
#include "text/utf.h"

namespace orca::host {
namespace {

namespace fs = std::filesystem;

constexpr int kExportButton = 1218;
constexpr int kImportButton = 1219;
// The import dialog's filters: settings files, and the older files that are always ORCA.
constexpr int kSettingsFilesFilter = 1;
constexpr int kOtherFilesFilter = 2;

int ShowSettings(Host& host, const std::u16string& name) {
    Failure failure;
    const auto session = PrinterSession::Open(host.Plugin(), name, &failure);
    if (session == nullptr)
        return Report(failure);
    std::cout << "; " << text::Utf16ToUtf8(name) << "\n" << DescribeSettings(session->Records());
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

MaybeFailure ExportSettings(Sheet& sheet, const fs::path& file) {
    if (auto failed = ShowImportPage(sheet, kExportButton))
        return failed;
    AnswerFileDialog(sheet, file);
    const size_t messagesBefore = sheet.Desktop().Messages().size();
    sheet.Driver().Click(sheet.CurrentPage(), kExportButton);
    // The page writes to the chosen path with ".drvs" added unless it ends so.
    const fs::path written =
        file.native().ends_with(".drvs") ? file : fs::path(file.native() + ".drvs");
    std::error_code error;
    if (!fs::is_regular_file(written, error))
        return Failure{kExitFailure, "could not write " + written.string()};
    // A message tells the keys the page could not write.
    const auto& messages = sheet.Desktop().Messages();
    if (messages.size() > messagesBefore)
        return Failure{kExitFailure,
                       written.string() + ": " + text::Utf16ToUtf8(messages.back().text)};
    std::cout << "exported to " << written.string() << "\n";
    return std::nullopt;
}

MaybeFailure ImportSettings(Sheet& sheet, const fs::path& file) {
    std::error_code error;
    if (!fs::exists(file, error))
        return Failure{kExitFailure, file.string() + ": no such file"};
    if (!fs::is_regular_file(file, error) || !std::ifstream(file, std::ios::binary))
        return Failure{kExitFailure, file.string() + ": cannot be read"};
    if (auto failed = ShowImportPage(sheet, kImportButton))
        return failed;
    sheet.Driver().OnNextMessage(
        [](const platform::sim::MessageRecord&) { return resources::IDOK; });
    AnswerFileDialog(sheet, file);
    const size_t messagesBefore = sheet.Desktop().Messages().size();
    sheet.Driver().Click(sheet.CurrentPage(), kImportButton);
    // The first message is the warning; a second one is the refusal.
    const auto& messages = sheet.Desktop().Messages();
    if (messages.size() > messagesBefore + 1)
        return Failure{kExitRefused, "refused: " + text::Utf16ToUtf8(messages.back().text)};
    if (auto failed = sheet.Apply())
        return failed;
    std::cout << "imported " << file.string() << "\n";
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
    std::error_code error;
    if (args.Has("--export"))
        return ExportSettings(sheet, fs::absolute(args.Value("--export"), error));
    return ImportSettings(sheet, fs::absolute(args.Value("--import"), error));
}

int RunSettings(Host& host, const Arguments& args) {
    if (args.Has("--export") && args.Has("--import"))
        return Report({kExitUsage, "give --export or --import, not both"});
    std::u16string name;
    if (auto failed = host.FindPrinter(args.positional[0], &name))
        return Report(*failed);
    if (auto failed = host.LoadPlugin())
        return Report(*failed);
    if (!args.Has("--export") && !args.Has("--import"))
        return ShowSettings(host, name);
    if (auto failed = TransferSettings(host, name, args))
        return Report(*failed);
    if (auto notSaved = host.Save())
        return Report(*notSaved);
    return kExitOk;
}

constexpr OptionSpec kSettingsOptions[] = {
    {"--export", "", true},
    {"--import", "", true},
};

}  // namespace

const CommandSpec kSettingsCommand{
    "settings",
    "settings PRINTER [--export FILE | --import FILE]",
    "show the printer's default settings, or copy them to or from a settings file",
    "The host reads the printer's stored settings and hands them to the plug-in as a\n"
    "driver host does: the plug-in sizes its block, writes its defaults and merges\n"
    "the stored block in. What comes out is shown under the names the settings files\n"
    "(.drvs) use, in sections like theirs: [Public] (the public record), [Option],\n"
    "[CustomCommand] (command texts with control bytes as \\xHH), and each barcode\n"
    "font and command font in use.\n\n"
    "options (each acts through the Import/Export page of the printing preferences,\n"
    "as a person would):\n"
    "  --export FILE  write the settings, custom papers and fonts to FILE (\".drvs\"\n"
    "                 is added unless FILE ends with it)\n"
    "  --import FILE  read FILE into the printer's default settings and add its custom\n"
    "                 papers as forms; a FILE ending in \".ds\" is read as an ORCA file\n\n"
    "exit codes: 1 a missing or unreadable FILE, or FILE could not be written;\n"
    "4 the file is of the other command language (nothing changed), or the model has\n"
    "no Import/Export page.\n\n"
    "example, one printer's settings copied to another:\n"
    "  orcaui settings \"Kestrel(ORCA)\" --export kestrel.drvs\n"
    "  orcaui settings \"Kestrel 2(ORCA)\" --import kestrel.drvs\n",
    nullptr,
    kSettingsOptions,
    1,
    1,
    RunSettings};

}  // namespace orca::host
