// SPDX-License-Identifier: Apache-2.0
#include "pages/settings_file/import_page.h"

#include "framework/desktop_windows.h"
#include "pages/settings_file/import_tables.h"
#include "platform/file_names.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "resources/window_styles.h"

namespace orca::pages {
namespace {

constexpr TranslationRule kImportRule{kSkipEdits | kSkipPictures, import::kSeparators};

constexpr uint32_t kFileDialogFlags = resources::OFN_HIDEREADONLY | resources::OFN_PATHMUSTEXIST |
                                      resources::OFN_CREATEPROMPT | resources::OFN_OVERWRITEPROMPT |
                                      resources::OFN_LONGNAMES;
constexpr uint32_t kPathBufferChars = platform::kMaxPath;
constexpr std::u16string_view kExtension = u".drvs";
// The second filter of the open dialog: files of the older format, always ORCA.
constexpr int kOtherFilesFilter = 2;

}  // namespace

CDocPage_Import::CDocPage_Import(PageContext& context, OptionServices& services,
                                 platform::PrinterHandle printer)
    : CPluginPage(context, resources::kPageImport, kImportRule), file_(context, services, printer) {
    using platform::Notification;
    On(control::kImportExportButton, Notification::kClicked, [this] { OnExport(); });
    On(control::kImportImportButton, Notification::kClicked, [this] { OnImport(); });
}

void CDocPage_Import::OnExport() {
    const platform::FileDialogResult chosen = Choose(true);
    if (!chosen.chosen)
        return;
    std::u16string path = chosen.path;
    if (!path.ends_with(kExtension))
        path += kExtension;
    const ExportOutcome outcome = file_.Export(path);
    if (outcome.written && outcome.unwritten.empty())
        return;
    std::u16string message =
        Texts().Text(outcome.written ? u"MSG_EXPORT_NOTWRITTEN" : u"MSG_EXPORT_FAILED");
    for (const std::u16string& key : outcome.unwritten)
        message += u"\n" + key;
    framework::ShowMessage(window(), message, Texts().Text(u"MSG_IMPORT_TITLE"),
                           resources::MB_OK | resources::MB_ICONWARNING);
}

void CDocPage_Import::OnImport() {
    const std::u16string title = Texts().Text(u"MSG_IMPORT_TITLE");
    if (framework::ShowMessage(window(), Texts().Text(u"MSG_IMPORT_TEXTWARNING"), title,
                               resources::MB_OKCANCEL) != resources::IDOK)
        return;
    const platform::FileDialogResult chosen = Choose(false);
    if (!chosen.chosen)
        return;
    if (file_.Import(chosen.path, chosen.filterIndex == kOtherFilesFilter) ==
        ImportOutcome::kWrongLanguage) {
        framework::ShowMessage(window(), Texts().Text(u"MSG_IMPORT_WRONGECOMMAND"), title,
                               resources::MB_OK);
        return;
    }
    SetModified();
}

platform::FileDialogResult CDocPage_Import::Choose(bool save) {
    platform::FileDialogRequest request{
        .save = save,
        .owner = window(),
        .title = save ? u"Save As..." : u"Open",
        .filters = {{u"Config Files (*.drvs)", u"*.drvs"}},
        .filterIndex = 1,
        .fileName = lastPath_,
        .bufferChars = kPathBufferChars,
        .flags = kFileDialogFlags,
    };
    if (!save)
        request.filters.push_back({u"Other Files (*.ds)", u"*.ds"});
    platform::FileDialogResult result = framework::ChooseFile(request);
    if (result.chosen)
        lastPath_ = result.path;
    return result;
}

}  // namespace orca::pages
