// SPDX-License-Identifier: Apache-2.0
// The action language of `orcaui sheet`: one action a line (or a command-line
// argument), words separated by blanks, a text with blanks in double quotes
// (\" \\ \n \r \t \b \xHH inside them) or single quotes (taken as written).
// `answer dialog` opens a block of actions for the next modal dialog,
// closed by `end`.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/cli/failure.h"

namespace orca::host {

enum class Verb {
    kTab,
    kClick,
    kSelect,
    kDoubleClick,
    kType,
    kKeys,
    kPaste,
    kLeave,
    kSpin,
    kAnswerMessage,
    kAnswerFile,
    kAnswerMenu,
    kAnswerDialog,
    kApply,
    kOk,
    kCancel,
    kShow,
};

struct Action {
    Verb verb = Verb::kShow;
    std::string source;         // as written, for messages
    std::string control;        // number or name
    std::string text;           // tab title, item, typed text, button, path, menu item
    int number = 0;             // spin steps; file filter (0: as the dialog had it)
    std::vector<Action> block;  // the actions of `answer dialog`
};

struct VerbRule {
    std::string_view words;  // "click", "answer message"
    Verb verb;
    bool control;     // the first argument names a control
    size_t minTexts;  // words after the verb (and control)
    size_t maxTexts;  // SIZE_MAX: the rest, joined by single blanks
    std::string_view usage;
    std::string_view summary;
};

// The verbs, in the order of the help text.
std::span<const VerbRule> VerbRules();

// Splits one line into words; false on an unclosed quote or a bad escape.
bool SplitWords(std::string_view line, std::vector<std::string>* words);

// Parses lines into actions, gathering `answer dialog` ... `end` blocks. A
// line that is blank or starts with '#' is skipped.
MaybeFailure ParseActions(std::span<const std::string> lines, std::vector<Action>* actions);

// The actions' usage lines for help texts.
std::string ActionHelp();

// +1 for a line that opens a block, -1 for its `end`, else 0: the
// interactive mode reads a block whole before it runs it.
int BlockDepthChange(std::string_view line);

}  // namespace orca::host
