// SPDX-License-Identifier: Apache-2.0
#include "window_watch.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

namespace orca::wintest {

namespace {

HWND Handle(NativeWindow window) {
    return static_cast<HWND>(window);
}

std::vector<NativeWindow> ThreadWindows() {
    std::vector<NativeWindow> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<NativeWindow>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The foremost window of the thread a person can use that the action opened,
// of className ("" for any).
HWND Foremost(const std::vector<NativeWindow>& before, std::u16string_view className) {
    for (NativeWindow window : ThreadWindows()) {
        const HWND handle = Handle(window);
        if (std::ranges::find(before, window) == before.end() && IsWindowVisible(handle) &&
            IsWindowEnabled(handle) && (className.empty() || ClassName(handle) == className))
            return handle;
    }
    return nullptr;
}

void Dismiss(HWND window) {
    if (ClassName(window) == kMenuClass)
        EndMenu();
    else
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

}  // namespace

// The watch the thread's timer serves; one runs at a time.
struct WatchTimer {
    static inline WindowWatch* active = nullptr;

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        WindowWatch& watch = *active;
        if (watch.timedOut_ || GetTickCount64() > watch.deadline_) {
            watch.timedOut_ = true;
            if (HWND open = Foremost(watch.before_, {}))
                Dismiss(open);
            return;
        }
        if (watch.next_ == watch.steps_.size())
            return;
        const WindowWatch::Step& step = watch.steps_[watch.next_];
        if (HWND found = Foremost(watch.before_, step.className)) {
            // Taken before it is answered: the answer may open the next window,
            // which this timer meets inside that window's loop.
            ++watch.next_;
            step.answer(found);
        }
    }
};

WindowWatch& WindowWatch::Then(std::string what, std::u16string className, Answer answer) {
    steps_.push_back({std::move(what), std::move(className), std::move(answer)});
    return *this;
}

bool WindowWatch::Run(const std::function<void()>& action, int timeLimitMs) {
    before_ = ThreadWindows();
    next_ = 0;
    timedOut_ = false;
    deadline_ = GetTickCount64() + static_cast<unsigned>(timeLimitMs);
    WatchTimer::active = this;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, WatchTimer::Tick);
    action();
    KillTimer(nullptr, timer);
    WatchTimer::active = nullptr;
    for (size_t i = next_; i < steps_.size(); ++i)
        ADD_FAILURE() << steps_[i].what << " did not show";
    if (timedOut_)
        ADD_FAILURE() << "the action ran past " << timeLimitMs << " ms; its windows were closed";
    return next_ == steps_.size() && !timedOut_;
}

}  // namespace orca::wintest
