#include "option_table.h"

#include <algorithm>

#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

constexpr int kOptionsPage = 0;
constexpr int kAdvancedPage = 1;
constexpr int kDitheringPage = 2;
constexpr int kLanguagePage = 8;

// The units are the page's own choice, kept outside the settings block. The
// ORCA and ONYX models share the Options page; their Advance Setup pages
// differ (the ONYX block has no cutter group or tear-off and left adjustments,
// and has an out-paper distance instead).
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
    {"dithering", "btDithering", kDitheringPage, 1291, 1288},
    {"language", "btLanguage", kLanguagePage, 1310, 1308},
};

}  // namespace

std::span<const OptionRow> OptionRows() {
    return kRows;
}

const OptionRow* FindOptionRow(std::string_view name) {
    const std::u16string wanted = text::Utf8ToUtf16(name);
    const auto found = std::ranges::find_if(kRows, [&wanted](const OptionRow& row) {
        return text::EqualsNoCase(text::Utf8ToUtf16(row.name), wanted);
    });
    return found == std::end(kRows) ? nullptr : found;
}

}  // namespace orca::host
