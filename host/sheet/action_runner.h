// SPDX-License-Identifier: Apache-2.0
// Runs actions on an open sheet as a person would do them, and prints what
// the person would see: the message boxes an action brings up, and what an
// action changed on the page (or dialog) when echoing.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <vector>

#include "host/cli/failure.h"
#include "host/sheet/actions.h"
#include "host/sheet/control_names.h"
#include "host/sheet/sheet.h"

namespace orca::host {

// The button that Enter presses in a dialog (`ok`): its default push button,
// or its IDOK button when it marks none as default.
std::optional<int> DefaultButton(platform::sim::Desktop& desktop, platform::Window dialog);

class ActionRunner {
public:
    // shell: the run plays the shell's process (--shell), so a disabled
    // control is not one that the printer folder would enable.
    ActionRunner(Sheet& sheet, std::ostream& out, bool echo, bool shell = false)
        : sheet_(sheet), out_(out), echo_(echo), shell_(shell) {}

    // Runs one action on the page in front. An `answer` is kept for the next
    // action, which must use it.
    MaybeFailure Run(const Action& action);
    // Fails for answers that no action was left to use.
    MaybeFailure Finish();
    // Prints the message boxes shown since the last call, with their answers.
    void PrintNewMessages();
    // Prints the sheet whole; when echoing, each later action prints only
    // the lines of the page or dialog that it changed.
    void PrintSheet();

private:
    struct PendingAnswer {
        std::string source;
        bool used = false;
        bool stale = false;  // its action is over: it answers as if absent
    };

    // window: the modal dialog acted in, or null for the sheet.
    MaybeFailure RunIn(const Action& action, platform::Window window);
    MaybeFailure RunBlock(const std::vector<Action>& block, platform::Window dialog);
    MaybeFailure Act(const Action& action, platform::Window dialog);
    MaybeFailure ActOnControl(const Action& action, platform::Window window);
    MaybeFailure SheetButton(const Action& action, platform::Window dialog);
    MaybeFailure PickItem(const Action& action, const ControlRef& ref);
    void Print(platform::Window dialog, bool whole);
    std::shared_ptr<PendingAnswer> Pending(const Action& action);
    MaybeFailure Queue(const Action& action);
    MaybeFailure QueueDialog(const Action& action);
    // Fails for an answer the finished action did not use; all go stale.
    MaybeFailure SettleAnswers();

    Sheet& sheet_;
    std::ostream& out_;
    bool echo_;
    bool shell_;
    // Answers given for the coming action, by nesting depth of dialogs.
    std::vector<std::vector<std::shared_ptr<PendingAnswer>>> pending_{1};
    // The first failure inside a dialog's block, reported when its action ends.
    MaybeFailure blockFailure_;
    size_t messagesShown_ = 0;
    // The text last printed of the sheet (null) and of each dialog.
    std::map<platform::Window, std::string> shown_;
};

}  // namespace orca::host
