// SPDX-License-Identifier: Apache-2.0
// The Option page's stock: the list from the printer's papers, which one is
// selected, its size in the chosen unit, and making it the printer's paper.
#include <vector>

#include "pages/flag_list.h"
#include "pages/option/option_page.h"
#include "text/format.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace option;

// A measure in tenths of a millimetre as the unit shows it, "%.2f".
std::u16string ShowMeasure(int32_t tenths, const UnitRow& unit) {
    double shown = tenths / unit.tenthsPerUnit;
    if (unit.roundedToHundredths) {
        shown = RoundHalfAwayFromZero(shown * 100.0) / 100.0;
    }
    return text::Utf8ToUtf16(text::Format("%.2f", shown));
}

}  // namespace

void CDocPage_Option::OnActivate(bool active) {
    if (active) {
        ReloadStocks();
    }
}

void CDocPage_Option::ReloadStocks() {
    // A stock picked but not yet applied stays picked while its paper exists.
    const PaperRecord* picked = stockChanged_ ? SelectedStock() : nullptr;
    const std::u16string pending = picked != nullptr ? picked->name : std::u16string();

    stockRecords_.clear();
    stocks_.Clear();
    std::vector<PaperRecord> papers;
    services_.BuildPaperList(papers, false);
    for (size_t i = 0; i < papers.size(); ++i) {
        const int position = stocks_.Add(papers[i].name, static_cast<intptr_t>(i));
        if (position >= 0) {
            stockRecords_[position] = std::move(papers[i]);
        }
    }
    stocks_.Select(StockToSelect(pending));
    ShowStockSize();
}

int CDocPage_Option::StockToSelect(const std::u16string& pending) const {
    const auto first = [this](auto matches) {
        for (const auto& [position, paper] : stockRecords_) {
            if (matches(paper)) {
                return position;
            }
        }
        return -1;
    };
    if (!pending.empty()) {
        if (const int position = first([&](const PaperRecord& p) { return p.name == pending; });
            position >= 0) {
            return position;
        }
    }
    const int storedPaper = services_.StoredPaperSize();
    if (const int position =
            first([&](const PaperRecord& p) { return static_cast<int>(p.paperId) == storedPaper; });
        position >= 0) {
        return position;
    }
    const std::u16string formName = services_.HostFormName();
    if (formName.empty()) {
        return -1;
    }
    return first([&](const PaperRecord& p) { return p.name == formName; });
}

const PaperRecord* CDocPage_Option::SelectedStock() const {
    const auto found = stockRecords_.find(stocks_.Selected());
    return found != stockRecords_.end() ? &found->second : nullptr;
}

void CDocPage_Option::ShowStockSize() {
    const PaperRecord* stock = SelectedStock();
    const UnitRow& unit = kUnits[SelectedUnit()];
    for (const SizeEdit& edit : kSizeEdits) {
        framework::Control(*this, edit.controlId)
            .SetText(ShowMeasure(stock != nullptr ? stock->*edit.measure : 0, unit));
    }
}

void CDocPage_Option::OnStockChanged() {
    ShowStockSize();
    stockChanged_ = true;
    MarkChanged();
}

bool CDocPage_Option::OnApply() {
    if (stockChanged_) {
        const PaperRecord* stock = SelectedStock();
        if (stock != nullptr && services_.ApplyPaperToPrinter(*stock) == 1) {
            stockChanged_ = false;
        }
    }
    modified_ = false;
    return true;
}

}  // namespace orca::pages
