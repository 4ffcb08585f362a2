// SPDX-License-Identifier: Apache-2.0
// The headless desktop's dialogs: windows built from templates, modal
// dialogs, child dialogs, and the end of windows.
#include <utility>

#include "platform/sim/desktop.h"
#include "resources/bitmaps.h"
#include "resources/window_styles.h"

namespace orca::platform::sim {

namespace {

// Dialog units to pixels for the dialog font (8-point "MS Shell Dlg": a
// character cell of 6 by 13 pixels, four and eight units to it).
Rect ToPixels(int x, int y, int cx, int cy) {
    auto px = [](int units) { return units * 6 / 4; };
    auto py = [](int units) { return units * 13 / 8; };
    return {px(x), py(y), px(x + cx), py(y + cy)};
}

// A picture shows the bitmap its text names at the largest whole scale that
// fits its box, centred there, and takes the bitmap's size.
Rect PicturePlace(const resources::ControlTemplate& control, const Rect& box) {
    const resources::BitmapResource* bitmap = resources::NamedBitmap(control.text);
    if (bitmap == nullptr || (control.style & resources::SS_TYPEMASK) != resources::SS_BITMAP)
        return box;
    const resources::PicturePlace place =
        resources::PlaceInBox(*bitmap, box.left, box.top, box.Width(), box.Height());
    return {place.left, place.top, place.left + place.width, place.top + place.height};
}

}  // namespace

Window Desktop::BuildDialog(const resources::DialogTemplate& dialog, Window parent, uint32_t style,
                            WindowHandler* handler) {
    DesktopWindow& made = NewWindow(parent, resources::kClassDialog, 0, style);
    made.text = dialog.caption;
    made.handler = handler;
    made.place = ToPixels(0, 0, dialog.cx, dialog.cy);
    if (parent == nullptr) {
        int at = CascadeOffset();
        made.framed = true;
        made.place = {at, at, at + made.place.right + 2 * kFrameWidth,
                      at + made.place.bottom + 2 * kFrameWidth + kCaptionHeight};
    }
    Window previous = nullptr;
    for (const resources::ControlTemplate& control : dialog.controls) {
        DesktopWindow& child = NewWindow(made.handle, control.className, control.id,
                                         control.style | resources::WS_CHILD);
        child.text = control.text;
        child.place = ToPixels(control.x, control.y, control.cx, control.cy);
        if (control.className == resources::kClassStatic)
            child.place = PicturePlace(control, child.place);
        if (control.className == resources::kClassUpDown &&
            (control.style & resources::UDS_AUTOBUDDY) != 0) {
            child.buddy = previous;
        }
        previous = child.handle;
    }
    return made.handle;
}

PageHandle Desktop::CreatePage(const resources::DialogTemplate& dialog, std::u16string_view title,
                               WindowHandler& handler) {
    uintptr_t key = nextHandle_ += 0x10;
    pages_[key] = PageRecord{&dialog, std::u16string(title), &handler};
    return reinterpret_cast<PageHandle>(key);
}

// The page's record stands for its description: the desktop's sheets copy
// what it holds.
const void* Desktop::PageDescription(PageHandle page) {
    const auto found = pages_.find(reinterpret_cast<uintptr_t>(page));
    return found != pages_.end() ? &found->second : nullptr;
}

void Desktop::DestroyPage(PageHandle page) {
    if (pages_.erase(reinterpret_cast<uintptr_t>(page)) == 0) {
        return;
    }
    // Tabs made from the page stop reaching its handler.
    for (auto& [key, window] : windows_) {
        if (!window->sheet) {
            continue;
        }
        for (SheetTab& tab : window->sheet->tabs) {
            if (tab.source != page) {
                continue;
            }
            tab.handler = nullptr;
            if (DesktopWindow* made = Find(tab.window)) {
                made->handler = nullptr;
            }
        }
    }
}

int Desktop::RunModal(const resources::DialogTemplate& dialog, Window owner,
                      WindowHandler& handler) {
    (void)owner;  // the owner stays as it is; responders act on the dialog only
    Window previousFocus = focus_;
    Window made = BuildDialog(
        dialog, nullptr, resources::WS_POPUP | resources::WS_CAPTION | resources::DS_MODALFRAME,
        &handler);
    Find(made)->modal = true;
    auto open = [&] {
        const DesktopWindow* window = Find(made);
        return window != nullptr && !window->ended;
    };
    handler.OnInit(made);
    if (open()) {
        Show(made, true);
    }
    if (open() && !dialogResponders_.empty()) {
        DialogResponder respond = std::move(dialogResponders_.front());
        dialogResponders_.pop_front();
        respond(made);
    }
    if (open()) {
        // Nobody closed it: the person presses Escape.
        HearEscape(made);
    }
    const DesktopWindow* window = Find(made);
    int result = window != nullptr && window->ended ? window->result : resources::IDCANCEL;
    DestroyTree(made);
    if (Find(previousFocus) != nullptr) {
        focus_ = previousFocus;
    }
    return result;
}

void Desktop::HearEscape(Window dialog) {
    Tell(dialog, [&](WindowHandler& target) {
        target.OnNotify(dialog, Child(dialog, resources::IDCANCEL), resources::IDCANCEL,
                        Notification::kClicked);
    });
}

void Desktop::EndModal(Window dialog, int result) {
    DesktopWindow* window = Find(dialog);
    if (window != nullptr && window->modal && !window->ended) {
        window->ended = true;
        window->result = result;
    }
}

Window Desktop::CreateChildDialog(const resources::DialogTemplate& dialog, Window parent,
                                  WindowHandler& handler) {
    if (Find(parent) == nullptr) {
        return nullptr;
    }
    Window made =
        BuildDialog(dialog, parent, resources::WS_CHILD | resources::DS_CONTROL, &handler);
    handler.OnInit(made);
    return Find(made) != nullptr ? made : nullptr;
}

void Desktop::Destroy(Window window) {
    DestroyTree(window);
}

void Desktop::DestroyTree(Window window) {
    DesktopWindow* found = Find(window);
    if (found == nullptr) {
        return;
    }
    // The window hears of its end before its children do, and never again.
    if (WindowHandler* handler = std::exchange(found->handler, nullptr)) {
        handler->OnDestroy(window);
    }
    for (Window child : Children(window)) {
        DestroyTree(child);
    }
    found = Find(window);
    if (found == nullptr) {
        return;
    }
    if (DesktopWindow* parent = Find(found->parent)) {
        std::erase(parent->children, window);
        if (parent->sheet) {
            for (SheetTab& tab : parent->sheet->tabs) {
                if (tab.window == window) {
                    tab.window = nullptr;
                }
            }
        }
    }
    std::erase(topLevel_, window);
    if (focus_ == window) {
        focus_ = nullptr;
    }
    windows_.erase(reinterpret_cast<uintptr_t>(window));
}

}  // namespace orca::platform::sim
