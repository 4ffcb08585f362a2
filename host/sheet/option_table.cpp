// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/option_table.h"

#include <algorithm>

#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using namespace resources;
using namespace resources::control;

constexpr int kOptionsTemplates[] = {kPageOption.templateId};
constexpr int kAdvancedTemplates[] = {kPageAdvancedOrca.templateId, kPageAdvancedOnyx.templateId};
constexpr int kDitheringTemplates[] = {kPageDithering.templateId};
constexpr int kLanguageTemplates[] = {kPageLanguage.templateId};
constexpr int kStocksTemplates[] = {kPageStocks.templateId};

constexpr OptionPlace kOptionsPage{SheetKind::kDocument, kOptionsTemplates};
constexpr OptionPlace kAdvancedPage{SheetKind::kDocument, kAdvancedTemplates};
// The Advance Setup page's Other button opens the dialog of its remaining settings.
constexpr OptionPlace kOtherDialog{SheetKind::kDocument, kAdvancedTemplates, kAdvancedOtherButton};
constexpr OptionPlace kDitheringPage{SheetKind::kDocument, kDitheringTemplates};
constexpr OptionPlace kLanguagePage{SheetKind::kDocument, kLanguageTemplates};
// The Stocks page edits the custom paper selected in its list, which is the
// printer's own custom paper when the page opens; Save Paper Size stores it.
constexpr OptionPlace kStocksPage{SheetKind::kPrinter, kStocksTemplates, 0, kStocksSaveButton};

// The units are the page's own choice, kept outside the settings block. The
// ORCA and ONYX models share the Options page; their Advance Setup pages and
// Other dialogs differ (the ONYX block has no cutter group or tear-off and
// left adjustments, and has an out-paper distance instead; its Other dialog
// offers error replay only). The Other dialog's line substitution stays
// hidden, so it is not an option. The document sheet's rows come first.
constexpr OptionRow kRows[] = {
    {"copies", "dmCopies", kOptionsPage, kOptionCopiesEdit, kOptionCopiesLabel, 0,
     kOptionCopiesSpinner},
    {"speed", "btSpeed", kOptionsPage, kOptionSpeedList, kOptionSpeedLabel, kOptionSpeedUnitLabel},
    {"darkness", "btDarkness", kOptionsPage, kOptionDarknessList, kOptionDarknessLabel},
    {"stock", "dmFormName", kOptionsPage, kOptionStockList, kOptionStockLabel},
    {"units", "", kOptionsPage, kOptionUnitsList, kOptionUnitsLabel},
    {"orientation", "dmOrientation", kOptionsPage, kOptionOrientationList, kOptionOrientationLabel},
    {"rotate", "btRote180", kOptionsPage, kOptionRotationList, kOptionRotationLabel,
     kOptionRotationUnitLabel},
    {"operation-mode", "btOperationMode", kAdvancedPage, kAdvancedOperationList,
     kAdvancedOperationLabel},
    {"group-quantity", "dwCutterGroup", kAdvancedPage, kAdvancedGroupQuantityEdit,
     kAdvancedGroupQuantityLabel},
    {"mirror", "btMirror", kAdvancedPage, kAdvancedMirrorList, kAdvancedMirrorLabel},
    {"reverse", "btInverse", kAdvancedPage, kAdvancedReverseList, kAdvancedReverseLabel},
    {"media-type", "btThermal", kAdvancedPage, kAdvancedMediaTypeList, kAdvancedMediaTypeLabel},
    {"paper-type", "btPaperType", kAdvancedPage, kAdvancedPaperTypeList, kAdvancedPaperTypeLabel},
    {"outpaper-unit", "dwPaperUnit", kAdvancedPage, kAdvancedPaperUnitEdit, kAdvancedPaperUnitLabel,
     0, kAdvancedPaperUnitSpinner},
    {"top-adjust", "dbAdjustTop", kAdvancedPage, kAdvancedTopEdit, kAdvancedTopLabel,
     kAdvancedTopUnitLabel, 0, kAdvancedTopDefaultCheck},
    {"tear-off-adjust", "dbAdjustTearOff", kAdvancedPage, kAdvancedTearOffEdit,
     kAdvancedTearOffLabel, kAdvancedTearOffUnitLabel, 0, kAdvancedTearOffDefaultCheck},
    {"left-adjust", "dbAdjustPosition", kAdvancedPage, kAdvancedLeftEdit, kAdvancedLeftLabel,
     kAdvancedLeftUnitLabel, 0, kAdvancedLeftDefaultCheck},
    {"outpaper-adjust", "dbAdjustTearOff", kAdvancedPage, kAdvancedOutPaperEdit,
     kAdvancedOutPaperLabel, kAdvancedOutPaperUnitLabel, 0, kAdvancedOutPaperDefaultCheck},
    {"pause", "btPause", kOtherDialog, kOtherPauseList, kOtherPauseLabel},
    {"pause-interval", "dwInterval", kOtherDialog, kOtherIntervalEdit, kOtherIntervalLabel},
    {"backfeed", "btBackFeed", kOtherDialog, kOtherBackFeedList, kOtherBackFeedLabel},
    {"compression", "btZip", kOtherDialog, kOtherCompressionList, kOtherCompressionLabel},
    {"cancel-before-print", "btCancelBeforePrint", kOtherDialog, kOtherCancelBeforePrintList,
     kOtherCancelBeforePrintLabel},
    {"error-replay", "btErrRePrint", kOtherDialog, kOtherErrorReplayList, kOtherErrorReplayLabel},
    {"dithering", "btDithering", kDitheringPage, kDitheringHalftoneRadio, kDitheringGroup},
    {"language", "btLanguage", kLanguagePage, kLanguageList, kLanguageLabel},
    {"paper-width", "", kStocksPage, kStocksWidthEdit, kStocksWidthLabel, 0, kStocksWidthSpinner},
    {"paper-height", "", kStocksPage, kStocksHeightEdit, kStocksHeightLabel, 0,
     kStocksHeightSpinner},
    {"left-margin", "", kStocksPage, kStocksLeftEdit, kStocksLeftLabel},
    {"top-margin", "", kStocksPage, kStocksTopEdit, kStocksTopLabel},
    {"right-margin", "", kStocksPage, kStocksRightEdit, kStocksRightLabel},
    {"bottom-margin", "", kStocksPage, kStocksBottomEdit, kStocksBottomLabel},
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
