// SPDX-License-Identifier: Apache-2.0
// The headless desktop's common dialogs: message boxes, file dialogs, pop-up
// menus and the shell, each answered by the next queued responder or, with
// none queued, as a person who just presses Enter or Escape.
#include <algorithm>
#include <array>
#include <optional>
#include <utility>

#include "platform/sim/desktop.h"
#include "resources/window_styles.h"

namespace orca::platform::sim {

namespace {

// The buttons of each message-box kind; the first is the default one.
struct MessageButtons {
    uint32_t kind;
    std::array<int, 3> buttons;
};

constexpr MessageButtons kMessageButtons[] = {
    {resources::MB_OK, {resources::IDOK}},
    {resources::MB_OKCANCEL, {resources::IDOK, resources::IDCANCEL}},
    {resources::MB_ABORTRETRYIGNORE, {resources::IDABORT, resources::IDRETRY, resources::IDIGNORE}},
    {resources::MB_YESNOCANCEL, {resources::IDYES, resources::IDNO, resources::IDCANCEL}},
    {resources::MB_YESNO, {resources::IDYES, resources::IDNO}},
    {resources::MB_RETRYCANCEL, {resources::IDRETRY, resources::IDCANCEL}},
};

const std::array<int, 3>& ButtonsOf(uint32_t type) {
    for (const MessageButtons& entry : kMessageButtons) {
        if (entry.kind == (type & resources::MB_TYPEMASK)) {
            return entry.buttons;
        }
    }
    return kMessageButtons[0].buttons;
}

template <typename Responder>
std::optional<Responder> Next(std::deque<Responder>& queue) {
    if (queue.empty()) {
        return std::nullopt;
    }
    Responder next = std::move(queue.front());
    queue.pop_front();
    return next;
}

}  // namespace

int Desktop::ShowMessage(Window owner, std::u16string_view text, std::u16string_view caption,
                         uint32_t type) {
    MessageRecord message{owner, std::u16string(text), std::u16string(caption), type, 0};
    const std::array<int, 3>& buttons = ButtonsOf(type);
    int answer = buttons[0];
    if (auto respond = Next(messageResponders_)) {
        int chosen = (*respond)(message);
        // Only a button the box has can be pressed.
        if (chosen != 0 && std::ranges::find(buttons, chosen) != buttons.end()) {
            answer = chosen;
        }
    }
    message.answer = answer;
    messages_.push_back(std::move(message));
    return answer;
}

FileDialogResult Desktop::ChooseFile(const FileDialogRequest& request) {
    FileDialogResult result;
    if (auto respond = Next(fileResponders_)) {
        result = (*respond)(request);
    }
    // A path that does not fit the caller's buffer fails the dialog.
    if (!result.chosen || result.path.empty() || result.path.size() >= request.bufferChars) {
        return {};
    }
    int filters = static_cast<int>(request.filters.size());
    if (result.filterIndex < 1 || result.filterIndex > filters) {
        result.filterIndex = request.filterIndex;
    }
    return result;
}

int Desktop::PopupMenu(const resources::MenuTemplate& menu, Window owner, Point at) {
    (void)owner;
    (void)at;
    auto respond = Next(menuResponders_);
    if (!respond) {
        return 0;
    }
    int chosen = (*respond)(menu);
    bool offered = std::ranges::any_of(
        menu.items,
        [chosen](const resources::MenuItemTemplate& item) { return item.command == chosen; });
    return offered ? chosen : 0;
}

bool Desktop::OpenWithShell(std::u16string_view target) {
    if (target.empty()) {
        return false;
    }
    shellOpened_.emplace_back(target);
    return true;
}

}  // namespace orca::platform::sim
