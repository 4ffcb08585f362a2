// SPDX-License-Identifier: Apache-2.0
// Meeting the windows an action opens, as a person does: while the action's
// own message loop runs (a modal dialog's, a message box's, a menu's), a
// timer of the thread looks for each expected window in turn, the foremost
// enabled window of the thread of its class, and answers it. A window that
// does not come within the time limit fails the watch, and whatever the
// thread shows then is closed, so the action returns instead of hanging.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "native_window.h"

namespace orca::wintest {

class WindowWatch {
public:
    using Answer = std::function<void(NativeWindow window)>;

    // Expects a window of className next, and answers it.
    WindowWatch& Then(std::string what, std::u16string className, Answer answer);
    // Runs the action; true when each expected window came and was answered
    // and the action ended within the time limit. The limit only ends an
    // action that would hang: a window that never shows fails as soon as the
    // action returns.
    bool Run(const std::function<void()>& action, int timeLimitMs = 15000);

private:
    struct Step {
        std::string what;
        std::u16string className;
        Answer answer;
    };
    friend struct WatchTimer;

    std::vector<Step> steps_;
    size_t next_ = 0;
    unsigned long long deadline_ = 0;
    bool timedOut_ = false;
    std::vector<NativeWindow> before_;  // the thread's windows when the action started
};

}  // namespace orca::wintest
