// SPDX-License-Identifier: Apache-2.0
#include "sheet_window.h"

#include <windows.h>
// commctrl.h and prsht.h need windows.h first.
#include <commctrl.h>
#include <prsht.h>
// compstui.h needs prsht.h first.
#include <compstui.h>

#include <algorithm>
#include <array>
#include <vector>

namespace orca::wintest {

namespace {

HWND Handle(void* window) {
    return static_cast<HWND>(window);
}

// Lets the sheet and its pages handle what is queued for them.
void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

std::vector<void*> ThreadWindows() {
    std::vector<void*> windows;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) {
            reinterpret_cast<std::vector<void*>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The test's thread (not yet a fiber) as a fiber, made once.
void* ThreadFiber() {
    static void* const fiber = ConvertThreadToFiber(nullptr);
    return fiber;
}

}  // namespace

// The driver UI's sheet functions, and the fiber that runs the sheet.
struct DriverSheetUI {
    static inline ShownSheet* running = nullptr;

    // The plug-in's pages: each reason goes to its sheet hook.
    static LONG CALLBACK PluginPages(PPROPSHEETUI_INFO info, LPARAM lParam) {
        if (info->Reason == PROPSHEETUI_REASON_INIT)
            info->UserData = info->lParamInit;
        auto* self = reinterpret_cast<ShownSheet*>(info->UserData);
        return self->sheetHook_(self->hooks_, info, lParam);
    }

    // The driver UI's own sheet function: it adds the plug-in's and names
    // the sheet.
    static LONG CALLBACK DriverPages(PPROPSHEETUI_INFO info, LPARAM lParam) {
        if (info->Reason == PROPSHEETUI_REASON_INIT) {
            info->UserData = info->lParamInit;
            return info->pfnComPropSheet(info->hComPropSheet, CPSFUNC_ADD_PFNPROPSHEETUIW,
                                         reinterpret_cast<LPARAM>(&PluginPages),
                                         info->lParamInit) != 0
                       ? 1
                       : -1;
        }
        if (info->Reason == PROPSHEETUI_REASON_GET_INFO_HEADER) {
            auto* self = reinterpret_cast<ShownSheet*>(info->UserData);
            auto* header = reinterpret_cast<PPROPSHEETUI_INFO_HEADER>(lParam);
            header->pTitle = reinterpret_cast<LPTSTR>(self->caption_.data());
        }
        return 1;
    }

    // Once the sheet shows, the test's fiber carries on.
    static void CALLBACK SheetShown(HWND, UINT, UINT_PTR timer, DWORD) {
        ShownSheet& self = *running;
        for (void* window : ThreadWindows()) {
            const HWND handle = Handle(window);
            if (std::ranges::find(self.windowsBefore_, window) != self.windowsBefore_.end() ||
                !IsWindowVisible(handle) || SendMessageW(handle, PSM_GETTABCONTROL, 0, 0) == 0)
                continue;
            KillTimer(nullptr, timer);
            self.sheet_ = window;
            SwitchToFiber(ThreadFiber());
            return;
        }
    }

    static void CALLBACK RunSheet(void* shown) {
        auto& self = *static_cast<ShownSheet*>(shown);
        running = &self;
        const UINT_PTR timer = SetTimer(nullptr, 0, 10, SheetShown);
        DWORD result = 0;
        CommonPropertySheetUIW(nullptr, DriverPages, reinterpret_cast<LPARAM>(&self), &result);
        KillTimer(nullptr, timer);
        running = nullptr;
        self.ended_ = true;
        SwitchToFiber(ThreadFiber());
    }
};

ShownSheet::ShownSheet(SheetHook sheetHook, void* hooks, std::u16string_view caption)
    : sheetHook_(sheetHook), hooks_(hooks), caption_(caption.begin(), caption.end()) {
    windowsBefore_ = ThreadWindows();
    ThreadFiber();
    fiber_ = CreateFiber(0, DriverSheetUI::RunSheet, this);
    SwitchToFiber(fiber_);
    if (sheet_ != nullptr)
        Pump();
}

ShownSheet::~ShownSheet() {
    if (!ended_ && sheet_ != nullptr) {
        PostMessageW(Handle(sheet_), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        SwitchToFiber(fiber_);
    }
    if (ended_)
        DeleteFiber(fiber_);
}

int ShownSheet::PageCount() const {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(Handle(sheet_), PSM_GETTABCONTROL, 0, 0));
    return static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
}

std::u16string ShownSheet::TabText(int index) const {
    HWND tabs = reinterpret_cast<HWND>(SendMessageW(Handle(sheet_), PSM_GETTABCONTROL, 0, 0));
    std::array<wchar_t, 128> text{};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    item.cchTextMax = static_cast<int>(text.size());
    SendMessageW(tabs, TCM_GETITEMW, index, reinterpret_cast<LPARAM>(&item));
    return {item.pszText, item.pszText + wcslen(item.pszText)};
}

bool ShownSheet::SelectPage(int index) {
    const bool selected = SendMessageW(Handle(sheet_), PSM_SETCURSEL, index, 0) != FALSE;
    Pump();
    return selected;
}

NativeWindow ShownSheet::FrontPage() const {
    return reinterpret_cast<void*>(SendMessageW(Handle(sheet_), PSM_GETCURRENTPAGEHWND, 0, 0));
}

std::vector<ControlState> ShownSheet::FrontPageControls() const {
    return Controls(FrontPage());
}

bool ShownSheet::ChooseItem(int controlId, std::u16string_view item) {
    const bool chosen = Choose(FrontPage(), controlId, item);
    Pump();
    return chosen;
}

bool ShownSheet::TypeText(int controlId, std::u16string_view text) {
    const bool typed = Type(FrontPage(), controlId, text);
    Pump();
    return typed;
}

bool ShownSheet::Apply() {
    const bool applied = SendMessageW(Handle(sheet_), PSM_APPLY, 0, 0) != FALSE;
    Pump();
    return applied;
}

bool ShownSheet::ApplyEnabled() const {
    return IsWindowEnabled(GetDlgItem(Handle(sheet_), 0x3021)) != FALSE;  // the Apply button
}

bool ShownSheet::Enabled() const {
    return IsWindowEnabled(Handle(sheet_)) != FALSE;
}

bool ShownSheet::SaveScreenshot(const std::u16string& path) const {
    Pump();
    return orca::wintest::SaveScreenshot(sheet_, path);
}

}  // namespace orca::wintest
