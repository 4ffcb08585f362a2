// SPDX-License-Identifier: Apache-2.0
#include "host/cups/queue_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "host/cups/ppd_lines.h"

namespace orca::host::cups {
namespace {

using commands::CCommandSetBase;

// The first argument of the speed command for speed code 0: the ORCA
// printers take inches per second (code 0 is 2 in/s), the ONYX ones a letter.
constexpr uint8_t kOrcaSpeedBase = 2;
constexpr uint8_t kOnyxSpeedBase = 'A';

// Sends the value of one setting through the generator; the generator
// refuses what its language has no command for, and that is sent as nothing.
void Send(CCommandSetBase& generator, Setting setting, double value, uint32_t dpi) {
    const bool orca = generator.GetCommandLanguage() == commands::kCommandLanguageOrca;
    // Only the choices are codes: a length may be negative.
    const auto code = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
    switch (setting) {
        case Setting::kPaperType:
            generator.MediaTracking(code);
            break;
        case Setting::kPrintMethod:
            generator.MediaType(code);
            break;
        case Setting::kOperationMode:
            generator.PrintMode(code, 1, 0, 1);
            break;
        case Setting::kSpeed:
            generator.PrintRate(
                static_cast<uint8_t>(code + (orca ? kOrcaSpeedBase : kOnyxSpeedBase)));
            break;
        case Setting::kDarkness:
            generator.Darkness(code);
            break;
        case Setting::kTopAdjust:
            generator.LabelTop(value, dpi);
            break;
        case Setting::kTearOffAdjust:
            generator.TearOff(value, dpi);
            break;
        case Setting::kLeftAdjust:
            generator.LabelShift(value, dpi);
            break;
        case Setting::kBackfeed:
            generator.Backfeed(code);
            break;
    }
}

int32_t Append(void* context, const uint8_t* bytes, uint64_t count) {
    static_cast<std::string*>(context)->append(reinterpret_cast<const char*>(bytes), count);
    return 0;
}

}  // namespace

std::vector<std::pair<std::string, std::string>> ParseOptions(std::string_view text) {
    std::vector<std::pair<std::string, std::string>> options;
    size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && text[i] == ' ')
            ++i;
        std::string name;
        while (i < text.size() && text[i] != '=' && text[i] != ' ')
            name += text[i++];
        std::string value;
        if (i < text.size() && text[i] == '=') {
            ++i;
            char quote = 0;
            for (; i < text.size() && (quote != 0 || text[i] != ' '); ++i) {
                const char c = text[i];
                if (c == '\\' && i + 1 < text.size())
                    value += text[++i];
                else if (quote == 0 && (c == '\'' || c == '"'))
                    quote = c;
                else if (c == quote)
                    quote = 0;
                else
                    value += c;
            }
        }
        if (!name.empty())
            options.emplace_back(std::move(name), std::move(value));
    }
    return options;
}

std::optional<std::string> ReadQueuePpd(std::istream& ppd, QueuePpd* queue) {
    std::string modelName;
    PpdLine line;
    while (NextPpdLine(ppd, &line)) {
        if (!line.option.empty())
            continue;
        if (line.keyword == "orcauiModel") {
            modelName = line.value;
        } else if (line.keyword == kDocumentStartKeyword) {
            queue->documentStart = UnescapeCommands(line.value);
        } else if (line.keyword == kDocumentEndKeyword) {
            queue->documentEnd = UnescapeCommands(line.value);
        } else if (line.keyword == "DefaultResolution") {
            queue->dpi = static_cast<uint32_t>(std::atoi(line.value.c_str()));
        } else if (line.keyword.starts_with("Default")) {
            queue->defaults[line.keyword.substr(7)] = line.value;
        }
    }
    queue->model = FindModel(modelName);
    if (queue->model == nullptr)
        return "the queue's PPD names no ORCAUI printer model (*orcauiModel: \"" + modelName +
               "\"); make it with orcaui ppd MODEL";
    if (queue->dpi == 0)
        queue->dpi = ResolutionOf(*queue->model);
    return std::nullopt;
}

std::optional<std::string> ResolveSettings(const QueuePpd& queue, std::string_view jobOptions,
                                           SettingValues* values) {
    const auto given = ParseOptions(jobOptions);
    for (const LabelOption& option : LabelOptionsOf(*queue.model)) {
        std::optional<Choice> choice;
        const std::string name(option.name);
        // The job's own option wins; the last of several names it.
        const auto job = std::find_if(given.rbegin(), given.rend(),
                                      [&name](const auto& pair) { return pair.first == name; });
        if (job != given.rend()) {
            choice = ChoiceOf(option, job->second);
            if (!choice)
                return "the printer has no " + name + " \"" + job->second + "\"";
        } else if (const auto queued = queue.defaults.find(name); queued != queue.defaults.end()) {
            choice = ChoiceOf(option, queued->second);
            if (!choice)
                return "the queue's PPD holds no " + name + " \"" + queued->second + "\"";
        }
        (*values)[static_cast<size_t>(option.setting)] = choice ? choice->value : std::nullopt;
    }
    return std::nullopt;
}

std::string SettingsCommands(CCommandSetBase& generator, const SettingValues& values,
                             uint32_t dpi) {
    std::string settings;
    generator.AttachSink(&settings, Append);
    for (size_t i = 0; i < kSettingCount; ++i) {
        if (values[i])
            Send(generator, static_cast<Setting>(i), *values[i], dpi);
    }
    if (settings.empty())
        return settings;
    // The ORCA settings commands hold only inside a label format; the ONYX
    // language has no label format command and its settings stand alone.
    std::string commands;
    generator.AttachSink(&commands, Append);
    generator.LabelFormat(0);
    commands += settings;
    generator.LabelFormat(1);
    generator.AttachSink(nullptr, nullptr);
    return commands;
}

}  // namespace orca::host::cups
