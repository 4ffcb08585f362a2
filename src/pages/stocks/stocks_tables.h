// SPDX-License-Identifier: Apache-2.0
// The Stocks page's data: its controls, the model limits of the two
// dimensions, the edits that show a form and the margin pairs that must
// leave part of their dimension printable.
#pragma once

#include <cstdint>
#include <string_view>

#include "pages/option_services.h"
#include "resources/control_ids.h"

namespace orca::pages::stocks {

// Every form of the page is named with this prefix and a user part that
// fits the name edit, so that the name stays within the spooler's 31 units.
inline constexpr std::u16string_view kFormPrefix = u"Custom Paper-";
inline constexpr int kNameChars = 18;

// The printer's default custom form: the model's widest paper, 110.0 mm long.
inline constexpr int32_t kDefaultFormLength = 1100;
// The language tag that ends model names, "(ORCA)" or "(ONYX)".
inline constexpr std::u16string_view kLanguageTag = u"(O";

// Spooler forms measure in thousandths of a millimetre, the page in tenths.
inline constexpr int64_t kFormUnitsPerTenth = 100;

// Messages of the page's section.
inline constexpr std::u16string_view kMessageTitle = u"MSG_STOCKS_BOXTITILE";
inline constexpr std::u16string_view kAddFailed = u"MSG_STOCKS_ADDFORMFAILED";
inline constexpr std::u16string_view kSetFailed = u"MSG_STOCKS_SETFORMFAILED";

// A dimension: its edit, spinner and limits label, how many characters the
// edit takes, the model capabilities of its smallest and largest value
// (i16, tenths of a millimetre) and the measure of a paper record it shows.
struct Dimension {
    int edit;
    int spinner;
    int limitsLabel;
    int maxChars;
    uint32_t lowestCapability;
    uint32_t highestCapability;
    int32_t PaperRecord::*measure;
};
inline constexpr Dimension kDimensions[] = {
    {control::kStocksWidthEdit, control::kStocksWidthSpinner, control::kStocksWidthLimitsLabel, 5,
     3018, 3016, &PaperRecord::width},
    {control::kStocksHeightEdit, control::kStocksHeightSpinner, control::kStocksHeightLimitsLabel,
     6, 3017, 3015, &PaperRecord::length},
};

// The edits that show a form, dimensions before margins.
struct FormEdit {
    int edit;
    int32_t PaperRecord::*measure;
};
inline constexpr FormEdit kFormEdits[] = {
    {control::kStocksWidthEdit, &PaperRecord::width},
    {control::kStocksHeightEdit, &PaperRecord::length},
    {control::kStocksLeftEdit, &PaperRecord::left},
    {control::kStocksTopEdit, &PaperRecord::top},
    {control::kStocksRightEdit, &PaperRecord::right},
    {control::kStocksBottomEdit, &PaperRecord::bottom},
};

// Two margins of one dimension: together they leave at least one tenth of a
// millimetre of it printable.
struct MarginPair {
    int first;
    int second;
    int dimensionEdit;
};
inline constexpr MarginPair kMarginPairs[] = {
    {control::kStocksLeftEdit, control::kStocksRightEdit, control::kStocksWidthEdit},
    {control::kStocksTopEdit, control::kStocksBottomEdit, control::kStocksHeightEdit},
};

}  // namespace orca::pages::stocks
