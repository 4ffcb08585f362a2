// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/option_table.h"

#include <algorithm>

#include "resources/page_resources.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using namespace resources;

constexpr int kOptionsTemplates[] = {kPageOption.templateId};
constexpr int kAdvancedTemplates[] = {kPageAdvancedOrca.templateId, kPageAdvancedOnyx.templateId};
constexpr int kDitheringTemplates[] = {kPageDithering.templateId};
constexpr int kLanguageTemplates[] = {kPageLanguage.templateId};
constexpr int kStocksTemplates[] = {kPageStocks.templateId};

constexpr OptionPlace kOptionsPage{SheetKind::kDocument, kOptionsTemplates};
constexpr OptionPlace kAdvancedPage{SheetKind::kDocument, kAdvancedTemplates};
// The Advance Setup page's Other button opens the dialog of its remaining settings.
constexpr OptionPlace kOtherDialog{SheetKind::kDocument, kAdvancedTemplates, 1307};
constexpr OptionPlace kDitheringPage{SheetKind::kDocument, kDitheringTemplates};
constexpr OptionPlace kLanguagePage{SheetKind::kDocument, kLanguageTemplates};
// The Stocks page edits the custom paper selected in its list, which is the
// printer's own custom paper when the page opens; Save Paper Size stores it.
constexpr OptionPlace kStocksPage{SheetKind::kPrinter, kStocksTemplates, 0, 1084};

// The units are the page's own choice, kept outside the settings block. The
// ORCA and ONYX models share the Options page; their Advance Setup pages and
// Other dialogs differ (the ONYX block has no cutter group or tear-off and
// left adjustments, and has an out-paper distance instead; its Other dialog
// offers error replay only). The Other dialog's line substitution stays
// hidden, so it is not an option. The document sheet's rows come first.
constexpr OptionRow kRows[] = {
    {"copies", "dmCopies", kOptionsPage, 1014, 1006, 0, 1320},
    {"speed", "btSpeed", kOptionsPage, 1016, 1008, 1019},
    {"darkness", "btDarkness", kOptionsPage, 1017, 1010},
    {"stock", "dmFormName", kOptionsPage, 1018, 1012},
    {"units", "", kOptionsPage, 1221, 1223},
    {"orientation", "dmOrientation", kOptionsPage, 1224, 1231},
    {"rotate", "btRote180", kOptionsPage, 1227, 1229, 1318},
    {"operation-mode", "btOperationMode", kAdvancedPage, 1220, 1255},
    {"group-quantity", "dwCutterGroup", kAdvancedPage, 1226, 1256},
    {"mirror", "btMirror", kAdvancedPage, 1222, 1254},
    {"reverse", "btInverse", kAdvancedPage, 1225, 1253},
    {"media-type", "btThermal", kAdvancedPage, 1228, 1249},
    {"paper-type", "btPaperType", kAdvancedPage, 1230, 1252},
    {"outpaper-unit", "dwPaperUnit", kAdvancedPage, 1328, 1327, 0, 1319},
    {"top-adjust", "dbAdjustTop", kAdvancedPage, 1055, 1052, 1058, 0, 1241},
    {"tear-off-adjust", "dbAdjustTearOff", kAdvancedPage, 1056, 1053, 1059, 0, 1242},
    {"left-adjust", "dbAdjustPosition", kAdvancedPage, 1057, 1054, 1060, 0, 1243},
    {"outpaper-adjust", "dbAdjustTearOff", kAdvancedPage, 1324, 1322, 1325, 0, 1326},
    {"pause", "btPause", kOtherDialog, 1301, 1292},
    {"pause-interval", "dwInterval", kOtherDialog, 1306, 1293},
    {"backfeed", "btBackFeed", kOtherDialog, 1302, 1295},
    {"compression", "btZip", kOtherDialog, 1303, 1298},
    {"cancel-before-print", "btCancelBeforePrint", kOtherDialog, 1305, 1297},
    {"error-replay", "btErrRePrint", kOtherDialog, 1329, 1330},
    {"dithering", "btDithering", kDitheringPage, 1291, 1288},
    {"language", "btLanguage", kLanguagePage, 1310, 1308},
    {"paper-width", "", kStocksPage, 1089, 1086, 0, 1090},
    {"paper-height", "", kStocksPage, 1026, 1087, 0, 1091},
    {"left-margin", "", kStocksPage, 1130, 1131},
    {"top-margin", "", kStocksPage, 1136, 1134},
    {"right-margin", "", kStocksPage, 1133, 1132},
    {"bottom-margin", "", kStocksPage, 1137, 1135},
};

constexpr bool OnPrinterSheet(const OptionRow& row) {
    return row.place.sheet == SheetKind::kPrinter;
}
static_assert(std::ranges::is_partitioned(kRows, [](const OptionRow& row) {
    return !OnPrinterSheet(row);
}));

}  // namespace

std::span<const OptionRow> OptionRows(SheetKind sheet) {
    const auto printerRows = std::ranges::find_if(kRows, OnPrinterSheet);
    return sheet == SheetKind::kPrinter ? std::span(printerRows, std::end(kRows))
                                        : std::span(std::begin(kRows), printerRows);
}

const OptionRow* FindOptionRow(SheetKind sheet, std::string_view name) {
    const std::u16string wanted = text::Utf8ToUtf16(name);
    const std::span<const OptionRow> rows = OptionRows(sheet);
    const auto found = std::ranges::find_if(rows, [&wanted](const OptionRow& row) {
        return text::EqualsNoCase(text::Utf8ToUtf16(row.name), wanted);
    });
    return found == rows.end() ? nullptr : &*found;
}

}  // namespace orca::host
