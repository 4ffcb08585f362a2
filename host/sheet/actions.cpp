// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/actions.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>

#include "host/cli/whole_number.h"

namespace orca::host {
namespace {

constexpr size_t kRest = SIZE_MAX;
constexpr std::string_view kBlockEnd = "end";
// Dialogs opened from dialogs; no page goes that deep, and each level costs
// stack when the blocks run.
constexpr size_t kMaxDialogDepth = 8;

constexpr VerbRule kVerbs[] = {
    {"tab", Verb::kTab, false, 1, kRest, "tab TITLE",
     "bring the tab with that title (or #N: the Nth tab, counting from 1) to the front"},
    {"click", Verb::kClick, true, 0, 0, "click CONTROL",
     "press a button, toggle a check box or pick a radio button"},
    {"select", Verb::kSelect, true, 1, kRest, "select CONTROL ITEM",
     "pick the item with that text in a list or combo box (#N: the Nth item, counting "
     "from 1)"},
    {"dblclick", Verb::kDoubleClick, true, 1, kRest, "dblclick CONTROL ITEM",
     "double-click an item of a list box"},
    {"type", Verb::kType, true, 0, kRest, "type CONTROL [TEXT]",
     "replace what an edit field holds, typing TEXT key by key (no TEXT: empty it)"},
    {"keys", Verb::kKeys, true, 1, kRest, "keys CONTROL TEXT",
     "type at the caret, keeping the field's text (\\b is Backspace, \\r Enter)"},
    {"paste", Verb::kPaste, true, 1, kRest, "paste CONTROL TEXT",
     "paste TEXT over the field's selection as it is, control characters such as "
     "\\x02 (STX) or \\r included"},
    {"leave", Verb::kLeave, true, 0, 0, "leave CONTROL",
     "move the focus on from that control, as the Tab key does"},
    {"spin", Verb::kSpin, true, 1, 1, "spin CONTROL STEPS",
     "press an up-down control's arrow STEPS times (negative: down)"},
    {"answer message", Verb::kAnswerMessage, false, 1, 1, "answer message BUTTON",
     "the next message box gets BUTTON: OK, Cancel, Yes, No, Abort, Retry or Ignore"},
    {"answer file", Verb::kAnswerFile, false, 0, 2, "answer file [PATH [#FILTER]]",
     "the next file dialog chooses PATH, with filter number FILTER (no PATH: Cancel)"},
    {"answer menu", Verb::kAnswerMenu, false, 0, kRest, "answer menu [ITEM]",
     "the next pop-up menu picks ITEM, its text or #N counting from 1 (no ITEM: "
     "dismissed)"},
    {"answer dialog", Verb::kAnswerDialog, false, 0, 0, "answer dialog ... end",
     "the actions up to `end` act in the next modal dialog"},
    {"apply", Verb::kApply, false, 0, 0, "apply",
     "press Apply: the pages apply their changes and the sheet's settings become the "
     "printer's defaults (with nothing changed: a note, not a failure)"},
    {"ok", Verb::kOk, false, 0, 0, "ok",
     "press OK: apply as above and close the sheet (in a dialog: its OK button, the "
     "default one that Enter presses)"},
    {"cancel", Verb::kCancel, false, 0, 0, "cancel",
     "press Cancel: close without applying (in a dialog: Escape, which its Cancel "
     "button answers)"},
    {"show", Verb::kShow, false, 0, 0, "show", "print the page or dialog in front"},
};

std::string Lower(std::string_view word) {
    std::string lower(word);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The escape at text[*i], just after its backslash; *i ends on its last
// character. "\xHH" is the character of code HH (in UTF-8, as the rest of
// the text), so a command with STX or CR can be typed.
bool Escape(std::string_view text, size_t* i, std::string* out) {
    constexpr std::pair<char, char> kEscapes[] = {{'"', '"'},  {'\\', '\\'}, {'n', '\n'},
                                                  {'r', '\r'}, {'t', '\t'},  {'b', '\b'}};
    if (text[*i] == 'x') {
        uint8_t byte = 0;
        const std::string_view digits = text.substr(*i + 1, 2);
        const auto [end, ec] =
            std::from_chars(digits.data(), digits.data() + digits.size(), byte, 16);
        if (digits.size() != 2 || ec != std::errc() || end != digits.data() + 2)
            return false;
        if (byte < 0x80) {
            *out += static_cast<char>(byte);
        } else {
            *out += static_cast<char>(0xC0 | byte >> 6);
            *out += static_cast<char>(0x80 | (byte & 0x3F));
        }
        *i += 2;
        return true;
    }
    const auto found = std::ranges::find(kEscapes, text[*i], &std::pair<char, char>::first);
    if (found == std::end(kEscapes))
        return false;
    *out += found->second;
    return true;
}

Failure Malformed(std::string_view source, const std::string& what) {
    return Failure{kExitUsage, "malformed action `" + std::string(source) + "`: " + what};
}

const VerbRule* FindRule(const std::vector<std::string>& words, size_t* used) {
    const std::string first = Lower(words[0]);
    const std::string two = words.size() > 1 ? first + " " + Lower(words[1]) : first;
    for (const VerbRule& rule : kVerbs) {
        if (rule.words == first || rule.words == two) {
            *used = rule.words == first ? 1 : 2;
            return &rule;
        }
    }
    return nullptr;
}

std::string Joined(std::span<const std::string> words) {
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

MaybeFailure ParseLine(std::string_view line, Action* action) {
    std::vector<std::string> words;
    if (!SplitWords(line, &words))
        return Malformed(line, "a quote is not closed or an escape is unknown");
    size_t used = 0;
    const VerbRule* rule = FindRule(words, &used);
    if (rule == nullptr)
        return Malformed(line, "unknown action \"" + words[0] + "\" (see: orcaui sheet --help)");
    action->verb = rule->verb;
    action->source = std::string(line);
    std::span<const std::string> rest = std::span(words).subspan(used);
    if (rule->control) {
        if (rest.empty())
            return Malformed(line, "which control? usage: " + std::string(rule->usage));
        action->control = rest.front();
        rest = rest.subspan(1);
    }
    if (rest.size() < rule->minTexts || rest.size() > rule->maxTexts)
        return Malformed(line, "usage: " + std::string(rule->usage));
    if (rule->verb == Verb::kSpin) {
        const auto steps = WholeNumber(rest[0]);
        if (!steps)
            return Malformed(line, "STEPS must be a whole number");
        action->number = *steps;
    } else if (rule->verb == Verb::kAnswerFile && rest.size() == 2) {
        const auto filter = Position(rest[1]);
        if (!filter)
            return Malformed(line, "FILTER must be #1, #2, ...");
        action->number = *filter + 1;
        rest = rest.first(1);
    }
    action->text = Joined(rest);
    return std::nullopt;
}

std::string FirstWords(std::string_view line) {
    std::vector<std::string> words;
    if (!SplitWords(line, &words) || words.empty())
        return {};
    return words.size() == 1 ? Lower(words[0]) : Lower(words[0]) + " " + Lower(words[1]);
}

bool Skipped(std::string_view line) {
    const size_t first = line.find_first_not_of(" \t\r");
    return first == std::string_view::npos || line[first] == '#';
}

}  // namespace

std::span<const VerbRule> VerbRules() {
    return kVerbs;
}

std::string ActionHelp() {
    constexpr size_t kColumn = 32;
    constexpr size_t kWidth = 80;
    std::string out;
    for (const VerbRule& rule : VerbRules()) {
        std::string line = "  " + std::string(rule.usage);
        line += std::string(line.size() < kColumn ? kColumn - line.size() : 1, ' ');
        // The summary's words, wrapped under its first one.
        size_t lineStart = 0;
        std::string_view rest = rule.summary;
        for (bool first = true; !rest.empty(); first = false) {
            const size_t space = rest.find(' ');
            const std::string_view word = rest.substr(0, space);
            rest = space == std::string_view::npos ? "" : rest.substr(space + 1);
            if (!first && line.size() - lineStart + 1 + word.size() > kWidth) {
                lineStart = line.size() + 1;
                line += "\n" + std::string(kColumn, ' ');
            } else if (!first) {
                line += ' ';
            }
            line += word;
        }
        out += line + "\n";
    }
    return out;
}

bool SplitWords(std::string_view line, std::vector<std::string>* words) {
    words->clear();
    size_t i = 0;
    while (true) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r'))
            ++i;
        if (i == line.size())
            return true;
        std::string word;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') {
            const char quote = line[i];
            if (quote != '"' && quote != '\'') {
                word += line[i++];
                continue;
            }
            for (++i; i < line.size() && line[i] != quote; ++i) {
                if (quote == '"' && line[i] == '\\') {
                    if (++i == line.size() || !Escape(line, &i, &word))
                        return false;
                } else {
                    word += line[i];
                }
            }
            if (i == line.size())
                return false;
            ++i;
        }
        words->push_back(std::move(word));
    }
}

int BlockDepthChange(std::string_view line) {
    const std::string words = FirstWords(line);
    if (words == "answer dialog")
        return 1;
    return words == kBlockEnd ? -1 : 0;
}

MaybeFailure ParseActions(std::span<const std::string> lines, std::vector<Action>* actions) {
    // The innermost open block is last.
    std::vector<std::vector<Action>*> open{actions};
    for (const std::string& line : lines) {
        if (Skipped(line))
            continue;
        if (FirstWords(line) == kBlockEnd) {
            if (open.size() == 1)
                return Malformed(line, "`end` without `answer dialog`");
            open.pop_back();
            continue;
        }
        Action action;
        if (auto failed = ParseLine(line, &action))
            return failed;
        open.back()->push_back(std::move(action));
        if (open.back()->back().verb == Verb::kAnswerDialog) {
            if (open.size() > kMaxDialogDepth) {
                return Malformed(line, "`answer dialog` blocks nest deeper than " +
                                           std::to_string(kMaxDialogDepth));
            }
            open.push_back(&open.back()->back().block);
        }
    }
    if (open.size() > 1)
        return Malformed("answer dialog", "no `end` closes the block");
    return std::nullopt;
}

}  // namespace orca::host
