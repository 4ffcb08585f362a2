// SPDX-License-Identifier: Apache-2.0
// The headless desktop: the window-system port over windows kept in memory.
// Dialogs and pages are built from their templates; property sheets hold
// host tabs and plug-in pages with an Apply button; modal dialogs, message
// boxes, file dialogs and menus are answered by responders that a test or
// host queues before the action (see desktop_driver.h). Single-threaded, as
// the window system's callers are.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/sim/desktop_window.h"
#include "platform/window_system.h"

namespace orca::platform::sim {

// A message box as it was shown, and the button that answered it.
struct MessageRecord {
    Window owner = nullptr;
    std::u16string text;
    std::u16string caption;
    uint32_t type = 0;
    int answer = 0;
};

using DialogResponder = std::function<void(Window dialog)>;
using MessageResponder = std::function<int(const MessageRecord& message)>;
using FileResponder = std::function<FileDialogResult(const FileDialogRequest& request)>;
using MenuResponder = std::function<int(const resources::MenuTemplate& menu)>;

class Desktop final : public WindowSystem {
public:
    Desktop();
    ~Desktop() override;
    Desktop(const Desktop&) = delete;
    Desktop& operator=(const Desktop&) = delete;

    // The host's side of property sheets. A sheet starts with the host's own
    // tabs (empty pages); the host then adds the plug-in's pages and opens it.
    // A sheet of another process is seen by this process's page code only as
    // a top-level window.
    Window CreateSheet(std::u16string_view caption, const std::vector<std::u16string>& hostTabs,
                       bool inCurrentProcess = true);
    // What the host's add-page function does with a page handle (code 0).
    bool AddPage(Window sheet, PageHandle page);
    // What it does with a page description (code 1): the sheet makes its own
    // page from a copy; false for anything but a description of this desktop.
    bool AddPageCopy(Window sheet, const void* description);
    // Shows the sheet with that tab in front.
    bool OpenSheet(Window sheet, int tab = 0);
    // The window of the sheet's current page, or null.
    Window CurrentPage(Window sheet) const;
    // The page window of a tab, made when first shown; null before.
    Window PageWindow(Window sheet, int tab) const;

    // Message boxes shown so far, oldest first; the shell's opened targets.
    const std::vector<MessageRecord>& Messages() const { return messages_; }
    const std::vector<std::u16string>& ShellOpened() const { return shellOpened_; }

    // A window as a person reads it: caption, tabs, then each control in
    // window order with its text, value, items and state. UTF-8.
    std::string Render(Window window) const;
    // An up-down control's range as its arrows reach it: low and high.
    std::pair<int, int> SpinRange(Window spin) const;
    // The most characters an edit field takes.
    int TextLimit(Window edit) const;
    // The dialog template a sheet's tab was made from, or 0 for a host tab.
    int PageTemplate(Window sheet, int tab) const;

    // WindowSystem.
    PageHandle CreatePage(const resources::DialogTemplate& dialog, std::u16string_view title,
                          WindowHandler& handler) override;
    const void* PageDescription(PageHandle page) override;
    void DestroyPage(PageHandle page) override;
    int RunModal(const resources::DialogTemplate& dialog, Window owner,
                 WindowHandler& handler) override;
    void EndModal(Window dialog, int result) override;
    Window CreateChildDialog(const resources::DialogTemplate& dialog, Window parent,
                             WindowHandler& handler) override;
    void Destroy(Window window) override;

    bool Exists(Window window) override;
    Window Parent(Window window) override;
    std::vector<Window> Children(Window parent) override;
    Window Child(Window parent, int controlId) override;
    std::vector<Window> TopLevelWindows() override;
    bool InCurrentProcess(Window window) override;
    int ControlId(Window window) override;
    std::u16string ClassName(Window window) override;
    uint32_t Style(Window window) override;

    std::u16string Text(Window window) override;
    void SetText(Window window, std::u16string_view text) override;
    bool IsEnabled(Window window) override;
    void Enable(Window window, bool enabled) override;
    bool IsVisible(Window window) override;
    void Show(Window window, bool visible) override;
    Rect WindowRect(Window window) override;
    Rect ClientRect(Window window) override;
    Point ClientOrigin(Window window) override;
    void Move(Window window, const Rect& place) override;
    void PlaceAfter(Window window, Window previous) override;
    Window Focus() override { return focus_; }
    void SetFocus(Window window) override;
    Font GetFont(Window window) override;
    void SetFont(Window window, const Font& font) override;
    int TextWidth(Window window) override;
    Cursor CurrentCursor() override { return cursor_; }
    void SetCursor(Cursor cursor) override { cursor_ = cursor; }

    bool IsChecked(Window button) override;
    void SetChecked(Window button, bool checked) override;

    void ClearItems(Window list) override;
    int AddItem(Window list, std::u16string_view text) override;
    int ItemCount(Window list) override;
    std::u16string ItemText(Window list, int index) override;
    intptr_t ItemData(Window list, int index) override;
    void SetItemData(Window list, int index, intptr_t data) override;
    int Selection(Window list) override;
    void Select(Window list, int index) override;

    void LimitText(Window edit, int maxChars) override;
    TextSelection GetTextSelection(Window edit) override;
    void SetTextSelection(Window edit, TextSelection selection) override;

    void SetSpinRange(Window spin, int low, int high) override;
    SpinPosition GetSpinPosition(Window spin) override;
    void SetSpinPosition(Window spin, int value) override;

    int TabCount(Window tabs) override;
    std::u16string TabText(Window tabs, int index) override;
    void SetTabText(Window tabs, int index, std::u16string_view text) override;

    void SetPageChanged(Window page, bool changed) override;
    int PageIndex(Window sheet, PageHandle page) override;
    void SendShownNotice(Window window) override;

    int ShowMessage(Window owner, std::u16string_view text, std::u16string_view caption,
                    uint32_t type) override;
    FileDialogResult ChooseFile(const FileDialogRequest& request) override;
    int PopupMenu(const resources::MenuTemplate& menu, Window owner, Point at) override;
    bool OpenWithShell(std::u16string_view target) override;

private:
    friend class DesktopDriver;

    struct PageRecord {
        const resources::DialogTemplate* dialog;
        std::u16string title;
        WindowHandler* handler;
    };

    DesktopWindow* Find(Window window);
    const DesktopWindow* Find(Window window) const;
    DesktopWindow& NewWindow(Window parent, std::u16string_view className, int id, uint32_t style);
    // Where the newest top-level window opens, cascaded from the screen's corner.
    int CascadeOffset() const;
    // Builds a dialog window and its controls from a template.
    Window BuildDialog(const resources::DialogTemplate& dialog, Window parent, uint32_t style,
                       WindowHandler* handler);
    void DestroyTree(Window window);
    // Calls the handler of a window, if it still has one.
    template <typename Call>
    void Tell(Window window, Call call);
    // Sends a control's notice to the dialog that holds it.
    void Notify(Window control, Notification code);
    // Escape in a dialog: it hears its IDCANCEL button clicked, whether the
    // dialog has that button or not.
    void HearEscape(Window dialog);
    // Whether a control of that class reports focus changes.
    bool ReportsFocus(const DesktopWindow& control) const;
    void SetEditText(Window edit, std::u16string text, TextSelection selection);
    // Sheets.
    Window MakePageWindow(Window sheet, int tab);
    bool ActivateTab(Window sheet, int tab);
    bool ApplySheet(Window sheet);
    void CloseSheet(Window sheet);
    void UpdateApply(Window sheet);
    // Renders one window's controls, indented.
    void RenderControls(const DesktopWindow& window, int depth, std::string* out) const;

    std::map<uintptr_t, std::unique_ptr<DesktopWindow>> windows_;
    std::vector<Window> topLevel_;  // in creation order
    std::map<uintptr_t, PageRecord> pages_;
    uintptr_t nextHandle_ = 0x1000;
    Window focus_ = nullptr;
    Cursor cursor_ = Cursor::kArrow;
    std::vector<MessageRecord> messages_;
    std::vector<std::u16string> shellOpened_;
    std::deque<DialogResponder> dialogResponders_;
    std::deque<MessageResponder> messageResponders_;
    std::deque<FileResponder> fileResponders_;
    std::deque<MenuResponder> menuResponders_;
};

class Environment;

// Gives the environment a fresh desktop as its window system.
std::shared_ptr<Desktop> AttachDesktop(Environment& environment);

template <typename Call>
void Desktop::Tell(Window window, Call call) {
    DesktopWindow* target = Find(window);
    if (target != nullptr && target->handler != nullptr) {
        call(*target->handler);
    }
}

}  // namespace orca::platform::sim
