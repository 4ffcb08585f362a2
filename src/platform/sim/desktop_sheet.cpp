// SPDX-License-Identifier: Apache-2.0
// The headless desktop's property sheets: a caption, a tab control, OK,
// Cancel and Apply, and one page window per tab, made when first shown.
#include "platform/sim/desktop.h"
#include "resources/window_styles.h"

namespace orca::platform::sim {

namespace {

// Sheet layout in pixels: pages sit below the tabs.
constexpr Rect kSheetClient{0, 0, 414, 452};
constexpr Point kPageOrigin{7, 29};

struct SheetButton {
    int id;
    std::u16string_view text;
    uint32_t style;
    Rect place;
};

constexpr uint32_t kButtonStyle =
    resources::WS_CHILD | resources::WS_VISIBLE | resources::WS_TABSTOP;
constexpr SheetButton kSheetButtons[] = {
    {resources::IDOK, u"OK", kButtonStyle | resources::BS_DEFPUSHBUTTON, {168, 420, 243, 443}},
    {resources::IDCANCEL, u"Cancel", kButtonStyle, {250, 420, 325, 443}},
    {resources::kSheetApplyId,
     u"Apply",
     kButtonStyle | resources::WS_DISABLED,
     {332, 420, 407, 443}},
};

}  // namespace

Window Desktop::CreateSheet(std::u16string_view caption,
                            const std::vector<std::u16string>& hostTabs, bool inCurrentProcess) {
    DesktopWindow& sheet =
        NewWindow(nullptr, resources::kClassDialog, 0, resources::WS_POPUP | resources::WS_CAPTION);
    int at = CascadeOffset();
    sheet.text = caption;
    sheet.framed = true;
    sheet.inCurrentProcess = inCurrentProcess;
    sheet.place = {at, at, at + kSheetClient.right + 2 * kFrameWidth,
                   at + kSheetClient.bottom + 2 * kFrameWidth + kCaptionHeight};
    sheet.sheet = std::make_unique<SheetState>();

    DesktopWindow& tabs = NewWindow(sheet.handle, resources::kClassTabControl,
                                    resources::kSheetTabControlId, kButtonStyle);
    tabs.place = {4, 4, kSheetClient.right - 4, 412};
    tabs.tabs = hostTabs;
    sheet.sheet->tabControl = tabs.handle;
    sheet.sheet->tabs.resize(hostTabs.size());
    for (const SheetButton& layout : kSheetButtons) {
        DesktopWindow& button =
            NewWindow(sheet.handle, resources::kClassButton, layout.id, layout.style);
        button.text = layout.text;
        button.place = layout.place;
        if (layout.id == resources::kSheetApplyId) {
            sheet.sheet->applyButton = button.handle;
        }
    }
    return sheet.handle;
}

bool Desktop::AddPage(Window sheet, PageHandle page) {
    DesktopWindow* window = Find(sheet);
    auto record = pages_.find(reinterpret_cast<uintptr_t>(page));
    if (window == nullptr || !window->sheet || record == pages_.end()) {
        return false;
    }
    const PageRecord& made = record->second;
    window->sheet->tabs.push_back({page, made.dialog, made.handler, nullptr, false});
    Find(window->sheet->tabControl)->tabs.push_back(made.title);
    return true;
}

bool Desktop::AddPageCopy(Window sheet, const void* description) {
    for (const auto& [key, record] : pages_) {
        if (&record == description) {
            return AddPage(sheet, reinterpret_cast<PageHandle>(key));
        }
    }
    return false;
}

bool Desktop::OpenSheet(Window sheet, int tab) {
    DesktopWindow* window = Find(sheet);
    if (window == nullptr || !window->sheet) {
        return false;
    }
    window->visible = true;
    return ActivateTab(sheet, tab);
}

Window Desktop::PageWindow(Window sheet, int tab) const {
    const DesktopWindow* window = Find(sheet);
    if (window == nullptr || !window->sheet || tab < 0 ||
        tab >= static_cast<int>(window->sheet->tabs.size())) {
        return nullptr;
    }
    return window->sheet->tabs[tab].window;
}

int Desktop::PageTemplate(Window sheet, int tab) const {
    const DesktopWindow* window = Find(sheet);
    if (window == nullptr || !window->sheet || tab < 0 ||
        tab >= static_cast<int>(window->sheet->tabs.size())) {
        return 0;
    }
    const resources::DialogTemplate* dialog = window->sheet->tabs[tab].dialog;
    return dialog != nullptr ? dialog->id : 0;
}

Window Desktop::CurrentPage(Window sheet) const {
    const DesktopWindow* window = Find(sheet);
    return window == nullptr || !window->sheet ? nullptr
                                               : PageWindow(sheet, window->sheet->current);
}

Window Desktop::MakePageWindow(Window sheet, int tab) {
    if (Window made = PageWindow(sheet, tab)) {
        return made;
    }
    SheetTab wanted = Find(sheet)->sheet->tabs[tab];
    uint32_t style = resources::WS_CHILD | resources::DS_CONTROL;
    Window made = wanted.dialog != nullptr
                      ? BuildDialog(*wanted.dialog, sheet, style, wanted.handler)
                      : NewWindow(sheet, resources::kClassDialog, 0, style).handle;
    // Pages stand right after the tab control, ahead of the sheet's buttons.
    std::vector<Window>& order = Find(sheet)->children;
    std::erase(order, made);
    order.insert(order.begin() + 1, made);
    DesktopWindow* page = Find(made);
    page->place = {kPageOrigin.x, kPageOrigin.y, kPageOrigin.x + page->place.Width(),
                   kPageOrigin.y + page->place.Height()};
    Find(sheet)->sheet->tabs[tab].window = made;
    Tell(made, [&](WindowHandler& handler) { handler.OnInit(made); });
    return made;
}

bool Desktop::ActivateTab(Window sheet, int tab) {
    const DesktopWindow* window = Find(sheet);
    if (window == nullptr || !window->sheet || tab < 0 ||
        tab >= static_cast<int>(window->sheet->tabs.size())) {
        return false;
    }
    if (tab == window->sheet->current && CurrentPage(sheet) != nullptr) {
        return true;
    }
    // Clicking a tab takes the focus from the field being edited.
    SetFocus(window->sheet->tabControl);
    Window old = CurrentPage(sheet);
    Tell(old, [&](WindowHandler& handler) { handler.OnActivate(old, false); });
    if (Find(sheet) == nullptr) {
        return false;
    }
    Window page = MakePageWindow(sheet, tab);
    if (Find(sheet) == nullptr) {
        return false;
    }
    SheetState& state = *Find(sheet)->sheet;
    state.current = tab;
    Find(state.tabControl)->currentTab = tab;
    Tell(page, [&](WindowHandler& handler) { handler.OnActivate(page, true); });
    Show(page, true);
    if (old != page) {
        Show(old, false);
    }
    return true;
}

bool Desktop::ApplySheet(Window sheet) {
    for (size_t tab = 0;; ++tab) {
        const DesktopWindow* window = Find(sheet);
        if (window == nullptr || tab >= window->sheet->tabs.size()) {
            break;
        }
        Window page = window->sheet->tabs[tab].window;
        bool accepted = true;
        Tell(page, [&](WindowHandler& handler) { accepted = handler.OnApply(page); });
        if (!accepted) {
            return false;
        }
    }
    if (DesktopWindow* window = Find(sheet)) {
        for (SheetTab& tab : window->sheet->tabs) {
            tab.changed = false;
        }
        UpdateApply(sheet);
    }
    return true;
}

void Desktop::CloseSheet(Window sheet) {
    DestroyTree(sheet);
}

void Desktop::UpdateApply(Window sheet) {
    const SheetState& state = *Find(sheet)->sheet;
    bool anyChanged = false;
    for (const SheetTab& tab : state.tabs) {
        anyChanged = anyChanged || tab.changed;
    }
    Enable(state.applyButton, anyChanged);
}

void Desktop::SetPageChanged(Window page, bool changed) {
    const DesktopWindow* window = Find(page);
    DesktopWindow* sheet = window == nullptr ? nullptr : Find(window->parent);
    if (sheet == nullptr || !sheet->sheet) {
        return;
    }
    for (SheetTab& tab : sheet->sheet->tabs) {
        if (tab.window == page) {
            tab.changed = changed;
        }
    }
    UpdateApply(sheet->handle);
}

int Desktop::PageIndex(Window sheet, PageHandle page) {
    const DesktopWindow* window = Find(sheet);
    if (window == nullptr || !window->sheet || page == nullptr) {
        return -1;
    }
    const std::vector<SheetTab>& tabs = window->sheet->tabs;
    for (size_t tab = 0; tab < tabs.size(); ++tab) {
        if (tabs[tab].source == page) {
            return static_cast<int>(tab);
        }
    }
    return -1;
}

void Desktop::SendShownNotice(Window window) {
    Tell(window, [&](WindowHandler& handler) { handler.OnShown(window, true); });
}

}  // namespace orca::platform::sim
