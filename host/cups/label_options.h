// SPDX-License-Identifier: Apache-2.0
// The settings a CUPS queue of a label printer keeps and a job may change:
// named as `orcaui set` names them, each with the choices its PPD offers and
// the setting code (or the measure in millimetres) the printer's command
// generator takes. "Default" leaves a setting to the printer: nothing is sent.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "printers/printer_models_table.h"

namespace orca::host::cups {

// The PPD keywords of the commands sent before and after every job.
inline constexpr std::string_view kDocumentStartKeyword = "orcauiDocumentStart";
inline constexpr std::string_view kDocumentEndKeyword = "orcauiDocumentEnd";

// What a queue sets, in the order its commands go to the printer.
enum class Setting : uint8_t {
    kPaperType,
    kPrintMethod,
    kOperationMode,
    kSpeed,
    kDarkness,
    kTopAdjust,
    kTearOffAdjust,
    kLeftAdjust,
    kBackfeed,
};
inline constexpr size_t kSettingCount = 9;

struct Choice {
    std::string keyword;          // in the PPD and in `lp -o name=keyword`
    std::string text;             // what a dialog shows
    std::optional<double> value;  // none: the printer's own setting
};

struct LabelOption {
    std::string_view name;       // "darkness"
    std::string_view text;       // "Darkness"
    std::string_view storedKey;  // the printer's stored setting: "btDarkness"
    Setting setting;
    bool measure;  // millimetres within ±limit; else one of the choices
    double limit;
    std::vector<Choice> choices;  // "Default" first
};

// The options a queue of the model offers.
std::vector<LabelOption> LabelOptionsOf(const printers::ModelRow& model);

// The model of that display name, or null.
const printers::ModelRow* FindModel(std::string_view name);

// The longest, widest, shortest and narrowest paper, tenths of a millimetre.
printers::PaperExtents PaperLimitsOf(const printers::ModelRow& model);

// Dots per inch: 300 where the model's name says so, else 203.
uint32_t ResolutionOf(const printers::ModelRow& model);

// The value `given` selects: "Default", a choice by keyword or text (letter
// case, spaces and dashes ignored) or, for a measure, a number within its limit.
// Empty when the option has no such value; a value holding nothing is the
// printer's own setting.
std::optional<Choice> ChoiceOf(const LabelOption& option, std::string_view given);

// The choice of a stored setting's value (255 in a byte, 1000000 in an
// adjustment: the printer's own); empty when the option has no such value.
std::optional<Choice> StoredChoice(const LabelOption& option, double stored);

// The stored setting's value of a choice: its code or measure, or for
// Default the stored value that leaves the setting to the printer.
double StoredValue(const LabelOption& option, const Choice& choice);

// Commands as the Custom Command page stores them, "<\xHH>" escapes standing
// for bytes, and back. Written, every byte that is not printable ASCII, and
// the quote, is escaped, so the text fits a PPD's quoted value.
std::string EscapeCommands(std::string_view bytes);
std::string UnescapeCommands(std::string_view text);

}  // namespace orca::host::cups
