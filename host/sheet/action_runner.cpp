// SPDX-License-Identifier: Apache-2.0
#include "host/sheet/action_runner.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <set>
#include <string_view>

#include "host/cli/whole_number.h"
#include "host/sheet/control_names.h"
#include "host/sheet/find_entry.h"
#include "resources/window_styles.h"
#include "text/nocase.h"
#include "text/utf.h"

namespace orca::host {
namespace {

using platform::Window;

struct ButtonName {
    std::string_view name;
    int id;
};
constexpr ButtonName kMessageButtons[] = {
    {"OK", resources::IDOK},       {"Cancel", resources::IDCANCEL}, {"Abort", resources::IDABORT},
    {"Retry", resources::IDRETRY}, {"Ignore", resources::IDIGNORE}, {"Yes", resources::IDYES},
    {"No", resources::IDNO},
};

bool IsAnswer(Verb verb) {
    return verb == Verb::kAnswerMessage || verb == Verb::kAnswerFile || verb == Verb::kAnswerMenu ||
           verb == Verb::kAnswerDialog;
}

std::string Quoted(std::u16string_view text) {
    return "\"" + text::Utf16ToUtf8(text) + "\"";
}

template <typename TextAt>
std::string Entries(int count, TextAt textAt) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += (i == 0 ? "" : ", ") + Quoted(textAt(i));
    return count == 0 ? "none" : out;
}

// The lines of after that before does not have, in order: what an action
// changed (a line is a control with its state).
std::string ChangedLines(std::string_view before, std::string_view after) {
    std::multiset<std::string_view> old;
    for (size_t start = 0; start < before.size();) {
        const size_t end = std::min(before.find('\n', start), before.size());
        old.insert(before.substr(start, end + 1 - start));
        start = end + 1;
    }
    std::string out;
    for (size_t start = 0; start < after.size();) {
        const size_t end = std::min(after.find('\n', start), after.size());
        const std::string_view line = after.substr(start, end + 1 - start);
        start = end + 1;
        if (const auto same = old.find(line); same != old.end())
            old.erase(same);
        else
            out += line;
    }
    return out;
}

}  // namespace

std::optional<int> DefaultButton(platform::sim::Desktop& desktop, Window dialog) {
    std::optional<int> ok;
    for (Window child : desktop.Children(dialog)) {
        if (desktop.ClassName(child) != resources::kClassButton)
            continue;
        const int id = desktop.ControlId(child);
        if ((desktop.Style(child) & resources::BS_TYPEMASK) == resources::BS_DEFPUSHBUTTON)
            return id;
        if (id == resources::IDOK)
            ok = id;
    }
    return ok;
}

MaybeFailure ActionRunner::Run(const Action& action) {
    return RunIn(action, nullptr);
}

MaybeFailure ActionRunner::Finish() {
    return SettleAnswers();
}

MaybeFailure ActionRunner::RunIn(const Action& action, Window dialog) {
    MaybeFailure failed = Act(action, dialog);
    PrintNewMessages();
    if (!failed)
        failed = blockFailure_;
    blockFailure_.reset();
    if (!IsAnswer(action.verb)) {
        MaybeFailure unused = SettleAnswers();
        if (!failed)
            failed = unused;
        if (echo_ && action.verb != Verb::kShow)
            Print(dialog, false);
    }
    return failed;
}

void ActionRunner::PrintSheet() {
    Print(nullptr, true);
}

void ActionRunner::Print(Window dialog, bool whole) {
    if (dialog != nullptr && !sheet_.Desktop().Exists(dialog)) {
        shown_.erase(dialog);
        return;
    }
    const std::string render =
        dialog == nullptr ? sheet_.Render() : RenderWithNames(sheet_.Desktop(), dialog);
    const auto last = shown_.find(dialog);
    out_ << (whole || last == shown_.end() ? render : ChangedLines(last->second, render));
    shown_[dialog] = render;
}

MaybeFailure ActionRunner::RunBlock(const std::vector<Action>& block, Window dialog) {
    pending_.emplace_back();
    // A new dialog may have the window of one closed before it.
    shown_.erase(dialog);
    if (echo_)
        Print(dialog, true);
    MaybeFailure failed;
    for (const Action& action : block) {
        if (!sheet_.Desktop().Exists(dialog)) {
            failed = Failure{kExitRefused, "the dialog closed before `" + action.source + "`"};
            break;
        }
        if ((failed = RunIn(action, dialog)))
            break;
    }
    MaybeFailure unused = SettleAnswers();
    pending_.pop_back();
    return failed ? failed : unused;
}

MaybeFailure ActionRunner::Act(const Action& action, Window dialog) {
    if (dialog == nullptr && !sheet_.IsOpen())
        return Failure{kExitRefused, "`" + action.source + "`: the sheet is closed"};
    switch (action.verb) {
        case Verb::kTab:
            if (dialog != nullptr)
                return Failure{kExitRefused, "`tab` acts on the sheet, not in a dialog"};
            return sheet_.SelectTab(action.text);
        case Verb::kApply:
        case Verb::kOk:
        case Verb::kCancel:
            return SheetButton(action, dialog);
        case Verb::kShow:
            Print(dialog, true);
            return std::nullopt;
        case Verb::kAnswerMessage:
        case Verb::kAnswerFile:
        case Verb::kAnswerMenu:
            return Queue(action);
        case Verb::kAnswerDialog:
            return QueueDialog(action);
        default:
            return ActOnControl(action, dialog != nullptr ? dialog : sheet_.CurrentPage());
    }
}

MaybeFailure ActionRunner::ActOnControl(const Action& action, Window window) {
    platform::sim::Desktop& desktop = sheet_.Desktop();
    if (window == nullptr)
        return Failure{kExitRefused, "`" + action.source + "`: no page is in front"};
    ControlRef ref;
    if (auto failed = FindControl(desktop, window, action.control, &ref))
        return failed;
    const Window control = desktop.Child(ref.holder, ref.id);
    if (!desktop.IsEnabled(control) || !desktop.IsVisible(control)) {
        // The font pages enable their editing only in the printer folder's process.
        const std::string hint = shell_ || desktop.IsEnabled(control)
                                     ? ""
                                     : " (some pages allow it only from the printer folder: "
                                       "run with --shell)";
        return Failure{kExitRefused,
                       "`" + action.source + "`: control " + action.control +
                           (desktop.IsEnabled(control) ? " is hidden" : " is disabled") + hint};
    }
    platform::sim::DesktopDriver& driver = sheet_.Driver();
    const std::u16string text = text::Utf8ToUtf16(action.text);
    bool done = false;
    switch (action.verb) {
        case Verb::kClick:
            done = driver.Click(ref.holder, ref.id);
            break;
        case Verb::kSelect:
        case Verb::kDoubleClick:
            return PickItem(action, ref);
        case Verb::kType:
            done = driver.Retype(ref.holder, ref.id, text.empty() ? u"\b" : text);
            break;
        case Verb::kKeys:
            done = driver.Type(ref.holder, ref.id, text);
            break;
        case Verb::kPaste:
            done = driver.Paste(ref.holder, ref.id, text);
            break;
        case Verb::kLeave:
            done = driver.Leave(ref.holder, ref.id);
            break;
        case Verb::kSpin:
            done = driver.Spin(ref.holder, ref.id, action.number);
            break;
        default:
            break;
    }
    if (done)
        return std::nullopt;
    return Failure{kExitRefused, "`" + action.source + "`: control " + action.control +
                                     " does not take that action (it is a " +
                                     text::Utf16ToUtf8(desktop.ClassName(control)) + " control)"};
}

MaybeFailure ActionRunner::PickItem(const Action& action, const ControlRef& ref) {
    platform::sim::Desktop& desktop = sheet_.Desktop();
    const Window list = desktop.Child(ref.holder, ref.id);
    const std::u16string kind = desktop.ClassName(list);
    const bool isList = kind == resources::kClassComboBox || kind == resources::kClassListBox;
    if (!isList || (action.verb == Verb::kDoubleClick && kind != resources::kClassListBox)) {
        return Failure{kExitRefused, "`" + action.source + "`: control " + action.control +
                                         " is not a list of that kind"};
    }
    const auto itemText = [&](int i) { return desktop.ItemText(list, i); };
    const int count = desktop.ItemCount(list);
    const int index = FindEntry(action.text, count, itemText);
    if (index < 0) {
        return Failure{kExitRefused, "`" + action.source + "`: no item \"" + action.text +
                                         "\"; the items are " + Entries(count, itemText)};
    }
    platform::sim::DesktopDriver& driver = sheet_.Driver();
    const bool done = action.verb == Verb::kSelect ? driver.Select(ref.holder, ref.id, index)
                                                   : driver.DoubleClick(ref.holder, ref.id, index);
    if (!done)
        return Failure{kExitRefused, "`" + action.source + "`: the item cannot be picked"};
    return std::nullopt;
}

MaybeFailure ActionRunner::SheetButton(const Action& action, Window dialog) {
    if (dialog == nullptr) {
        if (action.verb == Verb::kApply && !sheet_.HasUnappliedChanges())
            std::cerr << "orcaui: note: `apply`: nothing has changed, so nothing was applied\n";
        return action.verb == Verb::kApply ? sheet_.Apply()
               : action.verb == Verb::kOk  ? sheet_.PressOk()
                                           : sheet_.PressCancel();
    }
    if (action.verb == Verb::kApply)
        return Failure{kExitRefused, "`apply` acts on the sheet, not in a dialog"};
    if (action.verb == Verb::kCancel) {
        if (!sheet_.Driver().PressEscape(dialog))
            return Failure{kExitRefused, "`cancel`: the dialog's Cancel button is disabled"};
        return std::nullopt;
    }
    const std::optional<int> button = DefaultButton(sheet_.Desktop(), dialog);
    if (!button)
        return Failure{kExitRefused, "`ok`: the dialog has no OK button"};
    if (!sheet_.Driver().Click(dialog, *button))
        return Failure{kExitRefused, "`ok`: the dialog's OK button is disabled or hidden"};
    return std::nullopt;
}

std::shared_ptr<ActionRunner::PendingAnswer> ActionRunner::Pending(const Action& action) {
    auto pending = std::make_shared<PendingAnswer>();
    pending->source = action.source;
    pending_.back().push_back(pending);
    return pending;
}

MaybeFailure ActionRunner::Queue(const Action& action) {
    platform::sim::DesktopDriver& driver = sheet_.Driver();
    if (action.verb == Verb::kAnswerMessage) {
        const auto button = std::ranges::find_if(kMessageButtons, [&](const ButtonName& b) {
            return text::EqualsNoCase(text::Utf8ToUtf16(b.name), text::Utf8ToUtf16(action.text));
        });
        if (button == std::end(kMessageButtons)) {
            return Failure{kExitUsage, "malformed action `" + action.source +
                                           "`: a message box has no button \"" + action.text +
                                           "\""};
        }
        driver.OnNextMessage([pending = Pending(action), id = button->id](const auto&) {
            pending->used = !pending->stale;
            return pending->stale ? 0 : id;
        });
    } else if (action.verb == Verb::kAnswerFile) {
        platform::FileDialogResult result;
        if (!action.text.empty()) {
            std::error_code error;
            const std::filesystem::path path = std::filesystem::absolute(action.text, error);
            if (error) {
                return Failure{kExitUsage, "`" + action.source + "`: " + action.text +
                                               " is relative to a working directory that is "
                                               "gone; give an absolute path"};
            }
            result.chosen = true;
            result.path = text::Utf8ToUtf16(path.string());
            result.filterIndex = action.number;
        }
        driver.OnNextFileDialog([pending = Pending(action), result](const auto&) {
            pending->used = !pending->stale;
            return pending->stale ? platform::FileDialogResult{} : result;
        });
    } else {
        driver.OnNextMenu([this, pending = Pending(action),
                           item = action.text](const resources::MenuTemplate& menu) {
            pending->used = !pending->stale;
            if (pending->stale || item.empty())
                return 0;
            const auto textAt = [&](int i) { return std::u16string(menu.items[i].text); };
            const int count = static_cast<int>(menu.items.size());
            const int index = FindEntry(item, count, textAt);
            if (index < 0 && !blockFailure_) {
                blockFailure_ =
                    Failure{kExitRefused, "`" + pending->source + "`: the menu's items are " +
                                              Entries(count, textAt)};
            }
            return index < 0 ? 0 : menu.items[index].command;
        });
    }
    return std::nullopt;
}

MaybeFailure ActionRunner::QueueDialog(const Action& action) {
    sheet_.Driver().OnNextDialog(
        [this, pending = Pending(action), block = action.block](Window dialog) {
            pending->used = !pending->stale;
            if (pending->stale)
                return;
            MaybeFailure failed = RunBlock(block, dialog);
            if (failed && !blockFailure_)
                blockFailure_ = failed;
        });
    return std::nullopt;
}

MaybeFailure ActionRunner::SettleAnswers() {
    MaybeFailure failed;
    for (const std::shared_ptr<PendingAnswer>& answer : pending_.back()) {
        answer->stale = true;
        if (!answer->used && !failed) {
            failed = Failure{kExitRefused,
                             "`" + answer->source + "` was not used: nothing of that kind opened"};
        }
    }
    pending_.back().clear();
    return failed;
}

void ActionRunner::PrintNewMessages() {
    const std::vector<platform::sim::MessageRecord>& messages = sheet_.Desktop().Messages();
    for (; messagesShown_ < messages.size(); ++messagesShown_) {
        const platform::sim::MessageRecord& message = messages[messagesShown_];
        const auto button = std::ranges::find(kMessageButtons, message.answer, &ButtonName::id);
        out_ << "message box " << Quoted(message.caption) << ": " << Quoted(message.text) << " -> "
             << (button != std::end(kMessageButtons) ? button->name : "?") << "\n";
    }
}

}  // namespace orca::host
