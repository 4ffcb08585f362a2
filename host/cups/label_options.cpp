// SPDX-License-Identifier: Apache-2.0
#include "host/cups/label_options.h"

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "pages/option/option_tables.h"
#include "settings/field_ids.h"

namespace orca::host::cups {
namespace {

using printers::Language;
using printers::ModelRow;

struct NamedCode {
    std::string_view keyword;
    std::string_view text;
    uint8_t code;
};

constexpr NamedCode kOrcaModes[] = {
    {"TearOff", "Tear Off", 0}, {"PeelOff", "Peel Off", 1},
    {"Rewind", "Rewind", 2},    {"Applicator", "Applicator", 3},
    {"Cutter", "Cutter", 4},    {"DelayedCutter", "Delayed Cutter", 5},
    {"RFID", "RFID", 6},        {"KIOSK", "KIOSK", 9},
};
constexpr NamedCode kOnyxModes[] = {
    {"Cutter", "Cutter", 0},
    {"TearOff", "Tear Off", 1},
    {"PeelOff", "Peel Off", 2},
    {"Rewind", "Rewind", 3},
    {"TearOffUnconfirmed", "Tear Off(unconfirmed)", 4},
    {"PeelOffUnconfirmed", "Peel Off(unconfirmed)", 5},
};
constexpr NamedCode kPrintMethods[] = {
    {"ThermalTransfer", "Thermal Transfer", 0},
    {"ThermalDirect", "Thermal Direct", 1},
};
constexpr NamedCode kPaperTypes[] = {
    {"Continuous", "Continuous", 0},
    {"MarkSensing", "Mark Sensing", 1},
    {"WebSensing", "Web Sensing", 2},
};
constexpr NamedCode kBackfeeds[] = {
    {"None", "None", 0},
    {"BeforePrinting", "Before Printing", 1},
    {"DefaultBack", "Default Back", 2},
    {"AfterPrinting", "After Printing", 3},
};

// The measures' choices in the PPD go in half millimetres; a job may ask
// for any value within the limit.
constexpr double kMeasureStep = 0.5;

constexpr settings::FieldId kBackfeedList = 2073;

// A stored adjustment of this value, or beyond, leaves it to the printer.
constexpr double kStoredPrinterAdjustment = 1000000.0;
constexpr uint8_t kStoredPrinterCode = 255;

constexpr std::string_view kEscapeOpen = "<\\x";

Choice PrinterSetting() {
    return {"Default", "Printer's setting", std::nullopt};
}

// Bit n of the mask offers code n.
std::vector<Choice> Offered(std::span<const NamedCode> codes, uint32_t mask) {
    std::vector<Choice> choices{PrinterSetting()};
    for (const NamedCode& named : codes) {
        if (named.code < 32 && (mask >> named.code & 1) != 0)
            choices.push_back({std::string(named.keyword), std::string(named.text), named.code});
    }
    return choices;
}

std::string Ascii(std::u16string_view text) {
    return {text.begin(), text.end()};
}

// mm/s as the Option page shows them; the rows list speed code n as 1 << n.
std::vector<Choice> Speeds(const ModelRow& model) {
    using pages::option::kOnyxSpeeds;
    using pages::option::kOrcaSpeeds;
    std::vector<Choice> choices{PrinterSetting()};
    const auto rows = model.language == Language::Onyx
                          ? std::span<const pages::option::SpeedRow>(kOnyxSpeeds)
                          : std::span(kOrcaSpeeds);
    for (const pages::option::SpeedRow& row : rows) {
        const int code = std::countr_zero(row.code);
        if (row.code == 0 || (model.speedList >> code & 1) == 0)
            continue;
        const std::string mm = Ascii(row.texts[pages::option::kUnitMm]);
        choices.push_back({mm, mm + " mm/s", code});
    }
    return choices;
}

std::vector<Choice> Darkness(uint32_t highest) {
    std::vector<Choice> choices{PrinterSetting()};
    for (uint32_t level = 0; level <= highest; ++level)
        choices.push_back({std::to_string(level), std::to_string(level), level});
    return choices;
}

std::string MeasureKeyword(double mm) {
    char text[16];
    std::snprintf(text, sizeof text, "%g", mm);
    return text;
}

std::vector<Choice> Measures(double limit) {
    std::vector<Choice> choices{PrinterSetting()};
    for (double mm = -limit; mm <= limit; mm += kMeasureStep) {
        const std::string keyword = MeasureKeyword(mm);
        choices.push_back({keyword, keyword + " mm", mm});
    }
    return choices;
}

uint32_t Capability(const ModelRow& model, settings::FieldId id) {
    for (const printers::FieldValue& value : model.overrides) {
        if (value.id == id)
            return value.value;
    }
    return printers::FindCapability(id)->value[static_cast<size_t>(model.language)];
}

// Letter case, spaces and dashes do not tell values apart.
std::string Folded(std::string_view text) {
    std::string folded;
    for (const char c : text) {
        if (c != ' ' && c != '-' && c != '_')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return folded;
}

}  // namespace

std::vector<LabelOption> LabelOptionsOf(const ModelRow& model) {
    const bool orca = model.language == Language::Orca;
    // The ONYX printers take adjustments within 8 mm, the ORCA ones within 10.
    const double adjustLimit = orca ? 10.0 : 8.0;
    const uint32_t modes = Capability(model, settings::field::kOperationModeList);
    std::vector<LabelOption> options{
        {"paper-type", "Paper Type", "btPaperType", Setting::kPaperType, false, 0,
         Offered(kPaperTypes, 7)},
        {"media-type", "Media Type", "btThermal", Setting::kPrintMethod, false, 0,
         Offered(kPrintMethods, 3)},
        {"operation-mode", "Operation Mode", "btOperationMode", Setting::kOperationMode, false, 0,
         Offered(
             orca ? std::span<const NamedCode>(kOrcaModes) : std::span<const NamedCode>(kOnyxModes),
             modes)},
        {"speed", "Speed", "btSpeed", Setting::kSpeed, false, 0, Speeds(model)},
        {"darkness", "Darkness", "btDarkness", Setting::kDarkness, false, 0,
         Darkness(Capability(model, settings::field::kHighestDarkness))},
        {"top-adjust", "Top (mm)", "dbAdjustTop", Setting::kTopAdjust, true, adjustLimit,
         Measures(adjustLimit)},
    };
    // The ONYX block keeps its out-paper distance where the ORCA one keeps
    // the tear-off adjustment; it has no left adjustment and no backfeed.
    if (orca) {
        options.push_back({"tear-off-adjust", "Tear Off (mm)", "dbAdjustTearOff",
                           Setting::kTearOffAdjust, true, adjustLimit, Measures(adjustLimit)});
        options.push_back({"left-adjust", "Left (mm)", "dbAdjustPosition", Setting::kLeftAdjust,
                           true, adjustLimit, Measures(adjustLimit)});
        options.push_back({"backfeed", "Backfeed", "btBackFeed", Setting::kBackfeed, false, 0,
                           Offered(kBackfeeds, Capability(model, kBackfeedList))});
    } else {
        options.push_back({"outpaper-adjust", "OutPaper (mm)", "dbAdjustTearOff",
                           Setting::kTearOffAdjust, true, adjustLimit, Measures(adjustLimit)});
    }
    return options;
}

const ModelRow* FindModel(std::string_view name) {
    const auto found = std::ranges::find_if(printers::kModelTable, [name](const ModelRow& row) {
        return Ascii(row.displayName) == name;
    });
    return found == printers::kModelTable.end() ? nullptr : &*found;
}

printers::PaperExtents PaperLimitsOf(const ModelRow& model) {
    if (model.paperExtents)
        return *model.paperExtents;
    const auto extent = [&model](settings::FieldId id) {
        return static_cast<int16_t>(Capability(model, id));
    };
    return {extent(settings::field::kLongestPaper), extent(settings::field::kWidestPaper),
            extent(settings::field::kShortestPaper), extent(settings::field::kNarrowestPaper)};
}

uint32_t ResolutionOf(const ModelRow& model) {
    return Ascii(model.displayName).find("300DPI") != std::string::npos ? 300 : 203;
}

std::optional<Choice> ChoiceOf(const LabelOption& option, std::string_view given) {
    const std::string wanted = Folded(given);
    if (wanted == Folded(option.choices.front().keyword))
        return option.choices.front();
    if (option.measure) {
        const std::string number(given);
        char* end = nullptr;
        const double mm = std::strtod(number.c_str(), &end);
        if (number.empty() || *end != '\0' || !std::isfinite(mm) || std::fabs(mm) > option.limit)
            return std::nullopt;
        return Choice{number, number + " mm", mm};
    }
    for (const Choice& choice : option.choices) {
        if (Folded(choice.keyword) == wanted || Folded(choice.text) == wanted)
            return choice;
    }
    return std::nullopt;
}

std::optional<Choice> StoredChoice(const LabelOption& option, double stored) {
    if (option.measure) {
        if (stored >= kStoredPrinterAdjustment)
            return option.choices.front();
        return ChoiceOf(option, MeasureKeyword(stored));
    }
    if (stored == kStoredPrinterCode)
        return option.choices.front();
    const auto found =
        std::ranges::find(option.choices, std::optional<double>(stored), &Choice::value);
    return found == option.choices.end() ? std::nullopt : std::optional<Choice>(*found);
}

double StoredValue(const LabelOption& option, const Choice& choice) {
    return choice.value.value_or(option.measure ? kStoredPrinterAdjustment : kStoredPrinterCode);
}

std::string EscapeCommands(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte > 0x7E || c == '"') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "<\\x%02X>", byte);
            text += escape;
        } else {
            text += c;
        }
    }
    return text;
}

std::string UnescapeCommands(std::string_view text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        const std::string_view rest = text.substr(i);
        // "<\xHH>": the opening, two hex digits, the closing bracket.
        if (rest.starts_with(kEscapeOpen) && rest.size() >= 6 && rest[5] == '>' &&
            std::isxdigit(static_cast<unsigned char>(rest[3])) &&
            std::isxdigit(static_cast<unsigned char>(rest[4]))) {
            bytes += static_cast<char>(std::stoi(std::string(rest.substr(3, 2)), nullptr, 16));
            i += 5;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

}  // namespace orca::host::cups
