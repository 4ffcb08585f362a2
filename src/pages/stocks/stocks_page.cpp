// SPDX-License-Identifier: Apache-2.0
#include "pages/stocks/stocks_page.h"

#include <algorithm>
#include <array>
#include <limits>
#include <optional>

#include "framework/desktop_windows.h"
#include "pages/printer_sheet_pages.h"
#include "pages/setting_value.h"
#include "platform/platform.h"
#include "resources/control_ids.h"
#include "resources/page_resources.h"
#include "resources/window_styles.h"
#include "text/case_fold.h"
#include "text/format.h"
#include "text/utf.h"

namespace orca::pages {
namespace {

using namespace stocks;

// Edits, spinners and the list keep their contents; the limits labels and
// the separator have no text of the language file.
constexpr int kUntranslated[] = {control::kStocksWidthLimitsLabel,
                                 control::kStocksHeightLimitsLabel, control::kStocksSeparator};
constexpr TranslationRule kStocksRule{kSkipEdits | kSkipUpDowns | kSkipListBoxes, kUntranslated};

// The edits whose texts make up the entry being edited.
constexpr std::array<int, 7> kEntryEdits{control::kStocksNameEdit,   control::kStocksWidthEdit,
                                         control::kStocksHeightEdit, control::kStocksLeftEdit,
                                         control::kStocksTopEdit,    control::kStocksRightEdit,
                                         control::kStocksBottomEdit};

// An edit's text as a signed decimal number: leading blanks, a sign and the
// digits up to the first other character. Nothing when no digit comes or the
// number does not fit.
std::optional<int32_t> ReadNumber(std::u16string_view text) {
    size_t at = text.find_first_not_of(u' ');
    if (at == std::u16string_view::npos) {
        return std::nullopt;
    }
    const bool negative = text[at] == u'-';
    if (negative || text[at] == u'+') {
        ++at;
    }
    int64_t value = 0;
    const size_t first = at;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        value = value * 10 + (text[at] - u'0');
        if (value > std::numeric_limits<int32_t>::max()) {
            return std::nullopt;
        }
    }
    if (at == first) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

bool FitsForm(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

// The spooler form of an entry: its size, and the imageable area inside its
// margins. Nothing when a measure does not fit the form's numbers.
std::optional<platform::FormInfo1> FormOf(const PaperRecord& entry) {
    const int64_t width = entry.width * kFormUnitsPerTenth;
    const int64_t height = entry.length * kFormUnitsPerTenth;
    const std::array<int64_t, 6> measures{width,
                                          height,
                                          entry.left * kFormUnitsPerTenth,
                                          entry.top * kFormUnitsPerTenth,
                                          width - entry.right * kFormUnitsPerTenth,
                                          height - entry.bottom * kFormUnitsPerTenth};
    if (!std::ranges::all_of(measures, FitsForm)) {
        return std::nullopt;
    }
    return platform::FormInfo1{.flags = platform::kFormUser,
                               .name = entry.name,
                               .width = static_cast<int32_t>(measures[0]),
                               .height = static_cast<int32_t>(measures[1]),
                               .left = static_cast<int32_t>(measures[2]),
                               .top = static_cast<int32_t>(measures[3]),
                               .right = static_cast<int32_t>(measures[4]),
                               .bottom = static_cast<int32_t>(measures[5])};
}

platform::Spooler& Spooler() {
    return *platform::Current().spooler;
}

}  // namespace

CPrinterProperty_Stocks_ORCA::CPrinterProperty_Stocks_ORCA(PageContext& context,
                                                           OptionServices& papers,
                                                           platform::PrinterHandle printer)
    : CPluginPage(context, resources::kPageStocks, kStocksRule),
      papers_(papers),
      printer_(printer) {
    // The page exists in the printer sheet only.
    SetInDocumentSheet(false);
    using platform::Notification;
    On(control::kStocksFormList, Notification::kSelectionChanged, [this] { OnSelectionChanged(); });
    On(control::kStocksSaveButton, Notification::kClicked, [this] { OnSave(); });
    On(control::kStocksDeleteButton, Notification::kClicked, [this] { OnDelete(); });
    for (const Dimension& dimension : kDimensions) {
        On(dimension.edit, Notification::kKillFocus,
           [this, &dimension] { TakeDimension(dimension); });
    }
    for (const MarginPair& pair : kMarginPairs) {
        On(pair.first, Notification::kTextChanged, [this, &pair] { OnMarginChanged(pair, true); });
        On(pair.second, Notification::kTextChanged,
           [this, &pair] { OnMarginChanged(pair, false); });
    }
}

CPrinterProperty_Stocks_ORCA::~CPrinterProperty_Stocks_ORCA() {
    // The sheet may keep the window after the page object has gone.
    UnregisterPrinterSheetPage(window());
}

void CPrinterProperty_Stocks_ORCA::OnInitDialog() {
    for (size_t i = 0; i < std::size(kDimensions); ++i) {
        const Dimension& dimension = kDimensions[i];
        Range& range = ranges_[i];
        range.lowest = ReadSetting(Context(), dimension.lowestCapability, range.lowest);
        range.highest = ReadSetting(Context(), dimension.highestCapability, range.highest);
        framework::UpDown(*this, dimension.spinner).SetRange(range.lowest, range.highest);
        framework::Edit(Item(dimension.edit)).LimitText(dimension.maxChars);
        framework::Static(*this, dimension.limitsLabel)
            .SetText(text::Utf8ToUtf16(
                text::Format("[ %hd - %hd (0.1mm) ]", range.lowest, range.highest)));
    }
    name_.LimitText(kNameChars);

    defaultName_ = DefaultFormName();
    LoadForms();
    if ((forms_.empty() || !text::EqualsIgnoringCase(forms_.front().name, defaultName_)) &&
        AddDefaultForm()) {
        LoadForms();
    }
    ShowList(0);
}

void CPrinterProperty_Stocks_ORCA::OnShown(bool shown) {
    CPluginPage::OnShown(shown);
    if (shown) {
        RegisterPrinterSheetPage(window());
    }
}

void CPrinterProperty_Stocks_ORCA::OnActivate(bool active) {
    if (active) {
        Reload();
    }
}

void CPrinterProperty_Stocks_ORCA::OnDestroy() {
    UnregisterPrinterSheetPage(window());
}

void CPrinterProperty_Stocks_ORCA::Refresh() {
    messageTitle_ = Texts().Text(kMessageTitle);
    addFailed_ = Texts().Text(kAddFailed);
    setFailed_ = Texts().Text(kSetFailed);
    Reload();
}

std::u16string CPrinterProperty_Stocks_ORCA::DefaultFormName() const {
    std::u16string name(Context().PrinterName());
    name.resize(std::min(name.size(), name.find(kLanguageTag)));
    const size_t dash = name.rfind(u'-');
    std::u16string part = dash == std::u16string::npos ? name : name.substr(dash + 1);
    // A longer part would make a name the spooler refuses.
    part.resize(std::min(part.size(), static_cast<size_t>(kNameChars)));
    return std::u16string(kFormPrefix) + part;
}

void CPrinterProperty_Stocks_ORCA::LoadForms() {
    papers_.BuildPaperList(forms_, true);
    const int found = Find(defaultName_);
    if (found > 0) {
        std::rotate(forms_.begin(), forms_.begin() + found, forms_.begin() + found + 1);
    }
}

bool CPrinterProperty_Stocks_ORCA::AddDefaultForm() {
    PaperRecord entry;
    entry.name = defaultName_;
    entry.width = ranges_[0].highest;
    entry.length = kDefaultFormLength;
    const std::optional<platform::FormInfo1> form = FormOf(entry);
    return form && Spooler().AddForm1(printer_, *form);
}

int CPrinterProperty_Stocks_ORCA::Find(std::u16string_view name) const {
    const auto found = std::ranges::find_if(forms_, [name](const PaperRecord& entry) {
        return text::EqualsIgnoringCase(entry.name, name);
    });
    return found != forms_.end() ? static_cast<int>(found - forms_.begin()) : -1;
}

void CPrinterProperty_Stocks_ORCA::ShowList(int index) {
    index = std::max(index, 0);
    list_.Clear();
    for (const PaperRecord& entry : forms_) {
        list_.Add(entry.name);
    }
    if (index < static_cast<int>(forms_.size())) {
        list_.Select(index);
        FillEdits(forms_[static_cast<size_t>(index)]);
    }
    framework::Button(*this, control::kStocksDeleteButton).Enable(index != 0);
}

void CPrinterProperty_Stocks_ORCA::FillEdits(const PaperRecord& entry) {
    filling_ = true;
    name_.SetText(entry.name.size() > kFormPrefix.size() ? entry.name.substr(kFormPrefix.size())
                                                         : std::u16string());
    for (const FormEdit& edit : kFormEdits) {
        framework::Control(*this, edit.edit).SetText(text::DecimalText(entry.*edit.measure));
    }
    // A spinner takes its buddy's number as its position when it reads it.
    for (const Dimension& dimension : kDimensions) {
        framework::UpDown(*this, dimension.spinner).Position();
    }
    filling_ = false;
}

void CPrinterProperty_Stocks_ORCA::Reload() {
    std::array<std::u16string, kEntryEdits.size()> kept;
    for (size_t i = 0; i < kEntryEdits.size(); ++i) {
        kept[i] = framework::Control(*this, kEntryEdits[i]).Text();
    }
    LoadForms();
    ShowList(Find(std::u16string(kFormPrefix) + kept[0]));
    filling_ = true;
    for (size_t i = 0; i < kEntryEdits.size(); ++i) {
        framework::Control(*this, kEntryEdits[i]).SetText(kept[i]);
    }
    for (const Dimension& dimension : kDimensions) {
        framework::UpDown(*this, dimension.spinner).Position();
    }
    filling_ = false;
}

void CPrinterProperty_Stocks_ORCA::OnSelectionChanged() {
    ShowList(list_.Selected());
}

int32_t CPrinterProperty_Stocks_ORCA::TakeDimension(const Dimension& dimension) const {
    const Range& range = ranges_[&dimension - kDimensions];
    const framework::Control edit(*this, dimension.edit);
    const framework::UpDown spinner(*this, dimension.spinner);
    // A number beyond the limits is held to them; no number at all leaves
    // the spinner's last position.
    const std::optional<int32_t> typed = ReadNumber(edit.Text());
    const int32_t value = typed ? std::clamp<int32_t>(*typed, std::min(range.lowest, range.highest),
                                                      std::max(range.lowest, range.highest))
                                : spinner.Position().value;
    spinner.SetPosition(value);
    if (edit.Text() != text::DecimalText(value)) {
        edit.SetText(text::DecimalText(value));
    }
    return value;
}

void CPrinterProperty_Stocks_ORCA::OnMarginChanged(const MarginPair& pair, bool firstChanged) {
    if (filling_) {
        return;
    }
    const auto read = [this](int id) -> int64_t {
        return ReadNumber(framework::Control(*this, id).Text()).value_or(0);
    };
    const framework::Control changed(*this, firstChanged ? pair.first : pair.second);
    const int64_t other = read(firstChanged ? pair.second : pair.first);
    const int64_t dimension = read(pair.dimensionEdit);
    if (dimension - 1 >= read(changed.Id()) + other) {
        return;
    }
    // Never below nothing: a negative margin is no margin.
    const std::u16string held = text::DecimalText(std::max<int64_t>(dimension - 1 - other, 0));
    if (changed.Text() != held) {
        changed.SetText(held);
    }
}

void CPrinterProperty_Stocks_ORCA::OnSave() {
    const std::u16string part = name_.Text();
    PaperRecord entry;
    entry.name = std::u16string(kFormPrefix) + part;
    entry.width = TakeDimension(kDimensions[0]);
    entry.length = TakeDimension(kDimensions[1]);
    for (const FormEdit& edit : kFormEdits) {
        if (edit.edit != control::kStocksWidthEdit && edit.edit != control::kStocksHeightEdit) {
            entry.*edit.measure =
                ReadNumber(framework::Control(*this, edit.edit).Text()).value_or(0);
        }
    }
    const std::optional<platform::FormInfo1> form = FormOf(entry);
    const int index = Find(entry.name);
    if (index < 0) {
        // A new form needs a name of its own after the prefix.
        if (part.empty() || !form || !Spooler().AddForm1(printer_, *form)) {
            ShowError(addFailed_);
            return;
        }
        LoadForms();
        ShowList(static_cast<int>(forms_.size()) - 1);
        return;
    }
    PaperRecord& record = forms_[static_cast<size_t>(index)];
    platform::FormInfo1 stored;
    if (!form || !platform::ReadForm1(Spooler(), printer_, record.name, &stored)) {
        ShowError(setFailed_);
        return;
    }
    platform::FormInfo1 changed = *form;
    changed.flags = stored.flags;
    changed.name = stored.name;
    if (!Spooler().SetForm1(printer_, stored.name, changed)) {
        ShowError(setFailed_);
        return;
    }
    // The form keeps the spooler's spelling of its name and its paper number.
    entry.name = stored.name;
    entry.paperId = record.paperId;
    record = entry;
    ShowList(index);
}

void CPrinterProperty_Stocks_ORCA::OnDelete() {
    const int index = list_.Selected();
    framework::Button(*this, control::kStocksDeleteButton).Enable(index != 0);
    if (index <= 0 || index >= static_cast<int>(forms_.size())) {
        return;
    }
    const std::u16string name = forms_[static_cast<size_t>(index)].name;
    if (Spooler().DeleteForm1(printer_, name)) {
        forms_.erase(forms_.begin() + index);
        ShowList(index - 1);
        return;
    }
    // Refused: the list shows what the spooler holds now; a form that is
    // still there is reported.
    LoadForms();
    const int still = Find(name);
    if (still >= 0) {
        ShowError(setFailed_);
    }
    ShowList(still >= 0 ? still : index - 1);
}

void CPrinterProperty_Stocks_ORCA::ShowError(std::u16string_view message) const {
    framework::ShowMessage(window(), message, messageTitle_,
                           resources::MB_OK | resources::MB_ICONERROR);
}

}  // namespace orca::pages
